// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"
#include "richtext/rich_text_sink.h"

#include <memory>
#include <optional>

namespace engine {

// Item pictureNumber (1 to 52) of the small-face list: the picture put into the report.
class SmallFaceSource {
public:
    virtual ~SmallFaceSource() = default;
    virtual std::optional<richtext::Bitmap> smallFace(int pictureNumber) const = 0;
    // The same face as a picture for the report; null when there is none. This one makes it anew
    // on every call; a source that keeps its faces makes each once and shares it.
    virtual std::shared_ptr<const richtext::Picture> smallFacePicture(int pictureNumber) const;
};

// The faces built into the program.
const SmallFaceSource& builtInSmallFaces();

} // namespace engine
