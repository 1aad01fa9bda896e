// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/small_faces.h"

#include "card_face_data.h"
#include "engine/types.h"
#include "richtext/bmp_reader.h"

#include <array>

namespace engine {

namespace {

// Decodes every face once; a face that fails to decode stays empty and is reported as missing.
class BuiltInSmallFaces final : public SmallFaceSource {
public:
    BuiltInSmallFaces()
    {
        for (int number = 1; number <= kCardCount; ++number) {
            if (auto decoded = richtext::readBmp24(assets::smallFaceBmp(number)))
                m_faces[static_cast<std::size_t>(number - 1)] = std::move(decoded.bitmap);
        }
    }

    std::optional<richtext::Bitmap> smallFace(int pictureNumber) const override
    {
        if (pictureNumber < 1 || pictureNumber > kCardCount)
            return std::nullopt;
        return m_faces[static_cast<std::size_t>(pictureNumber - 1)];
    }

private:
    std::array<std::optional<richtext::Bitmap>, kCardCount> m_faces;
};

} // namespace

const SmallFaceSource& builtInSmallFaces()
{
    static const BuiltInSmallFaces faces;
    return faces;
}

} // namespace engine
