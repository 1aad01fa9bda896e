// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/scrambling.h"
#include "shell/settings_store.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<QTemporaryDir> g_folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = std::make_unique<QTemporaryDir>();
    std::atexit([] { g_folder.reset(); });
    return g_folder->isValid() ? 0 : 1;
}

// The input is a settings file as found on disk, read as the program reads it at start-up; it is also a text
// to scramble, which must come back unchanged, and a stored text to unscramble. (Writing is left out: it
// would spend each run waiting on the disk, and what the store writes is its own scrambled text.)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    if (shell::unscrambleSetting(shell::scrambleSetting(text)) != text)
        std::abort();
    shell::unscrambleSetting(QString::fromLatin1(bytes));

    // A new time each run: the settings cache takes an unchanged size and time for an unchanged file. One name
    // for every run, so that the cache does not grow and every run look like a leak.
    static qint64 runs = 0;
    const QString path = QDir(g_folder->path()).filePath(QStringLiteral("settings.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
            !file.setFileTime(QDateTime::fromSecsSinceEpoch(++runs), QFileDevice::FileModificationTime))
            std::abort();
    }
    const QString key = QStringLiteral("lastUpdateReminderDate");
    shell::ScrambledSettingsStore store(path);
    store.value(key);
    store.value(text.left(20));
    return 0;
}
