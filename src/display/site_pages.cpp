// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "display/look.h"

#include "display/platform.h"
#include "site_settings.h"

namespace display {
namespace {

} // namespace

QString pageKeyText(PageKey key)
{
    switch (key) {
    case PageKey::HomePage:
        return QStringLiteral("home-page");
    case PageKey::HelpWebPage:
        return QStringLiteral("help-web-page");
    case PageKey::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case PageKey::Donate:
        return QStringLiteral("donate");
    case PageKey::FullyBranded:
        return QStringLiteral("fully-branded");
    case PageKey::CoBrand:
        return QStringLiteral("co-brand");
    case PageKey::ZeltoSoftwares:
        return QStringLiteral("zeltosoftwares");
    case PageKey::ZeltoReferAFriend:
        return QStringLiteral("zelto-refer-a-friend");
    }
    return {};
}

QUrl pageAddress(PageKey key)
{
    // One fixed string per page, used as it stands: the site address is not validated or re-encoded.
    return QUrl(siteAddress() + QStringLiteral("/zelto-free-cartomancy/ssd.php?page=") + pageKeyText(key));
}

void openSitePage(UrlOpener& opener, PageKey key)
{
    opener.openUrl(pageAddress(key));
}

QString siteAddress()
{
    return fromView(site::kSiteAddress);
}

QString siteHostName()
{
    return fromView(site::kHostName);
}

} // namespace display
