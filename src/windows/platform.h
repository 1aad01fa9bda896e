// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/platform.h"

#include <QString>

class QPrinter;
class QWidget;

namespace windows {

inline const QString kApplicationTitle = QStringLiteral("Zelto Cartomancy");

// Warning is for a question whose Yes destroys something: its default button is No.
enum class MessageIcon { Error, Information, Warning };

// Message boxes titled with the application title and an OK button (or Yes and No).
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void inform(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    virtual bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) = 0; // true for Yes
};

enum class JournalFileFormat { Csv, Json };

// The save dialogs of a report and the journal's export and import; an empty path when the person cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual QString chooseSaveFile(QWidget* parent) = 0;
    virtual QString choosePdfFile(QWidget* parent) = 0;
    virtual QString chooseJournalExportFile(QWidget* parent, JournalFileFormat format) = 0;
    virtual QString chooseJournalImportFile(QWidget* parent) = 0;
};

// The system's print dialog: sets up the printer; false when the person cancels.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The pause before a manual reading; the application takes no input while it lasts.
class Wait {
public:
    virtual ~Wait() = default;
    virtual void wait(int milliseconds) = 0;
};

// The platform services the windows and the shell use, owned elsewhere.
struct Platform {
    MessageBoxes& messageBoxes;
    FileChooser& fileChooser;
    display::UrlOpener& urlOpener;
    Wait& wait;
    PrintDialog& printDialog;
};

} // namespace windows
