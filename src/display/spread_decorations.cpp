// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/spread_decorations.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace display {

OvalOutline::OvalOutline(const QColor& colour, QWidget* parent) : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OvalOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

StackedLettersLabel::StackedLettersLabel(const QString& text, const QColor& colour, QWidget* parent)
    : QWidget(parent), m_text(text), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void StackedLettersLabel::paintEvent(QPaintEvent*)
{
    const QStringList letters = m_text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (letters.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(m_colour);
    // Long words get tighter spacing so that they stay beside their row of the grid.
    const QFontMetrics metrics(font());
    const int step = std::min(metrics.height(), height() / static_cast<int>(letters.size()));
    const int top = (height() - step * static_cast<int>(letters.size())) / 2;
    for (int i = 0; i < letters.size(); ++i)
        painter.drawText(QRect(0, top + i * step, width(), step), Qt::AlignCenter, letters[i]);
}

} // namespace display
