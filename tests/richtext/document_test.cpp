// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/document.h"
#include "support/bitmaps.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using richtext::Alignment;
using richtext::Bitmap;
using richtext::Document;
using richtext::PictureRun;
using richtext::Rgb;
using richtext::TextRun;

namespace {

using testing_support::solidBitmap;

constexpr std::string_view kPicture = "\xEF\xBF\xBC";

const TextRun& textAt(const Document& document, std::size_t paragraph, std::size_t run)
{
    return std::get<TextRun>(document.paragraphs().at(paragraph).runs.at(run));
}

Document documentWith(std::string_view text)
{
    Document document;
    document.insertText(text);
    return document;
}

} // namespace

TEST(Document, InsertText_SplitsParagraphsAtEveryLineBreak)
{
    Document document = documentWith("one\r\ntwo\r\n\r\nthree");

    ASSERT_EQ(document.paragraphs().size(), 4u);
    EXPECT_EQ(textAt(document, 0, 0).text, "one");
    EXPECT_TRUE(document.paragraphs()[2].runs.empty());
    EXPECT_EQ(document.plainText(), "one\r\ntwo\r\n\r\nthree");
    EXPECT_EQ(document.caretPosition(), document.length());
    EXPECT_EQ(document.length(), 17u);
}

TEST(Document, InsertText_TakesTheInsertionFormatAndMergesEqualRuns)
{
    Document document;
    document.setColour({128, 0, 0});
    document.setBold(true);
    document.insertText("Bold ");
    document.insertText("maroon");
    document.setBold(false);
    document.setUnderline(true);
    document.insertText(" rule");

    const auto& runs = document.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(textAt(document, 0, 0).text, "Bold maroon");
    EXPECT_TRUE(textAt(document, 0, 0).format.bold);
    EXPECT_EQ(textAt(document, 0, 0).format.colour, (Rgb{128, 0, 0}));
    EXPECT_TRUE(textAt(document, 0, 1).format.underline);
    EXPECT_FALSE(textAt(document, 0, 1).format.bold);
}

TEST(Document, SetAlignment_AppliesToTheCaretParagraphAndCarriesIntoNewOnes)
{
    Document document = documentWith("left line\r\n");
    document.setAlignment(Alignment::Centre);
    document.insertText("Visit \r\nNow \r\n");
    document.setAlignment(Alignment::Left);
    document.insertText("rule");

    const auto& paragraphs = document.paragraphs();
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0].alignment, Alignment::Left);
    EXPECT_EQ(paragraphs[1].alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[2].alignment, Alignment::Centre);
    EXPECT_EQ(paragraphs[3].alignment, Alignment::Left);
}

TEST(Document, ReplaceText_ForgetsThePreviousContentAndFormat)
{
    Document document;
    document.setBold(true);
    document.setAlignment(Alignment::Centre);
    document.insertText("first reading");
    document.replaceText("");
    document.insertText("second");

    ASSERT_EQ(document.paragraphs().size(), 1u);
    EXPECT_EQ(document.plainText(), "second");
    EXPECT_FALSE(textAt(document, 0, 0).format.bold);
    EXPECT_EQ(document.paragraphs()[0].alignment, Alignment::Left);
}

TEST(Document, ReplaceSelection_AcrossParagraphsJoinsThemAndLeavesCaretAfterNewText)
{
    Document document = documentWith("abc\r\ndef\r\nghi");
    document.setSelection(2, 8); // "c\r\ndef\r\n"
    EXPECT_EQ(document.selectedText(), "c\r\ndef\r\n");

    document.replaceSelection("XY");

    EXPECT_EQ(document.plainText(), "abXYghi");
    EXPECT_EQ(document.caretPosition(), 4u);
    EXPECT_EQ(document.selectionLength(), 0u);
}

TEST(Document, Positions_CountCodePointsNotBytes)
{
    Document document = documentWith("Ünïcode ♥ text");

    EXPECT_EQ(document.length(), 14u);
    EXPECT_EQ(document.find("♥"), 8u);
    document.setSelection(8, 1);
    EXPECT_EQ(document.selectedText(), "♥");
}

TEST(Document, InsertText_ReplacesMalformedUtf8)
{
    Document document = documentWith(std::string_view("a\xFF\xC0z", 4));

    EXPECT_EQ(document.plainText(), "a\xEF\xBF\xBD\xEF\xBF\xBDz");
}

TEST(Document, Find_CountsAPictureAsOneCharacter)
{
    Document document = documentWith("ab");
    ASSERT_TRUE(document.insertPicture(solidBitmap(2, 2, 10)));
    document.insertText("cd\r\nneedle");

    EXPECT_EQ(document.find("needle"), 7u);
    EXPECT_EQ(document.find("cd"), 3u);
    EXPECT_EQ(document.find("cd", 4), std::nullopt);
    EXPECT_EQ(document.find("missing"), std::nullopt);
}

TEST(Document, InsertPicture_TwiceInARowPutsThemSideBySideInOrder)
{
    Document document = documentWith("x");
    ASSERT_TRUE(document.insertPicture(solidBitmap(2, 2, 1)));
    ASSERT_TRUE(document.insertPicture(solidBitmap(2, 2, 2)));
    document.insertText("y");

    const auto& runs = document.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(std::get<PictureRun>(runs[1]).picture->bitmap.rgb[0], 1);
    EXPECT_EQ(std::get<PictureRun>(runs[2]).picture->bitmap.rgb[0], 2);
    EXPECT_EQ(std::get<TextRun>(runs[3]).text, "y");
}

TEST(Document, InsertPicture_LeavesCharacters157And129ElsewhereIntact)
{
    const std::string existing = "keep \xC2\x9D and \xC2\x81 here\r\n";
    Document document = documentWith(existing);
    ASSERT_TRUE(document.insertPicture(solidBitmap(2, 2, 5)));

    EXPECT_EQ(document.plainText(), existing + std::string(kPicture));
}

TEST(Document, InsertPicture_OfAnEmptyBitmapFailsAndChangesNothing)
{
    Document document = documentWith("text");

    EXPECT_FALSE(document.insertPicture(Bitmap{}));
    EXPECT_FALSE(document.insertPicture(Bitmap{2, 2, {1, 2, 3}}));
    EXPECT_EQ(document.plainText(), "text");
    EXPECT_EQ(document.caretPosition(), 4u);
}

TEST(Document, SetSelection_NeverSplitsALineBreak)
{
    Document document = documentWith("ab\r\ncd");
    document.setSelection(3, 2); // from between CR and LF

    EXPECT_EQ(document.selectionStart(), 2u);
    EXPECT_EQ(document.selectedText(), "\r\nc");
    document.replaceSelection(document.selectedText());
    EXPECT_EQ(document.plainText(), "ab\r\ncd");
}

namespace {

// The document as one character per position: a picture is '#', a line break the two characters CR LF, "é" is
// '~' and the replacement of a malformed byte '?'.
class PlainModel {
public:
    void replaceSelection(std::string_view text)
    {
        m_text.erase(m_start, m_length);
        m_text.insert(m_start, text);
        m_start += text.size();
        m_length = 0;
    }
    void insertPicture()
    {
        m_text.insert(m_start, "#");
        m_start += m_length + 1;
        m_length = 0;
    }
    void setSelection(std::size_t start, std::size_t length)
    {
        start = std::min(start, m_text.size());
        const std::size_t end = snap(start + std::min(length, m_text.size() - start));
        m_start = snap(start);
        m_length = end - m_start;
    }
    const std::string& text() const { return m_text; }
    std::size_t caret() const { return m_start + m_length; }

private:
    std::size_t snap(std::size_t position) const
    {
        const bool insideBreak = position > 0 && position < m_text.size() && m_text[position - 1] == '\r';
        return insideBreak ? position - 1 : position;
    }

    std::string m_text;
    std::size_t m_start = 0;
    std::size_t m_length = 0;
};

std::string positionsOf(const Document& document)
{
    std::string text = document.plainText();
    const std::pair<std::string_view, std::string_view> standIns[] = {
        {kPicture, "#"}, {"\xC3\xA9", "~"}, {"\xEF\xBF\xBD", "?"}};
    for (const auto& [character, standIn] : standIns) {
        for (std::size_t at = text.find(character); at != std::string::npos; at = text.find(character, at))
            text.replace(at, character.size(), standIn);
    }
    return text;
}

class DocumentEdits : public testing::TestWithParam<unsigned> {};

// Edits anywhere, at the end and across line breaks keep the remembered paragraph starts honest: the
// document must agree with the plain model on content, length and caret after every step. The model also
// pins where a selection past the end lands and that a picture goes before the selected content.
TEST_P(DocumentEdits, AgreeWithAPlainModelAfterEveryStep)
{
    // What goes in, and how the model spells it: lone CR and LF become line breaks.
    constexpr std::pair<std::string_view, std::string_view> kPieces[] = {{"a", "a"},
                                                                         {"bc", "bc"},
                                                                         {"\r\n", "\r\n"},
                                                                         {"x\r\ny", "x\r\ny"},
                                                                         {"\r\n\r\n", "\r\n\r\n"},
                                                                         {"", ""},
                                                                         {"caf\xC3\xA9", "caf~"},
                                                                         {"\n", "\r\n"},
                                                                         {"a\rb\n\nc", "a\r\nb\r\n\r\nc"},
                                                                         {"\xFF", "?"},
                                                                         {"long line of text", "long line of text"}};
    std::mt19937 random(GetParam());
    Document document;
    PlainModel model;
    for (int step = 0; step < 400; ++step) {
        const std::size_t size = model.text().size();
        switch (random() % 6) {
        case 0: {
            const std::size_t start = random() % (size + 3);
            const std::size_t length = random() % 6;
            document.setSelection(start, length);
            model.setSelection(start, length);
            break;
        }
        case 1:
            ASSERT_TRUE(document.insertPicture(solidBitmap(1, 1, 7)));
            model.insertPicture();
            break;
        default: {
            const auto& [piece, spelt] = kPieces[random() % std::size(kPieces)];
            document.insertText(piece);
            model.replaceSelection(spelt);
            break;
        }
        }
        ASSERT_EQ(positionsOf(document), model.text()) << "step " << step;
        ASSERT_EQ(document.length(), model.text().size()) << "step " << step;
        ASSERT_EQ(document.caretPosition(), model.caret()) << "step " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocumentEdits, testing::Values(1u, 2u, 3u, 4u, 5u),
                         testing_support::numberedCases("Seed"));

} // namespace
