// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal/journal.h"

#include <QDialog>

#include <vector>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace windows {

// How often each card came up in the readings a search shows, against what chance gives, sortable by any column.
class CardTallyWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardTallyWindow)

public:
    enum Column { CardColumn, CountColumn, ChanceColumn, AgainstChanceColumn, LastSeenColumn, ColumnCount };

    CardTallyWindow(const std::vector<journal::CardCount>& counts, int readings, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    QLabel* statement() const { return m_statement; }

private:
    QStandardItemModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_statement = nullptr;
};

} // namespace windows
