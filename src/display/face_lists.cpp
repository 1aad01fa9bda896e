// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"

#include <array>

namespace display {
namespace {

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isItem(int pictureNumber)
{
    return pictureNumber >= 1 && pictureNumber <= FaceList::kItemCount;
}

constexpr int kZodiacSignCount = 12;
constexpr std::array kIconSizes = {16, 32, 48, 64, 128, 256};

} // namespace

QPixmap FaceList::item(int pictureNumber) const
{
    if (!isItem(pictureNumber))
        return {};
    // QPixmap's file loading goes through QPixmapCache, so repeated lookups decode once.
    return QPixmap(path(pictureNumber));
}

QString FaceList::path(int pictureNumber) const
{
    if (!isItem(pictureNumber))
        return {};
    return QStringLiteral(":/cards/%1/%2.%3").arg(fromView(m_folder)).arg(pictureNumber).arg(fromView(m_extension));
}

QString FaceList::key(int pictureNumber) const
{
    if (!m_keyed || !isItem(pictureNumber))
        return {};
    return QStringLiteral("%1.jpg").arg(pictureNumber);
}

QPixmap cardBack()
{
    return QPixmap(QStringLiteral(":/backs/back.gif"));
}

QPixmap sidewaysCardBack()
{
    return QPixmap(QStringLiteral(":/backs/back-sideways.gif"));
}

QPixmap manualCardBack()
{
    return QPixmap(QStringLiteral(":/backs/back-manual.jpg"));
}

QPixmap zodiacSign(int index)
{
    if (index < 0 || index >= kZodiacSignCount)
        return {};
    return QPixmap(QStringLiteral(":/zodiac/%1.jpg").arg(index));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : kIconSizes) {
        const QString path = QStringLiteral(":/icon/%1.png").arg(size);
        if (!QPixmap(path).isNull())
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace display
