// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/own_cards_window.h"

#include "display/clickable_label.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/notice_label.h"
#include "display/spread_display.h"
#include "display/spread_layouts.h"
#include "engine/card_tokens.h"
#include "engine/deck.h"
#include "engine/spread_catalogue.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>
#include <iterator>

namespace windows {

namespace {

const QColor kPositionBlue(0, 0, 255);
const QColor kEmptyPlaceFill(40, 40, 40);
const QColor kEmptyPlaceLine(150, 150, 150);
const QColor kChosenDim(0, 140, 140);

constexpr int kRightPanelWidth = 3000;
constexpr int kDeckColumnGap = 6; // pixels between the suits
constexpr int kDeckCardStep = 22; // pixels of each card left showing above the next: its corner index
constexpr int kRanksPerSuit = 13;
// Deck order runs Ace to Ten, King, Queen, Knight; a deck on the table reads Ace to Ten, Knight, Queen, King.
constexpr std::array<int, kRanksPerSuit> kTableOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 11, 10};

QString cardName(engine::CardIndex card)
{
    return engine::isCardIndex(card) ? display::fromView(engine::card(card).name) : QString();
}

// A button that says which position it is and what lies there; the number drawn over it is part of that name.
class AccessibleOwnCardPlace final : public QAccessibleWidget {
public:
    explicit AccessibleOwnCardPlace(QWidget* place) : QAccessibleWidget(place, QAccessible::Button) {}

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selected = static_cast<OwnCardPlace*>(widget())->isChosen();
        state.selectable = true;
        return state;
    }
};

QAccessibleInterface* ownCardsInterfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String(OwnCardPlace::staticMetaObject.className()))
        return new AccessibleOwnCardPlace(static_cast<QWidget*>(object));
    return nullptr;
}

void installOwnCardsAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownCardsInterfaces);
        return true;
    }();
    Q_UNUSED(installed);
}

// Single letters and "10" start short forms; a name is completed only once it can no longer be one.
bool startsShortForm(const QString& typed)
{
    static const QString kRankLetters = QStringLiteral("a23456789tjqk1");
    return (typed.size() == 1 && kRankLetters.contains(typed)) || typed == QStringLiteral("10");
}

} // namespace

OwnCardPlace::OwnCardPlace(int position, bool crosswise, const QString& meaning, QWidget* parent)
    : QWidget(parent), m_position(position), m_crosswise(crosswise), m_meaning(meaning)
{
    installOwnCardsAccessibility();
    setObjectName(QStringLiteral("picPlace_%1").arg(position - 1));
    setFixedSize(crosswise ? QSize(display::twips(display::kSlotHeight), display::twips(display::kSlotWidth))
                           : QSize(display::twips(display::kSlotWidth), display::twips(display::kSlotHeight)));
    setCursor(Qt::PointingHandCursor);
    // Tab reaches the chosen place only; the arrows go from place to place.
    setFocusPolicy(Qt::ClickFocus);

    // The position number over the card's lower left part, as on the spread display.
    m_number = new QLabel(QString::number(position), this);
    m_number->setObjectName(QStringLiteral("lblCardPosition"));
    m_number->setTextFormat(Qt::PlainText);
    m_number->setAlignment(Qt::AlignCenter);
    m_number->setFont(display::verdanaFont(14.25, true));
    display::setTextColour(*m_number, kPositionBlue);
    m_number->setAutoFillBackground(false);
    m_number->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int boxWidth = position < 10 ? 210 : 420;
    m_number->setGeometry(crosswise ? twipsRect(1200, 720, boxWidth, 345) : twipsRect(0, 1100, boxWidth, 345));
    setCard(-1);
}

void OwnCardPlace::setCard(engine::CardIndex card)
{
    m_card = engine::isCardIndex(card) ? card : engine::CardIndex(-1);
    m_face = QPixmap();
    // An empty place shows its number large in the middle instead.
    m_number->setVisible(m_card >= 0);
    setAccessibleName(texts::placeName(m_position, m_meaning, m_card >= 0 ? cardName(m_card) : texts::kEmptyPlace));
    update();
}

void OwnCardPlace::setChosen(bool chosen)
{
    if (m_chosen == chosen)
        return;
    m_chosen = chosen;
    setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    update();
}

void OwnCardPlace::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_card >= 0) {
        const qreal ratio = devicePixelRatioF();
        if (m_face.isNull() || !qFuzzyCompare(m_faceRatio, ratio)) {
            const int pictureNumber = engine::pictureNumber(m_card);
            m_face = m_crosswise ? display::SidewaysFaces.item(pictureNumber, ratio)
                                 : display::LargeFaces.item(pictureNumber, ratio);
            m_faceRatio = ratio;
        }
        painter.drawPixmap(rect(), m_face);
    } else {
        painter.setBrush(kEmptyPlaceFill);
        painter.setPen(QPen(kEmptyPlaceLine, 1, Qt::DashLine));
        painter.drawRoundedRect(box, 4, 4);
        painter.setFont(display::verdanaFont(14.25, true));
        painter.setPen(kEmptyPlaceLine);
        painter.drawText(rect(), Qt::AlignCenter, QString::number(m_position));
    }
    if (m_chosen) {
        QPen pen(hasFocus() ? display::kAqua : kChosenDim, 3);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
}

void OwnCardPlace::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(mapToParent(event->position().toPoint()));
}

void OwnCardPlace::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void OwnCardPlace::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

OwnCardsWindow::OwnCardsWindow(WindowServices& services, engine::SpreadIndex spread, QWidget* parent)
    : ReadingWindow(services, QStringLiteral("frmOwnCards"), parent), m_spread(spread)
{
    buildControls();
    buildMenus();
    // As large as the table and the deck need, or the screen where that is smaller; both scroll then.
    // Room for a scroll bar too, so that a short screen needing one down the side does not need one across.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = m_ui.clientArea->widget()->sizeHint() + QSize(4 + scrollBar, 4 + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 40));
    centreOnScreen(*this, size);
    choosePlace(0);
    refreshDeckAndButtons();
    if (!m_ui.places.empty())
        m_ui.places.front()->setFocus(Qt::OtherFocusReason);
}

void OwnCardsWindow::buildControls()
{
    QWidget* client = addBlackClient(*this);
    auto* clientRows = new QVBoxLayout(client);
    clientRows->setContentsMargins(0, 0, 0, 0);

    m_ui.clientArea = new QScrollArea(client);
    m_ui.clientArea->setObjectName(QStringLiteral("OwnCardsArea"));
    m_ui.clientArea->setFrameShape(QFrame::NoFrame);
    m_ui.clientArea->setWidgetResizable(true);
    m_ui.clientArea->setFocusPolicy(Qt::NoFocus);
    display::fillBackground(*m_ui.clientArea, display::kBlack);
    display::fillBackground(*m_ui.clientArea->viewport(), display::kBlack);
    clientRows->addWidget(m_ui.clientArea);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("OwnCardsContent"));
    display::fillBackground(*content, display::kBlack);
    auto* rows = new QVBoxLayout(content);
    rows->setContentsMargins(8, 8, 8, 8);
    rows->setSpacing(8);

    // The question and the two buttons across the top, as the report window has its Back button there.
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    auto* questionLabel = new QLabel(texts::kQuestionLabel, content);
    questionLabel->setFont(display::verdanaFont(8.25, true));
    display::setTextColour(*questionLabel, display::kAqua);
    m_ui.txtQuestion = new QLineEdit(content);
    m_ui.txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    m_ui.txtQuestion->setFont(display::verdanaFont(8.25));
    m_ui.txtQuestion->setStyleSheet(colourStyle("QLineEdit", display::kYellow, display::kDarkGrey));
    m_ui.txtQuestion->setMinimumWidth(display::twips(3000));
    questionLabel->setBuddy(m_ui.txtQuestion);
    m_ui.txtQuestion->setAccessibleName(QStringLiteral("Your question (optional)"));
    m_ui.cmdRead = new QPushButton(texts::kReadMyCards, content);
    m_ui.cmdRead->setObjectName(QStringLiteral("cmdRead"));
    m_ui.cmdRead->setFont(display::verdanaFont(8.25, true));
    m_ui.cmdRead->setStyleSheet(buttonFaceStyle(display::kPaleCyan) +
                                QStringLiteral("QPushButton:disabled { color: #606060; background-color: #a0b0b0; }"));
    m_ui.cmdRead->setMinimumSize(display::twips(1800), display::twips(360));
    m_ui.cmdBack = new QPushButton(texts::kBack, content);
    m_ui.cmdBack->setObjectName(QStringLiteral("cmdBack"));
    m_ui.cmdBack->setFont(display::verdanaFont(8.25, true));
    m_ui.cmdBack->setStyleSheet(buttonFaceStyle(display::kOrange));
    m_ui.cmdBack->setMinimumSize(display::twips(990), display::twips(360));
    for (QWidget* control : std::initializer_list<QWidget*>{m_ui.txtQuestion, m_ui.cmdRead, m_ui.cmdBack})
        markFocusClearly(*control, display::kBlack);
    top->addWidget(questionLabel);
    top->addWidget(m_ui.txtQuestion, 1);
    top->addWidget(m_ui.cmdRead);
    top->addWidget(m_ui.cmdBack);
    rows->addLayout(top);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    const display::LayoutPlan* plan = display::layoutPlan(m_spread);
    m_ui.picSpread = new QWidget(content);
    m_ui.picSpread->setObjectName(QStringLiteral("picSpread"));
    display::fillBackground(*m_ui.picSpread, display::kBlack);
    // The layout's own width: the display's black margin beyond it would only push the deck off small screens.
    m_ui.picSpread->setFixedSize(display::twips(display::kLayoutWidth),
                                 display::twips(plan ? plan->height : display::kStandardPaneHeight));
    const engine::Spread* spread = engine::findSpread(m_spread);
    QWidget* pane = display::buildLayoutPane(
        m_spread, *m_ui.picSpread, services().platform().urlOpener,
        [this, spread](int position, const display::SlotPlace& place, QWidget& parent) {
            QString meaning;
            if (spread && static_cast<std::size_t>(position) <= spread->positionMeanings.size())
                meaning = display::fromView(spread->positionMeanings[static_cast<std::size_t>(position - 1)]);
            auto* card = new OwnCardPlace(position, place.crosswise, meaning, &parent);
            card->move(display::twips(place.left), display::twips(place.top));
            card->installEventFilter(this);
            const int index = position - 1;
            connect(card, &OwnCardPlace::pressed, this, [this, index](QPoint at) {
                const int chosen = placeClickedAt(index, at);
                choosePlace(chosen);
                m_ui.places[static_cast<std::size_t>(chosen)]->setFocus(Qt::MouseFocusReason);
            });
            m_ui.places.push_back(card);
            return card;
        });
    if (pane)
        pane->move(0, 0);
    middle->addWidget(m_ui.picSpread, 0, Qt::AlignTop);

    auto* panel = new QWidget(content);
    panel->setObjectName(QStringLiteral("picRight"));
    panel->setFixedWidth(display::twips(kRightPanelWidth));
    auto* panelRows = new QVBoxLayout(panel);
    panelRows->setContentsMargins(0, 0, 0, 0);
    panelRows->setSpacing(8);
    m_ui.lblInstructions =
        addWrappedLabel(*panel, QStringLiteral("lblInstructions"), QRect(), display::verdanaFont(8.25, true));
    m_ui.lblInstructions->setText(texts::kOwnCardsInstructions);
    display::setTextColour(*m_ui.lblInstructions, display::kPaleYellow);
    panelRows->addWidget(m_ui.lblInstructions);
    m_ui.picDeck = buildDeck(*panel);
    panelRows->addWidget(m_ui.picDeck, 0, Qt::AlignLeft);
    m_ui.lblPositionMeaning =
        addWrappedLabel(*panel, QStringLiteral("lblPositionMeaning"), QRect(), display::verdanaFont(8.25, true));
    display::setTextColour(*m_ui.lblPositionMeaning, display::kAqua);
    panelRows->addWidget(m_ui.lblPositionMeaning);
    m_ui.lblTyped = new display::NoticeLabel(panel);
    m_ui.lblTyped->setObjectName(QStringLiteral("lblTyped"));
    m_ui.lblTyped->setFont(display::verdanaFont(8.25, true));
    m_ui.lblTyped->setWordWrap(true);
    m_ui.lblTyped->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    display::setTextColour(*m_ui.lblTyped, display::kYellow);
    panelRows->addWidget(m_ui.lblTyped);
    panelRows->addStretch(1);
    middle->addWidget(panel, 0, Qt::AlignTop);
    middle->addStretch(1);
    rows->addLayout(middle, 1);
    m_ui.clientArea->setWidget(content);

    // The places (one stop: the chosen one), then the question and the buttons, then the link.
    QWidget* previous = nullptr;
    std::vector<QWidget*> order(m_ui.places.begin(), m_ui.places.end());
    order.insert(order.end(), {m_ui.txtQuestion, m_ui.cmdRead, m_ui.cmdBack});
    for (QWidget* link : m_ui.picSpread->findChildren<display::ClickableLabel*>())
        order.push_back(link);
    for (QWidget* next : order) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    connect(m_ui.cmdRead, &QPushButton::clicked, this, &OwnCardsWindow::cmdRead_Click);
    // The question is often typed last: Return there reads the cards, as it would on the button, or says what
    // is still missing.
    connect(m_ui.txtQuestion, &QLineEdit::returnPressed, this, [this] {
        if (m_ui.cmdRead->isEnabled())
            cmdRead_Click();
        else if (const int empty = placeHolding(-1); empty >= 0) // the first place holding no card
            showTyping(QStringLiteral("Position %1 is still empty.").arg(empty + 1));
    });
    // The last card laid brings the keyboard here, and Return is what a person presses then.
    m_ui.cmdRead->installEventFilter(this);
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &OwnCardsWindow::backRequested);
}

QWidget* OwnCardsWindow::buildDeck(QWidget& parent)
{
    auto* deck = new QWidget(&parent);
    deck->setObjectName(QStringLiteral("picDeck"));
    deck->setAccessibleName(QStringLiteral("Deck"));
    const QSize face = display::SmallFaces.item(1).deviceIndependentSize().toSize().expandedTo(QSize(40, 50));
    const qreal ratio = devicePixelRatioF();
    for (int suit = 0; suit < engine::kCardCount / kRanksPerSuit; ++suit) {
        // Each suit fanned down a column, Ace on top: every card shows its corner, the King all of it.
        for (int row = 0; row < kRanksPerSuit; ++row) {
            const auto card = static_cast<engine::CardIndex>(suit * kRanksPerSuit + kTableOrder[row]);
            auto* label = new display::ClickableLabel(deck);
            label->setObjectName(QStringLiteral("picDeckCard_%1").arg(card));
            label->setPixmap(display::SmallFaces.item(engine::pictureNumber(card), ratio));
            label->setScaledContents(true);
            label->setGeometry(suit * (face.width() + kDeckColumnGap), row * kDeckCardStep, face.width(),
                               face.height());
            label->setAccessibleRole(QAccessible::Button);
            // The typed way is the keyboard's; the deck is for the mouse and for screen readers' press action.
            label->setFocusPolicy(Qt::NoFocus);
            label->setCursor(Qt::PointingHandCursor);
            connect(label, &display::ClickableLabel::clicked, this, [this, card] {
                if (layCard(card, true))
                    showTyping({});
            });
            m_ui.deckCards[static_cast<std::size_t>(card)] = label;
        }
    }
    deck->setFixedSize(4 * face.width() + 3 * kDeckColumnGap, (kRanksPerSuit - 1) * kDeckCardStep + face.height());
    return deck;
}

void OwnCardsWindow::buildMenus()
{
    QMenu* file = addFileMenu();
    m_ui.mnuRead = addMenuEntry(*file, texts::kReadMyCards, "mnuRead", this, &OwnCardsWindow::cmdRead_Click);
    m_ui.mnuBack = addMenuEntry(*file, texts::kBack, "mnuBack", this, &OwnCardsWindow::backRequested);
    m_ui.mnuExit = finishMenus(*file);
}

engine::Hand OwnCardsWindow::hand() const
{
    engine::Hand cards;
    for (const OwnCardPlace* place : m_ui.places)
        cards.push_back(place->card());
    return cards;
}

QString OwnCardsWindow::question() const
{
    return m_ui.txtQuestion->text().trimmed();
}

void OwnCardsWindow::choosePlace(int index, bool bringIntoView)
{
    if (index < 0 || index >= static_cast<int>(m_ui.places.size()))
        return;
    if (index != m_chosen || !m_ui.places[static_cast<std::size_t>(index)]->isChosen()) {
        m_typed.clear();
        m_completedRest.clear();
        showTyping({});
    }
    m_chosen = index;
    for (OwnCardPlace* place : m_ui.places)
        place->setChosen(place->position() == index + 1);
    OwnCardPlace* chosen = m_ui.places[static_cast<std::size_t>(index)];
    // The card under the crosswise one comes on top while it is chosen. Only then: raising reorders the places
    // for screen readers too.
    for (const OwnCardPlace* other : m_ui.places) {
        if (other != chosen && other->geometry().intersects(chosen->geometry())) {
            chosen->raise();
            break;
        }
    }
    const engine::Spread* spread = engine::findSpread(m_spread);
    QString meaning;
    if (spread && static_cast<std::size_t>(index) < spread->positionMeanings.size())
        meaning = display::fromView(spread->positionMeanings[static_cast<std::size_t>(index)]);
    m_ui.lblPositionMeaning->setText(QStringLiteral("Position %1. %2").arg(index + 1).arg(meaning).trimmed());
    // Before the window is on screen its view has no size yet, and would scroll the question out of sight.
    if (bringIntoView && isVisible())
        m_ui.clientArea->ensureWidgetVisible(chosen, 8, 8);
}

int OwnCardsWindow::placeHolding(engine::CardIndex card) const
{
    for (std::size_t i = 0; i < m_ui.places.size(); ++i) {
        if (m_ui.places[i]->card() == card)
            return static_cast<int>(i);
    }
    return -1;
}

int OwnCardsWindow::placeClickedAt(int topmost, QPoint at) const
{
    const OwnCardPlace* top = m_ui.places[static_cast<std::size_t>(topmost)];
    if (!top->isChosen() || !top->parentWidget())
        return topmost;
    // Siblings are stacked in the order of their parent's children, the last on top.
    const QObjectList& stack = top->parentWidget()->children();
    for (auto below = std::make_reverse_iterator(std::find(stack.begin(), stack.end(), top)); below != stack.rend();
         ++below) {
        const auto* place = qobject_cast<const OwnCardPlace*>(*below);
        if (place && !place->isHidden() && place->geometry().contains(at))
            return place->position() - 1;
    }
    return topmost;
}

bool OwnCardsWindow::layCard(engine::CardIndex card, bool fromDeck)
{
    if (!engine::isCardIndex(card) || m_ui.places.empty())
        return false;
    const int holder = placeHolding(card);
    if (holder >= 0 && holder != m_chosen) {
        showTyping(QStringLiteral("The %1 is already on position %2.").arg(cardName(card)).arg(holder + 1));
        return false;
    }
    m_ui.places[static_cast<std::size_t>(m_chosen)]->setCard(card);
    refreshDeckAndButtons();
    moveToNextEmptyPlace(!fromDeck);
    return true;
}

void OwnCardsWindow::emptyChosenPlace()
{
    if (m_ui.places.empty())
        return;
    m_ui.places[static_cast<std::size_t>(m_chosen)]->setCard(-1);
    refreshDeckAndButtons();
}

void OwnCardsWindow::moveToNextEmptyPlace(bool bringIntoView)
{
    const int count = static_cast<int>(m_ui.places.size());
    for (int step = 1; step <= count; ++step) {
        const int index = (m_chosen + step) % count;
        if (m_ui.places[static_cast<std::size_t>(index)]->card() < 0) {
            choosePlace(index, bringIntoView);
            m_ui.places[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // Every place holds a card: what is left to do is read them.
    m_ui.cmdRead->setFocus(Qt::OtherFocusReason);
    if (bringIntoView && isVisible())
        m_ui.clientArea->ensureWidgetVisible(m_ui.cmdRead);
}

void OwnCardsWindow::refreshDeckAndButtons()
{
    bool full = !m_ui.places.empty();
    for (const OwnCardPlace* place : m_ui.places)
        full = full && place->card() >= 0;
    for (engine::CardIndex card = 0; card < engine::kCardCount; ++card) {
        display::ClickableLabel* label = m_ui.deckCards[static_cast<std::size_t>(card)];
        const int holder = placeHolding(card);
        // Taken cards stay in the deck, greyed, so the suits keep their shape.
        label->setEnabled(holder < 0);
        const QString name =
            holder < 0 ? cardName(card) : QStringLiteral("%1, on position %2").arg(cardName(card)).arg(holder + 1);
        label->setAccessibleName(name);
        // Where a greyed card went is worth a pointer's hover; a free card's face says all.
        label->setToolTip(holder < 0 ? QString() : name);
    }
    m_ui.cmdRead->setEnabled(full);
    m_ui.mnuRead->setEnabled(full);
}

void OwnCardsWindow::showTyping(const QString& text)
{
    m_ui.lblTyped->say(text);
}

void OwnCardsWindow::typeCharacter(QChar character)
{
    const QChar lower = character.toLower();
    if (!m_completedRest.isEmpty()) {
        const bool continues = m_completedRest.front() == lower;
        m_completedRest = continues ? m_completedRest.mid(1) : QString();
        if (continues)
            return;
    }
    if (m_typed.isEmpty() && lower.isSpace())
        return;
    const QString candidate = m_typed + lower;
    const std::string text = candidate.toStdString();
    const std::optional<engine::CardIndex> shortCard = engine::cardFromShortForm(text);
    const std::vector<engine::CardIndex> named = engine::cardsNamedLike(text);
    std::vector<engine::CardIndex> free;
    for (const engine::CardIndex card : named) {
        const int holder = placeHolding(card);
        if (holder < 0 || holder == m_chosen)
            free.push_back(card);
    }

    if (shortCard && named.empty()) {
        m_typed.clear();
        if (layCard(*shortCard))
            showTyping({});
        return;
    }
    if (!shortCard && named.empty() && !startsShortForm(candidate)) {
        // A key that fits nothing typed so far starts the next card afresh, as a person who changed their mind
        // goes on typing.
        if (!m_typed.isEmpty()) {
            m_typed.clear();
            typeCharacter(character);
            return;
        }
        showTyping(QStringLiteral("No card is written \"%1\".").arg(candidate));
        return;
    }
    m_typed = candidate;
    if (shortCard) {
        // "AC" and "TH" also start names ("ace", "three"): Return takes the short form, typing on the name.
        showTyping(QStringLiteral("\"%1\": Return for the %2, or type on.").arg(candidate, cardName(*shortCard)));
        return;
    }
    if (!startsShortForm(candidate) && free.size() == 1) {
        const QString name = cardName(free.front()).toLower();
        m_typed.clear();
        if (layCard(free.front())) {
            showTyping({});
            // After the move to the next place, which forgets what was typed on the last one.
            m_completedRest = name.startsWith(candidate) ? name.mid(candidate.size()) : QString();
        }
        return;
    }
    if (!startsShortForm(candidate) && free.empty()) {
        m_typed.clear();
        const int holder = placeHolding(named.front());
        showTyping(
            named.size() == 1
                ? QStringLiteral("The %1 is already on position %2.").arg(cardName(named.front())).arg(holder + 1)
                : QStringLiteral("Every card starting \"%1\" is laid already.").arg(candidate));
        return;
    }
    QStringList names;
    for (const engine::CardIndex card : free)
        names << cardName(card);
    showTyping(names.isEmpty()
                   ? QStringLiteral("\"%1\"").arg(candidate)
                   : QStringLiteral("\"%1\": %2. Return takes the first.").arg(candidate, names.join(u", ")));
}

void OwnCardsWindow::takeTypedCard()
{
    const std::string text = m_typed.toStdString();
    std::optional<engine::CardIndex> card = engine::cardFromShortForm(text);
    if (!card) {
        for (const engine::CardIndex named : engine::cardsNamedLike(text)) {
            const int holder = placeHolding(named);
            if (holder < 0 || holder == m_chosen) {
                card = named;
                break;
            }
        }
    }
    m_typed.clear();
    if (!card) {
        showTyping({});
        return;
    }
    if (layCard(*card))
        showTyping({});
}

int OwnCardsWindow::nearestPlace(int from, int rowStep) const
{
    const QRect start = m_ui.places[static_cast<std::size_t>(from)]->geometry();
    int best = -1;
    long long bestScore = 0;
    for (std::size_t i = 0; i < m_ui.places.size(); ++i) {
        const QPoint offset = m_ui.places[i]->geometry().center() - start.center();
        // Only places clearly above (or below), the nearest one with the least sideways drift first.
        if (offset.y() * rowStep < start.height() / 2)
            continue;
        const long long score = 1LL * offset.y() * offset.y() + 4LL * offset.x() * offset.x();
        if (best < 0 || score < bestScore) {
            best = static_cast<int>(i);
            bestScore = score;
        }
    }
    return best;
}

bool OwnCardsWindow::handleKey(QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier)
        return false;
    const int count = static_cast<int>(m_ui.places.size());
    const auto moveTo = [this](int index) {
        if (index < 0)
            return;
        choosePlace(index);
        m_ui.places[static_cast<std::size_t>(index)]->setFocus(Qt::OtherFocusReason);
    };
    switch (event.key()) {
    case Qt::Key_Left:
        moveTo(m_chosen > 0 ? m_chosen - 1 : -1);
        return true;
    case Qt::Key_Right:
        moveTo(m_chosen + 1 < count ? m_chosen + 1 : -1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveTo(nearestPlace(m_chosen, event.key() == Qt::Key_Up ? -1 : 1));
        return true;
    case Qt::Key_Home:
        moveTo(0);
        return true;
    case Qt::Key_End:
        moveTo(count - 1);
        return true;
    case Qt::Key_Backspace:
        if (!m_typed.isEmpty()) {
            m_typed.chop(1);
            showTyping(m_typed.isEmpty() ? QString() : QStringLiteral("\"%1\"").arg(m_typed));
        } else {
            emptyChosenPlace();
        }
        return true;
    case Qt::Key_Delete:
        m_typed.clear();
        showTyping({});
        emptyChosenPlace();
        return true;
    case Qt::Key_Escape:
        m_typed.clear();
        m_completedRest.clear();
        showTyping({});
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_typed.isEmpty())
            takeTypedCard();
        else if (m_ui.cmdRead->isEnabled())
            cmdRead_Click();
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text.front().isPrint())
        return false;
    typeCharacter(text.front());
    return true;
}

bool OwnCardsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.cmdRead && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ui.cmdRead->click();
            return true;
        }
    }
    auto* place = qobject_cast<OwnCardPlace*>(watched);
    if (place && event->type() == QEvent::KeyPress && handleKey(*static_cast<QKeyEvent*>(event)))
        return true;
    // A click chooses its place itself, once it knows which place was chosen before it.
    if (place && event->type() == QEvent::FocusIn && place->position() - 1 != m_chosen &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        choosePlace(place->position() - 1);
    return ReadingWindow::eventFilter(watched, event);
}

void OwnCardsWindow::cmdRead_Click()
{
    const engine::Hand cards = hand();
    if (cards.empty() || std::any_of(cards.begin(), cards.end(), [](engine::CardIndex card) { return card < 0; }))
        return;
    emit readRequested(m_spread, cards, question());
}

} // namespace windows
