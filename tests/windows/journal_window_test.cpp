// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "journal/reading_record.h"
#include "support/scripted_random_source.h"
#include "support/window_test.h"
#include "windows/journal_keeper.h"
#include "windows/journal_table_model.h"
#include "windows/journal_window.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/own_cards_window.h"
#include "windows/report_window.h"
#include "windows/window_flow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

namespace windows_testing {
namespace {

using windows::JournalKeeper;
using windows::JournalWindow;

class JournalWindowTest : public WindowTest {
protected:
    // Deals an automatic reading for the name and returns its report as saved.
    std::string deal(const QString& name, int spread)
    {
        windows::MainWindow* main = flow->showMainWindow();
        fillInRequest(main, spread, true);
        main->ui().txtName->setText(name);
        QTest::mouseClick(main->ui().cmdCalculate, Qt::LeftButton);
        settle();
        return flow->reportWindow()->document().toRtf();
    }

    // Lets the writer finish and its news reach the windows.
    void settle()
    {
        keeper->waitForWrites();
        QCoreApplication::processEvents();
        flushDeletes();
    }

    JournalWindow* openJournal()
    {
        JournalWindow* window = flow->showJournalWindow();
        settle();
        return window;
    }

    int readingsKept()
    {
        keeper->waitForWrites();
        return keeper->count({});
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("journal.sqlite3"));
    testing_support::ScriptedRandomSource random = testing_support::ScriptedRandomSource::forCards(wholeDeck());
    std::unique_ptr<JournalKeeper> keeper = std::make_unique<JournalKeeper>(path);
    std::unique_ptr<windows::WindowFlow> flow = std::make_unique<windows::WindowFlow>(services, random, keeper.get());
};

TEST_F(JournalWindowTest, OpenFromJournal_ShowsTheReportAsDealtAndBackReturnsToTheJournal)
{
    const std::string dealtFirst = deal(QStringLiteral("Ada"), 10);
    deal(QStringLiteral("Grace"), 17);
    trigger(flow->reportWindow(), QStringLiteral("mnuJournal"));
    settle();
    JournalWindow* journal = flow->journalWindow();
    ASSERT_NE(journal, nullptr);
    EXPECT_TRUE(journal->isVisible());
    EXPECT_EQ(flow->reportWindow(), nullptr);
    ASSERT_EQ(journal->model().rowCount(), 2);
    // Newest first.
    EXPECT_EQ(journal->model().readingAt(0)->name, "Grace");

    journal->ui().txtSearch->setText(QStringLiteral("ada"));
    ASSERT_EQ(journal->model().rowCount(), 1);
    const std::int64_t opened = journal->model().readingAt(0)->id;
    trigger(journal, QStringLiteral("mnuOpen"));
    settle();

    ASSERT_NE(flow->reportWindow(), nullptr);
    EXPECT_TRUE(flow->reportWindow()->isVisible());
    EXPECT_EQ(flow->journalWindow(), nullptr);
    EXPECT_EQ(flow->reportWindow()->document().toRtf(), dealtFirst);
    // Reopening keeps no second copy.
    EXPECT_EQ(readingsKept(), 2);

    QTest::mouseClick(flow->reportWindow()->ui().cmdBack, Qt::LeftButton);
    settle();
    ASSERT_NE(flow->journalWindow(), nullptr);
    EXPECT_TRUE(flow->journalWindow()->isVisible());
    // As the person left it: the same search, the same reading chosen.
    EXPECT_EQ(flow->journalWindow()->ui().txtSearch->text(), QStringLiteral("ada"));
    const QModelIndexList chosen = flow->journalWindow()->ui().grdReadings->selectionModel()->selectedRows();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(flow->journalWindow()->model().readingAt(chosen.front().row())->id, opened);
    EXPECT_EQ(flow->mainWindow(), nullptr);
    EXPECT_FALSE(services.exitWindowShown);
}

struct DeleteCase {
    const char* name;
    int selected;
    bool answerYes;
    const char* question;
    int keptAfter;
};

class JournalDeleteTest : public JournalWindowTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(JournalDeleteTest, Delete_AsksNamingHowManyAndDeletesOnlyOnYes)
{
    const DeleteCase& c = GetParam();
    for (const QString& name : {QStringLiteral("Ada"), QStringLiteral("Grace"), QStringLiteral("Hedy")})
        deal(name, 2);
    JournalWindow* journal = openJournal();
    journal->ui().grdReadings->selectAll();
    if (c.selected == 1)
        journal->ui().grdReadings->selectRow(0);
    services.fake.messageBoxes.answerYes = c.answerYes;

    // The Delete key in the table does what the menu entry does.
    journal->ui().grdReadings->setFocus();
    QTest::keyClick(journal->ui().grdReadings, Qt::Key_Delete);
    settle();

    ASSERT_EQ(shownTexts().size(), 1U);
    EXPECT_TRUE(shownTexts().front().startsWith(QString::fromUtf8(c.question))) << shownTexts().front().toStdString();
    EXPECT_EQ(services.fake.messageBoxes.shown.front().icon, windows::MessageIcon::Warning);
    EXPECT_EQ(readingsKept(), c.keptAfter);
    EXPECT_EQ(journal->model().rowCount(), c.keptAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, JournalDeleteTest,
                         ::testing::Values(DeleteCase{"OneYes", 1, true, "Delete 1 reading from", 2},
                                           DeleteCase{"AllNo", 3, false, "Delete 3 readings from", 3},
                                           DeleteCase{"AllYes", 3, true, "Delete 3 readings from", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every way to a reading keeps it the moment its report is shown, with the person as entered and how it was dealt.
class JournalRecordingTest : public JournalWindowTest, public ::testing::WithParamInterface<journal::DealtBy> {};

TEST_P(JournalRecordingTest, EveryReading_IsKeptAsShown)
{
    windows::MainWindow* main = flow->showMainWindow();
    fillInRequest(main, 3, GetParam() == journal::DealtBy::Automatic);
    main->ui().txtName->setText(QStringLiteral(" Ada  Byron "));
    main->ui().cboMonth->setCurrentIndex(11);
    main->ui().cboDate->setCurrentIndex(9);
    main->ui().cboYear->setCurrentText(QStringLiteral("1985"));
    const engine::Hand laidOut{51, 0, 13, 26, 39};
    switch (GetParam()) {
    case journal::DealtBy::Automatic:
    case journal::DealtBy::Manual:
        QTest::mouseClick(main->ui().cmdCalculate, Qt::LeftButton);
        for (int pick = 0; flow->manualWindow() && pick < 5; ++pick)
            QTest::mouseClick(flow->manualWindow()->ui().picManual[static_cast<std::size_t>(pick)], Qt::LeftButton);
        break;
    case journal::DealtBy::OwnCards:
        trigger(main, QStringLiteral("mnuOwnCards"));
        ASSERT_NE(flow->ownCardsWindow(), nullptr);
        emit flow->ownCardsWindow()->readRequested(3, laidOut, QStringLiteral("The move?"));
        break;
    }
    settle();
    ASSERT_NE(flow->reportWindow(), nullptr);
    ASSERT_TRUE(flow->reportWindow()->isVisible());

    const std::vector<journal::Reading> kept = keeper->search({}, -1, 0, {});
    ASSERT_EQ(kept.size(), 1U);
    const journal::Reading& reading = kept.front();
    EXPECT_EQ(reading.name, " Ada  Byron ");
    EXPECT_EQ(reading.birthDate, "1985-12-10");
    EXPECT_EQ(reading.spread, 3);
    EXPECT_EQ(reading.spreadName, "5 Card Spread");
    EXPECT_EQ(reading.dealtBy, GetParam());
    const engine::Hand dealt{0, 1, 2, 3, 4};
    EXPECT_EQ(reading.cards, GetParam() == journal::DealtBy::OwnCards ? laidOut : dealt);
    EXPECT_EQ(reading.question, GetParam() == journal::DealtBy::OwnCards ? "The move?" : "");
    EXPECT_EQ(reading.uuid.size(), 36U);
}

INSTANTIATE_TEST_SUITE_P(Ways, JournalRecordingTest,
                         ::testing::Values(journal::DealtBy::Automatic, journal::DealtBy::Manual,
                                           journal::DealtBy::OwnCards),
                         [](const auto& info) {
                             return std::string(journal::dealtByName(info.param) == "own cards"
                                                    ? "OwnCards"
                                                    : journal::dealtByName(info.param));
                         });

TEST_F(JournalWindowTest, ForgetAll_AsksFirstAndEmptiesTheJournal)
{
    deal(QStringLiteral("Ada"), 2);
    deal(QStringLiteral("Ada"), 3);
    JournalWindow* journal = openJournal();
    services.fake.messageBoxes.answerYes = true;

    trigger(journal, QStringLiteral("mnuForgetAll"));
    settle();

    ASSERT_EQ(shownTexts().size(), 1U);
    EXPECT_TRUE(shownTexts().front().startsWith(QStringLiteral("Forget all 2 readings")));
    EXPECT_EQ(readingsKept(), 0);
    EXPECT_EQ(journal->model().rowCount(), 0);
    // With nothing left, neither Delete nor Forget All is offered.
    EXPECT_FALSE(journal->ui().cmdForgetAll->isEnabled());
    EXPECT_FALSE(journal->ui().cmdDelete->isEnabled());
}

// Edits are kept without a Save button: while typing, on leaving the field, and when the window closes.
enum class NotesLeave { Pause, FocusElsewhere, CloseWindow };

class JournalNotesTest : public JournalWindowTest, public ::testing::WithParamInterface<NotesLeave> {};

TEST_P(JournalNotesTest, NotesAndQuestion_AreKeptWithoutSaving)
{
    deal(QStringLiteral("Ada"), 2);
    JournalWindow* journal = openJournal();
    journal->ui().grdReadings->selectRow(0);
    const std::int64_t id = journal->model().readingAt(0)->id;
    journal->ui().txtNotes->setFocus();
    QTest::keyClicks(journal->ui().txtNotes, QStringLiteral("The letter came on Friday."));
    journal->ui().txtQuestion->setFocus();
    QTest::keyClicks(journal->ui().txtQuestion, QStringLiteral("Will it come?"));

    switch (GetParam()) {
    case NotesLeave::Pause:
        QTest::qWait(600);
        break;
    case NotesLeave::FocusElsewhere:
        journal->ui().grdReadings->setFocus();
        break;
    case NotesLeave::CloseWindow:
        journal->close();
        break;
    }
    keeper->waitForWrites();

    // Another connection sees what a crash right now would leave.
    auto reopened = journal::Journal::open(path.toStdString());
    ASSERT_NE(reopened.journal, nullptr);
    const auto kept = reopened.journal->find(id);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->notes, "The letter came on Friday.");
    EXPECT_EQ(kept->question, "Will it come?");
}

INSTANTIATE_TEST_SUITE_P(Leaving, JournalNotesTest,
                         ::testing::Values(NotesLeave::Pause, NotesLeave::FocusElsewhere, NotesLeave::CloseWindow),
                         [](const auto& info) {
                             return std::string(info.param == NotesLeave::Pause            ? "Pause"
                                                : info.param == NotesLeave::FocusElsewhere ? "FocusElsewhere"
                                                                                           : "CloseWindow");
                         });

TEST_F(JournalWindowTest, KeepingTurnedOff_RecordsNothingNew)
{
    deal(QStringLiteral("Ada"), 2);
    JournalWindow* journal = openJournal();
    journal->ui().chkKeepJournal->click();
    EXPECT_FALSE(keeper->keepsReadings());
    trigger(journal, QStringLiteral("mnuBack"));
    settle();

    deal(QStringLiteral("Grace"), 2);

    EXPECT_EQ(readingsKept(), 1);
}

TEST_F(JournalWindowTest, JournalThatCannotBeOpened_ReadingsStillShownAndToldOnce)
{
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    flow.reset();
    keeper = std::make_unique<JournalKeeper>(folder.filePath(QStringLiteral("not-a-folder/journal.sqlite3")));
    flow = std::make_unique<windows::WindowFlow>(services, random, keeper.get());

    deal(QStringLiteral("Ada"), 2);
    EXPECT_TRUE(flow->reportWindow()->isVisible());
    QTest::mouseClick(flow->reportWindow()->ui().cmdBack, Qt::LeftButton);
    deal(QStringLiteral("Grace"), 3);
    EXPECT_TRUE(flow->reportWindow()->isVisible());

    EXPECT_EQ(shownTexts().size(), 1U);
}

TEST_F(JournalWindowTest, ExportThenImportIntoAFreshJournal_AddsOnlyWhatIsNew)
{
    deal(QStringLiteral("Ada"), 2);
    deal(QStringLiteral("Grace"), 10);
    JournalWindow* journal = openJournal();
    services.fake.fileChooser.exportPath = folder.filePath(QStringLiteral("readings.json"));
    trigger(journal, QStringLiteral("mnuExportJson"));
    journal->close();
    flow.reset();
    keeper = std::make_unique<JournalKeeper>(folder.filePath(QStringLiteral("elsewhere/journal.sqlite3")));
    flow = std::make_unique<windows::WindowFlow>(services, random, keeper.get());
    deal(QStringLiteral("Hedy"), 3);
    journal = openJournal();
    services.fake.fileChooser.importPath = services.fake.fileChooser.exportPath;

    trigger(journal, QStringLiteral("mnuImport"));
    settle();
    trigger(journal, QStringLiteral("mnuImport"));
    settle();

    EXPECT_EQ(readingsKept(), 3);
    EXPECT_EQ(journal->model().rowCount(), 3);
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{QStringLiteral("All 2 readings in the file were added to the journal."),
                                    QStringLiteral("All 2 readings in the file are already in the journal.")}));
}

TEST_F(JournalWindowTest, Keyboard_TabReachesEveryControlByNameAndReturnOpensTheRow)
{
    deal(QStringLiteral("Ada"), 2);
    deal(QStringLiteral("Grace"), 3);
    JournalWindow* journal = openJournal();
    journal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(journal));
    journal->ui().txtSearch->setFocus();

    std::vector<QString> reached;
    for (int press = 0; press < 13; ++press) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        reached.push_back(focused->objectName());
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name).isEmpty())
            << focused->objectName().toStdString();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(reached, (std::vector<QString>{
                           QStringLiteral("txtSearch"), QStringLiteral("chkKeepJournal"), QStringLiteral("grdReadings"),
                           QStringLiteral("txtQuestion"), QStringLiteral("txtNotes"), QStringLiteral("cmdOpen"),
                           QStringLiteral("cmdDelete"), QStringLiteral("cmdCards"), QStringLiteral("cmdExportCsv"),
                           QStringLiteral("cmdExportJson"), QStringLiteral("cmdImport"), QStringLiteral("cmdForgetAll"),
                           QStringLiteral("cmdBack")}));

    // The cards read as their names, not as the symbols on screen.
    const QModelIndex cards = journal->model().index(1, windows::JournalTableModel::CardsColumn);
    EXPECT_FALSE(cards.data(Qt::DisplayRole).toString().contains(QStringLiteral("of")));
    EXPECT_TRUE(cards.data(Qt::AccessibleTextRole).toString().contains(QStringLiteral(" of ")));

    QSignalSpy opened(journal, &JournalWindow::openRequested);
    journal->ui().grdReadings->setFocus();
    journal->ui().grdReadings->setCurrentIndex(journal->model().index(1, 0));
    QTest::keyClick(journal->ui().grdReadings, Qt::Key_Return);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().front().value<journal::Reading>().name, "Ada");
}

TEST_F(JournalWindowTest, SortingByAColumn_OrdersEveryReadingNotOnlyThoseLoaded)
{
    for (const QString& name : {QStringLiteral("Grace"), QStringLiteral("ada"), QStringLiteral("Hedy")})
        deal(name, 2);
    JournalWindow* journal = openJournal();

    journal->ui().grdReadings->horizontalHeader()->setSortIndicator(windows::JournalTableModel::NameColumn,
                                                                    Qt::AscendingOrder);

    std::vector<std::string> names;
    for (int row = 0; row < journal->model().rowCount(); ++row)
        names.push_back(journal->model().readingAt(row)->name);
    EXPECT_EQ(names, (std::vector<std::string>{"ada", "Grace", "Hedy"}));
}

// Hearts and diamonds are red in the table, as on the cards, except in the selection, which has one colour.
TEST_F(JournalWindowTest, CardsColumn_ShowsRedSuitsInRedOutsideTheSelection)
{
    keeper->keep(journal::newReading("Ada", "", 2, {37, 13, 26}, journal::DealtBy::Automatic)); // Q♥ A♦ A♥
    JournalWindow* journal = openJournal();
    EXPECT_TRUE(journal->ui().lblReading->text().startsWith(QStringLiteral("Ada\n"))) << "no \", born\" without a date";
    QTableView* table = journal->ui().grdReadings;
    const auto redShown = [table] {
        const QImage cells = table->viewport()->grab().toImage();
        const QRect cell = table->visualRect(table->model()->index(0, windows::JournalTableModel::CardsColumn));
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (const QColor pixel = cells.pixelColor(x, y); pixel.red() > 200 && pixel.green() < 120)
                    return true;
        return false;
    };
    EXPECT_FALSE(redShown());
    table->clearSelection();
    EXPECT_TRUE(redShown());
}

} // namespace
} // namespace windows_testing
