// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace display {

// A list the person can only pick from. Unlike a plain combo box, which a screen reader on Linux names
// by its chosen entry, it is announced by its accessible name, with the chosen entry as its value.
class DropDownList final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropDownList)

public:
    explicit DropDownList(QWidget* parent = nullptr);
};

} // namespace display
