// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/bitmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace richtext {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class Alignment { Left, Centre };

// A picture as a document keeps it: the RTF group byte for byte, so a saved file carries it
// unchanged, and the bitmap decoded from it for display (empty when it could not be decoded).
struct Picture {
    Bitmap bitmap;
    std::string rtfGroup;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// What the report composer writes into: a document built front to back at the caret under
// an insertion format. Text is UTF-8; line breaks are CR LF.
class RichTextSink {
public:
    virtual ~RichTextSink() = default;

    virtual void replaceText(std::string_view text) = 0;
    virtual void setColour(Rgb colour) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setAlignment(Alignment alignment) = 0; // of the current paragraph
    virtual void insertText(std::string_view text) = 0;
    // Inserts the picture at the caret and leaves the caret after it; false when it could not be made.
    virtual bool insertPicture(const Bitmap& picture) = 0;
    // The same for a picture made beforehand and shared with other documents; a sink that keeps no
    // picture groups takes its bitmap.
    virtual bool insertSharedPicture(const std::shared_ptr<const Picture>& picture)
    {
        return picture && insertPicture(picture->bitmap);
    }
};

} // namespace richtext
