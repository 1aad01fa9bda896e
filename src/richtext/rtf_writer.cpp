// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/rtf_writer.h"

namespace richtext {

std::string writeRtf(const std::vector<Paragraph>&)
{
    return "{\\rtf1\\ansi}";
}

} // namespace richtext
