// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/site_pages.h"
#include "shell/application.h"
#include "shell/exit_window.h"
#include "shell/single_instance.h"
#include "shell/update_reminder.h"
#include "support/case_names.h"
#include "support/fake_platform.h"
#include "support/fake_settings.h"
#include "support/gui_helpers.h"
#include "support/scripted_random_source.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/report_window.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using testing_support::FakeClock;
using testing_support::FakePlatform;
using testing_support::FakeSettingsStore;
using testing_support::flushDeletes;
using testing_support::ScriptedRandomSource;

class ApplicationTest : public testing::Test {
protected:
    explicit ApplicationTest(std::vector<float> randomValues = {0.1f}) : m_random(std::move(randomValues)) {}
    ~ApplicationTest() override
    {
        m_application.exitApplication();
        flushDeletes();
    }

    QString lockPath() const { return m_folder.filePath(QStringLiteral("instance.lock")); }
    bool start() { return m_application.startApplication(m_lock); }
    windows::WindowFlow& flow() { return m_application.flow(); }
    bool mainWindowShown() { return flow().mainWindow() && flow().mainWindow()->isVisible(); }
    bool exitWindowShown() const { return m_application.exitWindow() && m_application.exitWindow()->isVisible(); }

    QTemporaryDir m_folder;
    FakePlatform m_platform;
    FakeSettingsStore m_settings;
    FakeClock m_clock;
    ScriptedRandomSource m_random;
    shell::Application m_application{{m_platform.platform, m_random, m_settings, m_clock}};
    shell::SingleInstanceLock m_lock{lockPath()};
    QSignalSpy m_ended{&m_application, &shell::Application::ended};
};

TEST_F(ApplicationTest, FirstStart_ShowsTheMainWindowQuietlyThenWritesTheDateAndLoadsTheReportOnceItIsDrawn)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(mainWindowShown());
    EXPECT_TRUE(m_platform.messageBoxes.shown.empty());
    EXPECT_EQ(m_settings.values.value(shell::kLastReminderKey), QStringLiteral("2026-03-10"));
    EXPECT_GE(m_random.reseedCount, 1);
    EXPECT_FALSE(exitWindowShown());
    EXPECT_EQ(m_ended.count(), 0);
    EXPECT_EQ(m_settings.flushes, 0);
    EXPECT_EQ(flow().reportWindow(), nullptr);

    EXPECT_TRUE(QTest::qWaitFor([this] { return m_settings.flushes > 0 && flow().reportWindow() != nullptr; }));
    EXPECT_EQ(m_settings.flushes, 1);
}

TEST_F(ApplicationTest, Start_WhileAnotherCopyRuns_SaysSoAndEndsWithoutAWindow)
{
    shell::SingleInstanceLock other(lockPath());
    ASSERT_TRUE(other.tryAcquire());
    EXPECT_FALSE(start());
    ASSERT_EQ(m_platform.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(m_platform.messageBoxes.shown[0].text, QStringLiteral("Application is already running"));
    EXPECT_EQ(m_platform.messageBoxes.shown[0].icon, windows::MessageIcon::Information);
    EXPECT_EQ(flow().mainWindow(), nullptr);
    EXPECT_EQ(m_ended.count(), 1);
    EXPECT_TRUE(other.isHeld());

    // The journal is the running copy's: one not let run never opens it (nor moves a damaged one aside).
    const QString journal = m_folder.filePath(QStringLiteral("journal/journal.sqlite3"));
    {
        shell::Application refused({m_platform.platform, m_random, m_settings, m_clock, journal});
        EXPECT_FALSE(refused.startApplication(m_lock));
    }
    EXPECT_FALSE(QFile::exists(journal));
}

TEST_F(ApplicationTest, Start_AnsweringYesToTheReminder_OpensTheDownloadPageAndStillShowsTheMainWindow)
{
    m_settings.values.insert(shell::kLastReminderKey, m_clock.date.addDays(-15).toString(Qt::ISODate));
    m_platform.messageBoxes.answerYes = true;
    ASSERT_TRUE(start());
    ASSERT_EQ(m_platform.urlOpener.opened.size(), 1u);
    EXPECT_EQ(m_platform.urlOpener.opened[0], display::pageAddress(display::PageKey::DownloadWebPage));
    EXPECT_TRUE(mainWindowShown());
}

QWidget* reachMain(windows::WindowFlow& flow)
{
    return flow.mainWindow();
}

QWidget* reachManual(windows::WindowFlow& flow)
{
    emit flow.mainWindow()->manualDealRequested(0);
    return flow.manualWindow();
}

QWidget* reachReport(windows::WindowFlow& flow)
{
    emit flow.mainWindow()->automaticDealRequested(0);
    return flow.reportWindow();
}

struct OfferCase {
    float value;
    int number;
    bool cobrandInFront;
};

class ApplicationOffer : public ApplicationTest, public testing::WithParamInterface<OfferCase> {
protected:
    ApplicationOffer() : ApplicationTest({GetParam().value}) {}
};

bool cobrandInFront(const windows::MainWindow& window)
{
    QLabel* cobrand = window.ui().lblCobrand;
    QLabel* fullBrand = window.ui().lblFullBrand;
    EXPECT_EQ(cobrand->parentWidget(), fullBrand->parentWidget());
    const QObjectList siblings = cobrand->parentWidget()->children();
    return siblings.indexOf(cobrand) > siblings.indexOf(fullBrand);
}

TEST_P(ApplicationOffer, Start_BringsTheDrawnOfferToTheFrontOfEveryMainWindowOfTheRun)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(m_application.coBrandNumber(), GetParam().number);
    EXPECT_EQ(cobrandInFront(*flow().mainWindow()), GetParam().cobrandInFront);

    // Back from the report and from the manual window each open a fresh main window.
    for (const auto reach : {reachReport, reachManual}) {
        QWidget* window = reach(flow());
        ASSERT_NE(window, nullptr);
        flushDeletes();
        window->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        flushDeletes();
        ASSERT_NE(flow().mainWindow(), nullptr);
        EXPECT_EQ(cobrandInFront(*flow().mainWindow()), GetParam().cobrandInFront);
    }
    EXPECT_EQ(m_application.coBrandNumber(), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Draws, ApplicationOffer,
                         testing::Values(OfferCase{0.0f, 1, true}, OfferCase{0.2f, 2, false}, OfferCase{0.4f, 3, true},
                                         OfferCase{0.5f, 4, false}, OfferCase{0.7f, 5, true},
                                         OfferCase{0.99f, 6, false}),
                         [](const auto& info) { return "Offer" + std::to_string(info.param.number); });

// How a person leaves the program from one of its three windows: the close box, or the named menu entry or button.
struct ClosingWay {
    const char* description;
    QWidget* (*reach)(windows::WindowFlow&);
    const char* control;
};

void closeBy(QWidget* window, const char* control)
{
    if (!control)
        window->close();
    else if (auto* action = window->findChild<QAction*>(QLatin1String(control)))
        action->trigger();
    else
        window->findChild<QPushButton*>(QLatin1String(control))->click();
}

class ApplicationClosing : public ApplicationTest, public testing::WithParamInterface<ClosingWay> {};

TEST_P(ApplicationClosing, ClosingAWindow_ShowsTheExitWindowAndClosingThatEndsTheProgram)
{
    ASSERT_TRUE(start());
    QWidget* window = GetParam().reach(flow());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(exitWindowShown()) << "a transition hides the exit window at once";
    window->show();
    closeBy(window, GetParam().control);
    flushDeletes();
    EXPECT_TRUE(exitWindowShown());
    EXPECT_EQ(m_ended.count(), 0) << "the program waits for the exit window";

    m_application.exitWindow()->close();
    EXPECT_EQ(m_ended.count(), 1);
    EXPECT_FALSE(exitWindowShown());
    flushDeletes();
    EXPECT_EQ(flow().mainWindow(), nullptr);
    EXPECT_EQ(flow().manualWindow(), nullptr);
    EXPECT_EQ(flow().reportWindow(), nullptr);
}

const ClosingWay kClosingWays[] = {
    {"main close box", reachMain, nullptr},         {"main exit menu", reachMain, "mnuExit"},
    {"manual close box", reachManual, nullptr},     {"manual exit menu", reachManual, "mnuExit"},
    {"report close box", reachReport, nullptr},     {"report exit menu", reachReport, "mnuExit"},
    {"report exit button", reachReport, "cmdExit"},
};

INSTANTIATE_TEST_SUITE_P(Ways, ApplicationClosing, testing::ValuesIn(kClosingWays),
                         [](const auto& info) { return testing_support::caseName(info.param.description); });

TEST_F(ApplicationTest, ExitWindow_KeepsItsMessageWhenShownTwiceAndStaysAwayOnceTheProgramHasEnded)
{
    ASSERT_TRUE(start());
    m_application.showExitWindow();
    shell::ExitWindow* first = m_application.exitWindow();
    const QString message = first->ui().Label2->text();
    m_application.hideExitWindow();
    m_application.showExitWindow();
    EXPECT_EQ(m_application.exitWindow(), first);
    EXPECT_EQ(first->ui().Label2->text(), message);
    EXPECT_EQ(m_random.reseedCount, 2) << "one reseed at start-up, one when the exit window loads";

    m_application.exitApplication();
    m_application.exitApplication();
    m_application.showExitWindow();
    EXPECT_EQ(m_ended.count(), 1);
    EXPECT_FALSE(exitWindowShown());
}

// "Keep a journal of my readings" is on for a new user and stays as the person last set it.
struct KeepJournalCase {
    const char* description;
    std::optional<QString> stored;
    bool keeping;
};

class KeepJournalSetting : public testing::TestWithParam<KeepJournalCase> {};

TEST_P(KeepJournalSetting, IsReadAtStartAndWrittenWhenChanged)
{
    QTemporaryDir folder;
    FakePlatform platform;
    FakeSettingsStore settings;
    if (GetParam().stored)
        settings.values.insert(QStringLiteral("keepJournal"), *GetParam().stored);
    FakeClock clock;
    ScriptedRandomSource random({0.1f});
    shell::Application application{
        {platform.platform, random, settings, clock, folder.filePath(QStringLiteral("journal.sqlite3"))}};
    EXPECT_EQ(application.journal().keepsReadings(), GetParam().keeping);

    application.journal().setKeepsReadings(!GetParam().keeping);

    EXPECT_EQ(settings.values.value(QStringLiteral("keepJournal")),
              GetParam().keeping ? QStringLiteral("0") : QStringLiteral("1"));
    EXPECT_GE(settings.flushes, 1);
    application.exitApplication();
    flushDeletes();
}

INSTANTIATE_TEST_SUITE_P(Stored, KeepJournalSetting,
                         testing::Values(KeepJournalCase{"never set", std::nullopt, true},
                                         KeepJournalCase{"turned off", QStringLiteral("0"), false},
                                         KeepJournalCase{"turned on", QStringLiteral("1"), true},
                                         KeepJournalCase{"unreadable", QStringLiteral("?"), true}),
                         [](const auto& info) { return testing_support::caseName(info.param.description); });

} // namespace
