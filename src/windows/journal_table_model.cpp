// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/journal_table_model.h"

#include "display/look.h"
#include "engine/deck.h"
#include "journal/card_words.h"
#include "windows/window_texts.h"

#include <QDateTime>

#include <algorithm>

namespace windows {

namespace {

// A page fills a tall window; later ones come as the table scrolls.
constexpr int kFirstPage = 60;
constexpr int kNextPage = 200;

journal::SortBy sortKeyOf(int column)
{
    switch (column) {
    case JournalTableModel::NameColumn:
        return journal::SortBy::Name;
    case JournalTableModel::SpreadColumn:
        return journal::SortBy::Spread;
    case JournalTableModel::CardsColumn:
        return journal::SortBy::FirstCard;
    case JournalTableModel::QuestionColumn:
        return journal::SortBy::Question;
    default:
        return journal::SortBy::Time;
    }
}

} // namespace

JournalTableModel::JournalTableModel(JournalKeeper& keeper, QObject* parent)
    : QAbstractTableModel(parent), m_keeper(keeper)
{
}

void JournalTableModel::setSearchText(const QString& text)
{
    m_text = text.toStdString();
    load(kFirstPage);
}

void JournalTableModel::refresh()
{
    load(std::max(kFirstPage, static_cast<int>(m_readings.size())));
}

void JournalTableModel::load(int rows)
{
    beginResetModel();
    m_readings = m_keeper.search(m_text, rows + 1, 0, m_order);
    m_more = static_cast<int>(m_readings.size()) > rows;
    if (m_more)
        m_readings.pop_back();
    endResetModel();
}

const journal::Reading* JournalTableModel::readingAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_readings.size()))
        return nullptr;
    return &m_readings[static_cast<std::size_t>(row)];
}

int JournalTableModel::rowOf(std::int64_t id) const
{
    const auto found =
        std::find_if(m_readings.begin(), m_readings.end(), [id](const journal::Reading& r) { return r.id == id; });
    return found == m_readings.end() ? -1 : static_cast<int>(found - m_readings.begin());
}

void JournalTableModel::updateQuestionAndNotes(std::int64_t id, const std::string& question, const std::string& notes)
{
    const int row = rowOf(id);
    if (row < 0)
        return;
    journal::Reading& reading = m_readings[static_cast<std::size_t>(row)];
    reading.question = question;
    reading.notes = notes;
    emit dataChanged(index(row, QuestionColumn), index(row, QuestionColumn));
}

int JournalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_readings.size());
}

int JournalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JournalTableModel::cardsShown(const engine::Hand& cards)
{
    QStringList shown;
    for (const engine::CardIndex card : cards)
        shown.append(QString::fromStdString(journal::cardSymbolForm(card)));
    return shown.join(QLatin1Char(' '));
}

QString JournalTableModel::cardsSpoken(const engine::Hand& cards)
{
    QStringList spoken;
    for (const engine::CardIndex card : cards) {
        if (engine::isCardIndex(card))
            spoken.append(display::fromView(engine::card(card).name));
    }
    return spoken.join(QStringLiteral(", "));
}

QString JournalTableModel::dateShown(const journal::Reading& reading)
{
    // The time as it was where the reading was made.
    return QDateTime::fromSecsSinceEpoch(reading.timeUtc, Qt::OffsetFromUTC, reading.utcOffsetMinutes * 60)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QVariant JournalTableModel::data(const QModelIndex& index, int role) const
{
    const journal::Reading* reading = readingAt(index.row());
    if (!reading)
        return {};
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case DateColumn:
            return dateShown(*reading);
        case NameColumn:
            return QString::fromStdString(reading->name);
        case SpreadColumn:
            return QString::fromStdString(reading->spreadName);
        case CardsColumn:
            return cardsShown(reading->cards);
        case QuestionColumn:
            // One line in the table; the whole question shows beside it.
            return QString::fromStdString(reading->question).simplified();
        default:
            return {};
        }
    }
    if ((role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) && index.column() == CardsColumn)
        return cardsSpoken(reading->cards);
    return {};
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && section >= 0 &&
        section < ColumnCount)
        return texts::kJournalColumns.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool JournalTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_more;
}

void JournalTableModel::fetchMore(const QModelIndex& parent)
{
    if (parent.isValid() || !m_more)
        return;
    const int first = static_cast<int>(m_readings.size());
    std::vector<journal::Reading> page = m_keeper.search(m_text, kNextPage + 1, first, m_order);
    m_more = static_cast<int>(page.size()) > kNextPage;
    if (m_more)
        page.pop_back();
    if (page.empty())
        return;
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(page.size()) - 1);
    std::move(page.begin(), page.end(), std::back_inserter(m_readings));
    endInsertRows();
}

void JournalTableModel::sort(int column, Qt::SortOrder order)
{
    const JournalOrder wanted{sortKeyOf(column), order == Qt::AscendingOrder};
    if (wanted.key == m_order.key && wanted.ascending == m_order.ascending)
        return;
    m_order = wanted;
    load(kFirstPage);
}

} // namespace windows
