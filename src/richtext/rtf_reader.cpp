// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/rtf_reader.h"

namespace richtext {

DocumentOrError readRtf(std::string_view)
{
    return {std::nullopt, "not implemented"};
}

} // namespace richtext
