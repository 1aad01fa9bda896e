// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/random_source.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace testing_support {

// The value in [0, 1) that deals card (52 x value lands in the middle of the card's interval).
inline float valueForCard(int card)
{
    return (static_cast<float>(card) + 0.5f) / 52.0f;
}

// Returns the scripted values in order, starting over when they run out, and counts every call.
class ScriptedRandomSource final : public engine::RandomSource {
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(std::vector<float> values) : m_values(std::move(values)) {}

    static ScriptedRandomSource forCards(const std::vector<int>& cards)
    {
        std::vector<float> values;
        for (const int card : cards)
            values.push_back(valueForCard(card));
        return ScriptedRandomSource(std::move(values));
    }

    float next() override
    {
        ++drawCount;
        if (m_values.empty())
            return 0.0f;
        const float value = m_values[m_position];
        m_position = (m_position + 1) % m_values.size();
        return value;
    }

    void reseedFromClock() override
    {
        ++reseedCount;
        drawsAtReseed.push_back(drawCount);
    }

    int drawCount = 0;
    int reseedCount = 0;
    std::vector<int> drawsAtReseed; // how many values had been drawn at each reseed

private:
    std::vector<float> m_values;
    std::size_t m_position = 0;
};

} // namespace testing_support
