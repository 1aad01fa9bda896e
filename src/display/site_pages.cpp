// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"

#include "display/look.h"
#include "display/platform.h"
#include "site_settings.h"

#include <array>
#include <string_view>

namespace display {
namespace {

// In PageKey order.
constexpr std::array<std::string_view, 8> kPageKeys = {
    "home-page",     "help-web-page", "download-web-page", "donate",
    "fully-branded", "co-brand",      "zeltosoftwares",    "zelto-refer-a-friend",
};

} // namespace

QString pageKeyText(PageKey key)
{
    const auto index = static_cast<std::size_t>(key);
    return index < kPageKeys.size() ? fromView(kPageKeys[index]) : QString();
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
