// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/clock.h"
#include "shell/settings_store.h"

#include <QDate>
#include <QHash>

namespace testing_support {

// Keeps values in memory, unscrambled, and counts the writes and the flushes to disk.
class FakeSettingsStore final : public shell::SettingsStore {
public:
    std::optional<QString> value(const QString& key) const override
    {
        const auto found = values.constFind(key);
        if (found == values.cend())
            return std::nullopt;
        return *found;
    }
    void setValue(const QString& key, const QString& value) override
    {
        values.insert(key, value);
        ++writes;
    }
    void flush() override { ++flushes; }

    QHash<QString, QString> values;
    int writes = 0;
    int flushes = 0;
};

class FakeClock final : public shell::Clock {
public:
    explicit FakeClock(QDate initial = QDate(2026, 3, 10)) : date(initial) {}
    QDate today() const override { return date; }
    QDate date;
};

} // namespace testing_support
