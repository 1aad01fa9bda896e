// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"

#include "display/accessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace display {
namespace {

const QColor kPictureFocusColour(255, 255, 0);

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    installAccessibleInterfaces();
    // Tab reaches it, a mouse click does not take the focus: a mouse user never sees a focus mark.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::activate()
{
    if (isEnabled())
        emit clicked();
}

void ClickableLabel::setFocusMarkShown(bool shown)
{
    if (shown == m_focusMarkShown)
        return;
    m_focusMarkShown = shown;
    update();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    // Accepted, so the release comes back here rather than to the parent.
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        // A held key is one press, not a stream of clicks.
        if (!event->isAutoRepeat())
            activate();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || !m_focusMarkShown)
        return;
    QPainter painter(this);
    if (pixmap().isNull()) {
        painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    // A picture needs a mark that stands out from any artwork: a thick bright frame.
    QPen pen(kPictureFocusColour, 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace display
