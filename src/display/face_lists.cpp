// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/face_lists.h"

#include "display/look.h"

#include <QFile>

#include <array>

namespace display {
namespace {

bool isItem(int pictureNumber)
{
    return pictureNumber >= 1 && pictureNumber <= FaceList::kItemCount;
}

constexpr int kZodiacSignCount = 12;
constexpr qreal kTwice = 2.0;
constexpr std::array kIconSizes = {16, 32, 48, 64, 128, 256};

// "name@2x.ext" beside "name.ext".
QString twiceName(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// Sized to the screen's own pixels so the painter only copies them; a painter left to scale a picture down
// would drop pixels rather than blend them.
template <typename Picture> Picture toDeviceScale(Picture twice, qreal devicePixelRatio)
{
    if (qFuzzyCompare(devicePixelRatio, kTwice)) {
        twice.setDevicePixelRatio(kTwice);
        return twice;
    }
    if (devicePixelRatio > kTwice) {
        // Larger than the rendering: let the painter scale it up, which keeps edges as drawn.
        twice.setDevicePixelRatio(kTwice);
        return twice;
    }
    const QSize logical = twice.size() / 2;
    const QSize device(qRound(logical.width() * devicePixelRatio), qRound(logical.height() * devicePixelRatio));
    Picture scaled = twice.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

template <typename Picture> Picture crisp(const QString& path, const QString& twicePath, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const Picture twice(twicePath);
        if (!twice.isNull())
            return toDeviceScale(twice, devicePixelRatio);
    }
    return Picture(path);
}

} // namespace

QPixmap crispPixmap(const QString& path, const QString& twicePath, qreal devicePixelRatio)
{
    // QPixmap's file loading goes through QPixmapCache, so repeated lookups decode once.
    return crisp<QPixmap>(path, twicePath, devicePixelRatio);
}

QImage crispImage(const QString& path, const QString& twicePath, qreal devicePixelRatio)
{
    return crisp<QImage>(path, twicePath, devicePixelRatio);
}

QPixmap FaceList::item(int pictureNumber, qreal devicePixelRatio) const
{
    if (!isItem(pictureNumber))
        return {};
    return crispPixmap(path(pictureNumber), twicePath(pictureNumber), devicePixelRatio);
}

QString FaceList::path(int pictureNumber) const
{
    if (!isItem(pictureNumber))
        return {};
    return QStringLiteral(":/cards/%1/%2.%3").arg(fromView(m_folder)).arg(pictureNumber).arg(fromView(m_extension));
}

QString FaceList::twicePath(int pictureNumber) const
{
    if (!isItem(pictureNumber))
        return {};
    return QStringLiteral(":/cards/%1/%2@2x.%3")
        .arg(fromView(m_folder))
        .arg(pictureNumber)
        .arg(fromView(m_twiceExtension));
}

QString FaceList::key(int pictureNumber) const
{
    if (!m_keyed || !isItem(pictureNumber))
        return {};
    return QStringLiteral("%1.jpg").arg(pictureNumber);
}

QPixmap cardBack(qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/backs/back.gif");
    return crispPixmap(path, twiceName(path), devicePixelRatio);
}

QPixmap sidewaysCardBack(qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/backs/back-sideways.gif");
    return crispPixmap(path, twiceName(path), devicePixelRatio);
}

QPixmap manualCardBack(qreal devicePixelRatio)
{
    const QString path = QStringLiteral(":/backs/back-manual.jpg");
    return crispPixmap(path, twiceName(path), devicePixelRatio);
}

QPixmap zodiacSign(int index, qreal devicePixelRatio)
{
    if (index < 0 || index >= kZodiacSignCount)
        return {};
    const QString path = QStringLiteral(":/zodiac/%1.jpg").arg(index);
    return crispPixmap(path, twiceName(path), devicePixelRatio);
}

QIcon applicationIcon()
{
    // Adding a file with its size decodes it at once, so windows share the icon rather than call this again.
    QIcon icon;
    for (const int size : kIconSizes) {
        const QString path = QStringLiteral(":/icon/%1.png").arg(size);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace display
