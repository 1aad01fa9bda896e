// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <string_view>

namespace display {

// The pixel ratio of the largest pictures built in, the one paper gets.
inline constexpr qreal kPaperPixelRatio = 2.0;

// One of the three lists of the 52 card faces; item n shows the card with CardIndex n - 1.
class FaceList final {
public:
    static constexpr int kItemCount = 52;

    constexpr FaceList(std::string_view folder, std::string_view extension, std::string_view twiceExtension, bool keyed)
        : m_folder(folder), m_extension(extension), m_twiceExtension(twiceExtension), m_keyed(keyed)
    {
    }

    // A null pixmap for a number outside 1 to 52 or a picture that is not built in. Above a device pixel
    // ratio of 1 the picture comes from the twice-as-large rendering, at the same logical size.
    QPixmap item(int pictureNumber, qreal devicePixelRatio = 1.0) const;
    // The resource path of an item, empty outside 1 to 52.
    QString path(int pictureNumber) const;
    // The resource path of its rendering at twice the pixels, empty outside 1 to 52.
    QString twicePath(int pictureNumber) const;
    // "n.jpg" for the keyed lists, empty for the sideways list and outside 1 to 52.
    QString key(int pictureNumber) const;

private:
    std::string_view m_folder;
    std::string_view m_extension;
    std::string_view m_twiceExtension;
    bool m_keyed;
};

inline constexpr FaceList LargeFaces{"large", "gif", "gif", true};
inline constexpr FaceList SmallFaces{"small", "bmp", "png", true};
inline constexpr FaceList SidewaysFaces{"sideways", "gif", "gif", false};

// The picture at path for a screen of that device pixel ratio: the plain one at 1 or below, else the one at
// twicePath scaled smoothly to the screen's pixels, so it is drawn sharp at the plain picture's logical size.
// The plain picture when there is no larger one.
QPixmap crispPixmap(const QString& path, const QString& twicePath, qreal devicePixelRatio);
// The same for an image, as the report view needs.
QImage crispImage(const QString& path, const QString& twicePath, qreal devicePixelRatio);

QPixmap cardBack(qreal devicePixelRatio = 1.0);
QPixmap sidewaysCardBack(qreal devicePixelRatio = 1.0);
// The red back of the face-down cards in the manual picking window.
QPixmap manualCardBack(qreal devicePixelRatio = 1.0);
// Aries for 0 to Pisces for 11; a null pixmap outside that range.
QPixmap zodiacSign(int index, qreal devicePixelRatio = 1.0);
// The program icon in every size that is built in.
QIcon applicationIcon();

} // namespace display
