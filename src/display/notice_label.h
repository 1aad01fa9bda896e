// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace display {

// A line of plain text that a screen reader reads out each time it says something new, as a notification, while
// the keyboard stays where it is. Qt tells a screen reader of a changed description only by the object it
// belongs to, not with the text, so a description set on the focused control goes unheard until focus moves.
class NoticeLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoticeLabel)

public:
    explicit NoticeLabel(QWidget* parent = nullptr);

    // Shows the text and has it read out; an empty text only clears the line.
    void say(const QString& text);
};

} // namespace display
