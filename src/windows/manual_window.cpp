// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/manual_window.h"

#include "display/clickable_label.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "engine/spread_catalogue.h"
#include "windows/site_labels.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>

namespace windows {

namespace {

constexpr int kClientWidth = 9510;
constexpr int kClientHeight = 5445;
constexpr int kCardsPerRow = 13;
constexpr int kPauseMilliseconds = 2000;

QRect cardBackPlace(int index)
{
    const int row = index / kCardsPerRow;
    const int column = index % kCardsPerRow;
    return twipsRect(120 + 720 * column, 120 + 960 * row, 645, 870);
}

} // namespace

ManualWindow::ManualWindow(WindowServices& services, engine::SpreadIndex spread, QWidget* parent)
    : ReadingWindow(services, QStringLiteral("frmManual"), parent), m_spread(spread)
{
    buildControls();
    buildMenus();
    makeFixedWindow(*this, kClientWidth, kClientHeight);
    Form_Load();
    scrollWhenLargerThanScreen(*this);
    centreOnScreen(*this);
}

int ManualWindow::picksNeeded() const
{
    return engine::cardCountOf(m_spread);
}

void ManualWindow::buildControls()
{
    QWidget& client = *addBlackClient(*this);
    display::UrlOpener& opener = services().platform().urlOpener;

    m_ui.Label14 =
        addSiteLabel(client, QStringLiteral("Label14"), texts::kForumInvitation, twipsRect(90, 0, 4845, 195), opener);
    m_ui.Label3 = addSiteLabel(client, QStringLiteral("Label3"), texts::visitSiteInvitation(),
                               twipsRect(4935, 0, 4485, 195), opener);

    m_ui.picMessage = new QWidget(&client);
    m_ui.picMessage->setObjectName(QStringLiteral("picMessage"));
    m_ui.picMessage->setGeometry(twipsRect(2408, 1988, 4695, 855));
    display::fillBackground(*m_ui.picMessage, display::kMessageYellow);
    m_ui.lblMessage = new QLabel(texts::kGeneratingMessage, m_ui.picMessage);
    m_ui.lblMessage->setObjectName(QStringLiteral("lblMessage"));
    m_ui.lblMessage->setGeometry(twipsRect(60, 60, 4540, 700));
    m_ui.lblMessage->setFont(display::verdanaFont(11.25, true));
    m_ui.lblMessage->setWordWrap(true);
    m_ui.lblMessage->setStyleSheet(colourStyle("QLabel", display::kAqua, display::kBlack));

    m_ui.picTray = new QWidget(&client);
    m_ui.picTray->setObjectName(QStringLiteral("picTray"));
    m_ui.picTray->setGeometry(twipsRect(0, 195, 9495, 3975));
    display::fillBackground(*m_ui.picTray, display::kBlack);
    const QPixmap cardBack = display::manualCardBack(devicePixelRatioF());
    for (int index = 0; index < engine::kCardCount; ++index) {
        auto* card = new display::ClickableLabel(m_ui.picTray);
        card->setObjectName(QStringLiteral("picManual_%1").arg(index));
        card->setGeometry(cardBackPlace(index));
        card->setPixmap(cardBack);
        card->setScaledContents(true);
        card->setAccessibleRole(QAccessible::Button);
        card->setAccessibleName(QStringLiteral("Face-down card %1").arg(index + 1));
        connect(card, &display::ClickableLabel::clicked, this, [this, index] { picManual_Click(index); });
        // The first card has the focus from the start, but its mark waits for the keyboard (see eventFilter).
        card->setFocusMarkShown(false);
        card->installEventFilter(this);
        m_ui.picManual[static_cast<std::size_t>(index)] = card;
    }

    m_ui.lblPositionMeaning = addWrappedLabel(client, QStringLiteral("lblPositionMeaning"),
                                              twipsRect(0, 4170, 9495, 600), display::verdanaFont(9, true));
    useSystemWindowColours(*m_ui.lblPositionMeaning);

    const OfferStrip strip =
        addOfferStrip(client, twipsRect(0, 4800, 9495, 855), twipsRect(120, 165, 9225, 615), opener);
    m_ui.fraFullBrand = strip.fraFullBrand;
    m_ui.lblFullBrand = strip.offers.lblFullBrand;
    m_ui.lblCobrand = strip.offers.lblCobrand;

    // The cards in reading order, then the links.
    QWidget* previous = m_ui.picManual.front();
    for (QWidget* next : m_ui.picManual) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* link : {static_cast<QWidget*>(m_ui.Label14), static_cast<QWidget*>(m_ui.Label3),
                          static_cast<QWidget*>(m_ui.lblFullBrand), static_cast<QWidget*>(m_ui.lblCobrand)}) {
        setTabOrder(previous, link);
        previous = link;
    }
}

void ManualWindow::buildMenus()
{
    QMenu* file = addFileMenu();
    m_ui.mnuBack = addMenuEntry(*file, texts::kBack, "mnuBack", this, &ManualWindow::backRequested);
    m_ui.mnuExit = finishMenus(*file);
}

void ManualWindow::Form_Load()
{
    m_ui.picMessage->hide();
    m_ui.picMessage->stackUnder(m_ui.picTray);
    m_pickCount = 0;
    showPositionMeaning(0);
    m_ui.picManual.front()->setFocus(Qt::OtherFocusReason);
}

bool ManualWindow::isInTray(int index) const
{
    return index >= 0 && index < engine::kCardCount && m_ui.picManual[static_cast<std::size_t>(index)]->isEnabled();
}

int ManualWindow::nextCardInTray(int index, int step) const
{
    for (int candidate = index + step; candidate >= 0 && candidate < engine::kCardCount; candidate += step) {
        if (isInTray(candidate))
            return candidate;
    }
    return -1;
}

int ManualWindow::nearestCardInRow(int index, int rowStep) const
{
    const int column = index % kCardsPerRow;
    constexpr int kRows = engine::kCardCount / kCardsPerRow;
    for (int row = index / kCardsPerRow + rowStep; row >= 0 && row < kRows; row += rowStep) {
        // The same column if that card is still there, else the closest one, the left one on a tie.
        for (int distance = 0; distance < kCardsPerRow; ++distance) {
            for (const int candidateColumn : {column - distance, column + distance}) {
                if (candidateColumn >= 0 && candidateColumn < kCardsPerRow &&
                    isInTray(row * kCardsPerRow + candidateColumn))
                    return row * kCardsPerRow + candidateColumn;
            }
        }
    }
    return -1;
}

int ManualWindow::focusedCard() const
{
    const QWidget* focused = focusWidget();
    for (int index = 0; index < engine::kCardCount; ++index) {
        if (m_ui.picManual[static_cast<std::size_t>(index)] == focused)
            return index;
    }
    return -1;
}

bool ManualWindow::eventFilter(QObject* watched, QEvent* event)
{
    // As a browser shows focus only once the keyboard is used: any key but a lone modifier, which also
    // starts Alt's menu keys, brings the marks out; the key itself still goes to the card.
    if (event->type() == QEvent::KeyPress && !m_focusMarksShown) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Alt && key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Meta &&
            key != Qt::Key_AltGr) {
            m_focusMarksShown = true;
            for (display::ClickableLabel* card : m_ui.picManual)
                card->setFocusMarkShown(true);
        }
    }
    return ReadingWindow::eventFilter(watched, event);
}

void ManualWindow::keyPressEvent(QKeyEvent* event)
{
    const int from = focusedCard();
    if (from < 0 || event->modifiers() != Qt::NoModifier) {
        ReadingWindow::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    int to = -1;
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        to = nextCardInTray(from, key == Qt::Key_Left ? -1 : 1);
    } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
        to = nearestCardInRow(from, key == Qt::Key_Up ? -1 : 1);
    } else {
        ReadingWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (to >= 0) {
        if (m_announcedTo)
            m_announcedTo->setAccessibleDescription(QString());
        m_ui.picManual[static_cast<std::size_t>(to)]->setFocus(Qt::OtherFocusReason);
    }
}

QString ManualWindow::positionMeaning(int position) const
{
    const engine::Spread* spread = engine::findSpread(m_spread);
    if (!spread || position < 0 || static_cast<std::size_t>(position) >= spread->positionMeanings.size())
        return {};
    return display::fromView(spread->positionMeanings[static_cast<std::size_t>(position)]);
}

void ManualWindow::showPositionMeaning(int position)
{
    m_ui.lblPositionMeaning->setText(positionMeaning(position));
}

void ManualWindow::announce(const QString& text)
{
    // Said as the description of whatever has the focus now, which a screen reader reads out when it changes; the
    // description the last pick gave another control goes, so that it is not said again there.
    if (m_announcedTo && m_announcedTo != focusWidget())
        m_announcedTo->setAccessibleDescription(QString());
    m_announcedTo = focusWidget();
    if (m_announcedTo)
        m_announcedTo->setAccessibleDescription(text);
}

void ManualWindow::picManual_Click(int index)
{
    if (index < 0 || index >= engine::kCardCount || m_pickCount >= picksNeeded())
        return;
    display::ClickableLabel* card = m_ui.picManual[static_cast<std::size_t>(index)];
    if (!card->isEnabled())
        return;
    const bool hadFocus = card->hasFocus();
    card->setEnabled(false);
    if (hadFocus) {
        int next = nextCardInTray(index, 1);
        if (next < 0)
            next = nextCardInTray(-1, 1);
        if (next >= 0)
            m_ui.picManual[static_cast<std::size_t>(next)]->setFocus(Qt::OtherFocusReason);
    }
    card->hide();
    ++m_pickCount;
    const QString filledMeaning = positionMeaning(m_pickCount - 1);
    if (m_pickCount < picksNeeded()) {
        showPositionMeaning(m_pickCount);
        announce(texts::pickAnnouncement(m_pickCount, picksNeeded(), filledMeaning));
        return;
    }

    showPositionMeaning(picksNeeded() - 1);
    // The tray takes no more clicks; disabling it instead would grey the cards still lying in it.
    m_ui.picTray->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui.picMessage->show();
    m_ui.picMessage->raise();
    // With the focus on it, a screen reader reads the message out, after what the last pick filled.
    m_ui.lblMessage->setAccessibleName(texts::pickAnnouncement(m_pickCount, picksNeeded(), filledMeaning) +
                                       QLatin1Char(' ') + texts::kGeneratingMessage);
    announce(QString());
    m_ui.lblMessage->setFocus(Qt::OtherFocusReason);
    // The message must be on screen before the pause, which lets nothing paint.
    repaint();
    const QPointer<ManualWindow> alive(this);
    services().platform().wait.wait(kPauseMilliseconds);
    if (!alive || m_closed)
        return;
    emit picksCompleted(m_spread);
}

void ManualWindow::closeEvent(QCloseEvent* event)
{
    m_closed = true;
    ReadingWindow::closeEvent(event);
}

} // namespace windows
