// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A reversible scrambling of stored settings, so the store does not show them as plain text.
namespace shell {

// Usable as a settings key: only letters, digits, '-' and '_'.
QString scrambleSetting(const QString& text);
// Nothing when the text was not made by scrambleSetting.
std::optional<QString> unscrambleSetting(const QString& scrambled);

} // namespace shell
