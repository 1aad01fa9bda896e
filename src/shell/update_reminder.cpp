// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/update_reminder.h"

#include "display/site_pages.h"
#include "shell/clock.h"
#include "shell/settings_store.h"
#include "shell/shell_texts.h"
#include "windows/platform.h"

#include <QLocale>

#include <cstdlib>

namespace shell {

namespace {

// Two-digit years read as 19xx; a date that lands half a century back belongs to this century.
QDate withLikelyCentury(QDate date, const QDate& today)
{
    while (date.isValid() && date.addYears(50) < today)
        date = date.addYears(100);
    return date;
}

void storeToday(const ReminderServices& services, const QDate& today)
{
    services.settings.setValue(kLastReminderKey, today.toString(Qt::ISODate));
}

} // namespace

std::optional<QDate> readReminderDate(const QString& text, const QDate& today)
{
    // Qt reads an ISO date from the start of the text and ignores what follows; the whole text must be one.
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid() && iso.toString(Qt::ISODate) == text)
        return iso;
    for (const QLocale& locale : {QLocale(), QLocale::system()}) {
        const QDate shortDate = withLikelyCentury(locale.toDate(text, QLocale::ShortFormat), today);
        if (shortDate.isValid())
            return shortDate;
    }
    return std::nullopt;
}

void remindOfUpdate(const ReminderServices& services)
{
    const QDate today = services.clock.today();
    const std::optional<QString> stored = services.settings.value(kLastReminderKey);
    const std::optional<QDate> last = stored ? readReminderDate(*stored, today) : std::nullopt;
    // A value nobody can read would otherwise silence the reminder for good: start over from today.
    if (!last) {
        storeToday(services, today);
        return;
    }
    // Older versions wrote the locale's short date; keep the date but in a form every locale reads.
    if (*stored != last->toString(Qt::ISODate))
        services.settings.setValue(kLastReminderKey, last->toString(Qt::ISODate));
    if (std::abs(today.daysTo(*last)) <= kReminderIntervalDays)
        return;
    const bool wantsUpdate =
        services.messageBoxes.askYesNo(nullptr, texts::updateQuestion(), windows::MessageIcon::Information);
    storeToday(services, today);
    if (wantsUpdate)
        display::openSitePage(services.urlOpener, display::PageKey::DownloadWebPage);
}

} // namespace shell
