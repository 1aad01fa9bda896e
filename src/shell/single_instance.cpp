// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/single_instance.h"

#include "shell/shell_texts.h"

#include <QDir>
#include <QStandardPaths>

namespace shell {

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath) : m_lock(lockFilePath)
{
    // Never by age: a copy may run for days. A dead holder is still recognised by its process id.
    m_lock.setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstanceLock::defaultLockFilePath()
{
    const QString fileName = texts::kProgramName + QStringLiteral(".lock");
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime))
        return QDir(runtime).filePath(fileName);
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return QDir(QDir::tempPath()).filePath(texts::kProgramName + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

} // namespace shell
