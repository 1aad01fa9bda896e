// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;
class QLocale;
class QPagedPaintDevice;
class QTextDocument;
class QWidget;

namespace display {

// A reading as it goes on paper: first the spread display's own painting, then the report as the
// report view holds it.
struct PaperReading {
    QWidget& spreadDisplay;
    const QTextDocument& report;
    QString spreadTitle;
};

// Devices are set to this resolution before a reading is painted on them, so the spread display's labels
// keep the size they have beside its cards. Text stays text and pictures keep their pixels at any resolution.
inline constexpr int kPaperResolution = 96;

// Letter where people buy Letter paper (the Americas from Canada to Chile, the Philippines), A4 elsewhere.
QPageSize::PageSizeId paperSizeFor(const QLocale& locale);
// The paper with the margins a printed reading uses.
QPageLayout readingPageLayout(QPageSize::PageSizeId paper);

// "Zelto Cartomancy reading: " and the spread's title.
QString readingDocumentTitle(const QString& spreadTitle);
// The program and its version, as a PDF names its creator.
QString readingCreator();

// A copy of the view's document laid out at the width (in the units of a 96 dpi screen), its links naming
// full addresses.
std::unique_ptr<QTextDocument> printableReport(const QTextDocument& report, qreal width);

// Part of the laid-out report, in its coordinates, that goes on one page.
struct ReportPage {
    qreal top = 0;
    qreal bottom = 0;
};
// Cuts the report into pages no higher than pageHeight, between lines so that no line or picture is split,
// no heading or line of pictures ends a page, no paragraph leaves one line alone at a page's foot or top, and the
// closing lines (from the last rule across the page) stay together, unless keeping them so would leave a page
// empty.
std::vector<ReportPage> reportPages(QTextDocument& report, qreal pageHeight);

// Paints the reading on the device's pages, numbered in the footer; false when the device takes no painting.
// Where given, linkAreas gets the area of every link drawn, in device coordinates and the order drawn.
bool paintReading(QPagedPaintDevice& device, const PaperReading& reading, std::vector<QRectF>* linkAreas = nullptr);

// Writes the reading as a PDF document, with title and creator set, to a device open for writing. Every web
// address is a link over its text. With SOURCE_DATE_EPOCH set, that time is the document's date, and the same
// reading gives the same bytes.
bool writeReadingPdf(QIODevice& out, const PaperReading& reading, QPageSize::PageSizeId paper);

} // namespace display
