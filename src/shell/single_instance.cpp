// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include "shell/home_folder.h"
#include "shell/shell_texts.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace shell {

namespace {

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
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.getLockInfo(&pid, &host, &application) && !application.isEmpty())
        return false;
    // Empty, cut short or garbled, as a crash while it was written leaves it; without the program's name a
    // process id could be anybody's. A live holder keeps a system lock on the file, so removing fails while
    // one runs.
    if (m_lock.removeStaleLockFile())
        return m_lock.tryLock(0);
    // A file this user cannot even open was not left by a running copy, which keeps its lock file readable.
    QFile file(m_lock.fileName());
    if (!file.open(QIODevice::ReadOnly) && file.error() == QFileDevice::OpenError && file.exists() && file.remove())
        return m_lock.tryLock(0);
    return false;
}

QString SingleInstanceLock::defaultLockFilePath()
{
    return lockFilePathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), passwdHomeFolder(), QDir::tempPath());
}

QString SingleInstanceLock::lockFilePathIn(const QString& runtimeFolder, const QString& homeFolder,
                                           const QString& temporaryFolder)
{
    const QString fileName = texts::kProgramName + QStringLiteral(".lock");
    if (isPrivateFolder(runtimeFolder))
        return QDir(runtimeFolder).filePath(fileName);
    if (!homeFolder.isEmpty()) {
        // Only inside a home that exists: a passwd entry may name one that does not (/nonexistent).
        const QString cache = QDir(homeFolder).filePath(QStringLiteral(".cache"));
        ::mkdir(QFile::encodeName(cache).constData(), 0700);
        const QString folder = madePrivateFolder(QDir(cache).filePath(texts::kProgramName));
        if (!folder.isEmpty())
            return QDir(folder).filePath(fileName);
    }
    const QString folder = madePrivateFolder(
        QDir(temporaryFolder).filePath(texts::kProgramName + QLatin1Char('-') + QString::number(::geteuid())));
    return folder.isEmpty() ? QString() : QDir(folder).filePath(fileName);
}

} // namespace shell
