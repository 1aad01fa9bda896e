// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtMath>

#include <string_view>

namespace display {

// Window geometry is designed in twips; 15 twips make one logical pixel, so high-DPI screens scale it.
constexpr int twips(int value)
{
    return (value * 2 + (value >= 0 ? 15 : -15)) / 30;
}
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
inline QRect twipsRect(const QRect& designed)
{
    return twipsRect(designed.x(), designed.y(), designed.width(), designed.height());
}

// Verdana where the system has it, else the metrically close DejaVu Sans rather than whatever Qt picks.
inline QFont verdanaFont(qreal pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Text from the core, which keeps it as UTF-8.
inline QString fromView(std::string_view text)
{
    return QString::fromUtf8(text);
}

// Fills the widget's background with the colour; its children inherit it as their window colour.
inline void fillBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

inline void setTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

// The classic colours the windows and the spread display are drawn in.
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kAqua(0, 255, 255);
inline const QColor kOrange(255, 180, 4);
inline const QColor kPaleYellow(255, 255, 192);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kPaleCyan(192, 255, 255);
inline const QColor kMessageYellow(255, 255, 128);
inline const QColor kOfferBlue(0, 0, 255);

} // namespace display
