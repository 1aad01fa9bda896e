// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace richtext {

// What a reader returns: the value, or why there is none. Errors are values; no exception leaves a reader.
template <typename T> struct ValueOrError {
    std::optional<T> value;
    std::string error; // set when there is no value
    explicit operator bool() const { return value.has_value(); }
};

} // namespace richtext
