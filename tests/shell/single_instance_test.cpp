// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// A lock holder in its own process; it keeps the lock until its stdin closes or it is killed.
class OtherProcess {
public:
    explicit OtherProcess(const QString& lockPath)
    {
        m_process.start(QStringLiteral(LOCK_HOLDER_PATH), {lockPath});
        m_started = m_process.waitForStarted(30000) && m_process.waitForReadyRead(30000);
        if (m_started)
            m_answer = QString::fromLatin1(m_process.readLine()).trimmed();
    }
    ~OtherProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.closeWriteChannel();
            if (!m_process.waitForFinished(30000))
                m_process.kill();
        }
    }
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;

    bool started() const { return m_started; }
    QString answer() const { return m_answer; }
    void crash()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(30000);
    }
    void quit()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
    }

private:
    QProcess m_process;
    bool m_started = false;
    QString m_answer;
};

class SingleInstance : public testing::Test {
protected:
    QString lockPath() const { return m_folder.filePath(QStringLiteral("instance.lock")); }
    QTemporaryDir m_folder;
};

TEST_F(SingleInstance, FirstCopy_GetsTheLock)
{
    shell::SingleInstanceLock lock(lockPath());
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_TRUE(lock.isHeld());
}

TEST_F(SingleInstance, SecondProcess_IsRefusedWhileTheFirstRuns)
{
    shell::SingleInstanceLock lock(lockPath());
    ASSERT_TRUE(lock.tryAcquire());
    OtherProcess second(lockPath());
    ASSERT_TRUE(second.started());
    EXPECT_EQ(second.answer(), QStringLiteral("busy"));
    EXPECT_TRUE(lock.isHeld()) << "the first copy keeps running undisturbed";
}

TEST_F(SingleInstance, ThisProcess_IsRefusedWhileAnotherHoldsTheLock)
{
    OtherProcess first(lockPath());
    ASSERT_TRUE(first.started());
    ASSERT_EQ(first.answer(), QStringLiteral("held"));
    shell::SingleInstanceLock lock(lockPath());
    EXPECT_FALSE(lock.tryAcquire());
}

TEST_F(SingleInstance, LockLeftByACrashedCopy_DoesNotBlockTheNextStart)
{
    OtherProcess crashed(lockPath());
    ASSERT_TRUE(crashed.started());
    ASSERT_EQ(crashed.answer(), QStringLiteral("held"));
    crashed.crash();
    shell::SingleInstanceLock lock(lockPath());
    EXPECT_TRUE(lock.tryAcquire());
}

TEST_F(SingleInstance, CopyThatEndedNormally_LeavesTheLockFree)
{
    {
        OtherProcess first(lockPath());
        ASSERT_EQ(first.answer(), QStringLiteral("held"));
        first.quit();
    }
    OtherProcess next(lockPath());
    EXPECT_EQ(next.answer(), QStringLiteral("held"));
}

} // namespace
