// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random_source.h"
#include "engine/types.h"

namespace engine {

// Deals count distinct cards (count is held to 0 to 52). Every position starts from a reseed; a card
// already dealt is replaced by the next value of the same sequence and compared again from entry 0.
Hand dealHand(int count, RandomSource& random);

// floor(52 x value), held inside 0 to 51 even when a source strays outside [0, 1).
CardIndex cardFromUniform(float value);

} // namespace engine
