// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Journal window over 100,000 readings, as the person sees it: from the command to the first page drawn, and
// from a keystroke in the search box to the table drawn again. Uses the journal that journal-benchmarks makes
// (JOURNAL_BENCH_FILE names another); runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include "journal_generator.h"

#include "display/platform.h"
#include "windows/journal_keeper.h"
#include "windows/journal_window.h"
#include "windows/window_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kReadings = 100000;

std::string benchJournalPath()
{
    if (const char* given = std::getenv("JOURNAL_BENCH_FILE"))
        return given;
    return (std::filesystem::temp_directory_path() / "zelto-journal-bench" / "journal-100k.sqlite3").string();
}

void makeBenchJournal()
{
    const std::string path = benchJournalPath();
    if (std::filesystem::exists(path))
        return;
    journal::OpenResult opened = journal::Journal::open(path);
    if (opened.journal)
        bench::fillJournal(*opened.journal, kReadings);
}

// Platform services that never show anything: nothing here asks the person.
class SilentPlatform final : public windows::MessageBoxes,
                             public windows::FileChooser,
                             public display::UrlOpener,
                             public windows::Wait,
                             public windows::PrintDialog,
                             public windows::WindowServices {
public:
    void inform(QWidget*, const QString&, windows::MessageIcon) override {}
    bool askYesNo(QWidget*, const QString&, windows::MessageIcon) override { return false; }
    QString chooseSaveFile(QWidget*) override { return {}; }
    QString choosePdfFile(QWidget*) override { return {}; }
    QString chooseJournalExportFile(QWidget*, windows::JournalFileFormat) override { return {}; }
    QString chooseJournalImportFile(QWidget*) override { return {}; }
    void openUrl(const QUrl&) override {}
    void wait(int) override {}
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    windows::Platform& platform() override { return m_platform; }
    void addSharedMenus(QMenuBar*, QWidget*) override {}
    void showExitWindow() override {}
    void hideExitWindow() override {}

private:
    windows::Platform m_platform{*this, *this, *this, *this, *this};
};

// Until everything queued is drawn.
void drawNow(QWidget& window)
{
    QCoreApplication::processEvents();
    window.repaint();
}

// From the "&Journal..." command to the first page on screen: the journal opened by the program at start, the window
// built, its first page read and counted, and drawn.
void BM_JournalWindowFirstPage(benchmark::State& state)
{
    SilentPlatform services;
    windows::JournalKeeper keeper(QString::fromStdString(benchJournalPath()));
    keeper.waitForWrites();
    for (auto _ : state) {
        auto window = std::make_unique<windows::JournalWindow>(services, keeper);
        window->show();
        drawNow(*window);
        benchmark::DoNotOptimize(window->ui().grdReadings->model()->rowCount());
    }
}
BENCHMARK(BM_JournalWindowFirstPage)->Unit(benchmark::kMillisecond);

// The first open in a run, which also opens the window's own connection to the journal.
void BM_JournalWindowFirstPageWithOpening(benchmark::State& state)
{
    SilentPlatform services;
    for (auto _ : state) {
        state.PauseTiming();
        auto keeper = std::make_unique<windows::JournalKeeper>(QString::fromStdString(benchJournalPath()));
        keeper->waitForWrites();
        state.ResumeTiming();
        auto window = std::make_unique<windows::JournalWindow>(services, *keeper);
        window->show();
        drawNow(*window);
        state.PauseTiming();
        window.reset();
        keeper.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_JournalWindowFirstPageWithOpening)->Unit(benchmark::kMillisecond);

// Typing a search one keystroke at a time, and clearing it: each step redraws the table.
void BM_JournalWindowKeystroke(benchmark::State& state, const QString& typed)
{
    SilentPlatform services;
    windows::JournalKeeper keeper(QString::fromStdString(benchJournalPath()));
    windows::JournalWindow window(services, keeper);
    window.show();
    drawNow(window);
    int length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        window.ui().txtSearch->setText(typed.left(length));
        drawNow(window);
    }
    state.counters["keystrokes_per_text"] = static_cast<double>(typed.size());
}
BENCHMARK_CAPTURE(BM_JournalWindowKeystroke, anna_lind, QStringLiteral("anna lind"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalWindowKeystroke, queen_of_hearts, QStringLiteral("Queen of Hearts"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JournalWindowKeystroke, promotion, QStringLiteral("promotion"))->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    makeBenchJournal();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
