// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "support/case_names.h"
#include "support/fake_url_opener.h"

#include <gtest/gtest.h>

namespace {

using display::PageKey;

struct PageCase {
    PageKey key;
    const char* text;
};

class SitePageTest : public testing::TestWithParam<PageCase> {};

TEST_P(SitePageTest, OpeningAPageHandsTheSiteThePathAndTheKeyToTheDesktopOnce)
{
    const PageCase page = GetParam();
    const QString expected = display::siteAddress() + QStringLiteral("/zelto-free-cartomancy/ssd.php?page=") +
                             QString::fromLatin1(page.text);
    testing_support::FakeUrlOpener opener;

    display::openSitePage(opener, page.key);

    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened.front().toString(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllPages, SitePageTest,
    testing::Values(PageCase{PageKey::HomePage, "home-page"}, PageCase{PageKey::HelpWebPage, "help-web-page"},
                    PageCase{PageKey::DownloadWebPage, "download-web-page"}, PageCase{PageKey::Donate, "donate"},
                    PageCase{PageKey::FullyBranded, "fully-branded"}, PageCase{PageKey::CoBrand, "co-brand"},
                    PageCase{PageKey::ZeltoSoftwares, "zeltosoftwares"},
                    PageCase{PageKey::ZeltoReferAFriend, "zelto-refer-a-friend"}),
    [](const auto& info) { return testing_support::caseName(info.param.text); });

} // namespace
