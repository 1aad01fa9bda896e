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
#include "message_quoting.h"
#include "richtext/document.h"

#include <QApplication>
#include <QBuffer>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QLocale>
#include <QTextDocument>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace cli {
namespace {

// Nothing on paper opens a page.
class NoUrlOpener final : public display::UrlOpener {
public:
    void openUrl(const QUrl&) override {}
};

constexpr int kCannotRun = 2;

// Qt's last word about its display platform, which says why it could not start.
QString g_platformNote;

// The display settings that chose the platform, quoted, for the one line that says it could not start.
std::string platformSettings()
{
    std::string settings;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (qEnvironmentVariableIsSet(name))
            settings += (settings.empty() ? "" : ", ") + std::string(name) + "=" +
                        cli::quoteForMessage(qgetenv(name).toStdString());
    }
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        settings += ", DISPLAY not set";
    return settings;
}

// A platform that cannot start makes Qt end with qFatal and abort, with a core dump and four lines about
// reinstalling; the person should read one line naming the cause and get status 2 instead. A command-line
// tool says only what went wrong: Qt's notes about the session (no runtime folder and the like) are no concern
// of a PDF.
void reportPlatformFailure(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const bool unknown = g_platformNote.contains(QLatin1String("Could not find the Qt platform plugin"));
        std::string line = unknown ? "no display platform of that name (" + platformSettings() + ")"
                                   : "cannot open the display (" + platformSettings() + ")";
        if (!unknown && !g_platformNote.isEmpty())
            line += ": " + cli::quoteForMessage(g_platformNote.trimmed().toStdString());
        std::fprintf(stderr, "cartomancy-report: %s; unset QT_QPA_PLATFORM to draw the PDF without a display\n",
                     line.c_str());
        std::fflush(stderr);
        std::_Exit(kCannotRun);
    }
    if (type == QtCriticalMsg)
        std::fprintf(stderr, "cartomancy-report: %s\n", qPrintable(message));
    else if (type == QtWarningMsg && context.category && QByteArray(context.category).startsWith("qt.qpa"))
        g_platformNote = message;
}

// Without a font, every letter would be drawn as an empty box: better no PDF than that.
bool hasFontForTheReport()
{
    return QFontMetricsF(display::verdanaFont(8.25)).inFont(QLatin1Char('A'));
}

} // namespace

richtext::ValueOrError<std::string> dealReadingAsPdf(engine::ReadingEngine& reading, engine::SpreadIndex spread,
                                                     const std::optional<engine::Hand>& ownCards,
                                                     const char* programName)
{
    // A PDF needs no screen: a terminal or a build machine without a display is fine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(reportPlatformFailure);
    // Qt writes a PDF's fonts in the order of a hash table, which differs from run to run unless its seed is fixed;
    // with SOURCE_DATE_EPOCH set the same seed must give the same bytes.
    if (!qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH"))
        QHashSeed::setDeterministicGlobalSeed();
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    const QApplication application(argc, argv);
    if (!hasFontForTheReport())
        return {std::nullopt, "cannot draw the reading as PDF: no font can draw its text (it needs DejaVu Sans, "
                              "from the package fonts-dejavu-core, or Verdana; check the fontconfig setup)"};

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
