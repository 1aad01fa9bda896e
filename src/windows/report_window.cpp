// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/report_window.h"

#include "display/clickable_label.h"
#include "display/look.h"
#include "display/reading_renderer.h"
#include "display/report_view.h"
#include "display/spread_display.h"
#include "display/spread_layouts.h"
#include "engine/reading.h"
#include "engine/small_faces.h"
#include "engine/spread_catalogue.h"
#include "windows/site_labels.h"
#include "windows/window_files.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QBoxLayout>
#include <QBuffer>
#include <QCloseEvent>
#include <QFile>
#include <QLocale>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTextCursor>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace windows {

namespace {

// The design in twips: black bars above and below, the spread display on the left and the report on the right.
constexpr int kTopBarHeight = 645;
constexpr int kBottomBarHeight = 525;
constexpr int kRightPanelWidth = 4250;
constexpr QSize kReportSize(4230, 9255);
// A button in its bar; Back (or Exit) and Save are kept at these distances from the window's right edge.
constexpr QRect kButton(0, 70, 990, 360);
constexpr int kBackRightMargin = 300;
constexpr int kSaveRightMargin = 400;
// The offer in the bottom bar, and the gap it keeps from Save where the window is too narrow for both.
constexpr int kOfferWidth = 8985;
constexpr int kOfferHeight = 615;
constexpr int kSaveGap = 100;

QPushButton* addBarButton(QWidget& bar, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, &bar);
    button->setObjectName(objectName);
    button->setGeometry(twipsRect(kButton));
    button->setFont(display::verdanaFont(8.25, true));
    button->setStyleSheet(buttonFaceStyle(display::kOrange));
    markFocusClearly(*button, display::kBlack);
    return button;
}

QWidget* addBar(QWidget& parent, const QString& objectName, int heightTwips)
{
    auto* bar = new QWidget(&parent);
    bar->setObjectName(objectName);
    bar->setFixedHeight(twips(heightTwips));
    display::fillBackground(*bar, display::kBlack);
    return bar;
}

} // namespace

ReportWindow::ReportWindow(WindowServices& services, QWidget* parent)
    : ReadingWindow(services, QStringLiteral("MDI"), parent)
{
    buildControls();
    buildMenus();
    // Restored from maximised, the window shows the whole display beside the report, centred, with room for the
    // scroll bar that the tall layouts need, so that they never need a sideways one too.
    const int restoredWidth =
        twips(display::kDisplayWidth) + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + twips(kRightPanelWidth);
    const int restoredHeight =
        menuBar()->sizeHint().height() + twips(kTopBarHeight) + twips(kReportSize.height()) + twips(kBottomBarHeight);
    centreOnScreen(*this, QSize(restoredWidth, restoredHeight));
    MDIForm_Resize();
    fitOfferLine();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::buildControls()
{
    QWidget* client = addBlackClient(*this);
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);

    m_ui.picTop = addBar(*client, QStringLiteral("picTop"), kTopBarHeight);
    m_ui.cmdBack = addBarButton(*m_ui.picTop, QStringLiteral("cmdBack"), texts::kBack);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);

    display::UrlOpener& opener = services().platform().urlOpener;
    m_ui.clientArea = new QScrollArea(client);
    m_ui.clientArea->setObjectName(QStringLiteral("MDIClientArea"));
    // A one-pixel frame, black like the area until the keyboard brings the focus here to scroll the display.
    m_ui.clientArea->setStyleSheet(QStringLiteral("QScrollArea#MDIClientArea { border: 1px solid black; }"
                                                  "QScrollArea#MDIClientArea:focus { border: 1px solid #ffb404; }"));
    m_ui.clientArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.clientArea->setWidgetResizable(false);
    display::fillBackground(*m_ui.clientArea, display::kBlack);
    display::fillBackground(*m_ui.clientArea->viewport(), display::kBlack);
    m_ui.spreadDisplay = new display::SpreadDisplay(opener, nullptr);
    m_ui.clientArea->setWidget(m_ui.spreadDisplay);

    m_ui.picRight = new QWidget(client);
    m_ui.picRight->setObjectName(QStringLiteral("picRight"));
    m_ui.picRight->setFixedWidth(twips(kRightPanelWidth));
    useSystemWindowColours(*m_ui.picRight);
    m_ui.RTB = new display::ReportView(opener, m_ui.picRight);
    m_ui.RTB->setGeometry(twipsRect(QRect(QPoint(), kReportSize)));
    m_ui.picRight->installEventFilter(this);
    m_ui.clientArea->installEventFilter(this);
    m_ui.spreadDisplay->installEventFilter(this);

    middle->addWidget(m_ui.clientArea, 1);
    middle->addWidget(m_ui.picRight);

    m_ui.picBottom = addBar(*client, QStringLiteral("picBottom"), kBottomBarHeight);
    const OfferLabels offers =
        addOfferLabels(*m_ui.picBottom, twipsRect(0, 0, kOfferWidth, kOfferHeight), OfferLook::ReportBar, opener);
    m_ui.lblFullBrand = offers.lblFullBrand;
    m_ui.lblCobrand = offers.lblCobrand;
    m_ui.cmdSave = addBarButton(*m_ui.picBottom, QStringLiteral("cmdSave"), texts::kSave);
    m_ui.cmdExit = addBarButton(*m_ui.picBottom, QStringLiteral("cmdExit"), texts::kExit);

    rows->addWidget(m_ui.picTop);
    rows->addLayout(middle, 1);
    rows->addWidget(m_ui.picBottom);

    m_ui.clientArea->setAccessibleName(QStringLiteral("Spread"));
    // The buttons and the two panes, top to bottom, then the links.
    QWidget* previous = m_ui.cmdBack;
    std::vector<QWidget*> order = {m_ui.clientArea, m_ui.RTB, m_ui.cmdSave, m_ui.cmdExit};
    for (QWidget* link : m_ui.spreadDisplay->findChildren<display::ClickableLabel*>())
        order.push_back(link);
    order.push_back(m_ui.lblFullBrand);
    order.push_back(m_ui.lblCobrand);
    for (QWidget* next : order) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(m_ui.cmdBack, &QPushButton::clicked, this, &ReportWindow::backRequested);
    connect(m_ui.cmdSave, &QPushButton::clicked, this, &ReportWindow::cmdSave_Click);
    connect(m_ui.cmdExit, &QPushButton::clicked, this, &ReportWindow::close);
}

void ReportWindow::buildMenus()
{
    QMenu* file = addFileMenu();
    m_ui.mnuSave = addMenuEntry(*file, texts::kSave, "mnuSave", this, &ReportWindow::cmdSave_Click);
    m_ui.mnuPrint = addMenuEntry(*file, texts::kPrint, "mnuPrint", this, &ReportWindow::mnuPrint_Click);
    m_ui.mnuExportPdf = addMenuEntry(*file, texts::kExportPdf, "mnuExportPdf", this, &ReportWindow::mnuExportPdf_Click);
    m_ui.mnuJournal = addJournalEntry(*file, this, &ReportWindow::journalRequested);
    file->addSeparator();
    m_ui.mnuBack = addMenuEntry(*file, texts::kBack, "mnuBack", this, &ReportWindow::backRequested);
    m_ui.mnuExit = finishMenus(*file);
}

void ReportWindow::writeReading(engine::ReadingEngine& engine, engine::SpreadIndex spread)
{
    const engine::ReportTarget target{m_document, engine::builtInSmallFaces(), m_ui.spreadDisplay};
    engine.generateReading(spread, target);
    showReading(spread);
}

void ReportWindow::writeReading(engine::ReadingEngine& engine, engine::SpreadIndex spread, const engine::Hand& hand)
{
    const engine::ReportTarget target{m_document, engine::builtInSmallFaces(), m_ui.spreadDisplay};
    engine.readHand(spread, hand, target);
    showReading(spread);
}

void ReportWindow::showReading(engine::SpreadIndex spread)
{
    m_spread = spread;
    m_ui.RTB->showDocument(m_document);
    // A new reading is read from its heading down, and the window opens with the keyboard in the report, so that a
    // screen reader says which window this is, that the reading is ready, and reads on from its first line.
    const engine::Spread* shown = engine::findSpread(spread);
    m_ui.RTB->setAccessibleDescription(
        texts::readingReadyAnnouncement(shown ? display::fromView(shown->title) : QString()));
    m_ui.RTB->setFocus(Qt::OtherFocusReason);
}

namespace {

// An anonymous file in memory: what is drawn into it is gone with the process, whatever ends it.
class MemoryFile final {
public:
    MemoryFile() : m_descriptor(::memfd_create("reading.pdf", MFD_CLOEXEC)) {}
    ~MemoryFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool valid() const { return m_descriptor >= 0; }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_descriptor); }
    std::string contents() const
    {
        std::string bytes;
        char buffer[65536];
        for (off_t offset = 0;;) {
            const ssize_t got = ::pread(m_descriptor, buffer, sizeof buffer, offset);
            if (got <= 0)
                return bytes;
            bytes.append(buffer, static_cast<std::size_t>(got));
            offset += got;
        }
    }

private:
    int m_descriptor;
};

} // namespace

QString printFileName(const QString& spreadTitle)
{
    // The print dialog offers the document's name as the name of a file to print to. Characters that some file
    // systems refuse (a colon) or read as a folder (a slash) become dashes; a name ending in a dot or space is
    // refused by some too.
    static const QString kRefused = QStringLiteral("<>:\"/\\|?*");
    QString name = QStringLiteral("Zelto Cartomancy reading - ") + spreadTitle;
    for (QChar& character : name) {
        if (kRefused.contains(character) || character.category() == QChar::Other_Control)
            character = QLatin1Char('-');
    }
    name = name.simplified();
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

std::optional<QString> ReportWindow::saveReport(const QString& path) const
{
    return writeFileFromWindow(path, m_document.toRtf());
}

std::optional<QString> ReportWindow::exportPdf(const QString& path) const
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!display::writeReadingPdf(pdf, paperReading(), display::paperSizeFor(QLocale::system())))
        return texts::kPdfNotDrawn;
    return writeFileFromWindow(path,
                               std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.data().size())));
}

display::PaperReading ReportWindow::paperReading() const
{
    const engine::Spread* spread = engine::findSpread(m_spread);
    return {*m_ui.spreadDisplay, *m_ui.RTB->document(), spread ? display::fromView(spread->title) : QString()};
}

void ReportWindow::saveAs(const QString& path, std::optional<QString> (ReportWindow::*write)(const QString&) const)
{
    if (path.isEmpty())
        return;
    if (const std::optional<QString> failure = (this->*write)(path))
        services().platform().messageBoxes.inform(this, texts::saveFailedMessage(path, *failure), MessageIcon::Error);
}

void ReportWindow::cmdSave_Click()
{
    saveAs(services().platform().fileChooser.chooseSaveFile(this), &ReportWindow::saveReport);
}

void ReportWindow::mnuExportPdf_Click()
{
    saveAs(services().platform().fileChooser.choosePdfFile(this), &ReportWindow::exportPdf);
}

void ReportWindow::mnuPrint_Click()
{
    const display::PaperReading reading = paperReading();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(display::readingPageLayout(display::paperSizeFor(QLocale::system())));
    printer.setDocName(printFileName(reading.spreadTitle));
    printer.setCreator(display::readingCreator());
    Platform& platform = services().platform();
    if (!platform.printDialog.choosePrinter(this, printer))
        return;
    printer.setResolution(display::kPaperResolution);
    // Printing to a file would let Qt write the chosen path directly, following any link and leaving half a
    // file on failure: the pages are drawn into memory and saved the one safe way instead.
    const QString fileName = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    MemoryFile pages;
    if (!fileName.isEmpty()) {
        if (!pages.valid()) {
            platform.messageBoxes.inform(this, texts::kPrintFailed, MessageIcon::Error);
            return;
        }
        printer.setOutputFileName(pages.path());
    }
    if (!display::paintReading(printer, reading)) {
        platform.messageBoxes.inform(this, texts::kPrintFailed, MessageIcon::Error);
        return;
    }
    if (!fileName.isEmpty()) {
        if (const std::optional<QString> failure = writeFileFromWindow(fileName, pages.contents()))
            platform.messageBoxes.inform(this, texts::saveFailedMessage(fileName, *failure), MessageIcon::Error);
    }
}

void ReportWindow::MDIForm_Resize()
{
    // The rule is stated in twips against the window's outer width.
    const int outerWidth = frameGeometry().width() * 15;
    const int backLeft = twips(outerWidth - kButton.width() - kBackRightMargin);
    const int saveLeft = twips(outerWidth - kButton.width() - kButton.width() - kSaveRightMargin);
    const int top = twips(kButton.top());
    m_ui.cmdBack->move(backLeft, top);
    m_ui.cmdExit->move(backLeft, top);
    m_ui.cmdSave->move(saveLeft, top);
}

void ReportWindow::fitReportView()
{
    // The design size where the panel has room for it; on a shorter screen the view is as high as the panel, so its
    // end and its scroll bar stay in reach.
    const QRect design = twipsRect(QRect(QPoint(), kReportSize));
    m_ui.RTB->setGeometry(0, 0, design.width(), std::min(design.height(), m_ui.picRight->height()));
}

void ReportWindow::fitOfferLine()
{
    // Where the window is too narrow for the offer beside Save, the offer wraps in the room left of Save, and the
    // bar grows when the wrapped lines need more height than it has.
    const QRect design = twipsRect(0, 0, kOfferWidth, kOfferHeight);
    const int room = m_ui.cmdSave->x() - twips(kSaveGap);
    const int width = std::clamp(room, 1, design.width());
    int needed = 0;
    for (display::ClickableLabel* offer : {m_ui.lblFullBrand, m_ui.lblCobrand})
        needed = std::max(needed, offer->heightForWidth(width));
    for (display::ClickableLabel* offer : {m_ui.lblFullBrand, m_ui.lblCobrand})
        offer->setGeometry(0, 0, width, std::max(design.height(), needed));
    m_ui.picBottom->setFixedHeight(std::max(twips(kBottomBarHeight), needed));
}

void ReportWindow::fitSpreadScrollBars()
{
    // Right of its layouts the display is black: a scroll bar for that alone would scroll nothing into view.
    const QRect room = m_ui.clientArea->contentsRect();
    const bool tall = m_ui.spreadDisplay->height() > room.height();
    const int width = room.width() - (tall ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    m_ui.clientArea->setHorizontalScrollBarPolicy(width >= twips(display::kLayoutWidth) ? Qt::ScrollBarAlwaysOff
                                                                                        : Qt::ScrollBarAsNeeded);
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.picRight && event->type() == QEvent::Resize)
        fitReportView();
    if ((watched == m_ui.clientArea || watched == m_ui.spreadDisplay) && event->type() == QEvent::Resize)
        fitSpreadScrollBars();
    return ReadingWindow::eventFilter(watched, event);
}

void ReportWindow::resizeEvent(QResizeEvent* event)
{
    ReadingWindow::resizeEvent(event);
    MDIForm_Resize();
    fitOfferLine();
}

} // namespace windows
