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

    // False only while another running process holds the lock. A lock file that no running process holds is
    // taken over, whatever it says: left by a process that died, written on another host, or unreadable.
    // Where no lock can be made at all the program runs unguarded: refusing every start would be worse than
    // allowing a second copy.
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }

    // In the user's runtime folder when it is private, else in a private folder of ours (mode 0700) under
    // the cache folder of the passwd entry's home, else under the temporary folder, named by user id; so
    // $USER and $HOME never split one user's copies, and no other user can plant the lock. A folder this user
    // cannot write in, or one where something other than a file stands at the lock's name, is passed over.
    // Empty when none of these can be used.
    static QString defaultLockFilePath();
    static QString lockFilePathIn(const QString& runtimeFolder, const QString& homeFolder,
                                  const QString& temporaryFolder);

private:
    QLockFile m_lock;
};

} // namespace shell
