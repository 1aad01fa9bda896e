// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string_view>

namespace windows {

// Writes a file chosen in a window through the one safe writer. A pipe or device that takes nothing for two
// seconds is given up on, so a window is never held by its target. The reason reads as a sentence in a
// message box.
std::optional<QString> writeFileFromWindow(const QString& path, std::string_view bytes);

} // namespace windows
