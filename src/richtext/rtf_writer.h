// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/document.h"

#include <string>
#include <string_view>
#include <vector>

namespace richtext {

inline constexpr std::string_view kReportFont = "Verdana";

// A complete RTF document in the report font; pictures are written as their kept groups.
std::string writeRtf(const std::vector<Paragraph>& paragraphs);

} // namespace richtext
