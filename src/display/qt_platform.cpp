// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/qt_platform.h"

#include <QDesktopServices>
#include <QUrl>

namespace display {

void DesktopUrlOpener::openUrl(const QUrl& address)
{
    // The desktop reports no failure worth showing: a page that cannot be opened is simply not opened.
    QDesktopServices::openUrl(address);
}

} // namespace display
