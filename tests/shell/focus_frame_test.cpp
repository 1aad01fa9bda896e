// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reading.h"
#include "shell/exit_window.h"
#include "support/fake_platform.h"
#include "support/fake_window_services.h"
#include "support/scripted_random_source.h"
#include "windows/about_window.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using testing_support::ScriptedRandomSource;

struct Windows {
    testing_support::FakeWindowServices services;
    ScriptedRandomSource random{{0.1f, 0.5f, 0.9f}};
};

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Windows&)> open;
};

// The controls that Tab reaches but that look the same whether they or another control of the window have the
// focus. A window with one such control never moves the focus away from it.
QStringList controlsWithoutFocusMark(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    // Styles draw some focus marks only once the person moves the focus with the keyboard.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);

    QList<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->isVisibleTo(&window) && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) &&
            !control->focusProxy())
            controls.append(control);
    }
    QStringList unmarked;
    for (QWidget* control : controls) {
        QWidget* other = controls.first() == control ? controls.last() : controls.first();
        if (other == control)
            continue;
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage without = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        const QImage with = control->grab().toImage();
        const QString name =
            control->objectName().isEmpty() ? QLatin1String(control->metaObject()->className()) : control->objectName();
        if (!control->hasFocus())
            unmarked << name + QStringLiteral(" (takes no focus)");
        else if (with == without)
            unmarked << name;
    }
    return unmarked;
}

class FocusFrameTest : public testing::TestWithParam<WindowCase> {};

TEST_P(FocusFrameTest, EveryControlThatTabReachesShowsTheFocus)
{
    Windows windows;
    const std::unique_ptr<QWidget> window = GetParam().open(windows);
    EXPECT_EQ(controlsWithoutFocusMark(*window).join(QStringLiteral(", ")).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FocusFrameTest,
    testing::Values(WindowCase{"Main",
                               [](Windows& w) -> std::unique_ptr<QWidget> {
                                   return std::make_unique<windows::MainWindow>(w.services);
                               }},
                    WindowCase{"Manual",
                               [](Windows& w) -> std::unique_ptr<QWidget> {
                                   return std::make_unique<windows::ManualWindow>(w.services, 3);
                               }},
                    WindowCase{"Report",
                               [](Windows& w) -> std::unique_ptr<QWidget> {
                                   auto report = std::make_unique<windows::ReportWindow>(w.services);
                                   engine::ReadingEngine engine(w.random);
                                   report->writeReading(engine, 3);
                                   return report;
                               }},
                    WindowCase{"About",
                               [](Windows& w) -> std::unique_ptr<QWidget> {
                                   return std::make_unique<windows::AboutWindow>(w.services.fake.urlOpener);
                               }},
                    WindowCase{"Exit",
                               [](Windows& w) -> std::unique_ptr<QWidget> {
                                   return std::make_unique<shell::ExitWindow>(w.services.fake.platform, w.random);
                               }}),
    [](const testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

} // namespace
