// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/platform.h"

#include <QMessageBox>

#include <memory>

class QFileDialog;

namespace windows {

// The message box as shown: titled with the application title, OK or Yes and No.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                                            QMessageBox::StandardButtons buttons);

class QtMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
};

// The save dialogs of a report, as RTF and as PDF, set up but not shown.
std::unique_ptr<QFileDialog> makeReportSaveDialog(QWidget* parent);
std::unique_ptr<QFileDialog> makePdfSaveDialog(QWidget* parent);

class QtFileChooser final : public FileChooser {
public:
    QString chooseSaveFile(QWidget* parent) override;
    QString choosePdfFile(QWidget* parent) override;
    QString chooseJournalExportFile(QWidget* parent, JournalFileFormat format) override;
    QString chooseJournalImportFile(QWidget* parent) override;
};

class QtPrintDialog final : public PrintDialog {
public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
};

// Waits while the windows keep repainting but take no input at all.
class InputBlockingWait final : public Wait {
public:
    void wait(int milliseconds) override;
};

} // namespace windows
