// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QtMath>

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

// Verdana where the system has it, else the metrically close DejaVu Sans rather than whatever Qt picks.
inline QFont verdanaFont(qreal pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Verdana"));
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

inline const QColor kOrange(255, 180, 4);

} // namespace display
