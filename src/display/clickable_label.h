// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace display {

// A label that reacts like a button: a left press and release over it is a click.
class ClickableLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace display
