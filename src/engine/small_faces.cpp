// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/small_faces.h"

#include "card_face_data.h"
#include "engine/bmp_reader.h"
#include "engine/types.h"
#include "richtext/picture_embedding.h"

#include <array>
#include <mutex>

namespace engine {

namespace {

// Decodes a face and makes its picture group the first time the face is asked for, and shares
// that picture from then on; a face that fails to decode stays empty and is reported as missing.
class BuiltInSmallFaces final : public SmallFaceSource {
public:
    std::optional<richtext::Bitmap> smallFace(int pictureNumber) const override
    {
        const auto picture = smallFacePicture(pictureNumber);
        if (!picture)
            return std::nullopt;
        return picture->bitmap;
    }

    std::shared_ptr<const richtext::Picture> smallFacePicture(int pictureNumber) const override
    {
        if (pictureNumber < 1 || pictureNumber > kCardCount)
            return nullptr;
        Face& face = m_faces[static_cast<std::size_t>(pictureNumber - 1)];
        std::call_once(face.made, [&face, pictureNumber] {
            if (auto decoded = readBmp24(assets::smallFaceBmp(pictureNumber)))
                face.picture = richtext::makePicture(*decoded.value);
        });
        return face.picture;
    }

private:
    struct Face {
        std::once_flag made;
        std::shared_ptr<const richtext::Picture> picture;
    };

    mutable std::array<Face, kCardCount> m_faces;
};

} // namespace

std::shared_ptr<const richtext::Picture> SmallFaceSource::smallFacePicture(int pictureNumber) const
{
    const auto face = smallFace(pictureNumber);
    if (!face || face->isEmpty())
        return nullptr;
    return richtext::makePicture(*face);
}

const SmallFaceSource& builtInSmallFaces()
{
    static const BuiltInSmallFaces faces;
    return faces;
}

} // namespace engine
