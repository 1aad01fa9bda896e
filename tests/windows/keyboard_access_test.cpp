// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"
#include "display/clickable_label.h"
#include "display/report_view.h"
#include "display/spread_display.h"
#include "support/scripted_random_source.h"
#include "support/window_test.h"
#include "windows/about_window.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/report_window.h"
#include "windows/window_flow.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace windows_testing {
namespace {

using windows::ManualWindow;

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(face, nullptr);
    return face;
}

void activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

QString focusName()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(none)");
}

// The names of the widgets that Tab reaches, one press at a time, starting where the focus is.
std::vector<QString> tabStops(int presses)
{
    std::vector<QString> stops{focusName()};
    for (int press = 1; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(focusName());
    }
    return stops;
}

// --- Names and roles ---

struct NameCase {
    const char* objectName;
    const char* name;
    QAccessible::Role role;
};

const NameCase kMainWindowInputs[] = {
    {"txtName", "Name", QAccessible::EditableText},        {"cboMonth", "Month of birth", QAccessible::ComboBox},
    {"cboDate", "Day of birth", QAccessible::ComboBox},    {"cboYear", "Year of birth", QAccessible::ComboBox},
    {"cboSpread", "Select Spread", QAccessible::ComboBox}, {"optAuto", "Automatic", QAccessible::RadioButton},
    {"optManual", "Manual", QAccessible::RadioButton},     {"cmdCalculate", "Deal The Cards", QAccessible::Button},
};

class MainWindowNames : public WindowTest, public testing::WithParamInterface<NameCase> {};

TEST_P(MainWindowNames, EveryInputIsAnnouncedByWhatItAsksFor)
{
    windows::MainWindow window(services);
    QWidget* input = window.findChild<QWidget*>(QLatin1String(GetParam().objectName));
    ASSERT_NE(input, nullptr);
    QAccessibleInterface* face = accessibleOf(input);
    EXPECT_EQ(face->text(QAccessible::Name), QLatin1String(GetParam().name));
    EXPECT_EQ(face->role(), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(Inputs, MainWindowNames, testing::ValuesIn(kMainWindowInputs),
                         [](const auto& info) { return std::string(info.param.objectName); });

// --- Tab order ---

using Services = testing_support::FakeWindowServices;

struct TabCase {
    const char* window;
    QWidget* (*open)(Services&);
    bool focusFirstStop; // else the window chooses where the focus starts
    const char* stops;   // object names, one space apart
};

const TabCase kTabCases[] = {
    {"Main", [](Services& services) -> QWidget* { return new windows::MainWindow(services); }, true,
     "txtName cboMonth cboDate cboYear cboSpread optAuto cmdCalculate Label14 lblFullBrand"},
    {"About", [](Services& services) -> QWidget* { return new windows::AboutWindow(services.fake.urlOpener); }, false,
     "cmdOK lblHomePage lblCobrand"},
    {"Report", [](Services& services) -> QWidget* { return new windows::ReportWindow(services); }, true,
     "cmdBack MDIClientArea RTB cmdSave cmdExit lblCaptionBottom lblFullBrand"},
};

class TabOrder : public WindowTest, public testing::WithParamInterface<TabCase> {};

TEST_P(TabOrder, ListedControlsComeFirstThenTheVisibleLinks)
{
    QWidget* window = GetParam().open(services);
    const QStringList expected = QString::fromLatin1(GetParam().stops).split(QLatin1Char(' '));
    if (GetParam().focusFirstStop)
        find<QWidget>(window, expected.front())->setFocus();
    activate(window);
    const std::vector<QString> stops = tabStops(static_cast<int>(expected.size()) + 1);
    for (std::size_t i = 0; i < static_cast<std::size_t>(expected.size()); ++i)
        EXPECT_EQ(stops[i], expected[static_cast<qsizetype>(i)]) << "stop " << i;
    // Round the window and back to the start.
    EXPECT_EQ(stops.back(), stops.front());
}

INSTANTIATE_TEST_SUITE_P(Windows, TabOrder, testing::ValuesIn(kTabCases),
                         [](const auto& info) { return std::string(info.param.window); });

// --- Return on push buttons ---

struct ReturnCase {
    const char* button;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QWidget* (*open)(Services&);
};

const ReturnCase kReturnCases[] = {
    {"cmdCalculate", Qt::Key_Return, Qt::NoModifier, kTabCases[0].open},
    {"cmdBack", Qt::Key_Enter, Qt::KeypadModifier, kTabCases[2].open},
    {"cmdSave", Qt::Key_Return, Qt::NoModifier, kTabCases[2].open},
    {"cmdExit", Qt::Key_Enter, Qt::KeypadModifier, kTabCases[2].open},
};

class ReturnOnButton : public WindowTest, public testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnOnButton, ReturnOrKeypadEnterPressesTheFocusedButtonOnce)
{
    QWidget* window = GetParam().open(services);
    auto* button = find<QPushButton>(window, QLatin1String(GetParam().button));
    activate(window);
    button->setFocus(Qt::TabFocusReason);
    QSignalSpy pressed(button, &QPushButton::clicked);

    QTest::keyClick(button, GetParam().key, GetParam().modifiers | Qt::ControlModifier);
    EXPECT_EQ(pressed.count(), 0) << "Ctrl+Return is no press";
    QTest::keyClick(button, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(pressed.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ReturnOnButton, testing::ValuesIn(kReturnCases),
                         [](const auto& info) { return std::string(info.param.button); });

// --- Picking by keyboard ---

class KeyboardPicking : public WindowTest {
protected:
    ManualWindow* open(int spread)
    {
        auto* window = new ManualWindow(services, static_cast<engine::SpreadIndex>(spread));
        activate(window);
        return window;
    }

    static QWidget* card(const ManualWindow* window, int index)
    {
        return window->ui().picManual[static_cast<std::size_t>(index)];
    }

    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

TEST_F(KeyboardPicking, Opening_FocusesTheFirstCardAndNamesEveryCard)
{
    ManualWindow* window = open(3);
    EXPECT_EQ(QApplication::focusWidget(), card(window, 0));
    for (int index : {0, 12, 51}) {
        QAccessibleInterface* face = accessibleOf(card(window, index));
        EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Face-down card %1").arg(index + 1));
        EXPECT_EQ(face->role(), QAccessible::Button);
    }
    // The cards come first in Tab order, then the links.
    const std::vector<QString> stops = tabStops(53);
    EXPECT_EQ(stops[51], QStringLiteral("picManual_51"));
    EXPECT_EQ(stops[52], QStringLiteral("Label14"));
}

TEST_F(KeyboardPicking, Arrows_MoveAlongRowsAndBetweenRowsSkippingPickedPlaces)
{
    ManualWindow* window = open(17);
    // Pick the cards at 1 and 15 by mouse, leaving gaps. Like a browser's focus-visible, the first card's focus mark
    // waits for the keyboard, so that a mouse user never sees a card marked as if chosen.
    for (int index : {1, 15})
        QTest::mouseClick(card(window, index), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), card(window, 0));
    EXPECT_FALSE(static_cast<display::ClickableLabel*>(card(window, 0))->focusMarkShown());

    press(Qt::Key_Right); // over the gap at 1
    EXPECT_EQ(focusName(), QStringLiteral("picManual_2"));
    EXPECT_TRUE(static_cast<display::ClickableLabel*>(card(window, 2))->focusMarkShown());
    press(Qt::Key_Down); // 15 is gone: of its two neighbours, the left one
    EXPECT_EQ(focusName(), QStringLiteral("picManual_14"));
    press(Qt::Key_Right); // over the gap at 15
    EXPECT_EQ(focusName(), QStringLiteral("picManual_16"));
    press(Qt::Key_Up);
    EXPECT_EQ(focusName(), QStringLiteral("picManual_3"));
    press(Qt::Key_Down);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Left); // off the start of the row, onto the end of the one above
    EXPECT_EQ(focusName(), QStringLiteral("picManual_12"));
    press(Qt::Key_Up); // nothing above the first row
    EXPECT_EQ(focusName(), QStringLiteral("picManual_12"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("picManual_51"));
    press(Qt::Key_Right); // nothing after the last card
    EXPECT_EQ(focusName(), QStringLiteral("picManual_51"));
    // Picked by Space, the last card passes the focus round to the first one left.
    press(Qt::Key_Space);
    EXPECT_EQ(window->pickCount(), 3);
    EXPECT_FALSE(card(window, 51)->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("picManual_0"));
    press(Qt::Key_Tab); // Tab also leaves the picked places out
    EXPECT_EQ(focusName(), QStringLiteral("picManual_2"));
}

TEST_F(KeyboardPicking, LastPick_PutsTheFocusOnTheMessage)
{
    ManualWindow* window = open(2);
    QSignalSpy done(window, &ManualWindow::picksCompleted);
    for (int pick = 0; pick < 3; ++pick)
        press(Qt::Key_Space);
    EXPECT_EQ(done.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), window->ui().lblMessage);
}

// --- A whole reading without the mouse ---

TEST_F(WindowTest, ManualRomanyReading_CanBeHadWithTheKeyboardAlone)
{
    testing_support::ScriptedRandomSource random = testing_support::ScriptedRandomSource::forCards(wholeDeck());
    windows::WindowFlow flow(services, random);
    windows::MainWindow* main = flow.showMainWindow();
    activate(main);
    main->ui().txtName->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(main->ui().txtName, QStringLiteral("Ada"));
    for (int press = 0; press < 4; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focusName(), QStringLiteral("cboSpread"));
    QTest::keyClick(main->ui().cboSpread, Qt::Key_End);
    ASSERT_EQ(main->ui().cboSpread->currentText(), QStringLiteral("Gypsy / Romany Spread"));
    QTest::keyClick(main->ui().cboSpread, Qt::Key_Tab);
    ASSERT_EQ(focusName(), QStringLiteral("optAuto"));
    QTest::keyClick(main->ui().optAuto, Qt::Key_Right);
    QTest::keyClick(main->ui().optManual, Qt::Key_Space);
    ASSERT_TRUE(main->ui().optManual->isChecked());
    QTest::keyClick(main->ui().optManual, Qt::Key_Tab);
    ASSERT_EQ(focusName(), QStringLiteral("cmdCalculate"));
    QTest::keyClick(main->ui().cmdCalculate, Qt::Key_Space);

    ManualWindow* manual = flow.manualWindow();
    ASSERT_NE(manual, nullptr);
    activate(manual);
    for (int press = 0; press < 21; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    windows::ReportWindow* report = flow.reportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_EQ(report->ui().spreadDisplay->frontLayout(), 17);
    QAccessibleInterface* slot = accessibleOf(report->ui().spreadDisplay->cardSlot(17, 21));
    EXPECT_EQ(slot->text(QAccessible::Name), QStringLiteral("Position 21: Eight of Diamonds"));
}

} // namespace
} // namespace windows_testing
