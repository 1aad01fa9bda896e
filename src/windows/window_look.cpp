// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_look.h"

#include "display/face_lists.h"
#include "display/look.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace windows {

namespace {

// A key a push button leaves alone travels up to its window, where this takes it.
class ReturnPressesButton final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || watched != parent())
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!plain || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || !button ||
            button->window() != watched || !button->isEnabled())
            return QObject::eventFilter(watched, event);
        // A held key is one press, not a stream of clicks.
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

// Paints the control as it always does, then the mark over it.
class FocusMark final : public QObject {
public:
    FocusMark(QWidget& control, const QColor& surroundings) : QObject(&control), m_surroundings(surroundings) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* control = qobject_cast<QWidget*>(watched);
        if (event->type() != QEvent::Paint || !control || !control->hasFocus())
            return QObject::eventFilter(watched, event);
        static_cast<QObject*>(control)->event(event);
        QPainter painter(control);
        if (const auto* option = qobject_cast<QAbstractButton*>(control);
            option && (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)))
            drawCaptionRing(painter, *option);
        else
            drawEdgeRings(painter, *control, m_surroundings);
        return true;
    }

private:
    static bool isDark(const QColor& colour) { return colour.lightnessF() < 0.5; }

    static void drawEdgeRings(QPainter& painter, const QWidget& control, const QColor& surroundings)
    {
        const QColor outer = isDark(surroundings) ? Qt::white : Qt::black;
        const QColor inner = outer == Qt::white ? Qt::black : Qt::white;
        const QRect edge = control.rect();
        painter.fillRect(QRect(edge.topLeft(), QSize(edge.width(), 2)), outer);
        painter.fillRect(QRect(edge.left(), edge.bottom() - 1, edge.width(), 2), outer);
        painter.fillRect(QRect(edge.topLeft(), QSize(2, edge.height())), outer);
        painter.fillRect(QRect(edge.right() - 1, edge.top(), 2, edge.height()), outer);
        painter.setPen(QPen(inner, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(edge.adjusted(2, 2, -3, -3));
    }

    static void drawCaptionRing(QPainter& painter, const QAbstractButton& option)
    {
        QStyleOptionButton style;
        style.initFrom(&option);
        style.text = option.text();
        const bool radio = qobject_cast<const QRadioButton*>(&option) != nullptr;
        const QRect caption = option.style()->subElementRect(
            radio ? QStyle::SE_RadioButtonFocusRect : QStyle::SE_CheckBoxFocusRect, &style, &option);
        // Two pixels clear of the caption, but never outside the control, where it would be cut off.
        const QRect ring = caption.adjusted(-2, -1, 2, 1).intersected(option.rect());
        QPen pen(option.palette().color(option.foregroundRole()), 2);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(ring).adjusted(1, 1, -1, -1));
    }

    QColor m_surroundings;
};

} // namespace

void markFocusClearly(QWidget& control, const QColor& surroundings)
{
    control.installEventFilter(new FocusMark(control, surroundings));
}

void pressFocusedButtonOnReturn(QWidget& window)
{
    window.installEventFilter(new ReturnPressesButton(&window));
}

QWidget* addBlackClient(QMainWindow& window)
{
    auto* client = new QWidget(&window);
    client->setObjectName(window.objectName() + QStringLiteral("Client"));
    display::fillBackground(*client, display::kBlack);
    window.setCentralWidget(client);
    return client;
}

QAction* addMenuEntry(QMenu& menu, const QString& caption, const char* objectName)
{
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(QLatin1String(objectName));
    return entry;
}

QLabel* addWrappedLabel(QWidget& parent, const QString& objectName, const QRect& geometry, const QFont& font)
{
    auto* label = new QLabel(&parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void makeFixedWindow(QMainWindow& window, int clientWidthTwips, int clientHeightTwips)
{
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.centralWidget()->setFixedSize(display::twips(clientWidthTwips), display::twips(clientHeightTwips));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

// Used before any window of the program is on the screen, when the window manager's frame is not known yet: room
// for a usual title bar and border.
constexpr QMargins kFrameAllowance(4, 30, 4, 4);

QMargins marginsOf(const QWidget& shown)
{
    const QRect frame = shown.frameGeometry();
    const QRect inner = shown.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// What the window manager puts round a window: as round this one or another that is shown, else the allowance.
QMargins frameMargins(const QWidget& window)
{
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        return marginsOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && other->frameGeometry() != other->geometry())
            return marginsOf(*other);
    }
    return kFrameAllowance;
}

QRect availableArea(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void placeFrame(QWidget& window, const QSize& size)
{
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    window.move(framePlace(area, size.grownBy(frameMargins(window))).topLeft());
}

bool fits(const QSize& size, const QSize& room)
{
    return size.width() <= room.width() && size.height() <= room.height();
}

// The room, or less where the content is smaller; a scroll bar along a side that is cut takes room from the other.
QSize scrollingSize(const QWidget& window, const QSize& content, const QSize& room)
{
    const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = content.boundedTo(room);
    if (size.width() < content.width())
        size.setHeight(std::min(room.height(), size.height() + bar));
    if (size.height() < content.height())
        size.setWidth(std::min(room.width(), size.width() + bar));
    return size;
}

QScrollArea* scrollAreaFor(QWidget& window, QWidget* content)
{
    auto* area = new QScrollArea(&window);
    area->setObjectName(window.objectName() + QStringLiteral("Scroller"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(content);
    // The controls stay reachable by Tab; the area follows the focus to show the one reached.
    area->setFocusPolicy(Qt::NoFocus);
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (now && area->widget() && area->widget()->isAncestorOf(now))
            area->ensureWidgetVisible(now, 8, 8);
    });
    return area;
}

} // namespace

QRect framePlace(const QRect& area, const QSize& frame)
{
    QRect place(QPoint(), frame);
    place.moveCenter(area.center());
    place.moveLeft(std::max(area.left(), std::min(place.left(), area.right() + 1 - place.width())));
    place.moveTop(std::max(area.top(), std::min(place.top(), area.bottom() + 1 - place.height())));
    return place;
}

QSize roomOnScreen(const QWidget& window)
{
    const QRect area = availableArea(window);
    return area.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : area.size().shrunkBy(frameMargins(window));
}

void centreOnScreen(QWidget& window)
{
    // A window given its size (fixed, or fitted to the screen) keeps it.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    placeFrame(window, window.size());
}

void centreOnScreen(QWidget& window, const QSize& size)
{
    const QSize fitting = size.boundedTo(roomOnScreen(window));
    window.resize(fitting);
    placeFrame(window, fitting);
}

void scrollWhenLargerThanScreen(QMainWindow& window)
{
    window.adjustSize();
    const QSize natural = window.size();
    const QSize room = roomOnScreen(window);
    if (fits(natural, room))
        return;
    QWidget* client = window.centralWidget();
    const QSize clientSize = client->size();
    const QSize around = natural - clientSize; // the menu bar
    window.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    QScrollArea* area = scrollAreaFor(window, window.takeCentralWidget());
    display::fillBackground(*area->viewport(), display::kBlack);
    window.setCentralWidget(area);
    const QSize size = around + scrollingSize(window, clientSize, room - around);
    window.setMinimumSize(0, 0);
    window.setMaximumSize(natural + QSize(1, 1) * window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    window.resize(size);
}

QWidget* surfaceFittingScreen(QWidget& window, const QSize& size)
{
    const QSize room = roomOnScreen(window);
    if (fits(size, room)) {
        window.setFixedSize(size);
        return &window;
    }
    auto* surface = new QWidget;
    surface->setObjectName(window.objectName() + QStringLiteral("Surface"));
    surface->setFixedSize(size);
    auto* rows = new QVBoxLayout(&window);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(scrollAreaFor(window, surface));
    window.setMaximumSize(size + QSize(1, 1) * window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    window.resize(scrollingSize(window, size, room));
    return surface;
}

void setApplicationIcon(QWidget& window)
{
    // Making the icon decodes all six of its files; once the program's icon is set, windows share it instead.
    const QIcon programIcon = QApplication::windowIcon();
    window.setWindowIcon(programIcon.isNull() ? display::applicationIcon() : programIcon);
}

void useSystemWindowColours(QWidget& widget)
{
    const QPalette system = QApplication::palette();
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, system.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, system.color(QPalette::WindowText));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QString colourStyle(const char* widgetClass, const QColor& text, const QColor& background)
{
    return QStringLiteral("%1 { color: %2; background-color: %3; }")
        .arg(QLatin1String(widgetClass), text.name(), background.name());
}

QString buttonFaceStyle(const QColor& face)
{
    return QStringLiteral("QPushButton { color: black; background-color: %1; border: 1px solid #404040; }"
                          "QPushButton:pressed { background-color: %2; }")
        .arg(face.name(), face.darker(115).name());
}

} // namespace windows
