// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settings_store.h"

#include "shell/scrambling.h"
#include "shell/shell_texts.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace shell {

namespace {

const QString kSection = QStringLiteral("Settings");

// The program writes a few hundred bytes. A file far larger is not one it wrote, and reading it would hold
// up start-up: the settings parser takes seconds and hundreds of megabytes for a 100 MB file.
constexpr qint64 kLargestReadableFile = 1024 * 1024;

bool isReadableSize(const QString& path)
{
    return QFileInfo(path).size() <= kLargestReadableFile;
}

// Where the settings under the executable's name have always been kept.
QString userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           texts::kProgramName + QLatin1Char('/') + texts::kProgramName + QStringLiteral(".conf");
}

QString sectionKey(const QString& key)
{
    return kSection + QLatin1Char('/') + scrambleSetting(key);
}

} // namespace

ScrambledSettingsStore::ScrambledSettingsStore() : ScrambledSettingsStore(userSettingsPath()) {}

ScrambledSettingsStore::ScrambledSettingsStore(const QString& iniFilePath)
{
    // Unreadable, like a file without permission: nothing is read from it and nothing written over it.
    if (isReadableSize(iniFilePath))
        m_settings = std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
}

ScrambledSettingsStore::~ScrambledSettingsStore()
{
    flush();
}

std::optional<QString> ScrambledSettingsStore::value(const QString& key) const
{
    if (const auto unwritten = m_unwritten.constFind(key); unwritten != m_unwritten.cend())
        return *unwritten;
    if (!m_settings)
        return std::nullopt;
    const QVariant stored = m_settings->value(sectionKey(key));
    if (!stored.isValid())
        return std::nullopt;
    const QString text = stored.toString();
    // A value that cannot be unscrambled is still a value: the caller decides what an unreadable one means.
    return unscrambleSetting(text).value_or(text);
}

void ScrambledSettingsStore::setValue(const QString& key, const QString& value)
{
    m_unwritten.insert(key, value);
}

void ScrambledSettingsStore::flush()
{
    // Values set are still read back for this run when the file cannot take them.
    if (m_unwritten.isEmpty() || !m_settings || !isReadableSize(m_settings->fileName()))
        return;
    for (auto entry = m_unwritten.cbegin(); entry != m_unwritten.cend(); ++entry)
        m_settings->setValue(sectionKey(entry.key()), scrambleSetting(entry.value()));
    m_unwritten.clear();
    m_settings->sync();
}

std::optional<QString> TransientSettingsStore::value(const QString& key) const
{
    const auto found = m_values.constFind(key);
    return found == m_values.cend() ? std::nullopt : std::optional(*found);
}

void TransientSettingsStore::setValue(const QString& key, const QString& value)
{
    m_values.insert(key, value);
}

} // namespace shell
