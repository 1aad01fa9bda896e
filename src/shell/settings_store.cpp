// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settings_store.h"

#include "shell/scrambling.h"
#include "shell/shell_texts.h"

#include <QSettings>

namespace shell {

namespace {

const QString kSection = QStringLiteral("Settings");

QString sectionKey(const QString& key)
{
    return kSection + QLatin1Char('/') + scrambleSetting(key);
}

} // namespace

ScrambledSettingsStore::ScrambledSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, texts::kProgramName,
                                             texts::kProgramName))
{
}

ScrambledSettingsStore::ScrambledSettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
}

ScrambledSettingsStore::~ScrambledSettingsStore()
{
    flush();
}

std::optional<QString> ScrambledSettingsStore::value(const QString& key) const
{
    if (const auto unwritten = m_unwritten.constFind(key); unwritten != m_unwritten.cend())
        return *unwritten;
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
    if (m_unwritten.isEmpty())
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
