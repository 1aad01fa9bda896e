// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"
#include "support/case_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A lock holder in its own process; it keeps the lock until its stdin closes or it is killed. Its answer is
// "held", "busy", or empty when it did not start.
class OtherProcess {
public:
    explicit OtherProcess(const QString& lockPath)
    {
        m_process.start(QStringLiteral(LOCK_HOLDER_PATH), {lockPath});
        if (m_process.waitForStarted(30000) && m_process.waitForReadyRead(30000))
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
    QString answer() const { return m_answer; }
    void crash()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(30000);
    }

private:
    QProcess m_process;
    QString m_answer;
};

class SingleInstance : public testing::Test {
protected:
    QString lockPath() const { return m_folder.filePath(QStringLiteral("instance.lock")); }
    QTemporaryDir m_folder;
};

TEST_F(SingleInstance, FirstCopy_GetsTheLockAndASecondProcessIsRefusedWhileItRuns)
{
    shell::SingleInstanceLock lock(lockPath());
    ASSERT_TRUE(lock.tryAcquire());
    OtherProcess second(lockPath());
    EXPECT_EQ(second.answer(), QStringLiteral("busy"));
    EXPECT_TRUE(lock.isHeld()) << "the first copy keeps running undisturbed";
}

TEST_F(SingleInstance, ThisProcess_IsRefusedWhileAnotherHoldsTheLock)
{
    OtherProcess first(lockPath());
    ASSERT_EQ(first.answer(), QStringLiteral("held"));
    shell::SingleInstanceLock lock(lockPath());
    EXPECT_FALSE(lock.tryAcquire());

    // Nor does a garbled file free a lock whose holder lives.
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\xff garbage");
    file.close();
    EXPECT_FALSE(shell::SingleInstanceLock(lockPath()).tryAcquire());
}

TEST_F(SingleInstance, CopyThatEndedNormallyOrCrashed_LeavesTheLockFree)
{
    for (const bool crash : {false, true}) {
        {
            OtherProcess first(lockPath());
            ASSERT_EQ(first.answer(), QStringLiteral("held"));
            if (crash)
                first.crash();
        } // ends it the normal way, as its stdin closes, unless it crashed
        EXPECT_TRUE(shell::SingleInstanceLock(lockPath()).tryAcquire()) << (crash ? "crashed" : "ended normally");
    }
}

// Lock files whose holder cannot be identified, or is gone, as a crash or power loss leaves them.
struct LeftoverLock {
    const char* name;
    QByteArray contents;
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
};

class LeftoverLockFile : public SingleInstance, public testing::WithParamInterface<LeftoverLock> {};

TEST_P(LeftoverLockFile, DoesNotBlockTheNextStart)
{
    QFile file(lockPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().contents);
    file.close();
    file.setPermissions(GetParam().permissions);
    shell::SingleInstanceLock lock(lockPath());
    EXPECT_TRUE(lock.tryAcquire());
    EXPECT_TRUE(lock.isHeld());
}

INSTANTIATE_TEST_SUITE_P(
    Contents, LeftoverLockFile,
    testing::Values(LeftoverLock{"Empty", QByteArray()}, LeftoverLock{"Garbage", QByteArray("\xff\xfe\0 junk\n", 9)},
                    // A live process's id without the program's name proves nothing about who holds it.
                    LeftoverLock{"CutAfterTheProcessId", QByteArray::number(qint64(::getpid())) + '\n'},
                    LeftoverLock{"DeadHolder", QByteArray("2147483646\nzelto-cartomancy\n") +
                                                   QSysInfo::machineHostName().toUtf8() + '\n'},
                    LeftoverLock{"Unreadable", QByteArray("1\n"), QFile::Permissions()},
                    // Another host's process ids say nothing here; only whether anyone holds the file does.
                    LeftoverLock{"WrittenOnAnotherHost",
                                 QByteArray::number(qint64(::getpid())) + "\nzelto-cartomancy\nother-host.example\n"},
                    // As an ordinary user, like a lock root left in the user's folder: readable, not writable.
                    LeftoverLock{"ReadOnlyDeadHolder",
                                 QByteArray("2147483646\nzelto-cartomancy\n") + QSysInfo::machineHostName().toUtf8() +
                                     '\n',
                                 QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther}),
    testing_support::namedCases);

// Where the lock goes, given the runtime folder, the passwd home and the temporary folder.
class LockPlace : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        for (const char* name : {"runtime", "home", "tmp"})
            QDir(m_folder.path()).mkdir(QString::fromLatin1(name));
        ::chmod(QFile::encodeName(path("runtime")).constData(), 0700);
    }
    QString path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }
    QString ownTemporary() const
    {
        return path("tmp") + QStringLiteral("/zelto-cartomancy-") + QString::number(::geteuid());
    }
    static bool isPrivate(const QString& folder)
    {
        struct stat status {};
        return ::lstat(QFile::encodeName(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
               status.st_uid == ::geteuid() && (status.st_mode & 0777) == 0700;
    }
    QTemporaryDir m_folder;
};

TEST_F(LockPlace, IsAFolderNoOtherUserCanPlantAFileIn)
{
    struct Case {
        const char* name;
        QString runtime;
        mode_t runtimeMode;
        QString home;
        QString expectedFolder;
        bool folderAtTheLocksName = false;
    };
    const QString homeCache = path("home") + QStringLiteral("/.cache/zelto-cartomancy");
    const Case cases[] = {
        // Root may write in any folder it owns.
        {"runtime folder without write permission", path("runtime"), 0500, path("home"),
         ::geteuid() == 0 ? path("runtime") : homeCache},
        {"a folder at the lock's name", path("runtime"), 0700, path("home"), homeCache, true},
        {"private runtime folder", path("runtime"), 0700, path("home"), path("runtime")},
        {"shared runtime folder", path("runtime"), 0777, path("home"), homeCache},
        {"no runtime folder", QString(), 0700, path("home"), homeCache},
        {"no runtime folder, no home", QString(), 0700, QString(), ownTemporary()},
        {"no runtime folder, home missing", QString(), 0700, path("home") + QStringLiteral("/missing"), ownTemporary()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString taken = path("runtime") + QStringLiteral("/zelto-cartomancy.lock");
        ASSERT_TRUE(!c.folderAtTheLocksName || QDir().mkdir(taken));
        ::chmod(QFile::encodeName(path("runtime")).constData(), c.runtimeMode);
        const QString lock = shell::SingleInstanceLock::lockFilePathIn(c.runtime, c.home, path("tmp"));
        ::chmod(QFile::encodeName(path("runtime")).constData(), 0700);
        QDir().rmdir(taken);
        EXPECT_EQ(QFileInfo(lock).absolutePath().toStdString(), c.expectedFolder.toStdString());
        EXPECT_TRUE(isPrivate(c.expectedFolder));
        EXPECT_FALSE(QFileInfo::exists(path("home") + QStringLiteral("/missing")));
    }
}

TEST_F(LockPlace, PlantedTemporaryFolder_IsNotUsed)
{
    const QString planted = ownTemporary();
    ASSERT_TRUE(QDir().mkdir(planted));
    ::chmod(QFile::encodeName(planted).constData(), 0777);
    EXPECT_EQ(shell::SingleInstanceLock::lockFilePathIn(QString(), QString(), path("tmp")), QString());
    shell::SingleInstanceLock lock{QString()};
    EXPECT_TRUE(lock.tryAcquire()) << "without a safe place for the lock the program still starts";
}

} // namespace
