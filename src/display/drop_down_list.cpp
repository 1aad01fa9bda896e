// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/drop_down_list.h"

#include "display/accessibility.h"

namespace display {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent)
{
    installAccessibleInterfaces();
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { announceChosenEntry(*this); });
}

} // namespace display
