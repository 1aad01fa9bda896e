// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_reading.h"

#include "display/look.h"
#include "display/platform.h"
#include "display/reading_renderer.h"
#include "display/report_view.h"
#include "display/spread_display.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "engine/spread_catalogue.h"
#include "richtext/document.h"

#include <QApplication>
#include <QBuffer>
#include <QHashFunctions>
#include <QLocale>
#include <QTextDocument>

#include <cstdio>

namespace cli {
namespace {

// Nothing on paper opens a page.
class NoUrlOpener final : public display::UrlOpener {
public:
    void openUrl(const QUrl&) override {}
};

} // namespace

richtext::ValueOrError<std::string> dealReadingAsPdf(engine::ReadingEngine& reading, engine::SpreadIndex spread,
                                                     const std::optional<engine::Hand>& ownCards,
                                                     const char* programName)
{
    // A PDF needs no screen: a terminal or a build machine without a display is fine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A command-line tool says only what went wrong; Qt's notes about the session (no runtime folder and
    // the like) are no concern of a PDF.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "cartomancy-report: %s\n", qPrintable(message));
    });
    // Qt writes a PDF's fonts in the order of a hash table, which differs from run to run unless its seed is fixed;
    // with SOURCE_DATE_EPOCH set the same seed must give the same bytes.
    if (!qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH"))
        QHashSeed::setDeterministicGlobalSeed();
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    const QApplication application(argc, argv);

    NoUrlOpener opener;
    display::SpreadDisplay spreadDisplay(opener);
    display::ReportView reportView(opener);
    richtext::Document document;
    const engine::ReportTarget target{document, engine::builtInSmallFaces(), &spreadDisplay};
    if (ownCards)
        reading.readHand(spread, *ownCards, target);
    else
        reading.generateReading(spread, target);
    reportView.showDocument(document);

    const engine::Spread* dealt = engine::findSpread(spread);
    const QString title = dealt ? display::fromView(dealt->title) : QString();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!display::writeReadingPdf(pdf, {spreadDisplay, *reportView.document(), title},
                                  display::paperSizeFor(QLocale::system())))
        return {std::nullopt, "cannot draw the reading as PDF"};
    return {pdf.data().toStdString(), {}};
}

} // namespace cli
