// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace shell {

// The per-user store of values kept between runs.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing when the key was never written.
    virtual std::optional<QString> value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
    // Puts what was set on disk; until then, and always within this run, value() already returns it.
    virtual void flush() {}
};

// QSettings under the executable's name, section "Settings", keys and values scrambled. Values set are
// written on flush() or when the store goes away: a write that waits on the disk must not hold up start-up.
// A file far larger than the program writes is garbage: it is treated as unreadable, neither read nor
// replaced, and values set are kept for this run only.
class ScrambledSettingsStore final : public SettingsStore {
public:
    // The user's own settings.
    ScrambledSettingsStore();
    // An INI file at the path, for tests.
    explicit ScrambledSettingsStore(const QString& iniFilePath);
    ~ScrambledSettingsStore() override;
    ScrambledSettingsStore(const ScrambledSettingsStore&) = delete;
    ScrambledSettingsStore& operator=(const ScrambledSettingsStore&) = delete;

    std::optional<QString> value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QString> m_unwritten; // plain key and value
};

// Values kept for this run only, for a user without a home folder.
class TransientSettingsStore final : public SettingsStore {
public:
    std::optional<QString> value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;

private:
    QHash<QString, QString> m_values;
};

} // namespace shell
