// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/home_folder.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace shell {

QString passwdHomeFolder()
{
    const passwd* entry = ::getpwuid(::geteuid());
    return entry && entry->pw_dir && entry->pw_dir[0] == '/' ? QFile::decodeName(entry->pw_dir) : QString();
}

bool ensureHomeFolder()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return true;
    const QString home = passwdHomeFolder();
    return !home.isEmpty() && qputenv("HOME", QFile::encodeName(home));
}

} // namespace shell
