// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include "richtext/rich_text_sink.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace richtext {

class Document;

// Two uppercase hexadecimal digits.
std::string byteToHex(std::uint8_t value);

// The RTF picture group of a metafile drawing the bitmap: size in HIMETRIC, goal size in twips
// (pixels times twips per pixel, rounded), then the metafile in lowercase hex, 39 bytes a line,
// each line preceded by CR LF. Nothing when the bitmap cannot be made into a metafile.
std::optional<std::string> pictureToRtf(const Bitmap& bitmap, double twipsPerPixelX = 15, double twipsPerPixelY = 15);

// Appends the bytes in lowercase hex, 39 bytes a line, each line preceded by CR LF: how a picture
// group carries its data.
void appendHexLines(std::string& out, std::span<const std::uint8_t> bytes);

// The bitmap with its picture group at 96 dpi, ready to be shared by any number of documents;
// null when no picture can be made of it.
std::shared_ptr<const Picture> makePicture(const Bitmap& bitmap);

// Puts the picture where the document's selection begins, the selected content after it and the
// caret after that; false (document unchanged) when no picture could be made.
bool insertPicture(Document& document, const Bitmap& bitmap);

} // namespace richtext
