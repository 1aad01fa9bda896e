// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <array>
#include <optional>

// The refer-a-friend form of the exit window: its fields, their checks and the page address they make.
namespace shell {

struct ReferralEntry {
    QString referrerName;
    QString referrerEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

struct ReferralField {
    QString ReferralEntry::*value;
    const char* boxName;
    const char* prompt;
    const char* missingMessage;
};

// In the order they are checked and sent.
inline constexpr std::array<ReferralField, 5> kReferralFields = {{
    {&ReferralEntry::referrerName, "txtName", "Your Name", "Please Enter Your Name"},
    {&ReferralEntry::referrerEmail, "txtEmail", "Your Email Address", "Please Enter Your Email"},
    {&ReferralEntry::message, "txtMessage", "Your Message", "Please Enter Your Message"},
    {&ReferralEntry::friendName, "txtFriendName", "Friend's Name", "Please Enter Your Friend's Name"},
    {&ReferralEntry::friendEmail, "txtFriendEmail", "Friend's Email Address", "Please Enter Your Friend's Email"},
}};

// Removes leading and trailing space characters only; line breaks in a message stay.
QString trimSpaces(const QString& text);

// The message that stops the referral, or nothing when it may be sent.
std::optional<QString> referralProblem(const ReferralEntry& entry);

// The referral page with the entries as query values taf1 to taf5 and the program's own page as taf6,
// every value percent-encoded so that no entry can add, cut or break a parameter.
QUrl referralAddress(const ReferralEntry& entry);

} // namespace shell
