// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/platform.h"
#include "display/reading_renderer.h"
#include "display/report_view.h"
#include "display/spread_display.h"
#include "engine/random_source.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "richtext/document.h"

#include <QApplication>
#include <QBuffer>

#include <benchmark/benchmark.h>

namespace {

class NoUrlOpener final : public display::UrlOpener {
public:
    void openUrl(const QUrl&) override {}
};

// Widgets need an application; the offscreen platform needs no display.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "benchmarks";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

// A 21-card reading dealt into the spread display and the report view, then exported as PDF.
void BM_GypsyReadingExportedAsPdf(benchmark::State& state)
{
    ensureApplication();
    NoUrlOpener opener;
    display::SpreadDisplay spreadDisplay(opener);
    display::ReportView reportView(opener);
    const auto random = engine::makeClockSeededRandomSource();
    engine::ReadingEngine reading(*random);
    qint64 bytes = 0;
    for (auto _ : state) {
        richtext::Document document;
        reading.generateReading(17, {document, engine::builtInSmallFaces(), &spreadDisplay});
        reportView.showDocument(document);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        display::writeReadingPdf(pdf, {spreadDisplay, *reportView.document(), QStringLiteral("Gypsy / Romany Spread")},
                                 QPageSize::A4);
        bytes = pdf.size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_GypsyReadingExportedAsPdf)->Unit(benchmark::kMillisecond);

} // namespace
