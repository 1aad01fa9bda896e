// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace display {

// An outlined ellipse filling the widget.
class OvalOutline final : public QWidget {
    Q_OBJECT

public:
    OvalOutline(const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

// Letter-spaced text ("H E A D") written one letter under the other, spread over the widget's height.
class StackedLettersLabel final : public QWidget {
    Q_OBJECT

public:
    StackedLettersLabel(const QString& text, const QColor& colour, QWidget* parent);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_colour;
};

} // namespace display
