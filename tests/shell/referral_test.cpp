// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/site_pages.h"
#include "shell/referral.h"
#include "support/case_names.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Entry = shell::ReferralEntry;

Entry completeEntry()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@mail.example"), QStringLiteral("Try this"),
            QStringLiteral("Bob"), QStringLiteral("bob@mail.example")};
}

// One box of the complete entry given another text.
struct Change {
    QString Entry::*box;
    const char* text;
};

struct ValidationCase {
    const char* description;
    std::vector<Change> changes;
    const char* problem; // nullptr when the entry may be sent
};

class ReferralValidation : public testing::TestWithParam<ValidationCase> {};

TEST_P(ReferralValidation, ReportsTheFirstProblemInOrder)
{
    Entry entry = completeEntry();
    for (const Change& change : GetParam().changes)
        entry.*change.box = QString::fromLatin1(change.text);
    const std::optional<QString> expected =
        GetParam().problem ? std::optional(QString::fromLatin1(GetParam().problem)) : std::nullopt;
    EXPECT_EQ(shell::referralProblem(entry), expected);
}

const ValidationCase kValidationCases[] = {
    {"complete", {}, nullptr},
    {"both e-mails empty",
     {{&Entry::referrerEmail, ""}, {&Entry::friendEmail, ""}},
     "Please Enter Distinct Email Addresses"},
    {"equal e-mails beat empty names",
     {{&Entry::friendEmail, "ann@mail.example"}, {&Entry::referrerName, ""}},
     "Please Enter Distinct Email Addresses"},
    {"e-mails differing in case only", {{&Entry::friendEmail, "ANN@mail.example"}}, nullptr},
    {"referrer without @", {{&Entry::referrerEmail, "ann.mail.example"}}, "Please Enter Proper Email Address"},
    {"friend without full stop", {{&Entry::friendEmail, "bob@mail"}}, "Please Enter Proper Email Address"},
    {"address problem before a missing name",
     {{&Entry::friendEmail, "bob@mail"}, {&Entry::referrerName, "Your Name"}},
     "Please Enter Proper Email Address"},
    {"name still the prompt", {{&Entry::referrerName, "Your Name"}}, "Please Enter Your Name"},
    {"message empty and friend's name missing",
     {{&Entry::message, ""}, {&Entry::friendName, ""}},
     "Please Enter Your Message"},
    {"friend's name still the prompt", {{&Entry::friendName, "Friend's Name"}}, "Please Enter Your Friend's Name"},
    {"friend's e-mail still the prompt",
     {{&Entry::friendEmail, "Friend's Email Address"}},
     "Please Enter Proper Email Address"},
};

INSTANTIATE_TEST_SUITE_P(Entries, ReferralValidation, testing::ValuesIn(kValidationCases),
                         [](const auto& info) { return testing_support::caseName(info.param.description); });

TEST(ReferralAddress, KeepsTheKeysInOrderAfterTheReferralPage)
{
    const QUrl address = shell::referralAddress(completeEntry());
    const QString page = display::pageAddress(display::PageKey::ZeltoReferAFriend).toString(QUrl::FullyEncoded);
    EXPECT_TRUE(address.toString(QUrl::FullyEncoded).startsWith(page + QStringLiteral("&taf1=Ann&taf2=")));
    const auto items = QUrlQuery(address).queryItems(QUrl::FullyDecoded);
    QStringList keys;
    for (const auto& item : items)
        keys << item.first;
    ASSERT_EQ(keys.join(QLatin1Char(' ')), QStringLiteral("page taf1 taf2 taf3 taf4 taf5 taf6"));
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
