// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/shell_texts.h"

#include "site_settings.h"

#include <array>

namespace shell::texts {

namespace {

QString siteName()
{
    return QString::fromUtf8(site::kSiteName);
}

// %1 is the forum site's name.
constexpr std::array<const char*, kSupportMessageCount> kSupportMessages = {
    "Thank you for using Zelto Cartomancy. If you enjoyed your reading, please support us by visiting our mystic "
    "discussion forum at %1 regularly and sharing your own experiences.",
    "Zelto Cartomancy stays free because of people like you. Show your support by dropping in at the %1 discussion "
    "forum every now and then and joining the talk about cards and fortunes.",
    "Did the cards speak to you today? Help us keep this program free: visit the forum at %1 regularly, read what "
    "others have found and tell them about your own readings.",
    "We hope the reading gave you something to think about. The best way to support our work is to visit the mystic "
    "discussion forum at %1 often and to bring your friends along.",
};

} // namespace

QString updateQuestion()
{
    return QStringLiteral("There maybe an update to this software available") + QChar(13) +
           QStringLiteral("Do you want to check for an update?");
}

QString supportMessage(int index)
{
    if (index < 0 || index >= kSupportMessageCount)
        index = 0;
    return QString::fromLatin1(kSupportMessages[static_cast<std::size_t>(index)]).arg(siteName());
}

QString catalogueParagraph()
{
    return QStringLiteral(
        "Liked Zelto Cartomancy? We make many more free programs for the curious mind: astrology, numerology, tarot, "
        "biorhythms, dream interpretation and more. Every one of them is free to download and easy to use, and new "
        "titles are added all the time.");
}

} // namespace shell::texts
