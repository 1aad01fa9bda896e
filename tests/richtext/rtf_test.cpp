// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "richtext/document.h"
#include "richtext/picture_embedding.h"
#include "richtext/rtf_reader.h"
#include "support/bitmaps.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

using testing_support::patternedBitmap;

// A report-like document: every format the composer uses, pictures and non-ASCII text.
Document richDocument()
{
    Document document;
    document.replaceText("");
    document.setColour({128, 0, 0});
    document.setBold(true);
    document.insertText("zelto.example the forum \\ {braces}\r\n\r\n");
    document.setColour({0, 0, 0});
    document.setAlignment(Alignment::Centre);
    document.insertText("Visit \r\nhttp://www.zelto.example \r\n");
    document.setAlignment(Alignment::Left);
    document.setBold(false);
    document.setUnderline(true);
    document.insertText(std::string(512, ' ') + "\r\n");
    document.setUnderline(false);
    for (std::uint8_t i = 1; i <= 3; ++i) {
        document.insertPicture(patternedBitmap(40, 50, i));
        document.setColour({0, 128, 128});
        document.setBold(true);
        document.insertText("\r\nPosition " + std::to_string(i) + ": \r\n");
        document.setColour({128, 0, 128});
        document.setBold(false);
        document.insertText("Cœur — Ünïcode ♥ 🂡\ttab\r\n");
    }
    document.insertPicture(patternedBitmap(40, 50, 9));
    document.insertPicture(patternedBitmap(40, 50, 10));
    document.insertText("end");
    return document;
}

} // namespace

TEST(RtfWriter, WritesAStandardHeaderWithFontAndColourTables)
{
    Document document;
    document.setColour({0, 128, 128});
    document.insertText("Label");
    const std::string rtf = document.toRtf();

    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi")) << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green128\\blue128;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\cf1 Label\\par"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\viewkind1"), std::string::npos) << "the print layout view: " << rtf;
    EXPECT_EQ(rtf.find("\\viewkind4"), std::string::npos) << rtf;
    EXPECT_TRUE(rtf.ends_with("}\r\n"));
}

struct FallbackCase {
    const char* name;
    std::string text;
    std::string escape;
};

class RtfEscapes : public testing::TestWithParam<FallbackCase> {};

// Readers that know no Unicode escapes show the byte after each one: Windows-1252 where it has the character.
TEST_P(RtfEscapes, WriteOnlyAsciiWithAFallbackByteAfterEachUnicodeEscape)
{
    Document document;
    document.insertText("<" + GetParam().text + ">");
    const std::string rtf = document.toRtf();
    EXPECT_NE(rtf.find("<" + GetParam().escape + ">"), std::string::npos) << rtf;
    for (const char c : rtf)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}

const FallbackCase kEscapes[] = {
    {"BackslashAndBraces", "a\\b{c}d", "a\\\\b\\{c\\}d"},
    {"EAcute", "é", "\\u233\\'e9"},
    {"Euro", "€", "\\u8364\\'80"},
    {"BeyondSixteenBits", "🂡", "\\u-10180\\'3f\\u-9055\\'3f"},
    {"LastLatin1", "ÿ", "\\u255\\'ff"},
    {"NoBreakSpace", "\u00A0", "\\u160\\'a0"},
    {"CurlyQuote", "’", "\\u8217\\'92"},
    {"CapitalYDiaeresis", "Ÿ", "\\u376\\'9f"},
    {"C1Control", "\u0081", "\\u129\\'3f"},
    {"OutsideWindows1252", "♥", "\\u9829\\'3f"},
};

INSTANTIATE_TEST_SUITE_P(Characters, RtfEscapes, testing::ValuesIn(kEscapes), testing_support::namedCases);

// A heading or a line of pictures left alone at the foot of a page reads as a fault.
TEST(RtfWriter, KeepsHeadingsAndPictureLinesWithWhatFollows)
{
    Document document;
    document.setBold(true);
    document.insertText("Special Interpretation(s): \r\n");
    document.setBold(false);
    ASSERT_TRUE(document.insertPicture(patternedBitmap(40, 50, 1)));
    ASSERT_TRUE(document.insertPicture(patternedBitmap(40, 50, 2)));
    document.insertText("\r\n");
    document.setBold(true);
    document.insertText("1. ");
    document.setBold(false);
    document.insertText("The rule's text\r\nnext");
    const std::string rtf = document.toRtf();

    // The picture line shares the heading's paragraph settings; the rule's paragraph starts afresh without them.
    EXPECT_NE(rtf.find("\\pard\\ql\\keepn\\f0\\fs17\\cf1\\b Special Interpretation(s): \\par\r\n{\\pict"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("}\\par\r\n\\pard\\ql 1. \\b0 The rule's text\\par\r\nnext\\par"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("\\keepn"), rtf.rfind("\\keepn")) << rtf;
}

struct KeepCase {
    const char* name;
    std::vector<richtext::Run> runs;
    bool keeps;
};

class KeepsWithNext : public testing::TestWithParam<KeepCase> {};

TEST_P(KeepsWithNext, HoldsForHeadingsAndPictureLinesOnly)
{
    richtext::Paragraph paragraph;
    paragraph.runs = GetParam().runs;
    EXPECT_EQ(richtext::keepsWithNext(paragraph), GetParam().keeps);
}

richtext::Run boldText(std::string text)
{
    return TextRun{std::move(text), {{}, true, false}};
}

richtext::Run plainText(std::string text)
{
    return TextRun{std::move(text), {}};
}

richtext::Run picture()
{
    return PictureRun{std::make_shared<richtext::Picture>()};
}

INSTANTIATE_TEST_SUITE_P(Paragraphs, KeepsWithNext,
                         testing::Values(KeepCase{"Empty", {}, false},
                                         KeepCase{"Heading", {boldText("Card Name: ")}, true},
                                         KeepCase{"Value", {plainText("Knight of Hearts")}, false},
                                         KeepCase{"NumberedRule", {boldText("1. "), plainText("The text")}, false},
                                         KeepCase{"Pictures", {picture(), picture()}, true},
                                         KeepCase{"PictureAndHeading", {picture(), boldText("Title")}, true},
                                         KeepCase{"PictureAndValue", {picture(), plainText("words")}, false}),
                         testing_support::namedCases);

TEST(RtfWriter, MarksBoldUnderlineAndCentredParagraphs)
{
    Document document;
    document.setAlignment(Alignment::Centre);
    document.setBold(true);
    document.insertText("Visit \r\n");
    document.setAlignment(Alignment::Left);
    document.setBold(false);
    document.setUnderline(true);
    document.insertText("    ");
    const std::string rtf = document.toRtf();

    EXPECT_NE(rtf.find("\\pard\\qc"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\b Visit \\par"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\pard\\ql\\b0\\ul     \\par"), std::string::npos) << rtf;
}

TEST(RtfWriter, CarriesEachPictureGroupByteForByte)
{
    Document document;
    document.insertText("before");
    ASSERT_TRUE(document.insertPicture(patternedBitmap(40, 50, 3)));
    document.insertText("after");

    const auto group = richtext::pictureToRtf(patternedBitmap(40, 50, 3));
    ASSERT_TRUE(group);
    EXPECT_NE(document.toRtf().find("before" + *group + "after"), std::string::npos);
}

TEST(RtfRoundTrip, ReadingWhatWasWrittenGivesAnEqualDocumentAndTheSameBytes)
{
    const Document original = richDocument();
    const std::string rtf = original.toRtf();

    const auto reread = readRtf(rtf);
    ASSERT_TRUE(reread) << reread.error;
    EXPECT_EQ(reread.value->plainText(), original.plainText());
    EXPECT_EQ(*reread.value, original);
    EXPECT_EQ(reread.value->toRtf(), rtf);
}

TEST(RtfRoundTrip, KeepsEmptyParagraphsAndTheAlignmentOfTheLastOne)
{
    Document document;
    document.insertText("a\r\n\r\n");
    document.setAlignment(Alignment::Centre);
    const auto reread = readRtf(document.toRtf());
    ASSERT_TRUE(reread);

    EXPECT_EQ(*reread.value, document);
}

// Imitates how LibreOffice writes a saved report: style sheet, info, paragraph resets, its own
// colour table order, runs in groups, a picture with pixel sizes and 128-digit lines split by LF.
TEST(RtfReader, ReadsLibreOfficeStyleOutput)
{
    const auto metafileGroup = richtext::pictureToRtf(patternedBitmap(40, 50, 5));
    ASSERT_TRUE(metafileGroup);
    std::string hex;
    const std::size_t start = metafileGroup->find(' ') + 1;
    for (const char c : metafileGroup->substr(start))
        if (std::isxdigit(static_cast<unsigned char>(c)))
            hex += c;
    std::string lines;
    for (std::size_t i = 0; i < hex.size(); i += 128)
        lines += hex.substr(i, 128) + "\n";

    const std::string rtf =
        "{\\rtf1\\ansi\\deff4\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f4\\fswiss\\fprq2\\fcharset0 Verdana;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue128;}\n"
        "{\\stylesheet{\\s0\\snext0\\ql\\cf0\\fs24 Normal;}{\\*\\cs15\\snext15 Internet Link;}}\n"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}{\\info{\\creatim\\yr2026\\mo1\\dy2}{\\title Report}}\n"
        "\\deftab709\\viewscale100{\\*\\pgdsctbl{\\pgdsc0\\pgdscuse451 Default Page Style;}}\n"
        "\\sectd\\sbknone\\sftnnar{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\ql\\cf0\\fs24 "
        "{\\cf2\\b\\ab\\rtlch \\ltrch\\loch\\f4\\fs17 Maroon bold}{\\cf2\\b\\rtlch \\ltrch\\loch\\f4\\fs17  "
        "tail}\n\\par \\pard\\plain \\s0\\qc\\cf0\\fs24{\\b\\rtlch \\ltrch\\loch\\f4\\fs17 Visit }\n"
        "\\par \\pard\\plain \\s0\\ql{\\ul\\ulc0\\rtlch \\ltrch\\loch\\f4    }\n"
        "\\par \\pard\\plain \\s0\\ql{\\*\\flymaincnt5\\flyanchor0\\flycntnt}"
        "{\\*\\shppict{\\pict\\picscalex100\\picscaley100\\piccropl0\\piccropr0\\piccropt0\\piccropb0"
        "\\picw40\\pich50\\picwgoal600\\pichgoal750\\wmetafile8\n" +
        lines +
        "}}{\\nonshppict{\\pict\\wmetafile8\\picw40\\pich50 0100}}"
        "{\\cf3\\b\\rtlch \\ltrch\\loch\\f4\\fs17 Card\\u8217\\'92s \\u8212\\'97 Name: }"
        "{\\cf0\\ulnone\\b0\\rtlch \\ltrch\\loch\\f4\\fs17 Ace}\n"
        "\\par }";

    const auto read = readRtf(rtf);
    ASSERT_TRUE(read) << read.error;
    const auto& paragraphs = read.value->paragraphs();
    ASSERT_EQ(paragraphs.size(), 4u) << read.value->plainText();

    const auto& first = std::get<TextRun>(paragraphs[0].runs.at(0));
    EXPECT_EQ(first.text, "Maroon bold tail");
    EXPECT_EQ(first.format.colour, (Rgb{128, 0, 0}));
    EXPECT_TRUE(first.format.bold);
    EXPECT_EQ(paragraphs[1].alignment, Alignment::Centre);
    EXPECT_EQ(std::get<TextRun>(paragraphs[1].runs.at(0)).text, "Visit ");
    EXPECT_TRUE(std::get<TextRun>(paragraphs[2].runs.at(0)).format.underline);
    EXPECT_EQ(paragraphs[2].alignment, Alignment::Left);

    const auto& last = paragraphs[3].runs;
    ASSERT_EQ(last.size(), 3u);
    EXPECT_EQ(std::get<PictureRun>(last[0]).picture->bitmap, patternedBitmap(40, 50, 5));
    const auto& label = std::get<TextRun>(last[1]);
    EXPECT_EQ(label.text, "Card’s — Name: ");
    EXPECT_EQ(label.format.colour, (Rgb{0, 128, 128}));
    EXPECT_FALSE(std::get<TextRun>(last[2]).format.bold);
    EXPECT_EQ(read.value->plainText().find("Normal"), std::string::npos);
    EXPECT_EQ(read.value->plainText().find("Report"), std::string::npos);
}

TEST(RtfReader, AfterRereadingForeignPicturesSurviveASecondRoundTrip)
{
    const std::string rtf = "{\\rtf1{\\*\\shppict{\\f0\\pict\\wmetafile8\\picw2\\pich2 {\\*\\blipuid ff}0102\n0304}}x}";

    const auto first = readRtf(rtf);
    ASSERT_TRUE(first);
    const auto second = readRtf(first.value->toRtf());
    ASSERT_TRUE(second);
    EXPECT_EQ(*second.value, *first.value);
    const auto& picture = std::get<PictureRun>(first.value->paragraphs()[0].runs.at(0)).picture;
    EXPECT_NE(picture->rtfGroup.find("01020304"), std::string::npos) << picture->rtfGroup;
}

TEST(RtfReader, RefusesInputThatIsNotRtfOrNestedBeyondAnySaneDocument)
{
    const std::string deep = "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "}";
    for (const std::string& input : {std::string(), std::string("plain text"), std::string("{\\rt"), deep}) {
        const auto read = readRtf(input);
        EXPECT_FALSE(read.value.has_value()) << input.substr(0, 20);
        EXPECT_FALSE(read.error.empty()) << input.substr(0, 20);
    }
}

TEST(RtfReader, ModeratelyNestedGroupsKeepTheirText)
{
    const std::string nested = "{\\rtf1 " + std::string(50, '{') + "\\b deep" + std::string(50, '}') + " flat}";

    const auto read = readRtf(nested);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->plainText(), "deep flat");
    EXPECT_FALSE(std::get<TextRun>(read.value->paragraphs()[0].runs.back()).format.bold);
}

TEST(RtfReader, EveryTruncationOfAReportReadsWithoutFailingOrInventingText)
{
    Document document;
    document.setColour({128, 0, 0});
    document.insertText("Visit é\r\n");
    ASSERT_TRUE(document.insertPicture(patternedBitmap(40, 50, 2)));
    document.insertText("after");
    const std::string rtf = document.toRtf();
    const std::string whole = document.plainText();
    // Where the picture group closes: a picture appears once all of it is read, never half of one.
    const std::size_t pictureStart = rtf.find("{\\pict");
    ASSERT_NE(pictureStart, std::string::npos);
    std::size_t pictureEnd = pictureStart;
    for (int depth = 0; pictureEnd < rtf.size(); ++pictureEnd) {
        depth += rtf[pictureEnd] == '{' ? 1 : rtf[pictureEnd] == '}' ? -1 : 0;
        if (depth == 0)
            break;
    }

    std::string previous;
    for (std::size_t length = 5; length <= rtf.size(); ++length) {
        const auto read = readRtf(std::string_view(rtf).substr(0, length));
        ASSERT_TRUE(read) << length;
        const std::string text = read.value->plainText();
        // What is read is the start of the report, and more bytes only ever add to it.
        EXPECT_TRUE(whole.starts_with(text)) << length << ": " << testing::PrintToString(text);
        EXPECT_TRUE(text.starts_with(previous)) << length << ": " << testing::PrintToString(text);
        EXPECT_EQ(text.find("\xEF\xBF\xBC") != std::string::npos, length > pictureEnd) << length; // U+FFFC
        previous = text;
    }
    EXPECT_EQ(previous, whole);
}

TEST(RtfReader, SurvivesHostileControlWords)
{
    const std::vector<std::string> inputs = {
        "{\\rtf1\\bin99999999999 abc}",
        "{\\rtf1\\bin-5 abc}",
        "{\\rtf1\\u-99999999999?\\u99999999999?\\uc999999 \\u65 x}",
        "{\\rtf1\\cf99999999999 a\\cf-3 b}",
        "{\\rtf1{\\colortbl\\red99999;\\green-4;}\\cf1 c}",
        "{\\rtf1\\" + std::string(10000, 'a') + "123 z}",
        "{\\rtf1{\\pict\\wmetafile8\\picw99999999999\\pich-99999999999 0}}",
        "{\\rtf1{\\pict\\bin4 {}{}}}",
        "{\\rtf1\\'",
        "{\\rtf1\\'zz\\u55296?\\u55296?}",
        "{\\rtf1}}}}{{{",
    };
    for (const std::string& input : inputs) {
        const auto read = readRtf(input);
        ASSERT_TRUE(read) << input;
        const auto again = readRtf(read.value->toRtf());
        ASSERT_TRUE(again) << input;
        EXPECT_EQ(*again.value, *read.value) << input;
    }
}

TEST(RtfReader, ReadsUnicodeEscapesWithAndWithoutFallbackCharacters)
{
    const std::string rtf = "{\\rtf1\\ansi C\\u339\\'9cur \\uc0 \\u55356\\uc1 \\u56481\\'3f\\tab "
                            "\\u8198\\'20 x\\uc2\\u233 ab\\'e9}";

    const auto read = readRtf(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->plainText(), "Cœur 🂡\t\u2006 xéé");
}

TEST(RtfReader, TakesTheFallbackPictureOfAFloatingShapeOnce)
{
    const std::string rtf = "{\\rtf1{\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv{\\pict\\wmetafile8 0102}}}}"
                            "{\\shprslt{\\pict\\wmetafile8 0102}}}after}";

    const auto read = readRtf(rtf);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->plainText(), "\xEF\xBF\xBC"
                                       "after");
}

namespace {

struct SymbolCase {
    const char* word;
    const char* text; // UTF-8
};

class RtfReaderSymbol : public testing::TestWithParam<SymbolCase> {};

TEST_P(RtfReaderSymbol, ReadsAsItsCharacter)
{
    const auto read = readRtf(std::string("{\\rtf1 a\\") + GetParam().word + " b}");
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value->plainText(), std::string("a") + GetParam().text + "b");
}

INSTANTIATE_TEST_SUITE_P(Words, RtfReaderSymbol,
                         testing::Values(SymbolCase{"tab", "\t"}, SymbolCase{"emdash", "\u2014"},
                                         SymbolCase{"endash", "\u2013"}, SymbolCase{"lquote", "\u2018"},
                                         SymbolCase{"rquote", "\u2019"}, SymbolCase{"ldblquote", "\u201C"},
                                         SymbolCase{"rdblquote", "\u201D"}, SymbolCase{"bullet", "\u2022"}),
                         [](const auto& test) { return std::string(test.param.word); });

} // namespace
