// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/reading_record.h"
#include "windows/platform.h"
#include "windows/reading_window.h"

#include <QTimer>

#include <cstdint>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace windows {

class JournalKeeper;
class JournalTableModel;
class WindowServices;

// Every reading kept: search, question and notes, reopening, deleting, the cards that keep coming up, export and
// import, and the setting that keeps the journal.
class JournalWindow final : public ReadingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalWindow)

public:
    struct Ui {
        QLineEdit* txtSearch = nullptr;
        QCheckBox* chkKeepJournal = nullptr;
        QLabel* lblKeepJournal = nullptr;
        QLabel* lblCount = nullptr;
        QTableView* grdReadings = nullptr;
        QGroupBox* fraReading = nullptr;
        QLabel* lblReading = nullptr;
        QLineEdit* txtQuestion = nullptr;
        QPlainTextEdit* txtNotes = nullptr;
        QPushButton* cmdOpen = nullptr;
        QPushButton* cmdDelete = nullptr;
        QPushButton* cmdCards = nullptr;
        QPushButton* cmdExportCsv = nullptr;
        QPushButton* cmdExportJson = nullptr;
        QPushButton* cmdImport = nullptr;
        QPushButton* cmdForgetAll = nullptr;
        QPushButton* cmdBack = nullptr;
        QAction* mnuOpen = nullptr;
        QAction* mnuDelete = nullptr;
        QAction* mnuForgetAll = nullptr;
        QAction* mnuCards = nullptr;
        QAction* mnuExportCsv = nullptr;
        QAction* mnuExportJson = nullptr;
        QAction* mnuImport = nullptr;
        QAction* mnuBack = nullptr;
        QAction* mnuExit = nullptr;
    };

    JournalWindow(WindowServices& services, JournalKeeper& keeper, QWidget* parent = nullptr);
    ~JournalWindow() override;

    const Ui& ui() const { return m_ui; }
    JournalTableModel& model() const { return *m_model; }
    // Chooses the reading's row, loading pages until it is there; false when the search does not show it.
    bool selectReading(std::int64_t id);
    // Searches for the text and chooses the reading, as the person left the window.
    void showSearch(const QString& text, std::int64_t id);
    QString searchText() const;

signals:
    void openRequested(const journal::Reading& reading);
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void txtSearch_Change();
    void grdReadings_SelectionChange();
    void notes_Change();
    void cmdOpen_Click();
    void cmdDelete_Click();
    void cmdForgetAll_Click();
    void cmdCards_Click();
    void cmdImport_Click();
    void chkKeepJournal_Click(bool checked);

private:
    void buildControls();
    void buildMenus();
    void showCount();
    void showSelectedReading();
    void showReadOnly();
    std::vector<std::int64_t> selectedIds() const;
    void chooseRow(int row);
    // Keeps the question and notes being edited, if they changed.
    void keepNotes();
    void exportReadings(JournalFileFormat format);
    void reloadKeepingSelection();

    JournalKeeper& m_keeper;
    JournalTableModel* m_model = nullptr;
    Ui m_ui;
    std::optional<std::int64_t> m_editedId; // the reading whose question and notes are shown
    bool m_notesChanged = false;
    QTimer m_keepNotesSoon;
    QTimer m_showCountSoon;
};

} // namespace windows
