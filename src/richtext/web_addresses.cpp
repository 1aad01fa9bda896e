// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/web_addresses.h"

namespace richtext {

std::vector<WebAddressRange> findWebAddresses(std::string_view)
{
    return {};
}

} // namespace richtext
