// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

namespace shell {

// One running copy per user: a lock file held for the life of the process.
class SingleInstanceLock final {
public:
    explicit SingleInstanceLock(const QString& lockFilePath);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False while another running process holds the lock; a lock left by a process that died is taken over.
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }

    // In the user's runtime folder, else in the temporary folder under the user's name.
    static QString defaultLockFilePath();

private:
    QLockFile m_lock;
};

} // namespace shell
