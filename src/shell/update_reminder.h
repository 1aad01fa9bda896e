// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace display {
class UrlOpener;
} // namespace display
namespace windows {
class MessageBoxes;
} // namespace windows

namespace shell {

class Clock;
class SettingsStore;

inline const QString kLastReminderKey = QStringLiteral("lastUpdateReminderDate");
// A stored date this many whole days away, in either direction, does not remind yet.
constexpr int kReminderIntervalDays = 14;

struct ReminderServices {
    SettingsStore& settings;
    const Clock& clock;
    windows::MessageBoxes& messageBoxes;
    display::UrlOpener& urlOpener;
};

// Asks about an update when the last reminder is more than the interval away from today, and remembers today.
void remindOfUpdate(const ReminderServices& services);

// A stored reminder date: ISO 8601, or the short date of the locale that older versions wrote.
std::optional<QDate> readReminderDate(const QString& text, const QDate& today);

} // namespace shell
