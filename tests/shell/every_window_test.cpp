// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"
#include "display/report_view.h"
#include "engine/reading.h"
#include "shell/exit_window.h"
#include "support/fake_platform.h"
#include "support/fake_window_services.h"
#include "support/scripted_random_source.h"
#include "windows/about_window.h"
#include "windows/main_window.h"
#include "windows/manual_window.h"
#include "windows/report_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <tuple>

namespace {

using testing_support::ScriptedRandomSource;

// The program's windows, each as it first shows, with the fakes they need.
struct Windows {
    std::unique_ptr<QWidget> open(std::string_view name)
    {
        if (name == "Main")
            return std::make_unique<windows::MainWindow>(services);
        if (name == "Manual")
            return std::make_unique<windows::ManualWindow>(services, 3);
        if (name == "About")
            return std::make_unique<windows::AboutWindow>(services.fake.urlOpener);
        if (name == "Report") {
            auto report = std::make_unique<windows::ReportWindow>(services);
            engine::ReadingEngine engine(random);
            report->writeReading(engine, 3);
            return report;
        }
        return std::make_unique<shell::ExitWindow>(services.fake.platform, random);
    }

    testing_support::FakeWindowServices services;
    ScriptedRandomSource random{{0.1f, 0.5f, 0.9f}};
};

QString nameOf(const QWidget& widget)
{
    return widget.objectName().isEmpty() ? QLatin1String(widget.metaObject()->className()) : widget.objectName();
}

// The controls that Tab reaches but that look the same whether they or another control of the window have the
// focus. A window with one such control never moves the focus away from it.
QStringList controlsWithoutFocusMark(QWidget& window)
{
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
        if (!control->hasFocus())
            unmarked << nameOf(*control) + QStringLiteral(" (takes no focus)");
        else if (with == without)
            unmarked << nameOf(*control);
    }
    return unmarked;
}

// Whether the text, laid out as the label lays it out, needs more room than the label has.
bool labelClipsItsText(const QLabel& label)
{
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const QFontMetrics metrics(label.font());
    const int flags = label.wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = metrics.boundingRect(room, flags | int(label.alignment()), label.text());
    // A pixel of slack: fonts scale with the screen in whole pixels, the windows in fractions.
    return needed.width() > room.width() + 1 || needed.height() > room.height() + 1;
}

// The captions (labels, buttons, check boxes, frame titles) that are cut short in the window as laid out.
QStringList clippedCaptions(QWidget& window)
{
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->text().isEmpty() && labelClipsItsText(*label))
                clipped << nameOf(*label) + QStringLiteral(" \"") + label->text().left(30) + QLatin1Char('"');
        } else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QGroupBox*>(widget)) {
            if (widget->sizeHint().width() > widget->width() + 1)
                clipped << nameOf(*widget);
        }
    }
    return clipped;
}

// The pictures (card slots, picture labels, the report's card faces) that are not drawn with the screen's own pixels,
// so that a scaled screen would show them blurred.
QStringList blurredPictures(QWidget& window)
{
    QStringList blurred;
    const auto check = [&blurred](const QString& name, qreal pictureRatio, qreal screenRatio) {
        if (!qFuzzyCompare(pictureRatio, screenRatio))
            blurred << QStringLiteral("%1 (%2 on %3)").arg(name).arg(pictureRatio).arg(screenRatio);
    };
    for (const display::CardSlot* slot : window.findChildren<display::CardSlot*>()) {
        if (slot->isVisibleTo(&window))
            check(nameOf(*slot), slot->picture().devicePixelRatio(), slot->devicePixelRatioF());
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QPixmap picture = label->pixmap();
        if (label->isVisibleTo(&window) && !picture.isNull())
            check(nameOf(*label), picture.devicePixelRatio(), label->devicePixelRatioF());
    }
    for (const display::ReportView* view : window.findChildren<display::ReportView*>()) {
        const QTextDocument& document = *view->document();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                if (image.isValid())
                    check(image.name(),
                          document.resource(QTextDocument::ImageResource, QUrl(image.name()))
                              .value<QImage>()
                              .devicePixelRatio(),
                          view->devicePixelRatioF());
            }
        }
    }
    return blurred;
}

// What a window must get right, each as the list of what fails it in the window as shown.
struct WindowCheck {
    const char* name;
    QStringList (*failures)(QWidget&);
};

// Captions are also checked with the screen scaled by 1.5 and 2 (see CMakeLists.txt): fonts do not grow exactly
// like the windows.
const WindowCheck kChecks[] = {{"PicturesUseTheScreensPixels", blurredPictures},
                               {"EveryControlThatTabReachesShowsTheFocus", controlsWithoutFocusMark},
                               {"CaptionsFitTheirBoxes", clippedCaptions}};

class EveryWindowTest : public testing::TestWithParam<std::tuple<const char*, WindowCheck>> {};

TEST_P(EveryWindowTest, PassesTheCheck)
{
    Windows windows;
    const std::unique_ptr<QWidget> window = windows.open(std::get<0>(GetParam()));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(std::get<1>(GetParam()).failures(*window).join(QStringLiteral(", ")).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindowTest,
                         testing::Combine(testing::Values("Main", "Manual", "Report", "About", "Exit"),
                                          testing::ValuesIn(kChecks)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

} // namespace
