// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/small_faces.h"
#include "richtext/rich_text_sink.h"

#include <optional>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

enum class StepKind { ReplaceText, Colour, Bold, Underline, Alignment, Text, Picture };

// One call on the sink; value spells out its argument ("0,128,128", "on", "centre", the text, the picture).
struct Step {
    StepKind kind;
    std::string value;
    friend bool operator==(const Step&, const Step&) = default;
};

inline std::string describeColour(richtext::Rgb colour)
{
    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," + std::to_string(colour.blue);
}

// A picture names itself by its width, which NumberedSmallFaces sets to the picture number.
inline std::string describePicture(const richtext::Bitmap& picture)
{
    return "picture " + std::to_string(picture.width);
}

inline Step replaceStep(std::string_view text)
{
    return {StepKind::ReplaceText, std::string(text)};
}
inline Step colourStep(richtext::Rgb colour)
{
    return {StepKind::Colour, describeColour(colour)};
}
inline Step boldStep(bool on)
{
    return {StepKind::Bold, on ? "on" : "off"};
}
inline Step underlineStep(bool on)
{
    return {StepKind::Underline, on ? "on" : "off"};
}
inline Step alignmentStep(richtext::Alignment alignment)
{
    return {StepKind::Alignment, alignment == richtext::Alignment::Centre ? "centre" : "left"};
}
inline Step textStep(std::string_view text)
{
    return {StepKind::Text, std::string(text)};
}
inline Step pictureStep(int pictureNumber)
{
    return {StepKind::Picture, "picture " + std::to_string(pictureNumber)};
}

inline std::ostream& operator<<(std::ostream& out, const Step& step)
{
    static constexpr const char* kNames[] = {"replace", "colour", "bold", "underline", "alignment", "text", "picture"};
    return out << kNames[static_cast<int>(step.kind)] << "(" << step.value << ")";
}

// Records every call so that tests can check the exact document and the order of the steps.
class RecordingSink final : public richtext::RichTextSink {
public:
    enum class PictureBehaviour { Accept, Refuse, Throw };

    void replaceText(std::string_view text) override { steps.push_back(replaceStep(text)); }
    void setColour(richtext::Rgb colour) override { steps.push_back(colourStep(colour)); }
    void setBold(bool on) override { steps.push_back(boldStep(on)); }
    void setUnderline(bool on) override { steps.push_back(underlineStep(on)); }
    void setAlignment(richtext::Alignment alignment) override { steps.push_back(alignmentStep(alignment)); }
    void insertText(std::string_view text) override { steps.push_back(textStep(text)); }
    bool insertPicture(const richtext::Bitmap& picture) override
    {
        if (pictures == PictureBehaviour::Throw)
            throw std::runtime_error("picture could not be made");
        if (pictures == PictureBehaviour::Refuse)
            return false;
        steps.push_back({StepKind::Picture, describePicture(picture)});
        return true;
    }

    // The document as a reader sees it: texts in order, pictures as "[picture N]".
    std::string document() const
    {
        std::string text;
        for (const Step& step : steps) {
            if (step.kind == StepKind::ReplaceText)
                text = step.value;
            else if (step.kind == StepKind::Text)
                text += step.value;
            else if (step.kind == StepKind::Picture)
                text += "[" + step.value + "]";
        }
        return text;
    }

    std::vector<Step> steps;
    PictureBehaviour pictures = PictureBehaviour::Accept;
};

// Face N is a 1-pixel-high bitmap N pixels wide, so a recorded picture tells which card it shows.
class NumberedSmallFaces final : public engine::SmallFaceSource {
public:
    std::optional<richtext::Bitmap> smallFace(int pictureNumber) const override
    {
        requested.push_back(pictureNumber);
        if (missing.count(pictureNumber) != 0)
            return std::nullopt;
        return richtext::Bitmap{pictureNumber, 1,
                                std::vector<std::uint8_t>(static_cast<std::size_t>(pictureNumber) * 3, 0)};
    }

    std::set<int> missing; // picture numbers that cannot be had
    mutable std::vector<int> requested;
};

} // namespace testing_support
