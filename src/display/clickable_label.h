// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLabel>
#include <QUrl>

namespace display {

// A label that reacts like a button: a left press and release over it is a click, and so is Space or
// Return once Tab has brought the keyboard to it. Screen readers see a link (or the role given) whose
// press action clicks it.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }

    // Does what a click does; nothing while the label is disabled.
    void activate();

    // The web page a click opens, where there is one, so that a printed copy can link to it too.
    QUrl address() const { return m_address; }
    void setAddress(const QUrl& address) { m_address = address; }

    // Whether its focus mark is drawn while it has the focus; a window may hold the mark back until the
    // keyboard is used, so that a mouse user does not read it as a choice already made.
    void setFocusMarkShown(bool shown);
    bool focusMarkShown() const { return m_focusMarkShown; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_focusMarkShown = true;
    QAccessible::Role m_role = QAccessible::Link;
    QUrl m_address;
};

} // namespace display
