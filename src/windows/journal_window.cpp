// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/journal_window.h"

#include "display/look.h"
#include "journal/exchange.h"
#include "windows/card_tally_window.h"
#include "windows/journal_keeper.h"
#include "windows/journal_table_model.h"
#include "windows/window_files.h"
#include "windows/window_look.h"
#include "windows/window_services.h"
#include "windows/window_texts.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <set>

namespace windows {

namespace {

// Long enough to let a sentence be typed in one go, short enough that a crash loses at most a few words.
constexpr int kKeepNotesAfterMilliseconds = 400;
constexpr int kShowCountAfterMilliseconds = 150;
// An export larger than this is not one of ours.
constexpr qint64 kLargestImport = 64LL * 1024 * 1024;
// The design size: the table and the reading side by side, with room to spare on a 1024 x 600 screen.
constexpr QSize kDesignSize(960, 520);

const QString kLabelStyle = QStringLiteral("color: #00ffff;");
const QString kEntryStyle = QStringLiteral("QLineEdit, QPlainTextEdit { color: #ffff00; background-color: #404040; "
                                           "border: 1px solid gray; selection-background-color: #000080; "
                                           "selection-color: #ffff00; }"
                                           "QLineEdit:focus, QPlainTextEdit:focus { border: 1px solid #00ffff; }"
                                           "QLineEdit:disabled, QPlainTextEdit:disabled { color: #a0a0a0; "
                                           "background-color: #202020; }");
const QString kTableStyle = QStringLiteral(
    "QTableView { color: #ffffc0; background-color: black; gridline-color: #404040; border: 1px solid gray; "
    "selection-background-color: #000080; selection-color: #ffff00; }"
    "QTableView:focus { border: 1px solid #00ffff; }"
    "QHeaderView::section { color: #00ffff; background-color: #202020; border: none; border-right: 1px solid #404040; "
    "border-bottom: 1px solid #404040; padding: 2px 4px; font-weight: bold; }"
    "QTableCornerButton::section { background-color: #202020; border: none; }");
const QString kFrameStyle =
    QStringLiteral("QGroupBox { color: #ffff00; background-color: black; border: 1px solid "
                   "gray; margin-top: 7px; font-weight: bold; }"
                   "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }");

QLabel* addLabel(QWidget& parent, const QString& objectName, const QString& text, const QString& style)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(objectName);
    label->setStyleSheet(style);
    return label;
}

// Hearts and diamonds in red, as on the cards. A selected row keeps the one colour of the selection, which red
// would not stand out against.
class CardsDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        if (item.state & QStyle::State_Selected) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QString text = item.text;
        item.text.clear();
        const QWidget* view = item.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view).adjusted(2, 0, -2, 0);
        const QString shown = item.fontMetrics.elidedText(text, Qt::ElideRight, area.width());
        painter->save();
        painter->setFont(item.font);
        painter->setClipRect(area);
        int left = area.left();
        for (const QString& card : shown.split(QLatin1Char(' '))) {
            const bool red = card.contains(QChar(0x2665)) || card.contains(QChar(0x2666)); // ♥ ♦
            painter->setPen(red ? kRedSuit : item.palette.color(QPalette::Text));
            painter->drawText(QRect(left, area.top(), area.right() - left + 1, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, card);
            left += item.fontMetrics.horizontalAdvance(card + QLatin1Char(' '));
        }
        painter->restore();
    }

private:
    // As bright as the table's other text on its black.
    inline static const QColor kRedSuit{255, 80, 80};
};

QPushButton* addButton(QWidget& parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(objectName);
    button->setFont(display::verdanaFont(8.25, true));
    button->setStyleSheet(buttonFaceStyle(display::kOrange) +
                          QStringLiteral("QPushButton { padding: 3px 8px; }"
                                         "QPushButton:disabled { color: #606060; background-color: #806020; }"));
    button->setMinimumHeight(display::twips(360));
    markFocusClearly(*button, display::kBlack);
    return button;
}

} // namespace

JournalWindow::JournalWindow(WindowServices& services, JournalKeeper& keeper, QWidget* parent)
    : ReadingWindow(services, QStringLiteral("frmJournal"), parent), m_keeper(keeper),
      m_model(new JournalTableModel(keeper, this))
{
    setWindowTitle(texts::journalWindowCaption());
    buildControls();
    buildMenus();
    m_keepNotesSoon.setSingleShot(true);
    m_keepNotesSoon.setInterval(kKeepNotesAfterMilliseconds);
    connect(&m_keepNotesSoon, &QTimer::timeout, this, &JournalWindow::keepNotes);
    m_showCountSoon.setSingleShot(true);
    m_showCountSoon.setInterval(kShowCountAfterMilliseconds);
    connect(&m_showCountSoon, &QTimer::timeout, this, &JournalWindow::showCount);
    connect(&m_keeper, &JournalKeeper::journalChanged, this, &JournalWindow::reloadKeepingSelection);

    m_model->setSearchText(QString());
    m_ui.grdReadings->sortByColumn(JournalTableModel::DateColumn, Qt::DescendingOrder);
    if (m_model->rowCount() > 0)
        chooseRow(0);
    showCount();
    showSelectedReading();
    showReadOnly();
    centreOnScreen(*this, kDesignSize);
    m_ui.grdReadings->setFocus(Qt::OtherFocusReason);
}

JournalWindow::~JournalWindow()
{
    // QWidget's destructor takes the children down after this one has run, and they still signal (a line edit
    // finishes editing as it loses focus); by then this is no longer a JournalWindow, so nothing may reach it.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void JournalWindow::buildControls()
{
    QWidget* client = addBlackClient(*this);
    client->setFont(display::verdanaFont(8.25));
    auto* rows = new QVBoxLayout(client);
    rows->setContentsMargins(8, 8, 8, 8);
    rows->setSpacing(6);

    auto* searchRow = new QHBoxLayout;
    QLabel* searchLabel = addLabel(*client, QStringLiteral("lblSearch"), texts::kSearchLabel, kLabelStyle);
    m_ui.txtSearch = new QLineEdit(client);
    m_ui.txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_ui.txtSearch->setPlaceholderText(texts::kSearchHint);
    m_ui.txtSearch->setClearButtonEnabled(true);
    m_ui.txtSearch->setStyleSheet(kEntryStyle);
    m_ui.txtSearch->setAccessibleName(QStringLiteral("Search"));
    m_ui.txtSearch->setAccessibleDescription(texts::kSearchHint);
    markFocusClearly(*m_ui.txtSearch, display::kBlack);
    searchLabel->setBuddy(m_ui.txtSearch);
    m_ui.chkKeepJournal = new QCheckBox(texts::kKeepJournal, client);
    m_ui.chkKeepJournal->setObjectName(QStringLiteral("chkKeepJournal"));
    m_ui.chkKeepJournal->setStyleSheet(QStringLiteral("QCheckBox { color: #00ffff; }"));
    m_ui.chkKeepJournal->setChecked(m_keeper.keepsReadings());
    markFocusClearly(*m_ui.chkKeepJournal, display::kBlack);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_ui.txtSearch, 1);
    searchRow->addSpacing(12);
    searchRow->addWidget(m_ui.chkKeepJournal);
    rows->addLayout(searchRow);

    auto* statusRow = new QHBoxLayout;
    m_ui.lblCount = addLabel(*client, QStringLiteral("lblCount"), QString(), QStringLiteral("color: #ffffc0;"));
    m_ui.lblKeepJournal =
        addLabel(*client, QStringLiteral("lblKeepJournal"), QString(), QStringLiteral("color: #ffffc0;"));
    m_ui.lblKeepJournal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_ui.lblKeepJournal->setWordWrap(true);
    statusRow->addWidget(m_ui.lblCount, 1);
    statusRow->addWidget(m_ui.lblKeepJournal, 1);
    rows->addLayout(statusRow);

    auto* middle = new QHBoxLayout;
    m_ui.grdReadings = new QTableView(client);
    m_ui.grdReadings->setObjectName(QStringLiteral("grdReadings"));
    m_ui.grdReadings->setAccessibleName(texts::kReadingsTable);
    m_ui.grdReadings->setModel(m_model);
    m_ui.grdReadings->setItemDelegateForColumn(JournalTableModel::CardsColumn, new CardsDelegate(m_ui.grdReadings));
    m_ui.grdReadings->setStyleSheet(kTableStyle);
    m_ui.grdReadings->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui.grdReadings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_ui.grdReadings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui.grdReadings->setTabKeyNavigation(false);
    m_ui.grdReadings->setWordWrap(false);
    m_ui.grdReadings->setSortingEnabled(true);
    m_ui.grdReadings->verticalHeader()->hide();
    // One line per reading at any scale, sized by the font rather than measured row by row.
    m_ui.grdReadings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_ui.grdReadings->verticalHeader()->setDefaultSectionSize(m_ui.grdReadings->fontMetrics().height() + 6);
    QHeaderView* header = m_ui.grdReadings->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsMovable(false);
    const QFontMetrics metrics(m_ui.grdReadings->font());
    const int letter = metrics.averageCharWidth();
    header->resizeSection(JournalTableModel::DateColumn,
                          metrics.horizontalAdvance(QStringLiteral("2026-12-31 23:59")) + 16);
    header->resizeSection(JournalTableModel::NameColumn, letter * 15);
    header->resizeSection(JournalTableModel::SpreadColumn, letter * 17);
    header->resizeSection(JournalTableModel::CardsColumn, letter * 17);
    header->setStretchLastSection(true);
    middle->addWidget(m_ui.grdReadings, 5);

    m_ui.fraReading = new QGroupBox(texts::kReadingFrame, client);
    m_ui.fraReading->setObjectName(QStringLiteral("fraReading"));
    m_ui.fraReading->setStyleSheet(kFrameStyle);
    m_ui.fraReading->setFont(display::verdanaFont(8.25, true));
    auto* details = new QVBoxLayout(m_ui.fraReading);
    details->setContentsMargins(8, 14, 8, 8);
    m_ui.lblReading =
        addLabel(*m_ui.fraReading, QStringLiteral("lblReading"), QString(), QStringLiteral("color: #ffffc0;"));
    m_ui.lblReading->setFont(display::verdanaFont(8.25));
    m_ui.lblReading->setWordWrap(true);
    m_ui.lblReading->setTextFormat(Qt::PlainText);
    m_ui.lblReading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.lblReading->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_ui.lblReading->setFocusPolicy(Qt::NoFocus);
    QLabel* questionLabel =
        addLabel(*m_ui.fraReading, QStringLiteral("lblQuestion"), texts::kJournalQuestionLabel, kLabelStyle);
    questionLabel->setFont(display::verdanaFont(8.25));
    m_ui.txtQuestion = new QLineEdit(m_ui.fraReading);
    m_ui.txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    m_ui.txtQuestion->setFont(display::verdanaFont(8.25));
    m_ui.txtQuestion->setStyleSheet(kEntryStyle);
    m_ui.txtQuestion->setAccessibleName(QStringLiteral("Question"));
    markFocusClearly(*m_ui.txtQuestion, display::kBlack);
    questionLabel->setBuddy(m_ui.txtQuestion);
    QLabel* notesLabel = addLabel(*m_ui.fraReading, QStringLiteral("lblNotes"), texts::kNotesLabel, kLabelStyle);
    notesLabel->setFont(display::verdanaFont(8.25));
    m_ui.txtNotes = new QPlainTextEdit(m_ui.fraReading);
    m_ui.txtNotes->setObjectName(QStringLiteral("txtNotes"));
    m_ui.txtNotes->setFont(display::verdanaFont(8.25));
    m_ui.txtNotes->setStyleSheet(kEntryStyle);
    m_ui.txtNotes->setAccessibleName(QStringLiteral("Notes"));
    // Tab leaves the notes, as it leaves every other field.
    m_ui.txtNotes->setTabChangesFocus(true);
    notesLabel->setBuddy(m_ui.txtNotes);
    details->addWidget(m_ui.lblReading);
    details->addWidget(questionLabel);
    details->addWidget(m_ui.txtQuestion);
    details->addWidget(notesLabel);
    details->addWidget(m_ui.txtNotes, 1);
    middle->addWidget(m_ui.fraReading, 3);
    rows->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    m_ui.cmdOpen = addButton(*client, QStringLiteral("cmdOpen"), texts::kOpen);
    m_ui.cmdDelete = addButton(*client, QStringLiteral("cmdDelete"), texts::kDelete);
    m_ui.cmdCards = addButton(*client, QStringLiteral("cmdCards"), texts::kCardsThatKeepComingUp);
    m_ui.cmdExportCsv = addButton(*client, QStringLiteral("cmdExportCsv"), texts::kExportCsv);
    m_ui.cmdExportJson = addButton(*client, QStringLiteral("cmdExportJson"), texts::kExportJson);
    m_ui.cmdImport = addButton(*client, QStringLiteral("cmdImport"), texts::kImport);
    m_ui.cmdForgetAll = addButton(*client, QStringLiteral("cmdForgetAll"), texts::kForgetAll);
    m_ui.cmdBack = addButton(*client, QStringLiteral("cmdBack"), texts::kBack);
    for (QPushButton* button : {m_ui.cmdOpen, m_ui.cmdDelete, m_ui.cmdCards, m_ui.cmdExportCsv, m_ui.cmdExportJson,
                                m_ui.cmdImport, m_ui.cmdForgetAll})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_ui.cmdBack);
    rows->addLayout(buttons);

    // Delete and Return belong to the table; elsewhere they edit text.
    auto* deleteKey = new QAction(m_ui.grdReadings);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    m_ui.grdReadings->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, this, &JournalWindow::cmdDelete_Click);
    auto* findKey = new QAction(this);
    findKey->setShortcut(QKeySequence::Find);
    findKey->setShortcutContext(Qt::WindowShortcut);
    addAction(findKey);
    connect(findKey, &QAction::triggered, m_ui.txtSearch,
            [this] { m_ui.txtSearch->setFocus(Qt::ShortcutFocusReason); });

    QWidget* previous = m_ui.txtSearch;
    for (QWidget* next : std::initializer_list<QWidget*>{
             m_ui.chkKeepJournal, m_ui.grdReadings, m_ui.txtQuestion, m_ui.txtNotes, m_ui.cmdOpen, m_ui.cmdDelete,
             m_ui.cmdCards, m_ui.cmdExportCsv, m_ui.cmdExportJson, m_ui.cmdImport, m_ui.cmdForgetAll, m_ui.cmdBack}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(m_ui.txtSearch, &QLineEdit::textChanged, this, &JournalWindow::txtSearch_Change);
    connect(m_ui.grdReadings->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &JournalWindow::grdReadings_SelectionChange);
    connect(m_ui.grdReadings, &QTableView::activated, this, &JournalWindow::cmdOpen_Click);
    connect(m_ui.txtQuestion, &QLineEdit::textEdited, this, &JournalWindow::notes_Change);
    connect(m_ui.txtQuestion, &QLineEdit::editingFinished, this, &JournalWindow::keepNotes);
    connect(m_ui.txtNotes, &QPlainTextEdit::textChanged, this, &JournalWindow::notes_Change);
    m_ui.txtNotes->installEventFilter(this);
    connect(m_ui.chkKeepJournal, &QCheckBox::toggled, this, &JournalWindow::chkKeepJournal_Click);
    connect(m_ui.cmdOpen, &QPushButton::clicked, this, &JournalWindow::cmdOpen_Click);
    connect(m_ui.cmdDelete, &QPushButton::clicked, this, &JournalWindow::cmdDelete_Click);
    connect(m_ui.cmdCards, &QPushButton::clicked, this, &JournalWindow::cmdCards_Click);
    connect(m_ui.cmdExportCsv, &QPushButton::clicked, this, [this] { exportReadings(JournalFileFormat::Csv); });
    connect(m_ui.cmdExportJson, &QPushButton::clicked, this, [this] { exportReadings(JournalFileFormat::Json); });
    connect(m_ui.cmdImport, &QPushButton::clicked, this, &JournalWindow::cmdImport_Click);
    connect(m_ui.cmdForgetAll, &QPushButton::clicked, this, &JournalWindow::cmdForgetAll_Click);
    connect(m_ui.cmdBack, &QPushButton::clicked, this, &JournalWindow::backRequested);
}

void JournalWindow::buildMenus()
{
    QMenu* file = addFileMenu();
    m_ui.mnuOpen = addMenuEntry(*file, texts::kOpen, "mnuOpen", this, &JournalWindow::cmdOpen_Click);
    m_ui.mnuDelete = addMenuEntry(*file, texts::kDelete, "mnuDelete", this, &JournalWindow::cmdDelete_Click);
    m_ui.mnuForgetAll =
        addMenuEntry(*file, texts::kForgetAll, "mnuForgetAll", this, &JournalWindow::cmdForgetAll_Click);
    file->addSeparator();
    m_ui.mnuCards =
        addMenuEntry(*file, texts::kCardsThatKeepComingUp, "mnuCards", this, &JournalWindow::cmdCards_Click);
    m_ui.mnuExportCsv = addMenuEntry(*file, texts::kExportCsv, "mnuExportCsv");
    connect(m_ui.mnuExportCsv, &QAction::triggered, this, [this] { exportReadings(JournalFileFormat::Csv); });
    m_ui.mnuExportJson = addMenuEntry(*file, texts::kExportJson, "mnuExportJson");
    connect(m_ui.mnuExportJson, &QAction::triggered, this, [this] { exportReadings(JournalFileFormat::Json); });
    m_ui.mnuImport = addMenuEntry(*file, texts::kImport, "mnuImport", this, &JournalWindow::cmdImport_Click);
    file->addSeparator();
    m_ui.mnuBack = addMenuEntry(*file, texts::kBack, "mnuBack", this, &JournalWindow::backRequested);
    m_ui.mnuExit = finishMenus(*file);
}

void JournalWindow::showCount()
{
    m_showCountSoon.stop();
    m_ui.lblCount->setText(texts::readingCount(m_keeper.count(m_model->searchText()), !m_model->searchText().empty()));
}

void JournalWindow::showReadOnly()
{
    const bool readOnly = m_keeper.readOnly();
    m_ui.lblKeepJournal->setText(readOnly ? texts::kJournalReadOnly
                                          : texts::keepingStatement(m_keeper.keepsReadings()));
    // Delete follows the selection (showSelectedReading); forgetting an empty journal would do nothing.
    m_ui.cmdImport->setEnabled(!readOnly);
    m_ui.mnuImport->setEnabled(!readOnly);
    const bool canForget = !readOnly && m_keeper.count(std::string()) > 0;
    m_ui.cmdForgetAll->setEnabled(canForget);
    m_ui.mnuForgetAll->setEnabled(canForget);
    m_ui.txtQuestion->setReadOnly(readOnly);
    m_ui.txtNotes->setReadOnly(readOnly);
}

std::vector<std::int64_t> JournalWindow::selectedIds() const
{
    std::vector<std::int64_t> ids;
    for (const QModelIndex& row : m_ui.grdReadings->selectionModel()->selectedRows()) {
        if (const journal::Reading* reading = m_model->readingAt(row.row()))
            ids.push_back(reading->id);
    }
    return ids;
}

bool JournalWindow::selectReading(std::int64_t id)
{
    int row = m_model->rowOf(id);
    while (row < 0 && m_model->canFetchMore(QModelIndex())) {
        m_model->fetchMore(QModelIndex());
        row = m_model->rowOf(id);
    }
    if (row < 0)
        return false;
    chooseRow(row);
    m_ui.grdReadings->scrollTo(m_model->index(row, 0));
    return true;
}

void JournalWindow::showSearch(const QString& text, std::int64_t id)
{
    m_ui.txtSearch->setText(text);
    showCount();
    selectReading(id);
}

QString JournalWindow::searchText() const
{
    return m_ui.txtSearch->text();
}

void JournalWindow::chooseRow(int row)
{
    // Not QTableView::selectRow, which reads the keys held down: typing a capital would extend a selection instead.
    const QModelIndex first = m_model->index(row, 0);
    m_ui.grdReadings->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect |
                                                                   QItemSelectionModel::Rows);
}

void JournalWindow::txtSearch_Change()
{
    keepNotes();
    const std::vector<std::int64_t> selected = selectedIds();
    m_model->setSearchText(m_ui.txtSearch->text());
    // The reading being read stays chosen while the search still shows it; otherwise the newest match is.
    const int kept = selected.size() == 1 ? m_model->rowOf(selected.front()) : -1;
    if (kept >= 0)
        chooseRow(kept);
    else if (m_model->rowCount() > 0)
        chooseRow(0);
    // The count takes a query of its own over every match: it follows once the typing pauses, the rows at once.
    m_showCountSoon.start();
    showSelectedReading();
}

void JournalWindow::reloadKeepingSelection()
{
    if (!isVisible())
        return;
    keepNotes();
    const std::vector<std::int64_t> selected = selectedIds();
    const int firstRow = m_ui.grdReadings->currentIndex().row();
    m_model->refresh();
    bool any = false;
    for (const std::int64_t id : selected) {
        const int row = m_model->rowOf(id);
        if (row < 0)
            continue;
        m_ui.grdReadings->selectionModel()->select(m_model->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
        any = true;
    }
    // After a delete the row below the deleted ones takes their place.
    if (!any && m_model->rowCount() > 0)
        chooseRow(std::clamp(firstRow, 0, m_model->rowCount() - 1));
    showCount();
    showSelectedReading();
    showReadOnly();
}

void JournalWindow::grdReadings_SelectionChange()
{
    keepNotes();
    showSelectedReading();
}

void JournalWindow::showSelectedReading()
{
    const std::vector<std::int64_t> ids = selectedIds();
    const journal::Reading* reading = ids.size() == 1 ? m_model->readingAt(m_model->rowOf(ids.front())) : nullptr;
    m_editedId = reading ? std::optional(reading->id) : std::nullopt;
    m_notesChanged = false;
    const QSignalBlocker blockQuestion(m_ui.txtQuestion);
    const QSignalBlocker blockNotes(m_ui.txtNotes);
    if (!reading) {
        m_ui.lblReading->setText(ids.empty() ? texts::kNothingSelected
                                             : texts::severalSelected(static_cast<int>(ids.size())));
        m_ui.txtQuestion->clear();
        m_ui.txtNotes->clear();
    } else {
        m_ui.lblReading->setText(texts::readingSummary(
            QString::fromStdString(reading->name), QString::fromStdString(reading->birthDate),
            JournalTableModel::dateShown(*reading), QString::fromStdString(reading->spreadName),
            QString::fromUtf8(journal::dealtByName(reading->dealtBy)), JournalTableModel::cardsSpoken(reading->cards)));
        m_ui.txtQuestion->setText(QString::fromStdString(reading->question));
        m_ui.txtNotes->setPlainText(QString::fromStdString(reading->notes));
    }
    m_ui.txtQuestion->setEnabled(reading != nullptr);
    m_ui.txtNotes->setEnabled(reading != nullptr);
    m_ui.cmdOpen->setEnabled(reading != nullptr);
    m_ui.mnuOpen->setEnabled(reading != nullptr);
    const bool canDelete = !ids.empty() && !m_keeper.readOnly();
    m_ui.cmdDelete->setEnabled(canDelete);
    m_ui.mnuDelete->setEnabled(canDelete);
}

void JournalWindow::notes_Change()
{
    if (!m_editedId)
        return;
    m_notesChanged = true;
    m_keepNotesSoon.start();
}

void JournalWindow::keepNotes()
{
    m_keepNotesSoon.stop();
    if (!m_editedId || !m_notesChanged)
        return;
    m_notesChanged = false;
    const std::string question = m_ui.txtQuestion->text().toStdString();
    const std::string notes = m_ui.txtNotes->toPlainText().toStdString();
    m_keeper.saveQuestionAndNotes(*m_editedId, question, notes);
    m_model->updateQuestionAndNotes(*m_editedId, question, notes);
}

bool JournalWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.txtNotes && event->type() == QEvent::FocusOut)
        keepNotes();
    return ReadingWindow::eventFilter(watched, event);
}

void JournalWindow::closeEvent(QCloseEvent* event)
{
    keepNotes();
    ReadingWindow::closeEvent(event);
}

void JournalWindow::cmdOpen_Click()
{
    const std::vector<std::int64_t> ids = selectedIds();
    const QModelIndex current = m_ui.grdReadings->currentIndex();
    // Return and a double click open the row they are on; the button and the menu the one chosen.
    const journal::Reading* reading =
        current.isValid() && m_ui.grdReadings->selectionModel()->isRowSelected(current.row())
            ? m_model->readingAt(current.row())
            : (ids.size() == 1 ? m_model->readingAt(m_model->rowOf(ids.front())) : nullptr);
    if (!reading)
        return;
    keepNotes();
    const journal::Reading chosen = *reading;
    emit openRequested(chosen);
}

void JournalWindow::cmdDelete_Click()
{
    const std::vector<std::int64_t> ids = selectedIds();
    if (ids.empty() || m_keeper.readOnly())
        return;
    if (!services().platform().messageBoxes.askYesNo(this, texts::deleteQuestion(static_cast<int>(ids.size())),
                                                     MessageIcon::Warning))
        return;
    m_editedId.reset();
    m_keeper.remove(ids);
}

void JournalWindow::cmdForgetAll_Click()
{
    if (m_keeper.readOnly())
        return;
    const int count = m_keeper.count(std::string());
    if (count == 0)
        return;
    if (!services().platform().messageBoxes.askYesNo(this, texts::forgetAllQuestion(count), MessageIcon::Warning))
        return;
    m_editedId.reset();
    m_keeper.forgetAll();
}

void JournalWindow::cmdCards_Click()
{
    keepNotes();
    const std::string& text = m_model->searchText();
    CardTallyWindow tally(m_keeper.cardsThatKeepComingUp(text), m_keeper.count(text), this);
    tally.exec();
}

void JournalWindow::exportReadings(JournalFileFormat format)
{
    keepNotes();
    Platform& platform = services().platform();
    const QString path = platform.fileChooser.chooseJournalExportFile(this, format);
    if (path.isEmpty())
        return;
    // Every reading the search shows, not only the rows loaded so far.
    m_keeper.waitForWrites();
    const std::vector<journal::Reading> readings =
        m_keeper.search(m_model->searchText(), -1, 0, JournalOrder{journal::SortBy::Time, false});
    const std::string content = format == JournalFileFormat::Csv ? journal::toCsv(readings) : journal::toJson(readings);
    if (const std::optional<QString> failure = writeFileFromWindow(path, content))
        platform.messageBoxes.inform(this, texts::exportFailedMessage(path, *failure), MessageIcon::Error);
}

void JournalWindow::cmdImport_Click()
{
    Platform& platform = services().platform();
    const QString path = platform.fileChooser.chooseJournalImportFile(this);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform.messageBoxes.inform(this, texts::importRefusedMessage(path, file.errorString()), MessageIcon::Error);
        return;
    }
    if (file.size() > kLargestImport) {
        platform.messageBoxes.inform(this, texts::importRefusedMessage(path, texts::kImportTooLarge),
                                     MessageIcon::Error);
        return;
    }
    const QByteArray bytes = file.read(kLargestImport + 1);
    auto readings =
        journal::readJsonExport(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!readings) {
        platform.messageBoxes.inform(this, texts::importRefusedMessage(path, QString::fromStdString(readings.error)),
                                     MessageIcon::Error);
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&m_keeper, &JournalKeeper::importFinished, this,
                          [this, path, connection](int added, int offered, const QString& error) {
                              disconnect(*connection);
                              if (error.isEmpty())
                                  services().platform().messageBoxes.inform(
                                      this, texts::importedMessage(added, offered), MessageIcon::Information);
                              else
                                  services().platform().messageBoxes.inform(
                                      this, texts::importRefusedMessage(path, error), MessageIcon::Error);
                          });
    m_keeper.import(std::move(*readings.value));
}

void JournalWindow::chkKeepJournal_Click(bool checked)
{
    m_keeper.setKeepsReadings(checked);
    showReadOnly();
}

} // namespace windows
