// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deck.h"

#include <cstddef>

namespace engine {

namespace {

// Deck order: suits Clubs, Diamonds, Hearts, Spades; within a suit Ace to Ten, then King, Queen, Knight.
constexpr Deck kDeck{{
    // Clubs
    {"Ace of Clubs", "Action, success, leadership, courageous and energetic.", "1st week of the spring season.",
     "The best time to start a new business venture."},
    {"Two of Clubs", "Crossroads, overcoming obstacles, indecisive and challenging.", "2nd week of the spring season.",
     "The Two of the Clubs suit denotes that you"},
    {"Three of Clubs", "Change, flexibility, development, traveling and ambitious.", "3rd week of the spring season.",
     "The Three of Clubs denotes constant development. This is"},
    {"Four of Clubs", "Happiness, joy, rest, warm and supportive.", "4th week of the spring season.",
     "The Four of the Clubs indicates that you are"},
    {"Five of Clubs", "Challenging, energetic, promising, independent and powerful.", "5th week of the spring season.",
     "The Five of Clubs denotes that at this period"},
    {"Six of Clubs", "Victory, success, energetic, confident and enterprising.", "6th week of the spring season.",
     "The Six of Clubs denotes that it is a"},
    {"Seven of Clubs", "Difficulties, hardship, defender, strong and powerful.", "7th week of the spring season.",
     "The Seven of Clubs denotes that this is a"},
    {"Eight of Clubs", "Energetic, active, powerful, sharp, cautious and focused.", "8th week of the spring season.",
     "The Eight of Clubs indicates that you are passing"},
    {"Nine of Clubs", "Inflexible, determined, stubborn, strong will force and alert.",
     "9th week of the spring season.", "The Nine of Clubs indicates that finally you are"},
    {"Ten of Clubs", "Helpful, sympathetic, dependable, reliable and emotional.", "10th week of the spring season.",
     "The Ten of Clubs denotes that gradually you are"},
    {"King of Clubs", "Strong-willed, assertive, responsible, leadership and articulate.",
     "13th week of the spring season.", "The King of Clubs denotes leadership. It denotes a"},
    {"Queen of Clubs", "Powerful, determined, strong-willed, social and leadership.", "12th week of the spring season.",
     "The Queen of Clubs denotes a person who is"},
    {"Knight of Clubs", "Courageous, heroic, enthusiastic, flexible and dynamic.", "11th week of the spring season.",
     "The Knight of Clubs represents a bosom friend. It"},
    // Diamonds
    {"Ace of Diamonds", "Financial aid, patient, persevering, powerful and simple.", "1st week of fall.",
     "The Ace of Diamonds symbolizes a positive change. It"},
    {"Two of Diamonds", "Juggling, flexibility, adaptable, playful and carefree.", "2nd week of fall.",
     "The Two of Diamonds represents a transitional phase. It"},
    {"Three of Diamonds", "Recognition, financial increment, promotion, flexibility and job scopes.",
     "3rd week of fall.", "The Three of Diamonds denotes that very recently you"},
    {"Four of Diamonds", "Greedy, possessive, self control, financial stability and social status.",
     "4th week of fall.", "The Four in the Diamond suit symbolizes a positive"},
    {"Five of Diamonds", "Crisis, financial instability, isolation, depressed and deprivation.", "5th week of fall.",
     "The Five of Diamond represents financial instability. It denotes"},
    {"Six of Diamonds", "Generous, helpful, financial gain, caring and responsible.", "6th week of fall.",
     "The Six of Diamonds represents that it is period"},
    {"Seven of Diamonds", "Patient, persevering, determination, reassessing nature and successful.",
     "7th week of fall.", "The Seven of Diamonds reveals that you are passing"},
    {"Eight of Diamonds", "Perfect, learner, persevering, powerful and concentration.", "8th week of fall.",
     "The Eight of Diamonds represents that you are learning"},
    {"Nine of Diamonds", "Self- reliance, self-actualization, independent, satisfied and ambitious.",
     "9th week of fall.", "The Nine of Diamonds denotes a state of self"},
    {"Ten of Diamonds", "Prosperous, wealthy, family bound, enterprising and excellent communicator.",
     "10th week of fall.", "The Ten of Diamonds represents a new phase in"},
    {"King of Diamonds", "Conservative, thrifty, humble, powerful, serious and grave.", "13th week of fall.",
     "The King of Diamond denotes a 'patriarch' - one"},
    {"Queen of Diamonds", "Motherly figure, sensitive, warm, understanding and emotional.", "12th week of fall.",
     "The Queen of the Diamonds represents a motherly figure."},
    {"Knight of Diamonds", "Negotiator, strong, reliable, strong and stubborn.", "11th week of fall.",
     "The Knight of Diamond symbolizes good luck in terms"},
    // Hearts
    {"Ace of Hearts", "Love, fulfillment, sensitive, emotional and confident.", "1st week of the summer season.",
     "As the symbol itself denotes, the Ace of Hearts"},
    {"Two of Hearts", "Warm hearted, attraction, devotion, sensitive and understanding.",
     "2nd week of the summer season.", "As the symbol itself denotes, the Two of Heart"},
    {"Three of Hearts", "Joy, happiness, romance, comfort and sensitive.", "3rd week of the summer season.",
     "The Three in the Heart suit indicates the beginning"},
    {"Four of Hearts", "Apathy, frustrated, dissatisfied, unfulfilled and emotional.", "4th week of the summer season.",
     "The Four of Hearts denotes a sense of emotional"},
    {"Five of Hearts", "Grief, sorrow, worried, depressed and disappointment.", "5th week of the summer season.",
     "The Five located in the suit of Hearts indicates"},
    {"Six of Hearts", "Nostalgic, homesick, isolate, inflexible and helpful.", "6th week of the summer season.",
     "The Six of Hearts denotes that you are showing"},
    {"Seven of Hearts", "Warm hearted, sensitive, cooperative, romantic and understanding.",
     "7th week of the summer season.", "As the symbol itself denotes, the Seven of Heart"},
    {"Eight of Hearts", "Frustrated, better opportunity, spiritual achievement, powerful and responsible.",
     "8th week of the summer season.", "The Eight of Hearts indicates that there is something"},
    {"Nine of Hearts", "Love, romance, joy, happiness and relaxing.", "9th week of the summer season.",
     "The Nine of Hearts relates to those matters which"},
    {"Ten of Hearts", "Committed, lovable, sympathetic, friendly and cheerful.", "10th week of the summer season.",
     "As the symbol itself denotes, the Ace of Hearts"},
    {"King of Hearts", "Articulate, kind, warm, sensitive and understanding.", "13th week of the summer season.",
     "When the King is in the Hearts suit, it"},
    {"Queen of Hearts", "Warm, sensitive, understanding, healer and lovable.", "12th week of the summer season.",
     "When the Queen is in the Hearts suit, it"},
    {"Knight of Hearts", "Warm, sensitive, charismatic, love and romantic.", "11th week of the summer season.",
     "As the symbol itself denotes, the Knight of Heart"},
    // Spades
    {"Ace of Spades", "Misfortunes, determination, challenge, death and stubborn.", "1st week of the winter season.",
     "The Ace of Spades symbolizes an upcoming difficult time"},
    {"Two of Spades", "Stalemate, tension, indecisive, argumentative and impractical.",
     "2nd week of the winter season.", "The Two of Spades denotes that you are a"},
    {"Three of Spades", "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "3rd week of the winter season.", "The Three of Spades denotes destruction. It indicates that"},
    {"Four of Spades", "Stagnancy, illness, discouragement, weakness and challenges.", "4th week of the winter season.",
     "The Four of Spades indicates that you are liable"},
    {"Five of Spades", "Quarrelsome, argumentative, independent, humiliated and angry.",
     "5th week of the winter season.", "The Five of Spades indicates that you are in"},
    {"Six of Spades", "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
     "6th week of the winter season.", "The Six of Spades denotes destruction. It indicates that"},
    {"Seven of Spades", "Timid, coward, sly, cunning and manipulative.", "7th week of the winter season.",
     "The Seven of Spades reflects your manipulative nature. It"},
    {"Eight of Spades", "Introvert, fearful, lack of confidence, desperate and worried.",
     "8th week of the winter season.", "The Eight of Spades represents all kind of fears"},
    {"Nine of Spades", "Worries, tensions, depressions, illness and indecisive.", "9th week of the winter season.",
     "The Nine of Spades indicates a period which is"},
    {"Ten of Spades", "New beginning, realization, end of bad habits, painful parting and prosperous.",
     "10th week of the winter season.", "The Ten of Spades symbolizes a period full of"},
    {"King of Spades", "Worries, necessary decisions, judgment, wisdom and responsible.",
     "13th week of the winter season.", "The King of Spades denotes the several worries and"},
    {"Queen of Spades", "Independent, volatile, dynamic, restless and carefree.", "12th week of the winter season.",
     "The Queen of Spades denotes the several worries and"},
    {"Knight of Spades", "Deceit, worries, depressions, intelligent and careful.", "11th week of the winter season.",
     "The Knight of Spades symbolizes all kind of worries"},
}};

// Handed out for an index outside the deck so that a stray value shows blank texts instead of reading
// past the table.
constexpr Card kNoCard{};

} // namespace

const Deck& deck()
{
    return kDeck;
}

const Card& card(CardIndex index)
{
    if (index < 0 || index >= kCardCount)
        return kNoCard;
    return kDeck[static_cast<std::size_t>(index)];
}

std::optional<CardIndex> findCardByName(std::string_view name)
{
    for (std::size_t index = 0; index < kDeck.size(); ++index) {
        if (kDeck[index].name == name)
            return static_cast<CardIndex>(index);
    }
    return std::nullopt;
}

void fillReadingTables() {}

} // namespace engine
