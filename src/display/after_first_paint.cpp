// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace display {

namespace {

// Lives as the window's child, so it goes with the window.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work) : QObject(&window), m_work(std::move(work))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            // A zero timer fires only once the paint has been drawn and flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> work = std::move(m_work);
                deleteLater();
                work();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_painted = false;
};

} // namespace

void runAfterFirstPaint(QWidget& window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}

} // namespace display
