// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/card_tally_window.h"

#include "display/look.h"
#include "engine/deck.h"
#include "journal/card_words.h"
#include "windows/window_look.h"
#include "windows/window_texts.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace windows {

namespace {

// What a column sorts by, beside what it shows.
constexpr int kSortRole = Qt::UserRole + 1;

QStandardItem* cell(const QString& text, const QVariant& sortValue, Qt::Alignment alignment = Qt::AlignRight)
{
    auto* item = new QStandardItem(text);
    item->setData(sortValue, kSortRole);
    item->setData(QVariant::fromValue(alignment | Qt::AlignVCenter), Qt::TextAlignmentRole);
    item->setEditable(false);
    return item;
}

} // namespace

CardTallyWindow::CardTallyWindow(const std::vector<journal::CardCount>& counts, int readings, QWidget* parent)
    : QDialog(parent), m_model(new QStandardItemModel(0, ColumnCount, this))
{
    setObjectName(QStringLiteral("frmCardTally"));
    setWindowTitle(texts::kCardTallyTitle);
    setFont(display::verdanaFont(8.25));
    display::fillBackground(*this, display::kBlack);

    m_model->setHorizontalHeaderLabels(texts::kCardTallyColumns);
    m_model->setSortRole(kSortRole);
    for (const journal::CardCount& count : counts) {
        if (!engine::isCardIndex(count.card))
            continue;
        const QString name = display::fromView(engine::card(count.card).name);
        auto* card = cell(QString::fromStdString(journal::cardSymbolForm(count.card)) + QStringLiteral("  ") + name,
                          static_cast<int>(count.card), Qt::AlignLeft);
        card->setData(name, Qt::AccessibleTextRole);
        const double against = count.expected > 0 ? count.count / count.expected : 0.0;
        const QString lastSeen =
            count.lastSeenUtc > 0
                ? QDateTime::fromSecsSinceEpoch(count.lastSeenUtc).toString(QStringLiteral("yyyy-MM-dd"))
                : texts::kNeverAppeared;
        m_model->appendRow({card, cell(QString::number(count.count), count.count),
                            cell(QString::number(count.expected, 'f', 1), count.expected),
                            cell(QStringLiteral("%1 ×").arg(against, 0, 'f', 2), against),
                            cell(lastSeen, static_cast<qlonglong>(count.lastSeenUtc))});
    }

    auto* rows = new QVBoxLayout(this);
    m_statement = new QLabel(texts::cardTallyStatement(readings), this);
    m_statement->setObjectName(QStringLiteral("lblStatement"));
    m_statement->setWordWrap(true);
    m_statement->setStyleSheet(QStringLiteral("color: #ffffc0;"));
    rows->addWidget(m_statement);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("grdCards"));
    m_table->setAccessibleName(texts::kCardTallyTitle);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(AgainstChanceColumn, Qt::DescendingOrder);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setStyleSheet(
        QStringLiteral("QTableView { color: #ffffc0; background-color: black; gridline-color: #404040; "
                       "border: 1px solid gray; selection-background-color: #000080; selection-color: #ffff00; }"
                       "QTableView:focus { border: 1px solid #00ffff; }"
                       "QHeaderView::section { color: #00ffff; background-color: #202020; border: none; "
                       "border-right: 1px solid #404040; border-bottom: 1px solid #404040; padding: 2px 4px; "
                       "font-weight: bold; }"));
    if (m_model->rowCount() > 0)
        m_table->selectRow(0);
    rows->addWidget(m_table, 1);

    auto* close = new QPushButton(texts::kClose, this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setFont(display::verdanaFont(8.25, true));
    close->setStyleSheet(buttonFaceStyle(display::kOrange) + QStringLiteral("QPushButton { padding: 3px 12px; }"));
    close->setMinimumHeight(display::twips(360));
    close->setAutoDefault(false);
    markFocusClearly(*close, display::kBlack);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    rows->addLayout(buttons);

    resize(660, 480);
    m_table->setFocus(Qt::OtherFocusReason);
}

} // namespace windows
