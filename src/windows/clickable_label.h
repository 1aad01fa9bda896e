// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/clickable_label.h"

namespace windows {

// The display's clickable label under the name the exit window was written against; new code uses the display's.
class ClickableLabel final : public display::ClickableLabel {
public:
    using display::ClickableLabel::ClickableLabel;
};

} // namespace windows
