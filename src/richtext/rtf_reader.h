// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/document.h"

#include <optional>
#include <string>
#include <string_view>

namespace richtext {

struct DocumentOrError {
    std::optional<Document> document;
    std::string error; // set when there is no document
    explicit operator bool() const { return document.has_value(); }
};

// Reads text, colours, bold, underline, alignment and pictures; everything else is skipped.
// Input that ends early yields what was read up to there; input that is not RTF, or is nested
// deeper than any sane document, yields an error.
DocumentOrError readRtf(std::string_view rtf);

} // namespace richtext
