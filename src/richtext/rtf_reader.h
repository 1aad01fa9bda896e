// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/document.h"
#include "richtext/value_or_error.h"

#include <string_view>

namespace richtext {

using DocumentOrError = ValueOrError<Document>;

// Reads text, colours, bold, underline, alignment and pictures; everything else is skipped.
// Input that ends early yields what was read up to there; input that is not RTF, or is nested
// deeper than any sane document, yields an error.
DocumentOrError readRtf(std::string_view rtf);

} // namespace richtext
