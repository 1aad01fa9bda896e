// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace shell {

// The home folder of the passwd entry of this process's user, or empty.
QString passwdHomeFolder();

// Without HOME, Qt keeps settings under the filesystem root. Sets HOME from the passwd entry when it is
// missing or empty; false when there is no home to be found, and nothing should then be kept between runs.
bool ensureHomeFolder();

} // namespace shell
