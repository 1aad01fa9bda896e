// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/clickable_label.h"
#include "display/look.h"
#include "display/report_view.h"
#include "display/site_pages.h"
#include "engine/reading.h"
#include "engine/spread_catalogue.h"
#include "support/case_names.h"
#include "support/pdf_probe.h"
#include "support/scripted_random_source.h"
#include "support/window_test.h"
#include "windows/report_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace windows_testing {
namespace {

using display::twips;
using windows::ReportWindow;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

class ReportWindowTest : public WindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    ReportWindow* makeWindowWithReading(int spread)
    {
        auto* window = new ReportWindow(services);
        window->writeReading(engine, static_cast<engine::SpreadIndex>(spread));
        window->show();
        return window;
    }

    testing_support::ScriptedRandomSource random = testing_support::ScriptedRandomSource::forCards(wholeDeck());
    engine::ReadingEngine engine{random};
    QTemporaryDir folder;
};

class ReportWindowResizeTest : public ReportWindowTest, public ::testing::WithParamInterface<QSize> {};

// The buttons keep their distance from the right edge; the report keeps its design size where the panel has room and
// is as high as the panel where it has not (a small or scaled screen), so its end stays reachable.
TEST_P(ReportWindowResizeTest, Resize_KeepsButtonsAtTheRightEdgeAndTheReportWithinItsPanel)
{
    auto* window = new ReportWindow(services);
    window->show();
    window->resize(GetParam());
    QCoreApplication::processEvents();

    const int outerTwips = window->frameGeometry().width() * 15;
    const ReportWindow::Ui& ui = window->ui();
    EXPECT_EQ(ui.cmdBack->x(), twips(outerTwips - 990 - 300));
    EXPECT_EQ(ui.cmdExit->x(), twips(outerTwips - 990 - 300));
    EXPECT_EQ(ui.cmdSave->x(), twips(outerTwips - 990 - 990 - 400));
    EXPECT_EQ(ui.cmdSave->geometry(), QRect(ui.cmdSave->x(), twips(70), twips(990), twips(360)));

    const int panelHeight = ui.picRight->height();
    EXPECT_EQ(ui.RTB->pos(), QPoint(0, 0));
    EXPECT_EQ(ui.RTB->width(), twips(4230));
    EXPECT_EQ(ui.RTB->height(), std::min(twips(9255), panelHeight));
    EXPECT_LE(ui.RTB->geometry().bottom(), panelHeight - 1);

    // The offer wraps left of Save where the window is narrow, and keeps its design where there is room.
    for (const display::ClickableLabel* offer : {ui.lblFullBrand, ui.lblCobrand}) {
        EXPECT_FALSE(offer->geometry().intersects(ui.cmdSave->geometry())) << offer->objectName().toStdString();
        EXPECT_LE(offer->heightForWidth(offer->width()), ui.picBottom->height());
        if (ui.cmdSave->x() > twips(8985 + 100)) {
            EXPECT_EQ(offer->geometry(), display::twipsRect(0, 0, 8985, 615));
            EXPECT_EQ(ui.picBottom->height(), twips(525));
        }
    }
    // A sideways scroll bar only where it brings part of a layout into view, not the black beside it.
    EXPECT_EQ(ui.clientArea->horizontalScrollBar()->isVisible(), ui.clientArea->viewport()->width() < twips(10500));
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReportWindowResizeTest,
                         ::testing::Values(QSize(900, 1000), QSize(1400, 1000), QSize(1024, 560), QSize(960, 480),
                                           QSize(683, 360)),
                         [](const auto& info) {
                             return "Size" + std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

TEST_F(ReportWindowTest, Save_WritesTheReportAsRtf)
{
    ReportWindow* window = makeWindowWithReading(2);
    services.fake.fileChooser.path = folder.filePath(QStringLiteral("reading.doc"));

    trigger(window, QStringLiteral("mnuSave"));

    EXPECT_EQ(readFile(services.fake.fileChooser.path).toStdString(), window->document().toRtf());
    EXPECT_TRUE(services.fake.messageBoxes.shown.empty());
}

TEST_F(ReportWindowTest, SaveIntoMissingFolder_ShowsErrorNamingTheFile)
{
    ReportWindow* window = makeWindowWithReading(0);
    services.fake.fileChooser.path = folder.filePath(QStringLiteral("missing/reading.rtf"));

    QTest::mouseClick(window->ui().cmdSave, Qt::LeftButton);

    ASSERT_EQ(services.fake.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(services.fake.messageBoxes.shown[0].icon, windows::MessageIcon::Error);
    EXPECT_TRUE(services.fake.messageBoxes.shown[0].text.contains(services.fake.fileChooser.path));
    EXPECT_FALSE(QFile::exists(services.fake.fileChooser.path));
}

TEST_F(ReportWindowTest, FileMenu_OffersPrintPdfAndJournalAfterSaveWithOnlyTheJournalShortcut)
{
    ReportWindow* window = makeWindowWithReading(0);
    QStringList captions;
    for (const QAction* action : window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        const bool isJournal = action->objectName() == QStringLiteral("mnuJournal");
        EXPECT_EQ(action->shortcut(), isJournal ? QKeySequence(QStringLiteral("Ctrl+J")) : QKeySequence())
            << action->text().toStdString();
    }
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("&Save"), QStringLiteral("&Print..."), QStringLiteral("&Export as PDF..."),
                           QStringLiteral("&Journal..."), QStringLiteral("-"), QStringLiteral("&Back"),
                           QStringLiteral("-"), QStringLiteral("E&xit")}));
}

// Print through the dialog and Export as PDF both draw this window's reading; what the pages hold is the
// renderer's to check.
TEST_F(ReportWindowTest, PrintAndExport_WriteTheSpreadPageAndTheReport)
{
    ReportWindow* window = makeWindowWithReading(10);
    services.fake.fileChooser.pdfPath = folder.filePath(QStringLiteral("reading.pdf"));
    services.fake.printDialog.outputPath = folder.filePath(QStringLiteral("printed.pdf"));

    trigger(window, QStringLiteral("mnuExportPdf"));
    trigger(window, QStringLiteral("mnuPrint"));

    EXPECT_TRUE(services.fake.messageBoxes.shown.empty());
    for (const QString& path : {services.fake.fileChooser.pdfPath, services.fake.printDialog.outputPath}) {
        const std::string file = path.toStdString();
        EXPECT_TRUE(readFile(path).startsWith("%PDF-")) << file;
        const std::string info = testing_support::pdfInfo(file);
        EXPECT_NE(info.find("Zelto Cartomancy reading"), std::string::npos) << info;
        EXPECT_NE(info.find("The Celtic Cross Spread"), std::string::npos) << info;
        const std::string text = testing_support::pdfText(file);
        EXPECT_NE(text.find("Position 10:"), std::string::npos) << file;
    }
}

TEST_F(ReportWindowTest, SavePrintOrExportCancelled_WritesNothingAndSaysNothing)
{
    ReportWindow* window = makeWindowWithReading(17);
    QTest::mouseClick(window->ui().cmdSave, Qt::LeftButton);
    trigger(window, QStringLiteral("mnuExportPdf"));
    trigger(window, QStringLiteral("mnuPrint"));
    EXPECT_EQ(services.fake.fileChooser.calls, 1);
    EXPECT_EQ(services.fake.fileChooser.pdfCalls, 1);
    EXPECT_EQ(services.fake.printDialog.calls, 1);
    // Offered as the name of a file to print to, it must name no folder.
    EXPECT_EQ(services.fake.printDialog.documentName,
              QStringLiteral("Zelto Cartomancy reading - Gypsy - Romany Spread"));
    EXPECT_TRUE(services.fake.messageBoxes.shown.empty());
}

// Every spread's title, and a made-up one with what file systems refuse, makes a name any disk takes.
TEST(PrintFileNameTest, HoldsNothingAFileSystemRefuses)
{
    QStringList titles = {QStringLiteral("Odd: \"title\" <with> | every? *refused* \\ character\t. ")};
    for (const engine::Spread& spread : engine::spreadCatalogue())
        titles << QString::fromUtf8(spread.title);
    for (const QString& title : titles) {
        const QString name = windows::printFileName(title);
        EXPECT_TRUE(name.startsWith(QStringLiteral("Zelto Cartomancy reading - "))) << name.toStdString();
        EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("[<>:\"/\\\\|?*\\t]|[. ]$"))))
            << name.toStdString();
    }
}

struct FailedWriteCase {
    const char* name;
    const char* action;
    const char* suffix;
};

class FailedWriteTest : public ReportWindowTest, public ::testing::WithParamInterface<FailedWriteCase> {};

TEST_P(FailedWriteTest, ShowsTheSystemsReasonAndKeepsExistingFileIntact)
{
    const QString existing = folder.filePath(QStringLiteral("reading") + QLatin1String(GetParam().suffix));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier reading");
    }
    ReportWindow* window = makeWindowWithReading(2);
    services.fake.fileChooser.path = existing;
    services.fake.fileChooser.pdfPath = existing;
    // A file size limit fails the write the way a full disk does, without needing one.
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    trigger(window, QLatin1String(GetParam().action));

    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_EQ(services.fake.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(services.fake.messageBoxes.shown[0].icon, windows::MessageIcon::Error);
    const QString& text = services.fake.messageBoxes.shown[0].text;
    EXPECT_TRUE(text.contains(existing) && text.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << text.toStdString();
    EXPECT_EQ(readFile(existing), QByteArray("earlier reading"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(SaveAndExport, FailedWriteTest,
                         ::testing::Values(FailedWriteCase{"Rtf", "mnuSave", ".rtf"},
                                           FailedWriteCase{"Pdf", "mnuExportPdf", ".pdf"}),
                         testing_support::namedCases);

TEST_F(ReportWindowTest, SaveToFifo_WritesThroughItWithoutReplacingIt)
{
    ReportWindow* window = makeWindowWithReading(3);
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    services.fake.fileChooser.path = fifo;
    // A reader that is there but reads only afterwards: the pipe is made large enough for the whole report.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ::fcntl(reader, F_SETPIPE_SZ, 1 << 20);

    trigger(window, QStringLiteral("mnuSave"));

    std::string received(2 << 20, '\0');
    received.resize(static_cast<std::size_t>(std::max<ssize_t>(::read(reader, received.data(), received.size()), 0)));
    ::close(reader);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.toStdString()));
    EXPECT_TRUE(services.fake.messageBoxes.shown.empty());
    EXPECT_EQ(received, window->document().toRtf());
}

// A pipe that nobody reads would hold the window until someone does.
TEST_F(ReportWindowTest, SaveToFifoThatNobodyReads_SaysSoAtOnce)
{
    ReportWindow* window = makeWindowWithReading(3);
    const QString fifo = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    services.fake.fileChooser.path = fifo;

    trigger(window, QStringLiteral("mnuSave"));

    ASSERT_EQ(services.fake.messageBoxes.shown.size(), 1u);
    EXPECT_TRUE(services.fake.messageBoxes.shown[0].text.contains(QLatin1String("no program is reading")))
        << services.fake.messageBoxes.shown[0].text.toStdString();
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.toStdString()));
}

// When and how often a press opens a link is the report view's to check; here, that it reaches the window's opener.
TEST_F(ReportWindowTest, LinkPress_OpensTheSiteAddress)
{
    ReportWindow* window = makeWindowWithReading(0);
    window->resize(1200, 800);
    display::ReportView* view = window->ui().RTB;
    QTextCursor link = view->document()->find(display::shownAddress(display::siteAddress()));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 3);
    view->setTextCursor(link);
    view->ensureCursorVisible();

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->cursorRect(link).center());

    ASSERT_EQ(services.fake.urlOpener.opened.size(), 1u);
    EXPECT_EQ(services.fake.urlOpener.opened[0].host(), QUrl(display::siteAddress()).host());
}

TEST_F(ReportWindowTest, Buttons_BackAsksAndExitCloses)
{
    ReportWindow* window = makeWindowWithReading(0);
    QSignalSpy back(window, &ReportWindow::backRequested);
    QTest::mouseClick(window->ui().cmdBack, Qt::LeftButton);
    EXPECT_EQ(back.count(), 1);
    EXPECT_TRUE(window->isVisible());

    QTest::mouseClick(window->ui().cmdExit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(services.showExitWindowCalls, 1);
    EXPECT_TRUE(services.exitWindowShown);
}

} // namespace
} // namespace windows_testing
