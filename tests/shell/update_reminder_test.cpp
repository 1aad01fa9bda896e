// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "shell/update_reminder.h"
#include "support/case_names.h"
#include "support/fake_platform.h"
#include "support/fake_settings.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using testing_support::FakeClock;
using testing_support::FakeMessageBoxes;
using testing_support::FakeSettingsStore;
using testing_support::FakeUrlOpener;

class UpdateReminder : public testing::Test {
protected:
    void storeDaysFromToday(int days)
    {
        settings.values.insert(shell::kLastReminderKey, clock.date.addDays(days).toString(Qt::ISODate));
    }
    void startOnce() { shell::remindOfUpdate({settings, clock, messages, opener}); }
    QString storedText() const { return settings.values.value(shell::kLastReminderKey); }

    FakeSettingsStore settings;
    FakeClock clock;
    FakeMessageBoxes messages;
    FakeUrlOpener opener;
};

TEST_F(UpdateReminder, FirstStart_StoresTodayInIsoFormAndNextStartWithinTheIntervalStaysQuiet)
{
    startOnce();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(storedText(), QStringLiteral("2026-03-10"));
    clock.date = clock.date.addDays(10);
    startOnce();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(storedText(), QStringLiteral("2026-03-10"));
}

struct Boundary {
    int storedDaysFromToday;
    bool asks;
    bool answerYes = false;
};

class UpdateReminderBoundary : public UpdateReminder, public testing::WithParamInterface<Boundary> {};

// Only a Yes opens the download page; either answer starts the interval again from today.
TEST_P(UpdateReminderBoundary, AsksWhenMoreThanFourteenDaysAwayAtMostOnceADayAndOnYesOpensDownloads)
{
    storeDaysFromToday(GetParam().storedDaysFromToday);
    const QString stored = storedText();
    messages.answerYes = GetParam().answerYes;
    startOnce();
    ASSERT_EQ(messages.shown.size(), GetParam().asks ? 1u : 0u);
    if (GetParam().asks) {
        EXPECT_EQ(
            messages.shown[0].text,
            QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
        EXPECT_EQ(messages.shown[0].icon, windows::MessageIcon::Information);
    }
    EXPECT_EQ(storedText(), GetParam().asks ? QStringLiteral("2026-03-10") : stored);
    const std::vector<QUrl> download = {display::pageAddress(display::PageKey::DownloadWebPage)};
    EXPECT_EQ(opener.opened, GetParam().answerYes ? download : std::vector<QUrl>());
    startOnce();
    EXPECT_EQ(messages.shown.size(), GetParam().asks ? 1u : 0u) << "a second start the same day";
}

INSTANTIATE_TEST_SUITE_P(DaysFromToday, UpdateReminderBoundary,
                         testing::Values(Boundary{-400, true, true}, Boundary{-15, true}, Boundary{-14, false},
                                         Boundary{0, false}, Boundary{14, false}, Boundary{15, true, true},
                                         Boundary{400, true}),
                         [](const auto& info) {
                             return testing_support::numberedCases("Days")(
                                 testing::TestParamInfo<int>(info.param.storedDaysFromToday, info.index));
                         });

TEST_F(UpdateReminder, UnreadableStoredValue_CountsAsAFirstStart)
{
    settings.values.insert(shell::kLastReminderKey, QStringLiteral("not a date at all"));
    startOnce();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(storedText(), QStringLiteral("2026-03-10"));
    clock.date = clock.date.addDays(15);
    startOnce();
    EXPECT_EQ(messages.shown.size(), 1u) << "the reminder must not be lost for good";
}

TEST_F(UpdateReminder, ShortDateOfAnOlderVersion_IsStillReadAndRewrittenInIsoForm)
{
    const QDate old = clock.date.addDays(-20);
    settings.values.insert(shell::kLastReminderKey, QLocale().toString(old, QLocale::ShortFormat));
    startOnce();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(storedText(), QStringLiteral("2026-03-10"));
}

// A stored date is read whole: anything around it makes the value unreadable, not a date.
struct StoredText {
    const char* name;
    const char* text;
    std::optional<QDate> date;
};

class ReadReminderDateStrictly : public testing::TestWithParam<StoredText> {};

TEST_P(ReadReminderDateStrictly, AcceptsOnlyAWholeDate)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::optional<QDate> date = shell::readReminderDate(QString::fromUtf8(GetParam().text), QDate(2026, 3, 10));
    QLocale::setDefault(previous);
    EXPECT_EQ(date, GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadReminderDateStrictly,
                         testing::Values(StoredText{"Iso", "2026-01-01", QDate(2026, 1, 1)},
                                         StoredText{"ShortDate", "1/2/26", QDate(2026, 1, 2)},
                                         StoredText{"TwoDigitYearInThisCentury", "2/20/26", QDate(2026, 2, 20)},
                                         StoredText{"IsoWithTrailingLetters", "2026-01-01xxx", std::nullopt},
                                         StoredText{"IsoWithTrailingDigit", "2026-01-011", std::nullopt},
                                         StoredText{"IsoWithTime", "2026-01-01T10:00", std::nullopt},
                                         StoredText{"IsoWithSpaces", " 2026-01-01 ", std::nullopt},
                                         StoredText{"IsoWithNewline", "2026-01-01\n", std::nullopt},
                                         StoredText{"ShortDateWithTrailingLetters", "1/2/26xxx", std::nullopt},
                                         StoredText{"ImpossibleDay", "2026-02-30", std::nullopt}),
                         testing_support::namedCases);

} // namespace
