// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scrambling.h"
#include "shell/settings_store.h"
#include "support/case_names.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Scrambling : public testing::TestWithParam<QString> {};

TEST_P(Scrambling, RoundTripsAndHidesThePlainText)
{
    const QString scrambled = shell::scrambleSetting(GetParam());
    EXPECT_EQ(shell::unscrambleSetting(scrambled), GetParam());
    if (!GetParam().isEmpty()) {
        EXPECT_FALSE(scrambled.contains(GetParam()));
    }
    for (const QChar character : scrambled)
        EXPECT_TRUE(character.isLetterOrNumber() || character == u'-' || character == u'_') << scrambled.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Texts, Scrambling,
                         testing::Values(QString(), QStringLiteral("lastUpdateReminderDate"),
                                         QStringLiteral("2026-03-10"), QStringLiteral("10/03/2026"),
                                         QStringLiteral("Zelto"), QStringLiteral("d\u00e9j\u00e0 vu \u2603")),
                         [](const auto& info) { return testing_support::caseName(info.param.toStdString()); });

TEST(Scrambling, TextNotMadeByIt_CannotBeUnscrambled)
{
    EXPECT_FALSE(shell::unscrambleSetting(QStringLiteral("2026-03-10 !")).has_value());
}

class ScrambledSettings : public testing::Test {
protected:
    QString path() const { return m_folder.filePath(QStringLiteral("settings.ini")); }
    QTemporaryDir m_folder;
};

TEST_F(ScrambledSettings, Values_AreReadBackAtOnceAndReachTheFileScrambledOnFlushOrWhenTheStoreGoes)
{
    const QString key = QStringLiteral("lastUpdateReminderDate");
    const QString laterKey = QStringLiteral("lastVisitDate");
    {
        shell::ScrambledSettingsStore store(path());
        store.setValue(key, QStringLiteral("2026-03-10"));
        EXPECT_EQ(store.value(key), QStringLiteral("2026-03-10"));
        EXPECT_FALSE(QFile::exists(path())) << "start-up does not wait for the disk";
        store.flush();
        EXPECT_EQ(shell::ScrambledSettingsStore(path()).value(key), QStringLiteral("2026-03-10"));
        store.setValue(laterKey, QStringLiteral("2027-01-01"));
    }
    EXPECT_EQ(shell::ScrambledSettingsStore(path()).value(laterKey), QStringLiteral("2027-01-01"));
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    EXPECT_TRUE(contents.contains("[Settings]"));
    for (const char* plain : {"lastUpdateReminderDate", "2026-03-10", "lastVisitDate", "2027-01-01"})
        EXPECT_FALSE(contents.contains(plain)) << plain;
}

TEST_F(ScrambledSettings, ValueEditedByHand_IsHandedBackAsItStands)
{
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Settings/") + shell::scrambleSetting(QStringLiteral("key")),
                     QStringLiteral("3/10/26 !"));
    }
    EXPECT_EQ(shell::ScrambledSettingsStore(path()).value(QStringLiteral("key")), QStringLiteral("3/10/26 !"));
}

// Far larger than any the program writes: not read (that would hold up start-up; the value it starts with
// is not found), not replaced; values set are still there for this run.
TEST_F(ScrambledSettings, FileFarLargerThanAnyItWrites_IsTreatedAsUnreadable)
{
    const QString key = QStringLiteral("lastUpdateReminderDate");
    {
        QSettings raw(path(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Settings/") + shell::scrambleSetting(key),
                     shell::scrambleSetting(QStringLiteral("x")));
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.write(QByteArray(2 * 1024 * 1024, ';')));
    file.close();
    const qint64 size = QFileInfo(path()).size();

    shell::ScrambledSettingsStore store(path());
    EXPECT_EQ(store.value(key), std::nullopt);
    store.setValue(key, QStringLiteral("2026-03-10"));
    store.flush();
    EXPECT_EQ(store.value(key), QStringLiteral("2026-03-10"));
    EXPECT_EQ(QFileInfo(path()).size(), size);
}

} // namespace
