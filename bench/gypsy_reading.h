// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "richtext/document.h"

#include <cstdint>
#include <string>

namespace bench {

inline constexpr engine::SpreadIndex kGypsySpread = 17;
// Fixed, so that every run and every benchmark measures the very same reading.
inline constexpr std::uint64_t kReadingSeed = 14;

// A complete 21-card reading, as the command-line tool makes it: deal, rules, composition with
// every picture, and the RTF text.
inline std::string writeGypsyReading()
{
    const auto random = engine::makeSeededRandomSource(kReadingSeed);
    engine::ReadingEngine reading(*random);
    richtext::Document document;
    reading.generateReading(kGypsySpread, {document, engine::builtInSmallFaces(), nullptr});
    return document.toRtf();
}

} // namespace bench
