// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace display {

class UrlOpener;

// Pages of the publisher's site the program opens.
enum class PageKey {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    FullyBranded,
    CoBrand,
    ZeltoSoftwares,
    ZeltoReferAFriend
};

// "home-page", "help-web-page", ...
QString pageKeyText(PageKey key);
// The site address, "/zelto-free-cartomancy/ssd.php?page=" and the key.
QUrl pageAddress(PageKey key);
void openSitePage(UrlOpener& opener, PageKey key);

QString siteAddress();
QString siteHostName();

} // namespace display
