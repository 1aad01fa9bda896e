// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "shell/referral.h"
#include "support/case_names.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

shell::ReferralEntry completeEntry()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Try this"),
            QStringLiteral("Bob"), QStringLiteral("bob@mail.example")};
}

shell::ReferralEntry untouchedForm()
{
    return {QStringLiteral("Your Name"), QStringLiteral("Your Email Address"), QStringLiteral("Your Message"),
            QStringLiteral("Friend's Name"), QStringLiteral("Friend's Email Address")};
}

struct ValidationCase {
    const char* description;
    shell::ReferralEntry entry;
    std::optional<QString> problem;
};

class ReferralValidation : public testing::TestWithParam<ValidationCase> {};

TEST_P(ReferralValidation, ReportsTheFirstProblemInOrder)
{
    EXPECT_EQ(shell::referralProblem(GetParam().entry), GetParam().problem) << GetParam().description;
}

ValidationCase with(const char* description, void (*change)(shell::ReferralEntry&), const char* problem,
                    shell::ReferralEntry base = completeEntry())
{
    change(base);
    return {description, base, problem ? std::optional<QString>(QString::fromLatin1(problem)) : std::nullopt};
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReferralValidation,
    testing::Values(
        with(
            "complete", [](shell::ReferralEntry&) {}, nullptr),
        with(
            "untouched form", [](shell::ReferralEntry&) {}, "Please Enter Proper Email Address", untouchedForm()),
        with(
            "both e-mails empty", [](shell::ReferralEntry& e) { e.referrerEmail = e.friendEmail = QString(); },
            "Please Enter Distinct Email Addresses"),
        with(
            "equal e-mails beat empty names",
            [](shell::ReferralEntry& e) {
                e.friendEmail = e.referrerEmail;
                e.referrerName.clear();
            },
            "Please Enter Distinct Email Addresses"),
        with(
            "e-mails differing in case only",
            [](shell::ReferralEntry& e) { e.friendEmail = QStringLiteral("ANN@mail.example"); }, nullptr),
        with(
            "referrer without @", [](shell::ReferralEntry& e) { e.referrerEmail = QStringLiteral("ann.mail.example"); },
            "Please Enter Proper Email Address"),
        with(
            "friend without full stop", [](shell::ReferralEntry& e) { e.friendEmail = QStringLiteral("bob@mail"); },
            "Please Enter Proper Email Address"),
        with(
            "address problem before a missing name",
            [](shell::ReferralEntry& e) {
                e.friendEmail = QStringLiteral("bob@mail");
                e.referrerName = QStringLiteral("Your Name");
            },
            "Please Enter Proper Email Address"),
        with(
            "name still the prompt", [](shell::ReferralEntry& e) { e.referrerName = QStringLiteral("Your Name"); },
            "Please Enter Your Name"),
        with(
            "message empty and friend's name missing",
            [](shell::ReferralEntry& e) {
                e.message.clear();
                e.friendName.clear();
            },
            "Please Enter Your Message"),
        with(
            "friend's name still the prompt",
            [](shell::ReferralEntry& e) { e.friendName = QStringLiteral("Friend's Name"); },
            "Please Enter Your Friend's Name"),
        with(
            "friend's e-mail still the prompt",
            [](shell::ReferralEntry& e) { e.friendEmail = QStringLiteral("Friend's Email Address"); },
            "Please Enter Proper Email Address")),
    [](const auto& info) { return testing_support::caseName(info.param.description); });

TEST(ReferralAddress, KeepsTheKeysInOrderAfterTheReferralPage)
{
    const QUrl address = shell::referralAddress(completeEntry());
    const QString page = display::pageAddress(display::PageKey::ZeltoReferAFriend).toString(QUrl::FullyEncoded);
    EXPECT_TRUE(address.toString(QUrl::FullyEncoded).startsWith(page + QStringLiteral("&taf1=Ann&taf2=")));
    const auto items = QUrlQuery(address).queryItems(QUrl::FullyDecoded);
    ASSERT_EQ(items.size(), 7);
    const QStringList keys = {QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"),
                              QStringLiteral("taf3"), QStringLiteral("taf4"), QStringLiteral("taf5"),
                              QStringLiteral("taf6")};
    for (int i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].first, keys[i]);
    EXPECT_EQ(items[0].second, QStringLiteral("zelto-refer-a-friend"));
    EXPECT_EQ(items[6].second, display::siteAddress() + QStringLiteral("/zelto-free-cartomancy/"));
}

TEST(ReferralAddress, MessageWithSeparatorsAndLineBreaks_StaysOneValue)
{
    shell::ReferralEntry entry = completeEntry();
    entry.message = QStringLiteral("Tom & Jerry #1 say=hi\r\nsee you?");
    entry.friendName = QStringLiteral("Bob+Co");
    const QUrl address = shell::referralAddress(entry);
    ASSERT_TRUE(address.isValid());
    EXPECT_TRUE(address.fragment().isEmpty());
    const QString encoded = address.toString(QUrl::FullyEncoded);
    EXPECT_FALSE(encoded.contains(QLatin1Char(' ')));
    EXPECT_FALSE(encoded.contains(QLatin1Char('\n')));
    const QUrlQuery query(address);
    EXPECT_EQ(query.queryItems().size(), 7);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), entry.message);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), QStringLiteral("Bob+Co"));
}

TEST(TrimSpaces, RemovesOnlySurroundingSpaces)
{
    EXPECT_EQ(shell::trimSpaces(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(shell::trimSpaces(QStringLiteral("   ")), QString());
    EXPECT_EQ(shell::trimSpaces(QStringLiteral(" line\r\n")), QStringLiteral("line\r\n"));
}

} // namespace
