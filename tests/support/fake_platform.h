// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fake_url_opener.h"
#include "windows/platform.h"

#include <QPrinter>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <vector>

namespace testing_support {

struct ShownMessage {
    QString text;
    windows::MessageIcon icon;
};

class FakeMessageBoxes final : public windows::MessageBoxes {
public:
    void inform(QWidget*, const QString& text, windows::MessageIcon icon) override { shown.push_back({text, icon}); }
    bool askYesNo(QWidget*, const QString& text, windows::MessageIcon icon) override
    {
        shown.push_back({text, icon});
        return answerYes;
    }
    std::vector<ShownMessage> shown;
    bool answerYes = false;
};

class FakeFileChooser final : public windows::FileChooser {
public:
    QString chooseSaveFile(QWidget*) override
    {
        ++calls;
        return path;
    }
    QString choosePdfFile(QWidget*) override
    {
        ++pdfCalls;
        return pdfPath;
    }
    QString path; // empty: the person cancels
    int calls = 0;
    QString pdfPath;
    int pdfCalls = 0;
    QString chooseJournalExportFile(QWidget*, windows::JournalFileFormat format) override
    {
        exportFormats.push_back(format);
        return exportPath;
    }
    QString chooseJournalImportFile(QWidget*) override { return importPath; }
    QString exportPath;
    std::vector<windows::JournalFileFormat> exportFormats;
    QString importPath;
};

// Prints to a PDF file instead of showing the dialog.
class FakePrintDialog final : public windows::PrintDialog {
public:
    bool choosePrinter(QWidget*, QPrinter& printer) override
    {
        ++calls;
        documentName = printer.docName();
        if (outputPath.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputPath);
        return true;
    }
    QString outputPath; // empty: the person cancels
    int calls = 0;
    QString documentName;
};

class FakeWait final : public windows::Wait {
public:
    void wait(int milliseconds) override { waits.push_back(milliseconds); }
    std::vector<int> waits;
};

struct FakePlatform {
    FakeMessageBoxes messageBoxes;
    FakeFileChooser fileChooser;
    FakeUrlOpener urlOpener;
    FakeWait wait;
    FakePrintDialog printDialog;
    windows::Platform platform{messageBoxes, fileChooser, urlOpener, wait, printDialog};
};

} // namespace testing_support
