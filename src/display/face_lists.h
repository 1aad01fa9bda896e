// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>

namespace display {

// One of the three lists of the 52 card faces; item n shows the card with CardIndex n - 1.
class FaceList final {
public:
    static constexpr int kItemCount = 52;

    constexpr FaceList(std::string_view folder, std::string_view extension, bool keyed)
        : m_folder(folder), m_extension(extension), m_keyed(keyed)
    {
    }

    // A null pixmap for a number outside 1 to 52 or a picture that is not built in.
    QPixmap item(int pictureNumber) const;
    // The resource path of an item, empty outside 1 to 52.
    QString path(int pictureNumber) const;
    // "n.jpg" for the keyed lists, empty for the sideways list and outside 1 to 52.
    QString key(int pictureNumber) const;

private:
    std::string_view m_folder;
    std::string_view m_extension;
    bool m_keyed;
};

inline constexpr FaceList LargeFaces{"large", "gif", true};
inline constexpr FaceList SmallFaces{"small", "bmp", true};
inline constexpr FaceList SidewaysFaces{"sideways", "gif", false};

QPixmap cardBack();
QPixmap sidewaysCardBack();
// The red back of the face-down cards in the manual picking window.
QPixmap manualCardBack();
// Aries for 0 to Pisces for 11; a null pixmap outside that range.
QPixmap zodiacSign(int index);
// The program icon in every size that is built in.
QIcon applicationIcon();

} // namespace display
