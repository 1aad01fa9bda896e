// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/spread_catalogue.h"

#include <cstddef>

namespace engine {

namespace {

// Position meanings, entry i for position i + 1; a spread's card count is the length of its list.

constexpr std::string_view kSingleCardLayMeanings[] = {
    "",
};

constexpr std::string_view kAnswerSpreadMeanings[] = {
    "Card 1 reflect your past influences.",           "Card 2 reflect your past influences.",
    "Card 3 indicates your present influences.",      "Card 4 indicates your present influences.",
    "Card 5 tells you about your future influences.", "Card 6 tells you about your future influences.",
};

constexpr std::string_view kThreeCardSpreadMeanings[] = {
    "Card 1 relates to your past experiences and also indicates your present situation.",
    "Card 2 represents your current influences and also focuses on the actual question, problem or situation.",
    "Card 3 indicates the final outcome or result.",
};

constexpr std::string_view kFiveCardSpreadMeanings[] = {
    "Card 1 represents a past event.",
    "Card 2 tells you about your current happenings and influences.",
    "Card 3 reveals the future influences and events.",
    "Card 4 guides you how to proceed.",
    "Card 5 advices you on what is good and what is bad for you.",
};

constexpr std::string_view kSixCardSpreadMeanings[] = {
    "Card 1 reflects your personality.",
    "Card 2 reveals your surrounding environment.",
    "Card 3 tells you about your upcoming challenges.",
    "Card 4 reveals the strength and skills that are required for the purpose of dealing with the situation.",
    "Card 5 reveals what is likely to occur. It is just a mere prediction.",
    "Card 6 gives you the final result.",
};

constexpr std::string_view kSevenCardSpreadMeanings[] = {
    "Card 1 - Tells you about your past.",
    "Card 2 - Deals with your present.",
    "Card 3 - Reveals to you your near future.",
    "Card 4 - Represents what is happening in your life at present.",
    "Card 5 - Reveals your surrounding energies and situations.",
    "Card 6 - Makes you aware of your fears, doubts and anxieties.",
    "Card 7 - Reveals the final outcome.",
};

constexpr std::string_view kNineCardSpreadMeanings[] = {
    "Card 1 represents your past.",    "Card 2 represents your past.",    "Card 3 represents your past.",
    "Card 4 represents your present.", "Card 5 represents your present.", "Card 6 represents your present.",
    "Card 7 represents your future.",  "Card 8 represents your future.",  "Card 9 represents your future.",
};

constexpr std::string_view kFifteenCardSpreadMeanings[] = {
    "Card 1 reveals your personality.",
    "Card 2 reveals your detailed characteristic traits.",
    "Card 3 reveals your detailed characteristic traits.",
    "Card 4 reveals the course of your life.",
    "Card 5 reveals the alternative way which you may take up if you desire to do so.",
    "Card 6 reflects you past experiences and provides you future guidance.",
    "Card 7 represents those external forces over which you cannot exercise any control.",
    "Card 8 reveals the course of your life.",
    "Card 9 reveals the alternative way which you may take up if you desire to do so.",
    "Card 10 reflects you past experiences and provides you future guidance.",
    "Card 11 represents those external forces over which you cannot exercise any control.",
    "Card 12 reveals the course of your life.",
    "Card 13 reveals the alternative way which you may take up if you desire to do so.",
    "Card 14 reflects you past experiences and provides you future guidance.",
    "Card 15 represents those external forces over which you cannot exercise any control.",
};

constexpr std::string_view kRelationshipSpreadMeanings[] = {
    "Card 1 represents your view of a partner i.e. it interprets your way of looking at your partner.",
    "Card 2 represents your partner's view towards you.",
    "Card 3 reflects you expressions, feelings, desires and sentiments.",
    "Card 4 represents your partner's expressions and sentiments.",
    "Card 5 represents your unconscious expressions.",
    "Card 6 represents your partner's unconscious expressions.",
    "Card 7 represents your inner desires and needs.",
    "Card 8 represents your partner's inner desires and needs.",
    "Card 9 tells you about ways of improving your relationship with your partner.",
    "Card 10 tells the ways your partner can improve your relationship.",
};

constexpr std::string_view kChakraSpreadMeanings[] = {
    "Card 1 relates to home, family, security, grounding, sense of trust and feelings of safety as well as security.",
    "Card 2 relates to movement, emotion, sexuality, sensation, desire and the need and ability to change.",
    "Card 3 relates the seven chakras, energy, activity level, self-esteem, confidence, self-discipline and personal "
    "power.",
    "Card 4 relates to love, intimacy, relationship and giving and receiving of love and affection.",
    "Card 5 relates to communication, sense of timing, listening, creativity and rhythm.",
    "Card 6 relates to dreams, imagination, intuition and the ability to predict.",
    "Card 7 relates to divinity, gaining wisdom, assimilation of information and creating new awareness.",
};

constexpr std::string_view kCelticCrossMeanings[] = {
    "Card 1 gives and overview of your situation.",
    "Card 2 tells you about your present concerns.",
    "Card 3 tells you about your desired goal. It reflects what you want out of a particular situation.",
    "Card 4 tells you about your underlying fears.",
    "Card 5 reflects all those issues which are becoming less and less important to you day by day.",
    "Card 6 reflects all those issues which are becoming more and more important to you day by day.",
    "Card 7 reflects your attitude.",
    "Card 8 tells you about your surrounding environment and the people around you.",
    "Card 9 provides you guidance and tells you what action to be taken at a particular point of time.",
    "Card 10 reveals the final result related to a particular situation.",
};

constexpr std::string_view kTreeOfLifeMeanings[] = {
    "Card 1 - Top card: Reveals the present situation and how we react to each of these situations.",
    "Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions.",
    "Card 3 - Left temple: Reveals the level of practicality and rationality.",
    "Card 4 - Right shoulder: Reveals our natural ability and common sense.",
    "Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things.",
    "Card 6 - Heart/ centre position: Related to how we tackle our emotions.",
    "Card 7 - Right hip: Relates to our destiny - the path which we choose.",
    "Card 8 - Left hip: Reveals our energy level.",
    "Card 9 - Groin: Reveals the level of sexuality and sensuality.",
    "Card 10 - feet: Reveals our basic nature.",
};

constexpr std::string_view kHorseshoeMeanings[] = {
    "Card 1 gives an overview of the situation.",
    "Card 2 tells you about the different choices and alternatives of your action.",
    "Card 3 reflects the stability or the instability of the concerned situation.",
    "Card 4 reflects the challenges.",
    "Card 5  tells you about the different hindrances or obstacles which you have to overcome.",
    "Card 6 reveals to you who are your real friends and rivals.",
    "Card 7 represents the final outcome.",
};

constexpr std::string_view kPyramidMeanings[] = {
    "Card 1, which reflects the overall influence at your workplace.",
    "Card 2, which reflects the right action to be taken at the right time.",
    "Card 3, which reflects the right action to be taken at the right time.",
    "Card 4, which reveals your underlying forces.",
    "Card 5, which reveals your underlying forces.",
    "Card 6, which reveals your underlying forces.",
    "Card 7, which guides you as to how to solve a particular problem.",
    "Card 8, which guides you as to how to solve a particular problem.",
    "Card 9, which guides you as to how to solve a particular problem.",
    "Card 10, which guides you as to how to solve a particular problem.",
};

constexpr std::string_view kNumerologyGridMeanings[] = {
    "Card 1 - You see yourself as an Innovator.",     "Card 2 - You see yourself as an Integrator.",
    "Card 3 - You see yourself as an Entertainer.",   "Card 4 - You see yourself as a Builder.",
    "Card 5 - You see yourself as a Communicator.",   "Card 6 - You see yourself as a Peacemaker.",
    "Card 7 - You see yourself as an Individualist.", "Card 8 - You see yourself as an Entrepreneur.",
    "Card 9 - You see yourself as a Crusader.",
};

constexpr std::string_view kZodiacCastingMeanings[] = {
    "Card 1 is related to Aries which represents your attitude and your basic personality.",
    "Card 2 is related to Taurus which represents your financial and business matters.",
    "Card 3 is related to Gemini which represents communication and education.",
    "Card 4 is related to Cancer which represents home, family and childhood concerns.",
    "Card 5 is related to Leo which represents the pleasures and leisure of life.",
    "Card 6 is related to Virgo which represents work and responsibility.",
    "Card 7 is related to Libra which represents close partnership and love.",
    "Card 8 is related to Scorpio which reveals all your hidden influences and desires.",
    "Card 9 is related to Sagittarius which represents you intimacy in religion and philosophy.",
    "Card 10 is related to Capricorn which represents your career and ambition.",
    "Card 11 is related to Aquarius which represents your social life and acquaintances.",
    "Card 12 is related to Pisces which represents your strengths and weaknesses.",
};

constexpr std::string_view kDestinySquareMeanings[] = {
    "Card 1 reflects your personality, expression and how you look upon other people.",
    "Card 2 deals with your financial issues.",
    "Card 3 reflects your surrounding environment - your rapport with others and your short term contacts.",
    "Card 4 deals with your home and family concerns.",
    "Card 5 represents pleasures and fun.",
    "Card 6 deals with business, profession and other work related issues.",
    "Card 7 tells about your relationship and also about your partner.",
    "Card 8 reflects the major changes and transformations in your life.",
    "Card 9 is related to education, travel and learning.",
    "Card 10 tells you about your career.",
    "Card 11 represents your social life and your social associations.",
    "Card 12 reveals your hidden fears and unconscious strivings.",
    "",
};

constexpr std::string_view kGypsyRomanyMeanings[] = {
    "Card 1: represent the past.",     "Card 2: represent the past.",     "Card 3: represent the past.",
    "Card 4: represent the past.",     "Card 5: represent the past.",     "Card 6: represent the past.",
    "Card 7: represent the past.",     "Card 8: represent the present.",  "Card 9: represent the present.",
    "Card 10: represent the present.", "Card 11: represent the present.", "Card 12: represent the present.",
    "Card 13: represent the present.", "Card 14: represent the present.", "Card 15: reflects the future.",
    "Card 16: reflects the future.",   "Card 17: reflects the future.",   "Card 18: reflects the future.",
    "Card 19: reflects the future.",   "Card 20: reflects the future.",   "Card 21: reflects the future.",
};

constexpr Spread makeSpread(std::string_view name, std::string_view description,
                            std::span<const std::string_view> meanings, std::string_view title = {})
{
    return Spread{name, title.empty() ? name : title, static_cast<int>(meanings.size()), description, meanings};
}

constexpr SpreadCatalogue kCatalogue{{
    makeSpread("Single Card Lay",
               "As the name implies, this typical layout involves a single card drawn from the shuffled deck. It is "
               "the quickest way to receive guidance and is best suited to a simple question or to a short look at "
               "the day ahead. Focus on your question while the deck is shuffled, then let the card speak for "
               "itself. Because only one card is drawn, its keywords, time period and description carry the whole "
               "message, so read them carefully and think about how they apply to your present situation.",
               kSingleCardLayMeanings),
    makeSpread("The Answer Spread",
               "Answer spread is similar to the 3 cards spread. Instead of one card per time, it uses two cards for "
               "the past, two for the present and two for the future. The pairs give a fuller picture and show how "
               "the influences of each period combine to answer your question.",
               kAnswerSpreadMeanings),
    makeSpread("3 Card Spread",
               "The 3 cards spread is such a type of spread which gives a quick reading of any situation. The first "
               "card looks at the past and the present, the second at the heart of the question itself, and the "
               "third at the likely outcome. It is simple to use and good for novices as well as for daily readings.",
               kThreeCardSpreadMeanings),
    makeSpread("5 Card Spread",
               "A type of spread which answers specific questions made by you. This spread uses five cards which the "
               "questioner has to select himself.",
               kFiveCardSpreadMeanings),
    makeSpread("6 Card Spread",
               "Six spread is a short and basic card layout. It looks at you, your surroundings and the road that "
               "lies ahead. The first cards describe your own personality and the environment you live in, the "
               "middle cards the challenges and the strengths you will need, and the last cards what is most likely "
               "to happen and the final result.\r\n"
               "First shuffle the cards and make a pick. This is your significator card. Place it below and then "
               "spread the six cards above it in a horizontal line.",
               kSixCardSpreadMeanings),
    makeSpread("7 Card Spread",
               "A type of spread which answers specific questions made by you. This spread uses seven cards which "
               "the questioner has to select himself.",
               kSevenCardSpreadMeanings),
    makeSpread("9 Card Spread",
               "The 9cards spread is such a type of spread which looks at your life in three stages. Three cards "
               "show your past, three your present and three your future. Reading the cards of each row together "
               "shows how earlier events shaped your present situation and where it leads.",
               kNineCardSpreadMeanings),
    makeSpread("15 Card Spread",
               "If you have limited time in hand and you want to go for a general reading, then the 15 card spread "
               "is the best and one of the most common spreads. It is a sort of 'mini reading at a psychic fair.'\r\n"
               "The 15 cards spread consists of five separate 3 card units where the cards need to be placed in a "
               "counter clockwise direction.",
               kFifteenCardSpreadMeanings),
    makeSpread("Relationship Spread",
               "As the name of the spread itself implies, this layout is used to read a relationship between two "
               "people. It compares how each partner sees the other, what each expresses openly and what stays "
               "hidden, and what both of them need. The last two cards show how the relationship can grow.\r\n"
               "For the purpose of generating a reading, place the cards in a vertical straight line. Card 1, 3, 5, "
               "7 and 9 represents you; whereas card numbers 2, 4, 6, 8 and 10 represents your partner.",
               kRelationshipSpreadMeanings),
    makeSpread("Chakra Spread",
               "It is known that the Chakras are the energy centers of the body, running from the base of the spine "
               "to the crown of the head. This spread assigns one card to each of the seven chakras and shows which "
               "areas of your life are in balance and which need more attention, from security and feeling up to "
               "wisdom.\r\n"
               "Place the seven cards vertically in a straight line and in a reversed order.",
               kChakraSpreadMeanings),
    makeSpread("The Celtic Cross Spread",
               "The Celtic Cross spread is one of the most popular and oldest spreads used for a detailed reading. "
               "Ten cards form a cross and a staff beside it. The cross shows your present situation, your concerns, "
               "your goals and your fears, while the staff looks at your attitude, your surroundings, the advice "
               "worth following and the final result.",
               kCelticCrossMeanings),
    makeSpread("The Qabalistic Tree of Life Spread",
               "Among all the other spreads, the Qabalistic Tree of Life spread is one of the most spiritual. Its "
               "ten cards follow the shape of the human body, from the head down to the feet. Each position reveals "
               "a part of your nature, from your reactions and emotions to your energy and your destiny.",
               kTreeOfLifeMeanings),
    makeSpread("Horseshoe Spread",
               "This particular spread is one of the best spreads for a question that needs a clear answer. Seven "
               "cards form a horseshoe, the symbol of good luck. These show the situation, your choices, the "
               "obstacles and your friends.",
               kHorseshoeMeanings),
    makeSpread("Pyramid Spread",
               "Pyramid spread is considered to be one of the best spreads for the purpose of generating a general "
               "reading. This spread uses 10 cards which the questioner has to select himself.",
               kPyramidMeanings),
    makeSpread("Numerology Grid",
               "Numerology Spread is also one of the mostly used spreads for learning how you see yourself. Nine "
               "cards are laid out in three rows, one for each of the numbers one to nine. Each number stands for a "
               "role such as the Innovator, the Builder or the Peacemaker, and your card tells how you play it.",
               kNumerologyGridMeanings),
    makeSpread("Zodiac Casting",
               "In the Zodiac spread, the cards are led out in a circle, one for each of the twelve signs of the "
               "zodiac. Each card relates to one sign and to the area of life that the sign rules, from your "
               "personality and finances to your career, friends and hidden strengths. It gives a full view of your "
               "year ahead.",
               kZodiacCastingMeanings),
    makeSpread("Astrological/Destiny Square Layout",
               "In the Destiny spread, the cards are led out in a square around a central significator card. The "
               "twelve outer cards stand for the twelve houses of the horoscope, from personality and money to "
               "career, friends and hidden fears. Together they reveal the forces that shape your destiny and how to "
               "use them.\r\n"
               "After shuffling, pick a particular card; this card is known as the significator card. Place it in "
               "the center and then place all the other 12 cards around it in an anti clockwise manner.",
               kDestinySquareMeanings, "Astrological / Destiny Square Layout"),
    makeSpread("Gypsy / Romany Spread",
               "This spread is being practiced by people for more than a hundred years and comes from the traditions "
               "of the traveling Romany people. It uses twenty-one cards laid out in three rows of seven. The first "
               "row represents the past, the second row the present and the third row the future. Because so many "
               "cards are involved, the reading is long and detailed, and it shows how past events lead to the "
               "present and beyond. Read each row as a story before looking at the spread as a whole.\r\n"
               "In order to generate a reading, the cards need to be placed side by side.",
               kGypsyRomanyMeanings),
}};

} // namespace

const SpreadCatalogue& spreadCatalogue()
{
    return kCatalogue;
}

const Spread* findSpread(SpreadIndex index)
{
    if (index < 0 || index >= kSpreadCount)
        return nullptr;
    return &kCatalogue[static_cast<std::size_t>(index)];
}

int cardCountOf(SpreadIndex index)
{
    const Spread* spread = findSpread(index);
    return spread ? spread->cardCount : 0;
}

} // namespace engine
