// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include "shell/home_folder.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

// How long a starting copy waits while another clears a leftover lock file.
constexpr int kClearingWait = 5000;

// A real folder (not a link to one) that only this user can enter.
bool isPrivateFolder(const QString& path)
{
    struct stat status {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

QString madePrivateFolder(const QString& path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0700);
    return isPrivateFolder(path) ? path : QString();
}

QString lockFileName()
{
    return texts::kProgramName + QStringLiteral(".lock");
}

// A private folder where the lock can be made: this user may create files in it (a runtime folder may be
// mounted read-only or have lost its write bit), and nothing but a file stands at the lock's name (a folder
// there would refuse every start, and reading a FIFO there would never return).
QString lockPlaceIn(const QString& folder)
{
    if (folder.isEmpty() || !isPrivateFolder(folder) ||
        ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return {};
    const QString path = QDir(folder).filePath(lockFileName());
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0 ? !S_ISREG(status.st_mode) : errno != ENOENT)
        return {};
    return path;
}

// Removes the lock file at path when no running copy holds it, whoever wrote it and wherever: a copy that
// runs keeps a system lock on its lock file for its whole life (QLockFile takes one), so a file on which that
// lock can be had is left over, even when it names a process on another host, or is root's and names one
// that is gone. Its contents alone cannot tell: another host's process ids mean nothing here.
bool removeLeftover(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int descriptor = ::open(name.constData(), O_RDWR | kFlags);
    if (descriptor < 0 && errno == EACCES)
        descriptor = ::open(name.constData(), O_RDONLY | kFlags);
    if (descriptor < 0) {
        // A file this user cannot even read was not left by a running copy, which keeps its lock file readable.
        return errno == EACCES && ::unlink(name.constData()) == 0;
    }
    struct stat opened {};
    struct stat current {};
    // Only the file that was tested: another starting copy may have put a fresh one in its place since.
    const bool removed = ::fstat(descriptor, &opened) == 0 && S_ISREG(opened.st_mode) &&
                         ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && ::lstat(name.constData(), &current) == 0 &&
                         current.st_dev == opened.st_dev && current.st_ino == opened.st_ino &&
                         ::unlink(name.constData()) == 0;
    ::close(descriptor);
    return removed;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : m_lock(lockFilePath)
{
    // Never by age: a copy may run for days. A dead holder is still recognised by its process id.
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    if (m_lock.error() != QLockFile::LockFailedError)
        return true;
    // Copies starting together clear a leftover one at a time, by the rule QLockFile itself follows, so that
    // none removes the lock another has just made.
    QLockFile clearing(m_lock.fileName() + QStringLiteral(".rmlock"));
    if (!clearing.tryLock(kClearingWait))
        return false;
    if (m_lock.tryLock(0))
        return true;
    return removeLeftover(m_lock.fileName()) && m_lock.tryLock(0);
}

QString SingleInstanceLock::defaultLockFilePath()
{
    return lockFilePathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), passwdHomeFolder(), QDir::tempPath());
}

QString SingleInstanceLock::lockFilePathIn(const QString& runtimeFolder, const QString& homeFolder,
                                           const QString& temporaryFolder)
{
    if (const QString path = lockPlaceIn(runtimeFolder); !path.isEmpty())
        return path;
    if (!homeFolder.isEmpty()) {
        // Only inside a home that exists: a passwd entry may name one that does not (/nonexistent).
        const QString cache = QDir(homeFolder).filePath(QStringLiteral(".cache"));
        ::mkdir(QFile::encodeName(cache).constData(), 0700);
        if (const QString path = lockPlaceIn(madePrivateFolder(QDir(cache).filePath(texts::kProgramName)));
            !path.isEmpty())
            return path;
    }
    return lockPlaceIn(madePrivateFolder(
        QDir(temporaryFolder).filePath(texts::kProgramName + QLatin1Char('-') + QString::number(::geteuid()))));
}

} // namespace shell
