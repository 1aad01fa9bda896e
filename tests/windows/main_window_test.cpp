// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "engine/spread_catalogue.h"
#include "support/case_names.h"
#include "support/window_test.h"
#include "windows/main_window.h"
#include "windows/window_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <functional>

namespace windows_testing {
namespace {

using windows::MainWindow;
using windows::MessageIcon;

class MainWindowTest : public WindowTest {
protected:
    MainWindow* makeWindow()
    {
        auto* window = new MainWindow(services);
        window->show();
        return window;
    }
};

TEST_F(MainWindowTest, Opening_ShowsInitialStateAndIntroduction)
{
    MainWindow* window = makeWindow();
    const MainWindow::Ui& ui = window->ui();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zelto Cartomancy v1.45"));
    EXPECT_TRUE(ui.txtName->text().isEmpty());
    EXPECT_EQ(ui.cboMonth->currentText(), QStringLiteral("January"));
    EXPECT_EQ(ui.cboDate->currentText(), QStringLiteral("1"));
    EXPECT_EQ(ui.cboYear->currentText(), QStringLiteral("1900"));
    EXPECT_EQ(ui.cboYear->count(), 151);
    EXPECT_EQ(ui.cboYear->itemText(150), QStringLiteral("2050"));
    EXPECT_EQ(ui.cboDate->count(), 31);
    EXPECT_EQ(ui.cboSpread->count(), 18);
    EXPECT_EQ(ui.cboSpread->itemText(17), QStringLiteral("Gypsy / Romany Spread"));
    EXPECT_EQ(ui.cboSpread->currentIndex(), -1);
    EXPECT_FALSE(ui.optAuto->isChecked());
    EXPECT_FALSE(ui.optManual->isChecked());
    const QString intro = ui.lblSpreadDesc->text();
    EXPECT_TRUE(intro.startsWith(QStringLiteral("Zelto Free Cartomancy is a divination software")));
    EXPECT_TRUE(intro.endsWith(QString(104, QLatin1Char(' ')) +
                               QStringLiteral("Select a Spread of Your Choice to get your Reading Now!")));
    EXPECT_FALSE(intro.contains(QString(105, QLatin1Char(' '))));
    ASSERT_EQ(services.sharedMenuCalls.size(), 1u);
    EXPECT_EQ(services.sharedMenuCalls[0].window, window);
}

TEST_F(MainWindowTest, ChoosingSpread_ShowsItsDescription)
{
    MainWindow* window = makeWindow();
    window->ui().cboSpread->setCurrentIndex(10);
    const std::string_view description = engine::spreadCatalogue()[10].description;
    const QString shown = window->ui().lblSpreadDesc->text();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(description).startsWith(shown.left(20)));
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
}

void setDate(const MainWindow::Ui& ui, int month, int day, int year)
{
    ui.cboMonth->setCurrentIndex(month - 1);
    ui.cboDate->setCurrentIndex(day - 1);
    ui.cboYear->setCurrentIndex(year - 1900);
}

struct RequestCase {
    const char* name;
    const char* typedName;
    int spread;       // -1: none chosen
    const char* mode; // the option checked; empty: neither
    int month, day, year;
    const char* message; // empty: accepted
    MessageIcon icon;
    const char* focusedControl; // empty: the focus stays on the button
};

constexpr MessageIcon kError = MessageIcon::Error;
constexpr MessageIcon kInfo = MessageIcon::Information;

// A date that does not exist is only information: the box says so and the focus stays put. Real dates pass.
const RequestCase kRequests[] = {
    {"EmptyName", "", -1, "", 1, 1, 1900, "Please Enter Your Name", kError, "txtName"},
    {"NameOfSpaces", "    ", 2, "optAuto", 1, 1, 1900, "Please Enter Your Name", kError, "txtName"},
    {"NoSpread", "Ada", -1, "optManual", 1, 1, 1900, "Please Select Spread", kError, "cboSpread"},
    {"NoMode", "Ada", 0, "", 1, 1, 1900, "Please Select Analyze Mode", kError, ""},
    {"February30InLeapYear", "Ada", 2, "optAuto", 2, 30, 2000, "Please Enter Correct Date Or Month!", kInfo, ""},
    {"February29InCommonYear", "Ada", 2, "optAuto", 2, 29, 1901, "Please Enter Correct Date Or Month!", kInfo, ""},
    {"February29In1900IsNoLeapDay", "Ada", 2, "optAuto", 2, 29, 1900, "Please Enter Correct Date Or Month!", kInfo, ""},
    {"April31", "Ada", 2, "optAuto", 4, 31, 1980, "Please Enter Correct Date Or Month !", kInfo, ""},
    {"November31", "Ada", 2, "optAuto", 11, 31, 1980, "Please Enter Correct Date Or Month !", kInfo, ""},
    {"Year2000Month2Day29", "Ada", 2, "optAuto", 2, 29, 2000, "", {}, ""},
    {"Year1904Month2Day29", "Ada", 2, "optAuto", 2, 29, 1904, "", {}, ""},
    {"Year1900Month2Day28", "Ada", 2, "optAuto", 2, 28, 1900, "", {}, ""},
    {"Year1975Month4Day30", "Ada", 2, "optAuto", 4, 30, 1975, "", {}, ""},
    {"Year2050Month1Day31", "Ada", 2, "optAuto", 1, 31, 2050, "", {}, ""},
    {"Year1900Month12Day31", "Ada", 2, "optAuto", 12, 31, 1900, "", {}, ""},
};

class MainWindowRequestTest : public MainWindowTest, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(MainWindowRequestTest, Deal_RefusesWithMessageIconAndFocusOrAcceptsRealDatesSilently)
{
    const RequestCase& request = GetParam();
    MainWindow* window = makeWindow();
    const MainWindow::Ui& ui = window->ui();
    ui.txtName->setText(QString::fromLatin1(request.typedName));
    ui.cboSpread->setCurrentIndex(request.spread);
    if (*request.mode)
        find<QRadioButton>(window, QString::fromLatin1(request.mode))->setChecked(true);
    setDate(ui, request.month, request.day, request.year);
    ui.cmdCalculate->setFocus();
    QSignalSpy automatic(window, &MainWindow::automaticDealRequested);
    QSignalSpy manual(window, &MainWindow::manualDealRequested);

    QTest::mouseClick(ui.cmdCalculate, Qt::LeftButton);

    if (!*request.message) {
        EXPECT_TRUE(services.fake.messageBoxes.shown.empty());
        EXPECT_EQ(automatic.count(), 1);
        return;
    }
    ASSERT_EQ(services.fake.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(services.fake.messageBoxes.shown[0].text, QString::fromLatin1(request.message));
    EXPECT_EQ(services.fake.messageBoxes.shown[0].icon, request.icon);
    const char* focus = *request.focusedControl ? request.focusedControl : "cmdCalculate";
    ASSERT_NE(window->focusWidget(), nullptr);
    EXPECT_EQ(window->focusWidget()->objectName(), QString::fromLatin1(focus));
    EXPECT_EQ(automatic.count() + manual.count(), 0);
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Requests, MainWindowRequestTest, ::testing::ValuesIn(kRequests), testing_support::namedCases);

TEST_F(MainWindowTest, ValidateInputs_ReportsOnlyTheFirstProblem)
{
    MainWindow* window = makeWindow();
    setDate(window->ui(), 4, 31, 1900);

    EXPECT_FALSE(window->validateInputs());
    window->ui().txtName->setText(QStringLiteral("Ada"));
    EXPECT_FALSE(window->validateInputs());
    window->ui().cboSpread->setCurrentIndex(4);
    EXPECT_FALSE(window->validateInputs());
    window->ui().optManual->setChecked(true);
    EXPECT_FALSE(window->validateInputs());

    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{QStringLiteral("Please Enter Your Name"), QStringLiteral("Please Select Spread"),
                                    QStringLiteral("Please Select Analyze Mode"),
                                    QStringLiteral("Please Enter Correct Date Or Month !")}));
}

TEST_F(MainWindowTest, DealingAutomatic_RequestsChosenSpreadOnce)
{
    MainWindow* window = makeWindow();
    fillInRequest(window, 9, true);
    QSignalSpy automatic(window, &MainWindow::automaticDealRequested);
    QSignalSpy manual(window, &MainWindow::manualDealRequested);

    QTest::mouseClick(window->ui().cmdCalculate, Qt::LeftButton);

    ASSERT_EQ(automatic.count(), 1);
    EXPECT_EQ(automatic.at(0).at(0).value<engine::SpreadIndex>(), 9);
    EXPECT_EQ(manual.count(), 0);
}

TEST_F(MainWindowTest, DealMenu_ChecksInputsLikeTheButton)
{
    MainWindow* window = makeWindow();
    QSignalSpy manual(window, &MainWindow::manualDealRequested);

    trigger(window, QStringLiteral("mnuCalculate"));
    EXPECT_EQ(shownTexts(), std::vector<QString>{QStringLiteral("Please Enter Your Name")});

    fillInRequest(window, 17, false);
    trigger(window, QStringLiteral("mnuCalculate"));
    ASSERT_EQ(manual.count(), 1);
    EXPECT_EQ(manual.at(0).at(0).value<engine::SpreadIndex>(), 17);
}

TEST_F(MainWindowTest, ExitMenu_ClosesAndShowsExitWindow)
{
    MainWindow* window = makeWindow();
    trigger(window, QStringLiteral("mnuExit"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(services.showExitWindowCalls, 1);
    EXPECT_TRUE(services.exitWindowShown);
}

TEST_F(MainWindowTest, SiteAndOfferLabels_OpenTheirPagesOnClick)
{
    MainWindow* window = makeWindow();
    QTest::mouseClick(window->ui().Label14, Qt::LeftButton);
    window->ui().lblCobrand->raise();
    QTest::mouseClick(window->ui().lblCobrand, Qt::LeftButton);

    const auto& opened = services.fake.urlOpener.opened;
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_TRUE(opened[0].toString().endsWith(QStringLiteral("ssd.php?page=home-page")));
    EXPECT_TRUE(opened[1].toString().endsWith(QStringLiteral("ssd.php?page=co-brand")));
    EXPECT_TRUE(window->ui().Label14->text().startsWith(
        QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here To Visit ")));
    EXPECT_TRUE(window->ui().lblCobrand->text().contains(QStringLiteral("site's name &  link here. See \"Help\"")));
}

} // namespace
} // namespace windows_testing
