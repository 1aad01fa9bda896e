// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/notice_label.h"

#include "display/accessibility.h"

#include <QAccessible>

namespace display {

NoticeLabel::NoticeLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibleInterfaces();
    setTextFormat(Qt::PlainText);
}

void NoticeLabel::say(const QString& text)
{
    setText(text);
    setAccessibleName(text);
    if (text.isEmpty() || !isVisible())
        return;
    // A notification coming into view is what a screen reader reads out.
    QAccessibleEvent gone(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&gone);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace display
