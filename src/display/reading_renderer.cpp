// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/reading_renderer.h"

#include "display/clickable_label.h"
#include "display/face_lists.h"
#include "display/report_view.h"
#include "site_settings.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimeZone>
#include <QUuid>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace display {
namespace {

// Page geometry is worked out in the units the view's document and the spread display are laid out in.
constexpr qreal kLayoutDpi = kPaperResolution;
constexpr qreal kFooterHeight = 30.0; // about 8 mm under the body for the page number

bool keepsWithNext(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(kKeepWithNextProperty);
}

// Web addresses in the view's document are the text as found ("www.…"); a PDF link needs the full address.
void useFullAddresses(QTextDocument& document)
{
    std::vector<std::pair<int, int>> ranges;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            if (piece.fragment().charFormat().isAnchor())
                ranges.emplace_back(piece.fragment().position(), piece.fragment().length());
        }
    }
    QTextCursor cursor(&document);
    for (const auto& [position, length] : ranges) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        QTextCharFormat format = cursor.charFormat();
        const QUrl address = linkAddress(format.anchorHref());
        format.setAnchor(!address.isEmpty());
        format.setAnchorHref(address.toString(QUrl::FullyEncoded));
        cursor.setCharFormat(format);
    }
}

// The view puts word joiners into addresses to steer line breaking; in a PDF they would be text of their own, and
// readers turn them into tabs or spaces when the address is copied.
void removeWordJoiners(QTextDocument& document)
{
    const QString joiner(QChar(0x2060));
    for (QTextCursor found = document.find(joiner); !found.isNull(); found = document.find(joiner, found))
        found.removeSelectedText();
}

// Ligatures would put single characters such as U+FB01 in place of letters, so that searching the PDF for
// "financial" fails; without shaping, Latin text is drawn one glyph per letter.
void avoidLigatures(QTextDocument& document)
{
    QFont font = document.defaultFont();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    document.setDefaultFont(font);
}

// Without the joiners a line could break inside an address; such an address starts a line of its own instead (one
// longer than a line still breaks, as it must).
void keepAddressesWhole(QTextDocument& document)
{
    const std::vector<LinkSpan> links = linkSpans(document);
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        const QTextBlock block = document.findBlock(link->start);
        document.documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLayout* layout = block.layout();
        const QTextLine first = layout->lineForTextPosition(link->start - block.position());
        const QTextLine last = layout->lineForTextPosition(link->end - 1 - block.position());
        if (!first.isValid() || !last.isValid() || first.lineNumber() == last.lineNumber() ||
            first.textStart() == link->start - block.position())
            continue;
        QTextCursor cursor(&document);
        cursor.setPosition(link->start);
        cursor.insertText(QString(QChar::LineSeparator), QTextCharFormat());
    }
}

// The view holds its pictures at the screen's resolution; paper gets the built-in faces at their best, the same
// from any screen.
void useBestPictures(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextCharFormat format = piece.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            const QImage shown = document.resource(QTextDocument::ImageResource, name).value<QImage>();
            const int face = shownFaceNumber(shown);
            if (face == 0 || shown.devicePixelRatio() == kPaperPixelRatio)
                continue;
            const QImage best = crispImage(SmallFaces.path(face), SmallFaces.twicePath(face), kPaperPixelRatio);
            if (!best.isNull())
                document.addResource(QTextDocument::ImageResource, name, best);
        }
    }
}

struct Line {
    qreal top = 0;
    qreal bottom = 0;
    QTextBlock block;
    QPointF blockOrigin;
    int index = 0;
};

std::vector<Line> linesOf(QTextDocument& document)
{
    std::vector<Line> lines;
    QAbstractTextDocumentLayout& layout = *document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QPointF origin = layout.blockBoundingRect(block).topLeft();
        const QTextLayout& text = *block.layout();
        for (int index = 0; index < text.lineCount(); ++index) {
            const QTextLine line = text.lineAt(index);
            lines.push_back({origin.y() + line.y(), origin.y() + line.y() + line.height(), block, origin, index});
        }
    }
    return lines;
}

// The first line of the block that holds the given line.
std::size_t blockStart(const std::vector<Line>& lines, std::size_t line)
{
    return line - static_cast<std::size_t>(lines[line].index);
}

// The closing lines, from the last rule across the page to the end, go on one page together.
std::size_t closingStart(const std::vector<Line>& lines)
{
    for (std::size_t line = lines.size(); line > 0; --line) {
        if (lines[line - 1].index == 0 &&
            lines[line - 1].block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            return line - 1;
    }
    return lines.size();
}

// Moves the break before line `end` up until no heading or line of pictures ends the page, no paragraph leaves a
// single line at the page's foot or top, and the closing lines are not cut, as long as something stays on the page
// that starts at line `first`; where nothing would, the last break that kept something stands.
std::size_t settledBreak(const std::vector<Line>& lines, std::size_t first, std::size_t end, std::size_t closing)
{
    while (end < lines.size()) {
        std::size_t moved = end;
        const Line& next = lines[moved];
        if (next.index == 0) {
            if (keepsWithNext(lines[moved - 1].block))
                moved = blockStart(lines, moved - 1);
        } else {
            const int after = next.block.layout()->lineCount() - next.index;
            if (after < 2)
                moved -= static_cast<std::size_t>(2 - after);
            if (lines[moved].index < 2)
                moved = blockStart(lines, moved);
        }
        if (closing > first && closing < moved)
            moved = closing;
        if (moved <= first || moved == end)
            return end;
        end = moved;
    }
    return end;
}

void drawPageNumber(QPainter& painter, const QSizeF& page, const QFont& font, int number)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, page.height() - kFooterHeight, page.width(), kFooterHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(number));
    painter.restore();
}

// The display paints itself, scaled to the page's width (or height, for a layout too tall for it); the result is
// where the display's points go on the page.
QTransform drawSpreadPicture(QPainter& painter, QWidget& display, const QSizeF& body)
{
    const QSize size = display.size();
    if (size.isEmpty())
        return {};
    const qreal scale = std::min(body.width() / size.width(), body.height() / size.height());
    QTransform placement;
    placement.translate((body.width() - size.width() * scale) / 2, 0);
    placement.scale(scale, scale);
    painter.save();
    painter.setTransform(placement, true);
    // Recorded first: rendered straight onto a printer, Qt would paint the widget into a screen-sized bitmap.
    QPicture recording;
    QPainter recorder(&recording);
    display.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter.drawPicture(0, 0, recording);
    painter.restore();
    return placement;
}

// The view draws a rule of spaces as a ruler after an empty block; on paper it is drawn where the
// underline of the spaces was, across the page.
bool isRule(const QTextBlock& block)
{
    return block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth);
}

void drawRule(QPainter& painter, const Line& line, qreal width)
{
    const QTextLine text = line.block.layout()->lineAt(line.index);
    const QFontMetricsF metrics(line.block.document()->defaultFont());
    const qreal y = line.top + text.ascent() + metrics.underlinePos();
    painter.save();
    painter.setPen(QPen(Qt::black, metrics.lineWidth()));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    painter.restore();
}

// Where the line's links lie, in device coordinates, one area for each address or part of one on the line.
void addLinkAreas(const QPainter& painter, const Line& line, std::vector<QRectF>& areas)
{
    const QTextLine text = line.block.layout()->lineAt(line.index);
    const int lineStart = line.block.position() + text.textStart();
    const int lineEnd = lineStart + text.textLength();
    QRectF pending;
    for (auto piece = line.block.begin(); !piece.atEnd(); ++piece) {
        const QTextFragment fragment = piece.fragment();
        const int start = std::max(fragment.position(), lineStart);
        const int end = std::min(fragment.position() + fragment.length(), lineEnd);
        if (!fragment.charFormat().isAnchor() || start >= end)
            continue;
        const qreal left = line.blockOrigin.x() + text.cursorToX(start - line.block.position());
        const qreal right = line.blockOrigin.x() + text.cursorToX(end - line.block.position());
        const QRectF area(left, line.top, right - left, line.bottom - line.top);
        // The pieces of one address written in two formats make one area.
        if (!pending.isNull() && std::abs(pending.right() - area.left()) < 0.5) {
            pending |= area;
            continue;
        }
        if (!pending.isNull())
            areas.push_back(painter.transform().mapRect(pending));
        pending = area;
    }
    if (!pending.isNull())
        areas.push_back(painter.transform().mapRect(pending));
}

// Line by line, so a block that goes on over the page's foot puts each line's text in the document once.
void drawReportPage(QPainter& painter, const std::vector<Line>& lines, const ReportPage& slice, qreal width,
                    std::vector<QRectF>* linkAreas)
{
    painter.save();
    painter.translate(0, -slice.top);
    for (const Line& line : lines) {
        if (line.top < slice.top || line.top >= slice.bottom)
            continue;
        if (isRule(line.block)) {
            drawRule(painter, line, width);
            continue;
        }
        line.block.layout()->lineAt(line.index).draw(&painter, line.blockOrigin);
        if (linkAreas)
            addLinkAreas(painter, line, *linkAreas);
    }
    painter.restore();
}

// The spread display's links are painted as plain text. Qt's PDF writer makes a link only where it draws text that
// carries one, so a space carrying the address is drawn right after each such caption.
void addCaptionLinks(QPainter& painter, QWidget& display, const QTransform& placement, std::vector<QRectF>& areas)
{
    for (const ClickableLabel* label : display.findChildren<ClickableLabel*>()) {
        if (label->address().isEmpty() || !label->isVisibleTo(&display))
            continue;
        const QFontMetricsF metrics(label->font());
        QRectF text = metrics.boundingRect(QRectF(label->contentsRect()), int(label->alignment()), label->text());
        text.translate(label->mapTo(&display, QPoint()));
        const QRectF onPage = placement.mapRect(text);
        areas.push_back(painter.transform().mapRect(onPage));

        QTextLayout marker(QStringLiteral(" "), label->font());
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorHref(label->address().toString(QUrl::FullyEncoded));
        marker.setFormats({QTextLayout::FormatRange{0, 1, anchor}});
        marker.beginLayout();
        const QTextLine line = marker.createLine();
        marker.endLayout();
        const QPointF baseline = placement.map(QPointF(text.right(), text.top() + metrics.ascent()));
        marker.draw(&painter, baseline - QPointF(0, line.ascent()));
    }
}

// The PDF writer gives a link the size of one letter at its text's start. Each link's /Rect becomes the area of
// the text it belongs to: the first area, from the last one matched on, that holds the link's start point. The
// numbers are written shorter than the writer's and padded, so no byte offset in the file moves.
void fitLinkAreas(QByteArray& pdf, const std::vector<QRectF>& areas)
{
    static const QByteArray kLink("/Subtype /Link");
    static const QByteArray kRect("/Rect [");
    std::size_t next = 0;
    for (qsizetype at = pdf.indexOf(kLink); at >= 0; at = pdf.indexOf(kLink, at)) {
        const qsizetype open = pdf.indexOf(kRect, at);
        const qsizetype close = open < 0 ? -1 : pdf.indexOf(']', open);
        if (close < 0)
            return;
        const qsizetype numbers = open + kRect.size();
        at = close;
        const QList<QByteArray> values = pdf.mid(numbers, close - numbers).simplified().split(' ');
        if (values.size() != 4)
            continue;
        const QPointF start(values[0].toDouble(), values[1].toDouble());
        for (std::size_t candidate = next; candidate < areas.size(); ++candidate) {
            const QRectF& area = areas[candidate];
            if (!area.adjusted(-1.5, -1.5, 1.5, 1.5).contains(start))
                continue;
            next = candidate;
            QByteArray rect;
            for (const qreal value : {area.left(), area.top(), area.right(), area.bottom()})
                rect += QByteArray::number(value, 'f', 2) + ' ';
            rect.chop(1);
            if (rect.size() <= close - numbers)
                pdf.replace(numbers, close - numbers, rect.leftJustified(close - numbers, ' '));
            break;
        }
    }
}

// Qt's PDF writer names the character of the space glyph by the first code the font draws with it, which is the
// tab; readers such as Ghostscript then copy tabs between the words. The maps from glyphs to text are written
// uncompressed, and the space is as long as the tab there, so no byte offset moves.
void spacesAsSpaces(QByteArray& pdf)
{
    static const QByteArray kBegin("beginbfrange");
    static const QByteArray kEnd("endbfrange");
    for (qsizetype at = pdf.indexOf(kBegin); at >= 0; at = pdf.indexOf(kBegin, at)) {
        const qsizetype end = pdf.indexOf(kEnd, at);
        if (end < 0)
            return;
        // Only the characters, listed in brackets, not the glyph numbers that bound the ranges.
        const qsizetype open = pdf.indexOf('[', at);
        const qsizetype close = open < 0 ? -1 : pdf.indexOf(']', open);
        if (open >= 0 && close >= 0 && close < end) {
            for (qsizetype tab = pdf.indexOf("<0009>", open); tab >= 0 && tab < close; tab = pdf.indexOf("<0009>", tab))
                pdf.replace(tab + 3, 2, "20");
        }
        at = end;
    }
}

// Device coordinates of a page (pixels from the top left of the printable area) in PDF points (from the bottom
// left of the paper).
std::vector<QRectF> inPdfPoints(const std::vector<QRectF>& areas, const QPageLayout& layout, int resolution)
{
    const QRectF paper = layout.fullRectPoints();
    const QRectF printable = layout.paintRectPoints();
    const qreal points = 72.0 / resolution;
    std::vector<QRectF> result;
    result.reserve(areas.size());
    for (const QRectF& area : areas) {
        const qreal left = printable.left() + area.left() * points;
        const qreal bottom = paper.height() - (printable.top() + area.bottom() * points);
        result.emplace_back(left, bottom, area.width() * points, area.height() * points);
    }
    return result;
}

// The time SOURCE_DATE_EPOCH names, for files that must come out the same on every run.
std::optional<QDateTime> sourceDate()
{
    bool ok = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").trimmed().toLongLong(&ok);
    if (!ok || seconds < 0)
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
}

// The document's metadata as Qt writes it, but with the given date and an identifier made from the title and
// that date instead of the clock and a random one.
QByteArray fixedXmpMetadata(const QString& title, const QString& creator, const QDateTime& date)
{
    const QString when = date.toString(Qt::ISODate);
    const QString id = QUuid::createUuidV5(QUuid(), title + when).toString(QUuid::WithoutBraces);
    const QString xmp =
        QStringLiteral("<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                       "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                       "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
                       "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
                       " xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:xmpMM='http://ns.adobe.com/xap/1.0/mm/'>\n"
                       "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
                       "<xmp:CreatorTool>%2</xmp:CreatorTool>\n"
                       "<xmp:CreateDate>%3</xmp:CreateDate>\n<xmp:ModifyDate>%3</xmp:ModifyDate>\n"
                       "<xmp:MetadataDate>%3</xmp:MetadataDate>\n"
                       "<xmpMM:DocumentID>uuid:%4</xmpMM:DocumentID>\n<xmpMM:InstanceID>uuid:%4</xmpMM:InstanceID>\n"
                       "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>\n")
            .arg(title.toHtmlEscaped(), creator.toHtmlEscaped(), when, id);
    return xmp.toUtf8();
}

// The writer stamps the document's information with the clock; this puts the given date there instead, padded
// after the string so that no byte offset moves.
void fixCreationDate(QByteArray& pdf, const QDateTime& date)
{
    static const QByteArray kCreationDate("/CreationDate (");
    const qsizetype open = pdf.indexOf(kCreationDate);
    const qsizetype close = open < 0 ? -1 : pdf.indexOf(')', open);
    if (close < 0)
        return;
    const qsizetype start = open + kCreationDate.size();
    const QByteArray stamp = "D:" + date.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    const qsizetype length = close + 1 - start;
    if (stamp.size() <= length)
        pdf.replace(start, length, stamp.leftJustified(length, ' '));
}

} // namespace

QPageSize::PageSizeId paperSizeFor(const QLocale& locale)
{
    static constexpr std::array kLetterTerritories = {QLocale::UnitedStates, QLocale::Canada,
                                                      QLocale::Mexico,       QLocale::Guatemala,
                                                      QLocale::ElSalvador,   QLocale::Honduras,
                                                      QLocale::Nicaragua,    QLocale::CostaRica,
                                                      QLocale::Panama,       QLocale::Colombia,
                                                      QLocale::Venezuela,    QLocale::Chile,
                                                      QLocale::PuertoRico,   QLocale::DominicanRepublic,
                                                      QLocale::Philippines};
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        std::ranges::find(kLetterTerritories, locale.territory()) != kLetterTerritories.end();
    return letter ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout readingPageLayout(QPageSize::PageSizeId paper)
{
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
}

QString readingDocumentTitle(const QString& spreadTitle)
{
    return QStringLiteral("Zelto Cartomancy reading: ") + spreadTitle;
}

QString readingCreator()
{
    return QStringLiteral("Zelto Cartomancy ") + QString::fromUtf8(site::kVersion);
}

std::unique_ptr<QTextDocument> printableReport(const QTextDocument& report, qreal width)
{
    std::unique_ptr<QTextDocument> copy(report.clone());
    copy->setDocumentMargin(0);
    copy->setTextWidth(width);
    useFullAddresses(*copy);
    useBestPictures(*copy);
    removeWordJoiners(*copy);
    avoidLigatures(*copy);
    keepAddressesWhole(*copy);
    return copy;
}

std::vector<ReportPage> reportPages(QTextDocument& report, qreal pageHeight)
{
    const std::vector<Line> lines = linesOf(report);
    const std::size_t closing = closingStart(lines);
    std::vector<ReportPage> pages;
    std::size_t first = 0;
    while (first < lines.size()) {
        const qreal top = lines[first].top;
        std::size_t end = first + 1; // a line taller than a page still gets one to itself
        while (end < lines.size() && lines[end].bottom <= top + pageHeight)
            ++end;
        end = settledBreak(lines, first, end, closing);
        pages.push_back({top, end < lines.size() ? lines[end].top : lines.back().bottom});
        first = end;
    }
    return pages;
}

bool paintReading(QPagedPaintDevice& device, const PaperReading& reading, std::vector<QRectF>* linkAreas)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Everything below is in layout units, whatever the device's resolution.
    const qreal toDevice = device.logicalDpiY() / kLayoutDpi;
    painter.scale(toDevice, toDevice);
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Inch).size() * kLayoutDpi;
    const QSizeF body(page.width(), page.height() - kFooterHeight);

    const std::unique_ptr<QTextDocument> report = printableReport(reading.report, body.width());
    int number = 1;
    const QTransform placement = drawSpreadPicture(painter, reading.spreadDisplay, body);
    if (linkAreas)
        addCaptionLinks(painter, reading.spreadDisplay, placement, *linkAreas);
    drawPageNumber(painter, page, report->defaultFont(), number);
    const std::vector<Line> lines = linesOf(*report);
    for (const ReportPage& slice : reportPages(*report, body.height())) {
        if (!device.newPage())
            return false;
        drawReportPage(painter, lines, slice, body.width(), linkAreas);
        drawPageNumber(painter, page, report->defaultFont(), ++number);
    }
    return painter.end();
}

bool writeReadingPdf(QIODevice& out, const PaperReading& reading, QPageSize::PageSizeId paper)
{
    // Written to memory first: the links and, for SOURCE_DATE_EPOCH, the date are mended in the finished file.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<QRectF> linkAreas;
    const std::optional<QDateTime> fixedDate = sourceDate();
    QPdfWriter writer(&buffer);
    writer.setResolution(kPaperResolution);
    writer.setPageLayout(readingPageLayout(paper));
    writer.setTitle(readingDocumentTitle(reading.spreadTitle));
    writer.setCreator(readingCreator());
    if (fixedDate)
        writer.setDocumentXmpMetadata(fixedXmpMetadata(writer.title(), writer.creator(), *fixedDate));
    if (!paintReading(writer, reading, &linkAreas))
        return false;
    QByteArray pdf = buffer.data();
    fitLinkAreas(pdf, inPdfPoints(linkAreas, writer.pageLayout(), writer.resolution()));
    spacesAsSpaces(pdf);
    if (fixedDate)
        fixCreationDate(pdf, *fixedDate);
    return out.write(pdf) == pdf.size();
}

} // namespace display
