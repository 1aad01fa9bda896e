// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/main_window.h"

#include "display/clickable_label.h"
#include "display/drop_down_list.h"
#include "display/look.h"
#include "engine/deck.h"
#include "engine/spread_catalogue.h"
#include "windows/site_labels.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace windows {

namespace {

constexpr int kClientWidth = 9390;
constexpr int kClientHeight = 4380;
constexpr int kFebruary = 1;
constexpr int kThirtiethDay = 29; // list positions of the day list
constexpr int kTwentyNinthDay = 28;
constexpr int kThirtyFirstDay = 30;

bool isThirtyDayMonth(int monthPosition)
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

QLabel* addCaptionLabel(QWidget& parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, &parent);
    label->setGeometry(geometry);
    label->setFont(display::verdanaFont(8.25));
    // A palette draws plain coloured text as a style sheet would, without the sheet's parsing and polishing.
    display::fillBackground(*label, display::kBlack);
    display::setTextColour(*label, display::kAqua);
    return label;
}

// Names the new control, puts it in place and gives it the window's Verdana.
template <typename Control>
Control* placed(Control* control, const QString& objectName, const QRect& geometry, bool bold = false)
{
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    control->setFont(display::verdanaFont(8.25, bold));
    return control;
}

// At some scales the style's arrow button covers the bottom of the list's frame (as the style sheet draws it);
// drawn again over it, the frame is whole.
class WholeListFrame final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* list = qobject_cast<QComboBox*>(watched);
        if (event->type() != QEvent::Paint || !list)
            return QObject::eventFilter(watched, event);
        static_cast<QObject*>(list)->event(event);
        QPainter painter(list);
        painter.fillRect(QRectF(0, list->height() - 1, list->width(), 1),
                         list->hasFocus() ? display::kAqua : QColor(Qt::gray));
        return true;
    }
};

QComboBox* addDropDownList(QWidget& parent, const QString& objectName, const QRect& geometry)
{
    auto* list = placed(new display::DropDownList(&parent), objectName, geometry);
    // The frame turns aqua while the list has the focus; the style sheet's own frame would otherwise never change.
    list->setStyleSheet(QStringLiteral("QComboBox { color: #ffff00; background-color: black; border: 1px solid gray; "
                                       "padding-left: 2px; }"
                                       "QComboBox:focus { border: 1px solid #00ffff; }"
                                       "QComboBox QAbstractItemView { color: #ffff00; background-color: black; "
                                       "selection-background-color: #000080; selection-color: #ffff00; }"));
    // Installed first, so that the focus mark, drawn by the filter that runs first, covers it.
    list->installEventFilter(new WholeListFrame(list));
    markFocusClearly(*list, display::kBlack);
    return list;
}

QGroupBox* addFrame(QWidget& parent, const QString& objectName, const QString& caption, const QRect& geometry)
{
    auto* frame = placed(new QGroupBox(caption, &parent), objectName, geometry, true);
    frame->setStyleSheet(QStringLiteral("QGroupBox { color: #ffff00; background-color: black; border: 1px solid gray; "
                                        "margin-top: 7px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
    return frame;
}

QRadioButton* addOptionButton(QWidget& parent, const QString& objectName, const QString& caption, const QRect& geometry)
{
    auto* option = placed(new QRadioButton(caption, &parent), objectName, geometry);
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, display::kAqua);
    option->setPalette(palette);
    markFocusClearly(*option, display::kBlack);
    return option;
}

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

MainWindow::MainWindow(WindowServices& services, QWidget* parent)
    : ReadingWindow(services, QStringLiteral("frmMain"), parent)
{
    buildControls();
    buildMenus();
    makeFixedWindow(*this, kClientWidth, kClientHeight);
    Form_Load();
    scrollWhenLargerThanScreen(*this);
    centreOnScreen(*this);
}

void MainWindow::bringOfferToFront(Offer offer)
{
    (offer == Offer::CoBrand ? m_ui.lblCobrand : m_ui.lblFullBrand)->raise();
}

void MainWindow::buildControls()
{
    QWidget& client = *addBlackClient(*this);
    display::UrlOpener& opener = services().platform().urlOpener;

    m_ui.Label14 = addSiteLabel(client, QStringLiteral("Label14"), texts::forumAndVisitInvitation(),
                                twipsRect(-7, 120, 9405, 195), opener);

    m_ui.lblSpreadDesc = addWrappedLabel(client, QStringLiteral("lblSpreadDesc"), twipsRect(60, 600, 4245, 3015),
                                         display::verdanaFont(8.25, true));
    display::fillBackground(*m_ui.lblSpreadDesc, display::kBlack);
    display::setTextColour(*m_ui.lblSpreadDesc, display::kPaleYellow);

    m_ui.Frame1 = addFrame(client, QStringLiteral("Frame1"), texts::kPersonalDetails, twipsRect(4400, 520, 4950, 1250));
    QLabel* nameLabel = addCaptionLabel(*m_ui.Frame1, texts::kNameLabel, twipsRect(120, 405, 495, 195));
    m_ui.txtName = new QLineEdit(m_ui.Frame1);
    m_ui.txtName->setObjectName(QStringLiteral("txtName"));
    m_ui.txtName->setGeometry(twipsRect(1395, 360, 3450, 285));
    m_ui.txtName->setFont(display::verdanaFont(8.25));
    m_ui.txtName->setStyleSheet(colourStyle("QLineEdit", display::kYellow, display::kDarkGrey));
    markFocusClearly(*m_ui.txtName, display::kBlack);
    nameLabel->setBuddy(m_ui.txtName);
    addCaptionLabel(*m_ui.Frame1, texts::kDateOfBirthLabel, twipsRect(120, 855, 1095, 195));
    m_ui.cboMonth = addDropDownList(*m_ui.Frame1, QStringLiteral("cboMonth"), twipsRect(1395, 810, 1400, 315));
    m_ui.cboDate = addDropDownList(*m_ui.Frame1, QStringLiteral("cboDate"), twipsRect(2970, 810, 700, 315));
    m_ui.cboYear = addDropDownList(*m_ui.Frame1, QStringLiteral("cboYear"), twipsRect(3840, 810, 1000, 315));
    // One caption stands for three lists; each needs a name of its own, or a screen reader says only its value.
    m_ui.cboMonth->setAccessibleName(QStringLiteral("Month of birth"));
    m_ui.cboDate->setAccessibleName(QStringLiteral("Day of birth"));
    m_ui.cboYear->setAccessibleName(QStringLiteral("Year of birth"));

    m_ui.Frame2 =
        addFrame(client, QStringLiteral("Frame2"), texts::kSpreadSelection, twipsRect(4400, 1917, 4950, 1250));
    QLabel* spreadLabel = addCaptionLabel(*m_ui.Frame2, texts::kSelectSpreadLabel, twipsRect(120, 360, 1200, 195));
    m_ui.cboSpread = addDropDownList(*m_ui.Frame2, QStringLiteral("cboSpread"), twipsRect(1395, 300, 3450, 315));
    spreadLabel->setBuddy(m_ui.cboSpread);
    // A list's own name would be its chosen entry, so the buddy alone is not enough.
    m_ui.cboSpread->setAccessibleName(texts::kSelectSpreadLabel);
    addCaptionLabel(*m_ui.Frame2, texts::kAnalyzeModeLabel, twipsRect(120, 900, 1185, 195));
    m_ui.optAuto =
        addOptionButton(*m_ui.Frame2, QStringLiteral("optAuto"), texts::kAutomatic, twipsRect(1395, 840, 1335, 315));
    m_ui.optManual =
        addOptionButton(*m_ui.Frame2, QStringLiteral("optManual"), texts::kManual, twipsRect(2985, 840, 1335, 315));
    // Exclusive, yet neither is chosen until the person picks one.
    m_ui.analyzeMode = new QButtonGroup(this);
    m_ui.analyzeMode->setExclusive(true);
    m_ui.analyzeMode->addButton(m_ui.optAuto);
    m_ui.analyzeMode->addButton(m_ui.optManual);

    m_ui.cmdCalculate = new QPushButton(texts::kDealTheCards, &client);
    m_ui.cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_ui.cmdCalculate->setGeometry(twipsRect(4400, 3315, 4950, 330));
    m_ui.cmdCalculate->setFont(display::verdanaFont(8.25, true));
    m_ui.cmdCalculate->setStyleSheet(buttonFaceStyle(display::kPaleCyan));
    markFocusClearly(*m_ui.cmdCalculate, display::kBlack);

    const OfferStrip strip =
        addOfferStrip(client, twipsRect(0, 3840, 9345, 855), twipsRect(143, 120, 9105, 615), opener);
    m_ui.fraFullBrand = strip.fraFullBrand;
    m_ui.lblFullBrand = strip.offers.lblFullBrand;
    m_ui.lblCobrand = strip.offers.lblCobrand;

    setTabOrder(m_ui.txtName, m_ui.cboMonth);
    setTabOrder(m_ui.cboMonth, m_ui.cboDate);
    setTabOrder(m_ui.cboDate, m_ui.cboYear);
    setTabOrder(m_ui.cboYear, m_ui.cboSpread);
    setTabOrder(m_ui.cboSpread, m_ui.optAuto);
    setTabOrder(m_ui.optAuto, m_ui.optManual);
    setTabOrder(m_ui.optManual, m_ui.cmdCalculate);
    setTabOrder(m_ui.cmdCalculate, m_ui.Label14);
    setTabOrder(m_ui.Label14, m_ui.lblFullBrand);
    setTabOrder(m_ui.lblFullBrand, m_ui.lblCobrand);

    connect(m_ui.cboSpread, &QComboBox::currentIndexChanged, this, &MainWindow::cboSpread_Click);
    connect(m_ui.cmdCalculate, &QPushButton::clicked, this, &MainWindow::cmdCalculate_Click);
}

void MainWindow::buildMenus()
{
    QMenu* file = addFileMenu();
    m_ui.mnuCalculate =
        addMenuEntry(*file, texts::kDealTheCards, "mnuCalculate", this, &MainWindow::cmdCalculate_Click);
    m_ui.mnuOwnCards = addMenuEntry(*file, texts::kReadMyOwnCards, "mnuOwnCards", this, &MainWindow::mnuOwnCards_Click);
    m_ui.mnuJournal = addJournalEntry(*file, this, &MainWindow::journalRequested);
    m_ui.mnuExit = finishMenus(*file);
}

void MainWindow::Form_Load()
{
    const QSignalBlocker blockSpread(m_ui.cboSpread);
    m_ui.cboMonth->clear();
    for (const char* month : texts::kMonthNames)
        m_ui.cboMonth->addItem(QString::fromLatin1(month));
    m_ui.cboDate->clear();
    for (int day = 1; day <= 31; ++day)
        m_ui.cboDate->addItem(QString::number(day));
    m_ui.cboYear->clear();
    for (int year = texts::kFirstYear; year <= texts::kLastYear; ++year)
        m_ui.cboYear->addItem(QString::number(year));
    m_ui.cboSpread->clear();
    for (const engine::Spread& spread : engine::spreadCatalogue())
        m_ui.cboSpread->addItem(display::fromView(spread.name));

    m_ui.cboMonth->setCurrentIndex(0);
    m_ui.cboDate->setCurrentIndex(0);
    m_ui.cboYear->setCurrentIndex(0);
    m_ui.cboSpread->setCurrentIndex(-1);
    m_ui.txtName->clear();
    m_ui.lblSpreadDesc->setText(texts::introductionText());
}

void MainWindow::cboSpread_Click(int index)
{
    engine::fillReadingTables();
    const engine::Spread* spread = engine::findSpread(static_cast<engine::SpreadIndex>(index));
    if (!spread)
        return;
    QString description = display::fromView(spread->description);
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_ui.lblSpreadDesc->setText(description);
}

void MainWindow::refuse(const QString& message, bool isError, QWidget* focusTarget)
{
    services().platform().messageBoxes.inform(this, message, isError ? MessageIcon::Error : MessageIcon::Information);
    if (focusTarget)
        focusTarget->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::validateInputs()
{
    return checkInputs(true);
}

bool MainWindow::validateOwnCardsInputs()
{
    return checkInputs(false);
}

bool MainWindow::checkInputs(bool needsAnalyzeMode)
{
    if (m_ui.txtName->text().trimmed().isEmpty()) {
        refuse(texts::kEnterName, true, m_ui.txtName);
        return false;
    }
    if (m_ui.cboSpread->currentIndex() < 0 || m_ui.cboSpread->currentText().trimmed().isEmpty()) {
        refuse(texts::kSelectSpread, true, m_ui.cboSpread);
        return false;
    }
    if (needsAnalyzeMode && !m_ui.optAuto->isChecked() && !m_ui.optManual->isChecked()) {
        refuse(texts::kSelectAnalyzeMode, true, nullptr);
        return false;
    }
    const int year = m_ui.cboYear->currentText().toInt();
    const int month = m_ui.cboMonth->currentIndex();
    const int day = m_ui.cboDate->currentIndex();
    if (month == kFebruary) {
        const int firstImpossibleDay = isLeapYear(year) ? kThirtiethDay : kTwentyNinthDay;
        if (day >= firstImpossibleDay) {
            refuse(texts::kWrongFebruaryDate, false, nullptr);
            return false;
        }
    }
    if (isThirtyDayMonth(month) && day == kThirtyFirstDay) {
        refuse(texts::kWrongThirtyFirst, false, nullptr);
        return false;
    }
    return true;
}

QString MainWindow::enteredName() const
{
    return m_ui.txtName->text();
}

QString MainWindow::enteredBirthDate() const
{
    return QStringLiteral("%1-%2-%3")
        .arg(m_ui.cboYear->currentText())
        .arg(m_ui.cboMonth->currentIndex() + 1, 2, 10, QLatin1Char('0'))
        .arg(m_ui.cboDate->currentIndex() + 1, 2, 10, QLatin1Char('0'));
}

void MainWindow::cmdCalculate_Click()
{
    if (!validateInputs())
        return;
    const auto spread = static_cast<engine::SpreadIndex>(m_ui.cboSpread->currentIndex());
    if (m_ui.optAuto->isChecked())
        emit automaticDealRequested(spread);
    else
        emit manualDealRequested(spread);
}

void MainWindow::mnuOwnCards_Click()
{
    if (!validateOwnCardsInputs())
        return;
    emit ownCardsRequested(static_cast<engine::SpreadIndex>(m_ui.cboSpread->currentIndex()));
}

} // namespace windows
