// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Cards as people write them: short forms read off a face ("QH", "10S", "JH") and names ("Queen of Hearts").
namespace engine {

// The card's short form: rank A, 2 to 10, J (the Knight, whose face shows J), Q or K, then the suit's letter.
std::string shortForm(CardIndex card);
// A short form, case-insensitive; T stands for 10 as well ("TS").
std::optional<CardIndex> cardFromShortForm(std::string_view text);
// A short form or a card's whole name, case-insensitive, spaces around it ignored.
std::optional<CardIndex> parseCardToken(std::string_view text);
// The cards whose name starts with the text, case-insensitive, runs of spaces read as one; deck order.
// Nothing for a text of spaces only.
std::vector<CardIndex> cardsNamedLike(std::string_view prefix);

// Why a list of cards does not make a hand. Positions count from 1.
struct CardListProblem {
    enum class Kind {
        TooFew,      // position is the first one without a card
        TooMany,     // token at position is the first one past the spread's last position
        UnknownCard, // token at position is no card
        Repeated,    // token at position names the card already at firstPosition
    };
    Kind kind = Kind::UnknownCard;
    int position = 0;
    std::string token; // as written, spaces around it removed
    int firstPosition = 0;
    CardIndex card = -1; // the repeated card
};

struct CardListResult {
    Hand hand; // complete only when there is no problem
    std::optional<CardListProblem> problem;
};

// Reads a comma-separated list of exactly count different cards, in position order; the first problem found,
// in list order, ends the reading.
CardListResult parseCardList(std::string_view list, int count);

} // namespace engine
