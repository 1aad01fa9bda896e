// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/reading_record.h"
#include "windows/journal_keeper.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace windows {

// The readings a search finds, fetched a page at a time as the table scrolls, so that a journal of any size shows
// its first rows at once.
class JournalTableModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(JournalTableModel)

public:
    enum Column { DateColumn, NameColumn, SpreadColumn, CardsColumn, QuestionColumn, ColumnCount };

    explicit JournalTableModel(JournalKeeper& keeper, QObject* parent = nullptr);

    // Shows the first page of the readings matching the text, in the order chosen.
    void setSearchText(const QString& text);
    const std::string& searchText() const { return m_text; }
    // Looks again after the journal changed, keeping as many rows as were loaded.
    void refresh();

    const journal::Reading* readingAt(int row) const;
    int rowOf(std::int64_t id) const;
    // Keeps an edit in the loaded row without asking the journal again.
    void updateQuestionAndNotes(std::int64_t id, const std::string& question, const std::string& notes);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;

    // Short form of the cards for the eye ("Q♥ 10♠"), their full names for a screen reader.
    static QString cardsShown(const engine::Hand& cards);
    static QString cardsSpoken(const engine::Hand& cards);
    static QString dateShown(const journal::Reading& reading);

private:
    void load(int rows);

    JournalKeeper& m_keeper;
    std::string m_text;
    JournalOrder m_order;
    std::vector<journal::Reading> m_readings;
    bool m_more = false;
};

} // namespace windows
