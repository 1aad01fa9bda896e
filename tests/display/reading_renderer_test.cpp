// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/reading_renderer.h"
#include "display/report_view.h"
#include "display/spread_display.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "richtext/document.h"
#include "site_settings.h"
#include "support/fake_url_opener.h"
#include "support/pdf_probe.h"
#include "support/scripted_random_source.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

namespace {

using testing_support::withoutLayout;

// The text of each page without the page number at its foot.
std::vector<std::string> pagesOf(const std::string& text)
{
    std::vector<std::string> pages;
    std::istringstream stream(text);
    std::string page;
    while (std::getline(stream, page, '\f')) {
        const std::size_t end = page.find_last_not_of('\n');
        const std::size_t lastLine = page.rfind('\n', end);
        pages.push_back(page.substr(0, lastLine == std::string::npos ? 0 : lastLine));
    }
    return pages;
}

struct PaperCase {
    const char* locale;
    QPageSize::PageSizeId paper;
};

class PaperSizeTest : public testing::TestWithParam<PaperCase> {};

TEST_P(PaperSizeTest, FollowsWhatTheLocaleBuys)
{
    EXPECT_EQ(display::paperSizeFor(QLocale(QString::fromLatin1(GetParam().locale))), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(Locales, PaperSizeTest,
                         testing::Values(PaperCase{"en_US", QPageSize::Letter}, PaperCase{"es_US", QPageSize::Letter},
                                         PaperCase{"en_CA", QPageSize::Letter}, PaperCase{"fr_CA", QPageSize::Letter},
                                         PaperCase{"es_MX", QPageSize::Letter}, PaperCase{"fil_PH", QPageSize::Letter},
                                         PaperCase{"en_GB", QPageSize::A4}, PaperCase{"de_DE", QPageSize::A4},
                                         PaperCase{"es_ES", QPageSize::A4}, PaperCase{"ja_JP", QPageSize::A4},
                                         PaperCase{"C", QPageSize::A4}),
                         [](const testing::TestParamInfo<PaperCase>& test) { return std::string(test.param.locale); });

// Pages are cut from a document of one-line blocks; every line 13 units high in the default font.
class ReportPagesTest : public testing::Test {
protected:
    void addBlock(const QString& text, bool keepsWithNext)
    {
        QTextBlockFormat format;
        format.setProperty(display::kKeepWithNextProperty, keepsWithNext);
        if (m_document.isEmpty() && m_cursor.block().text().isEmpty() && !m_started)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format);
        m_started = true;
        m_cursor.insertText(text);
    }
    void addPicture(bool keepsWithNext)
    {
        addBlock({}, keepsWithNext);
        QImage face(40, 50, QImage::Format_RGB888);
        face.fill(Qt::red);
        m_document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("face")), face);
        m_cursor.insertImage(QStringLiteral("face"));
    }

    // Which page each block's first line went on; -1 for a block found on no page.
    std::vector<int> pageOfEachBlock(const std::vector<display::ReportPage>& pages)
    {
        std::vector<int> result;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const qreal top = m_document.documentLayout()->blockBoundingRect(block).top();
            const auto page = std::find_if(pages.begin(), pages.end(), [top](const display::ReportPage& slice) {
                return top >= slice.top && top < slice.bottom;
            });
            result.push_back(page == pages.end() ? -1 : static_cast<int>(page - pages.begin()));
        }
        return result;
    }

    QTextDocument m_document;
    QTextCursor m_cursor{&m_document};
    bool m_started = false;
};

TEST_F(ReportPagesTest, HeadingsAndPictureLinesNeverEndAPageWhereverTheBreakFalls)
{
    for (int filler = 0; filler < 24; ++filler) {
        m_document.clear();
        m_started = false;
        for (int line = 0; line < filler; ++line)
            addBlock(QStringLiteral("filler"), false);
        addPicture(true);
        addBlock(QStringLiteral("Position 1: "), true);
        addBlock(QStringLiteral("The meaning"), false);
        addBlock(QStringLiteral("after"), false);
        m_document.setTextWidth(400);

        const qreal pageHeight = 13 * 10 + 6;
        const std::vector<display::ReportPage> pages = display::reportPages(m_document, pageHeight);
        const std::vector<int> onPage = pageOfEachBlock(pages);
        ASSERT_EQ(onPage.size(), static_cast<std::size_t>(filler + 4));
        const auto picture = static_cast<std::size_t>(filler);
        EXPECT_EQ(onPage[picture], onPage[picture + 1]) << filler << " lines before";
        EXPECT_EQ(onPage[picture + 1], onPage[picture + 2]) << filler << " lines before";
        for (std::size_t index = 0; index < pages.size(); ++index) {
            EXPECT_LE(pages[index].bottom - pages[index].top, pageHeight) << filler;
            if (index > 0) {
                EXPECT_EQ(pages[index].top, pages[index - 1].bottom) << filler << ": nothing lost between pages";
            }
        }
        EXPECT_TRUE(std::ranges::none_of(onPage, [](int page) { return page < 0; })) << filler;
    }
}

TEST_F(ReportPagesTest, RunOfHeadingsLongerThanAPage_IsCutRatherThanLost)
{
    for (int line = 0; line < 30; ++line)
        addBlock(QStringLiteral("heading %1").arg(line), true);
    addBlock(QStringLiteral("body"), false);
    m_document.setTextWidth(400);

    const std::vector<display::ReportPage> pages = display::reportPages(m_document, 13 * 10);
    const std::vector<int> onPage = pageOfEachBlock(pages);
    EXPECT_TRUE(std::ranges::none_of(onPage, [](int page) { return page < 0; }));
    EXPECT_TRUE(std::ranges::is_sorted(onPage));
    EXPECT_GE(pages.size(), 3u);
}

// Paragraphs of two to six lines, wherever the page's foot falls in them: none leaves one line alone at a page's
// foot or top, and the closing lines from the rule on go on one page.
TEST_F(ReportPagesTest, NoParagraphLeavesALineAloneAndTheClosingLinesStayTogether)
{
    // The line at a height of the laid-out document: its number in its block, and the block's line count.
    const auto lineAt = [this](qreal y) {
        const int at = m_document.documentLayout()->hitTest(QPointF(1, y), Qt::FuzzyHit);
        const QTextBlock block = m_document.findBlock(at);
        return std::pair(block.layout()->lineForTextPosition(at - block.position()).lineNumber(),
                         block.layout()->lineCount());
    };
    for (int filler = 0; filler < 12; ++filler) {
        m_document.clear();
        m_started = false;
        for (int line = 0; line < filler; ++line)
            addBlock(QStringLiteral("filler"), false);
        for (int words : {6, 9, 12, 15, 9, 6, 3})
            addBlock(QStringLiteral("interpretation ").repeated(words), false);
        addBlock({}, false);
        QTextBlockFormat rule;
        rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                         QTextLength(QTextLength::PercentageLength, 100));
        m_cursor.setBlockFormat(rule);
        const QTextBlock closing = m_cursor.block();
        addBlock(QStringLiteral("Report Generated By http://www.zelto.example"), true);
        addBlock(QStringLiteral("Thank You"), false);
        m_document.setTextWidth(200);

        const std::vector<display::ReportPage> pages = display::reportPages(m_document, 13 * 7 + 6);
        for (const display::ReportPage& page : pages) {
            const auto [topLine, topCount] = lineAt(page.top + 1);
            const auto [footLine, footCount] = lineAt(page.bottom - 1);
            EXPECT_FALSE(topLine > 0 && topLine == topCount - 1) << filler << ": last line alone at " << page.top;
            EXPECT_FALSE(footLine == 0 && footCount > 1) << filler << ": first line alone above " << page.bottom;
        }
        const std::vector<int> onPage = pageOfEachBlock(pages);
        EXPECT_EQ(onPage[static_cast<std::size_t>(closing.blockNumber())], onPage.back()) << filler;
    }
}

// A reading dealt into the display and the view as the report window holds them.
class ReadingPdfTest : public testing::Test {
protected:
    void deal(engine::SpreadIndex spread)
    {
        m_engine.generateReading(spread, {m_document, engine::builtInSmallFaces(), &m_display});
        m_view.showDocument(m_document);
    }

    std::string writePdf(const QString& spreadTitle)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(display::writeReadingPdf(buffer, {m_display, *m_view.document(), spreadTitle}, QPageSize::A4));
        const QString path = m_folder.filePath(QStringLiteral("reading.pdf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(buffer.data());
        file.close();
        m_bytes = buffer.data();
        return path.toStdString();
    }

    testing_support::FakeUrlOpener m_opener;
    display::SpreadDisplay m_display{m_opener};
    display::ReportView m_view{m_opener};
    // Deals the deck in order.
    testing_support::ScriptedRandomSource m_random = [] {
        std::vector<int> cards(engine::kCardCount);
        std::iota(cards.begin(), cards.end(), 0);
        return testing_support::ScriptedRandomSource::forCards(cards);
    }();
    engine::ReadingEngine m_engine{m_random};
    richtext::Document m_document;
    QTemporaryDir m_folder;
    QByteArray m_bytes;
};

// The Gypsy spread's first 21 cards of the deck fire a special interpretation, so every kind of content is there.
TEST_F(ReadingPdfTest, HoldsTheWholeReportInOrderAsSelectableText)
{
    deal(17);
    const std::vector<std::string> pages =
        pagesOf(testing_support::pdfText(writePdf(QStringLiteral("Gypsy / Romany Spread"))));

    ASSERT_GT(pages.size(), 2u);
    EXPECT_NE(pages[0].find("PRESENT"), std::string::npos) << "the spread picture's labels";
    std::string report;
    for (std::size_t page = 1; page < pages.size(); ++page)
        report += withoutLayout(pages[page]) + ' ';
    std::size_t at = 0;
    int lines = 0;
    std::istringstream paragraphs(m_document.plainText());
    std::string paragraph;
    // Word for word as the report has them: web addresses as written, no ligature characters for "fi" and friends.
    while (std::getline(paragraphs, paragraph)) {
        for (std::size_t picture; (picture = paragraph.find("\xEF\xBF\xBC")) != std::string::npos;)
            paragraph.erase(picture, 3);
        const std::string expected = withoutLayout(paragraph);
        if (expected.empty())
            continue;
        const std::size_t found = report.find(expected, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << paragraph;
        at = found + expected.size();
        ++lines;
    }
    EXPECT_GT(lines, 21 * 11);
    EXPECT_NE(m_document.plainText().find("Special Interpretation(s): "), std::string::npos);
    EXPECT_NE(report.find(std::string(site::kSiteAddress)), std::string::npos);
    EXPECT_EQ(m_bytes.indexOf("<0009>"), -1) << "a glyph read as a tab: some readers copy tabs between words";
}

// Every address is a link whose area covers its text, the caption's on the first page too.
TEST_F(ReadingPdfTest, LinksCoverTheirAddressesOnEveryPage)
{
    deal(2);
    writePdf(QStringLiteral("3 Card Spread"));
    const auto addresses = static_cast<qsizetype>(display::linkSpans(*m_view.document()).size());
    int links = 0;
    for (qsizetype at = m_bytes.indexOf("/Subtype /Link"); at >= 0; at = m_bytes.indexOf("/Subtype /Link", at + 1)) {
        const qsizetype open = m_bytes.indexOf("/Rect [", at) + 7;
        const QList<QByteArray> rect = m_bytes.mid(open, m_bytes.indexOf(']', open) - open).simplified().split(' ');
        ASSERT_EQ(rect.size(), 4);
        EXPECT_GE(rect[3].toDouble() - rect[1].toDouble(), 8.0) << "as high as the text's line";
        EXPECT_GE(rect[2].toDouble() - rect[0].toDouble(), 60.0) << "as wide as the address";
        ++links;
    }
    EXPECT_EQ(links, addresses + 1) << "the report's addresses and the spread picture's caption";
}

// With SOURCE_DATE_EPOCH set, the date comes from it and nothing else varies, so the same reading gives the same
// bytes.
TEST_F(ReadingPdfTest, SourceDateEpoch_MakesTheSameReadingTheSameBytes)
{
    const QByteArray saved = qgetenv("SOURCE_DATE_EPOCH");
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    deal(0);
    writePdf(QStringLiteral("Single Card Lay"));
    const QByteArray first = m_bytes;
    writePdf(QStringLiteral("Single Card Lay"));
    if (saved.isNull())
        qunsetenv("SOURCE_DATE_EPOCH");
    else
        qputenv("SOURCE_DATE_EPOCH", saved);

    EXPECT_EQ(first, m_bytes);
    EXPECT_NE(first.indexOf("/CreationDate (D:20231114221320Z)"), -1);
}

// Whatever the screen, paper gets the faces rendered at twice the pixels.
TEST_F(ReadingPdfTest, DrawsEveryCardOnTheFirstPageAndEveryPictureOfTheReportAtItsBest)
{
    deal(10);
    const std::vector<testing_support::PdfImage> images = testing_support::pdfImages(writePdf(QStringLiteral("x")));

    int spreadFaces = 0;
    int reportPictures = 0;
    for (const testing_support::PdfImage& image : images) {
        if (image.type != "image")
            continue;
        if (image.page == 1 && image.width * image.height == 142 * 192)
            ++spreadFaces;
        else if (image.page > 1 && image.width == 80 && image.height == 100)
            ++reportPictures;
    }
    EXPECT_EQ(spreadFaces, 10);
    EXPECT_EQ(reportPictures, 10);
}

class PaperPictureTest : public testing::TestWithParam<qreal> {};

// The view's pictures follow the screen (60 x 75 pixels at 150 %); paper gets the same best ones from any screen.
TEST_P(PaperPictureTest, ReportFaceIsAtItsBestWhateverTheScreensScale)
{
    const std::optional<richtext::Bitmap> face = engine::builtInSmallFaces().smallFace(52);
    ASSERT_TRUE(face.has_value());
    QTextDocument shown;
    const QUrl name(QStringLiteral("face"));
    shown.addResource(QTextDocument::ImageResource, name, display::reportPicture(*face, GetParam()));
    QTextCursor(&shown).insertImage(name.toString());

    const std::unique_ptr<QTextDocument> paper = display::printableReport(shown, 500);
    const QImage best = paper->resource(QTextDocument::ImageResource, name).value<QImage>();
    EXPECT_EQ(best.size(), QSize(80, 100));
    EXPECT_EQ(best.deviceIndependentSize(), QSizeF(40, 50));
}

INSTANTIATE_TEST_SUITE_P(ScreenScales, PaperPictureTest, testing::Values(1.0, 1.25, 1.5, 2.0, 3.0));

// The rule of underlined spaces under the header is a line across the body of the report's first page.
TEST_F(ReadingPdfTest, DrawsTheRulesOfSpacesAsLinesAcrossThePage)
{
    deal(0);
    const std::string path = writePdf(QStringLiteral("Single Card Lay"));
    const QString prefix = m_folder.filePath(QStringLiteral("page"));
    testing_support::commandOutput(
        {"pdftoppm", "-f", "2", "-l", "2", "-r", "50", "-png", "-singlefile", path, prefix.toStdString()});
    const QImage page(prefix + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());

    int ruleRows = 0;
    for (int y = 0; y < page.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        // The body is the page less its 18 mm margins: about 83 % of its width.
        if (dark > page.width() * 3 / 4)
            ++ruleRows;
    }
    EXPECT_GE(ruleRows, 2) << "the header's rule and the closing rule";
}

TEST_F(ReadingPdfTest, CarriesTitleCreatorEmbeddedFontsLinksAndASanePageCount)
{
    deal(2);
    const std::string path = writePdf(QStringLiteral("3 Card Spread"));

    const std::string info = testing_support::pdfInfo(path);
    EXPECT_NE(info.find("Title:           Zelto Cartomancy reading: 3 Card Spread\n"), std::string::npos) << info;
    EXPECT_NE(info.find(std::string("Creator:         Zelto Cartomancy ") + std::string(site::kVersion) + "\n"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    const std::vector<std::string> fonts = testing_support::pdfFontLines(path);
    ASSERT_FALSE(fonts.empty());
    for (const std::string& font : fonts)
        EXPECT_NE(font.find(" yes "), std::string::npos) << "not embedded: " << font;

    EXPECT_NE(m_bytes.indexOf("/URI (" + QByteArray(site::kSiteAddress.data()) + ")"), -1);
}

} // namespace
