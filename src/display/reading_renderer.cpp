// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/reading_renderer.h"

#include "display/face_lists.h"
#include "display/report_view.h"
#include "richtext/bitmap.h"
#include "site_settings.h"

#include <QAbstractTextDocumentLayout>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <array>
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

richtext::Bitmap bitmapOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    richtext::Bitmap bitmap{rgb.width(), rgb.height(), {}};
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    bitmap.rgb.reserve(rowBytes * static_cast<std::size_t>(rgb.height()));
    for (int row = 0; row < rgb.height(); ++row)
        bitmap.rgb.insert(bitmap.rgb.end(), rgb.constScanLine(row), rgb.constScanLine(row) + rowBytes);
    return bitmap;
}

// The view holds its pictures at the screen's resolution; paper gets the built-in faces at their best.
void useBestPictures(QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextCharFormat format = piece.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            const QImage shown = document.resource(QTextDocument::ImageResource, name).value<QImage>();
            if (shown.isNull() || shown.devicePixelRatio() >= kPaperPixelRatio)
                continue;
            const QImage best = reportPicture(bitmapOf(shown), kPaperPixelRatio);
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

void drawPageNumber(QPainter& painter, const QSizeF& page, const QFont& font, int number)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, page.height() - kFooterHeight, page.width(), kFooterHeight),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(number));
    painter.restore();
}

// The display paints itself, scaled to the page's width (or height, for a layout too tall for it).
void drawSpreadPicture(QPainter& painter, QWidget& display, const QSizeF& body)
{
    const QSize size = display.size();
    if (size.isEmpty())
        return;
    const qreal scale = std::min(body.width() / size.width(), body.height() / size.height());
    painter.save();
    painter.translate((body.width() - size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    // Recorded first: rendered straight onto a printer, Qt would paint the widget into a screen-sized bitmap.
    QPicture recording;
    QPainter recorder(&recording);
    display.render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter.drawPicture(0, 0, recording);
    painter.restore();
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

// Line by line, so a block that goes on over the page's foot puts each line's text in the document once.
void drawReportPage(QPainter& painter, const std::vector<Line>& lines, const ReportPage& slice, qreal width)
{
    painter.save();
    painter.translate(0, -slice.top);
    for (const Line& line : lines) {
        if (line.top < slice.top || line.top >= slice.bottom)
            continue;
        if (isRule(line.block))
            drawRule(painter, line, width);
        else
            line.block.layout()->lineAt(line.index).draw(&painter, line.blockOrigin);
    }
    painter.restore();
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
    return copy;
}

std::vector<ReportPage> reportPages(QTextDocument& report, qreal pageHeight)
{
    const std::vector<Line> lines = linesOf(report);
    std::vector<ReportPage> pages;
    std::size_t first = 0;
    while (first < lines.size()) {
        const qreal top = lines[first].top;
        std::size_t end = first + 1; // a line taller than a page still gets one to itself
        while (end < lines.size() && lines[end].bottom <= top + pageHeight)
            ++end;
        // A heading or a line of pictures moves on with the block after it, unless the run of them fills the page.
        std::size_t moved = end;
        while (moved < lines.size() && moved > first && lines[moved].index == 0 &&
               keepsWithNext(lines[moved - 1].block)) {
            --moved;
            while (moved > first && !lines[moved].index == 0)
                --moved;
        }
        if (moved > first)
            end = moved;
        pages.push_back({top, end < lines.size() ? lines[end].top : lines.back().bottom});
        first = end;
    }
    return pages;
}

bool paintReading(QPagedPaintDevice& device, const PaperReading& reading)
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
    drawSpreadPicture(painter, reading.spreadDisplay, body);
    drawPageNumber(painter, page, report->defaultFont(), number);
    const std::vector<Line> lines = linesOf(*report);
    for (const ReportPage& slice : reportPages(*report, body.height())) {
        if (!device.newPage())
            return false;
        drawReportPage(painter, lines, slice, body.width());
        drawPageNumber(painter, page, report->defaultFont(), ++number);
    }
    return painter.end();
}

bool writeReadingPdf(QIODevice& out, const PaperReading& reading, QPageSize::PageSizeId paper)
{
    QPdfWriter writer(&out);
    writer.setResolution(kPaperResolution);
    writer.setPageLayout(readingPageLayout(paper));
    writer.setTitle(readingDocumentTitle(reading.spreadTitle));
    writer.setCreator(readingCreator());
    return paintReading(writer, reading);
}

} // namespace display
