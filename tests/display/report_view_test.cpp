// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/report_view.h"
#include "engine/small_faces.h"
#include "richtext/document.h"
#include "support/case_names.h"
#include "support/fake_url_opener.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

namespace {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::Paragraph;
using richtext::Rgb;
using richtext::TextRun;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};

Paragraph plainParagraph(std::string text)
{
    return Paragraph{Alignment::Left, {TextRun{std::move(text), {kBlack}}}};
}

richtext::PictureRun pictureOf(int width, int height, Rgb colour)
{
    auto picture = std::make_shared<richtext::Picture>();
    picture->bitmap.width = width;
    picture->bitmap.height = height;
    for (int i = 0; i < width * height; ++i)
        picture->bitmap.rgb.insert(picture->bitmap.rgb.end(), {colour.red, colour.green, colour.blue});
    return richtext::PictureRun{picture};
}

// The first fragment whose text is exactly `text`.
QTextFragment fragmentWithText(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            // Word joiners only steer line breaking; a reader does not see them.
            if (it.fragment().text().remove(QChar(0x2060)) == text)
                return it.fragment();
        }
    }
    return {};
}

class ReportViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        view.resize(400, 300);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void show(std::vector<Paragraph> paragraphs)
    {
        view.showDocument(richtext::Document::fromParagraphs(std::move(paragraphs)));
    }

    // Where the character at `position` of the shown text lies, in viewport coordinates.
    QPoint pointAt(int position)
    {
        QTextCursor cursor(view.document());
        cursor.setPosition(position);
        const QRect before = view.cursorRect(cursor);
        cursor.setPosition(position + 1);
        const QRect after = view.cursorRect(cursor);
        return QPoint((before.center().x() + after.center().x()) / 2, before.center().y());
    }

    int positionOf(const QString& text) const { return static_cast<int>(view.document()->toPlainText().indexOf(text)); }

    testing_support::FakeUrlOpener opener;
    display::ReportView view{opener};
};

TEST_F(ReportViewTest, ShowDocument_KeepsColoursBoldUnderlineAndAlignment)
{
    show({Paragraph{Alignment::Centre, {TextRun{"Heading", {kRed, true, false}}}},
          Paragraph{Alignment::Left, {TextRun{"plain ", {kBlack}}, TextRun{"marked", {kBlack, false, true}}}}});

    const QTextDocument& document = *view.document();
    ASSERT_EQ(document.blockCount(), 2);
    EXPECT_EQ(document.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);

    const QTextCharFormat heading = fragmentWithText(document, QStringLiteral("Heading")).charFormat();
    EXPECT_EQ(heading.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_FALSE(heading.fontUnderline());

    const QTextCharFormat marked = fragmentWithText(document, QStringLiteral("marked")).charFormat();
    EXPECT_TRUE(marked.fontUnderline());
    EXPECT_NE(marked.fontWeight(), QFont::Bold);
    EXPECT_EQ(fragmentWithText(document, QStringLiteral("plain ")).charFormat().foreground().color(), QColor(0, 0, 0));
}

TEST_F(ReportViewTest, ShowDocument_ShowsPicturesAtTheirPixelSize)
{
    show({Paragraph{Alignment::Left, {pictureOf(4, 3, {10, 200, 30}), TextRun{"after", {kBlack}}}}});

    const QTextFragment image = fragmentWithText(*view.document(), QString(QChar::ObjectReplacementCharacter));
    ASSERT_TRUE(image.isValid());
    const QTextImageFormat format = image.charFormat().toImageFormat();
    EXPECT_EQ(format.width(), 4);
    EXPECT_EQ(format.height(), 3);
    const QImage shown = view.document()->resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    ASSERT_EQ(shown.size(), QSize(4, 3));
    EXPECT_EQ(shown.pixelColor(3, 2), QColor(10, 200, 30));
}

// A small face of the report is drawn from its larger rendering on a scaled screen, at the report's own size.
TEST(ReportPictureTest, BuiltInFaceComesSharpOnScaledScreensAndAsSavedOtherwise)
{
    const std::optional<richtext::Bitmap> knight = engine::builtInSmallFaces().smallFace(52);
    ASSERT_TRUE(knight);
    for (const qreal ratio : {1.5, 2.0}) {
        const QImage sharp = display::reportPicture(*knight, ratio);
        EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), ratio);
        EXPECT_EQ(sharp.size(), QSize(qRound(40 * ratio), qRound(50 * ratio)));
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(40, 50));
    }
    const QImage plain = display::reportPicture(*knight, 1.0);
    ASSERT_EQ(plain.size(), QSize(40, 50));
    EXPECT_EQ(plain.pixelColor(20, 25), QColor(knight->rgb[(25 * 40 + 20) * 3], knight->rgb[(25 * 40 + 20) * 3 + 1],
                                               knight->rgb[(25 * 40 + 20) * 3 + 2]));

    const richtext::PictureRun other = pictureOf(40, 50, {10, 200, 30});
    const QImage unknown = display::reportPicture(other.picture->bitmap, 2.0);
    EXPECT_EQ(unknown.size(), QSize(40, 50));
    EXPECT_EQ(unknown.pixelColor(0, 0), QColor(10, 200, 30));
}

TEST_F(ReportViewTest, ShowDocument_SkipsAPictureThatCouldNotBeDecoded)
{
    show({Paragraph{Alignment::Left, {pictureOf(0, 0, kBlack), TextRun{"text", {kBlack}}}}});

    EXPECT_EQ(view.document()->toPlainText(), QStringLiteral("text"));
}

TEST_F(ReportViewTest, ShowDocument_ReplacesTheEarlierReport)
{
    show({plainParagraph("first reading")});
    show({plainParagraph("second reading")});

    EXPECT_EQ(view.document()->toPlainText(), QStringLiteral("second reading"));
}

TEST_F(ReportViewTest, WebAddresses_BecomeUnderlinedLinksInTheirRunColour)
{
    show({Paragraph{Alignment::Left, {TextRun{"Visit http://www.zelto.example now", {kRed}}}}});

    const QTextFragment link = fragmentWithText(*view.document(), QStringLiteral("http://www.zelto.example"));
    ASSERT_TRUE(link.isValid());
    EXPECT_TRUE(link.charFormat().isAnchor());
    EXPECT_EQ(link.charFormat().anchorHref(), QStringLiteral("http://www.zelto.example"));
    EXPECT_TRUE(link.charFormat().fontUnderline());
    EXPECT_EQ(link.charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(fragmentWithText(*view.document(), QStringLiteral(" now")).charFormat().isAnchor());
}

TEST_F(ReportViewTest, LeftPressOnALink_OpensThatAddressOnceOnThePress)
{
    show({plainParagraph("Go to http://www.zelto.example/forum for more.")});
    const QPoint onLink = pointAt(positionOf(QStringLiteral("zelto")));

    QTest::mouseMove(view.viewport(), onLink);
    EXPECT_TRUE(opener.opened.empty());
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, onLink);
    ASSERT_EQ(opener.opened.size(), 1u);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, onLink);

    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened.front(), QUrl(QStringLiteral("http://www.zelto.example/forum")));
}

// A web address moves to the next line whole rather than breaking after "http://", as long as it fits a line.
TEST_F(ReportViewTest, WebAddress_StaysOnOneLineWhereItFits)
{
    const QString address = QStringLiteral("http://www.zelto.example/zelto-free-cartomancy/");
    const QString before = QStringLiteral("Report Generated By ");
    const QFontMetrics metrics(view.document()->defaultFont());
    // Room for the address alone but not for the words before it as well.
    const int margins = view.width() - view.viewport()->width() + 2 * int(view.document()->documentMargin());
    view.resize(metrics.horizontalAdvance(address) + metrics.horizontalAdvance(before) / 2 + margins + 4,
                view.height());
    show({plainParagraph((before + address).toStdString())});

    const int start = positionOf(QStringLiteral("http"));
    const int end = static_cast<int>(view.document()->toPlainText().size()) - 1;
    ASSERT_GE(start, 0);
    EXPECT_GT(pointAt(start).y(), pointAt(0).y());
    EXPECT_EQ(pointAt(start).y(), pointAt(end).y());
}

class ReportViewRuleTest : public ReportViewTest,
                           public testing::WithParamInterface<std::tuple<const char*, Paragraph, bool>> {};

// The longest run of dark pixels in any row of the view.
int longestDarkRow(const QImage& image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

// A paragraph of underlined spaces alone is a rule across the page; the view draws it as a line across its width.
TEST_P(ReportViewRuleTest, OnlyARuleOfUnderlinedSpacesDrawsALineAcrossTheView)
{
    const auto& [name, paragraph, isRule] = GetParam();
    show({plainParagraph("Now"), paragraph, plainParagraph("after")});

    const QImage shown = view.viewport()->grab().toImage();
    const int width = view.viewport()->width();
    if (isRule)
        EXPECT_GE(longestDarkRow(shown), width * 9 / 10) << name;
    else
        EXPECT_LT(longestDarkRow(shown), width / 2) << name;
    EXPECT_EQ(view.document()->blockCount(), 3) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, ReportViewRuleTest,
    testing::Values(
        std::make_tuple("UnderlinedSpaces",
                        Paragraph{Alignment::Left, {TextRun{std::string(512, ' '), {kBlack, false, true}}}}, true),
        std::make_tuple("UnderlinedSpacesInTwoRuns",
                        Paragraph{Alignment::Left,
                                  {TextRun{std::string(200, ' '), {kBlack, false, true}},
                                   TextRun{std::string(312, ' '), {kBlack, true, true}}}},
                        true),
        std::make_tuple("PlainSpaces", Paragraph{Alignment::Left, {TextRun{std::string(512, ' '), {kBlack}}}}, false),
        std::make_tuple("UnderlinedWord", Paragraph{Alignment::Left, {TextRun{"Now ", {kBlack, false, true}}}}, false),
        std::make_tuple("SpacesBeforeAPicture",
                        Paragraph{Alignment::Left,
                                  {TextRun{std::string(20, ' '), {kBlack, false, true}}, pictureOf(2, 2, kBlack)}},
                        false)),
    [](const auto& info) { return std::string(std::get<0>(info.param)); });

struct PressCase {
    const char* name;
    const char* text;
    const char* pressedWord; // the press lands on its first letter
    Qt::MouseButton button;
    const char* opened; // empty: nothing is opened
};

class ReportViewPressTest : public ReportViewTest, public testing::WithParamInterface<PressCase> {};

TEST_P(ReportViewPressTest, OnlyALeftPressOnALinkOpensIt)
{
    show({plainParagraph(GetParam().text)});

    QTest::mouseClick(view.viewport(), GetParam().button, {},
                      pointAt(positionOf(QString::fromLatin1(GetParam().pressedWord))));

    if (*GetParam().opened) {
        ASSERT_EQ(opener.opened.size(), 1u);
        EXPECT_EQ(opener.opened.front(), QUrl(QString::fromLatin1(GetParam().opened)));
    } else {
        EXPECT_TRUE(opener.opened.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presses, ReportViewPressTest,
    testing::Values(PressCase{"OrdinaryText", "Your cards speak of change. See www.zelto.example", "speak",
                              Qt::LeftButton, ""},
                    PressCase{"RightButton", "http://www.zelto.example", "zelto", Qt::RightButton, ""},
                    PressCase{"MiddleButton", "http://www.zelto.example", "zelto", Qt::MiddleButton, ""}),
    testing_support::namedCases);

TEST_F(ReportViewTest, SelectingAndCopying_LeavesWhatThePersonCopiedElsewhere)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied from another program"));
    show({plainParagraph("The Tower brings sudden change.")});

    const QPoint start = pointAt(0);
    const QPoint end = pointAt(positionOf(QStringLiteral("change")));
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), end);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, end);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, end);
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Insert, Qt::ControlModifier);
    view.copy();

    EXPECT_FALSE(view.textCursor().hasSelection());
    EXPECT_EQ(clipboard->text(), QStringLiteral("copied from another program"));
    EXPECT_EQ(view.contextMenuPolicy(), Qt::NoContextMenu);
}

struct LinkCase {
    const char* text;
    const char* address; // empty: not opened
};

class LinkAddressTest : public testing::TestWithParam<LinkCase> {};

TEST_P(LinkAddressTest, OnlyWebAddressesAreHandedToTheDesktop)
{
    EXPECT_EQ(display::linkAddress(QString::fromLatin1(GetParam().text)).toString(),
              QString::fromLatin1(GetParam().address));
}

INSTANTIATE_TEST_SUITE_P(Addresses, LinkAddressTest,
                         testing::Values(LinkCase{"http://www.zelto.example/x?page=home-page",
                                                  "http://www.zelto.example/x?page=home-page"},
                                         LinkCase{"https://zelto.example", "https://zelto.example"},
                                         LinkCase{"WWW.zelto.example", "http://www.zelto.example"},
                                         LinkCase{"ftp://files.zelto.example/a", "ftp://files.zelto.example/a"},
                                         LinkCase{"file:///etc/passwd", ""}, LinkCase{"javascript://alert(1)", ""}),
                         [](const auto& info) { return testing_support::caseName(info.param.text); });

} // namespace
