// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "richtext/document.h"
#include "windows/reading_window.h"

#include <QString>

#include <optional>

class QAction;
class QPushButton;
class QScrollArea;

namespace display {
class ClickableLabel;
struct PaperReading;
class ReportView;
class SpreadDisplay;
} // namespace display

namespace engine {
class ReadingEngine;
}

namespace windows {

class WindowServices;

// The name the print dialog offers for a file to print the reading to: one every file system takes.
QString printFileName(const QString& spreadTitle);

// A finished reading: the report beside the picture of the spread, with Save, Back and Exit.
class ReportWindow final : public ReadingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportWindow)

public:
    struct Ui {
        QWidget* picTop = nullptr;
        QPushButton* cmdBack = nullptr;
        QWidget* picBottom = nullptr;
        QPushButton* cmdSave = nullptr;
        QPushButton* cmdExit = nullptr;
        display::ClickableLabel* lblFullBrand = nullptr;
        display::ClickableLabel* lblCobrand = nullptr;
        QWidget* picRight = nullptr;
        display::ReportView* RTB = nullptr;
        QScrollArea* clientArea = nullptr;
        display::SpreadDisplay* spreadDisplay = nullptr;
        QAction* mnuSave = nullptr;
        QAction* mnuPrint = nullptr;
        QAction* mnuExportPdf = nullptr;
        QAction* mnuJournal = nullptr;
        QAction* mnuBack = nullptr;
        QAction* mnuExit = nullptr;
    };

    explicit ReportWindow(WindowServices& services, QWidget* parent = nullptr);
    ~ReportWindow() override;

    const Ui& ui() const { return m_ui; }
    const richtext::Document& document() const { return m_document; }

    // Deals a reading of the spread into this window's report and spread display.
    void writeReading(engine::ReadingEngine& engine, engine::SpreadIndex spread);
    // Reads a hand laid out elsewhere into them, exactly as a deal of the same cards.
    void writeReading(engine::ReadingEngine& engine, engine::SpreadIndex spread, const engine::Hand& hand);
    // Writes the report as RTF; the reason when the file could not be written.
    std::optional<QString> saveReport(const QString& path) const;
    // Writes the spread picture and the report as a PDF document; the reason when the file could not be written.
    std::optional<QString> exportPdf(const QString& path) const;

signals:
    void backRequested();
    void journalRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void MDIForm_Resize();
    void cmdSave_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();

private:
    void buildControls();
    void buildMenus();
    void fitReportView();
    void showReading(engine::SpreadIndex spread);
    void fitOfferLine();
    void fitSpreadScrollBars();
    display::PaperReading paperReading() const;
    // Writes to the chosen path (nothing when the person cancelled) and shows why a write failed.
    void saveAs(const QString& path, std::optional<QString> (ReportWindow::*write)(const QString&) const);

    richtext::Document m_document;
    engine::SpreadIndex m_spread = -1;
    Ui m_ui;
};

} // namespace windows
