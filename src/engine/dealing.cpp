// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/dealing.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// A working generator never gets near this many duplicates in a row (at most 51 of 52 cards are
// taken); a broken one that keeps repeating itself must not hang the program.
constexpr int kRedrawLimit = 10000;

// Index of the first entry equal to candidate, or -1.
int firstDuplicate(const Hand& hand, CardIndex candidate)
{
    for (std::size_t entry = 0; entry < hand.size(); ++entry) {
        if (hand[entry] == candidate)
            return static_cast<int>(entry);
    }
    return -1;
}

CardIndex lowestCardNotIn(const Hand& hand)
{
    for (int card = 0; card < kCardCount; ++card) {
        if (firstDuplicate(hand, static_cast<CardIndex>(card)) < 0)
            return static_cast<CardIndex>(card);
    }
    return 0;
}

} // namespace

CardIndex cardFromUniform(float value)
{
    const double scaled = std::floor(static_cast<double>(kCardCount) * static_cast<double>(value));
    if (!(scaled >= 0.0)) // also catches NaN
        return 0;
    if (scaled > kCardCount - 1)
        return kCardCount - 1;
    return static_cast<CardIndex>(scaled);
}

Hand dealHand(int count, RandomSource& random)
{
    const int positions = std::clamp(count, 0, kCardCount);
    Hand hand;
    hand.reserve(static_cast<std::size_t>(positions));
    for (int position = 0; position < positions; ++position) {
        random.reseedFromClock();
        CardIndex candidate = cardFromUniform(random.next());
        int redraws = 0;
        while (firstDuplicate(hand, candidate) >= 0) {
            if (++redraws > kRedrawLimit) {
                candidate = lowestCardNotIn(hand);
                break;
            }
            candidate = cardFromUniform(random.next());
        }
        hand.push_back(candidate);
    }
    return hand;
}

} // namespace engine
