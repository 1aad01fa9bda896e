// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/referral.h"

#include "display/site_pages.h"
#include "shell/shell_texts.h"

namespace shell {

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

std::optional<QString> referralProblem(const ReferralEntry& entry)
{
    if (entry.referrerEmail == entry.friendEmail)
        return texts::kDistinctEmails;
    const auto hasBoth = [&entry](QChar character) {
        return entry.referrerEmail.contains(character) && entry.friendEmail.contains(character);
    };
    if (!hasBoth(QLatin1Char('@')) || !hasBoth(QLatin1Char('.')))
        return texts::kProperEmail;
    for (const ReferralField& field : kReferralFields) {
        const QString& value = entry.*field.value;
        if (value.isEmpty() || value == QLatin1String(field.prompt))
            return QString::fromLatin1(field.missingMessage);
    }
    return std::nullopt;
}

QUrl referralAddress(const ReferralEntry& entry)
{
    QByteArray address = display::pageAddress(display::PageKey::ZeltoReferAFriend).toEncoded();
    const auto append = [&address](int number, const QString& value) {
        address += "&taf" + QByteArray::number(number) + '=' + QUrl::toPercentEncoding(value);
    };
    int number = 1;
    for (const ReferralField& field : kReferralFields)
        append(number++, entry.*field.value);
    append(number, display::siteAddress() + QStringLiteral("/zelto-free-cartomancy/"));
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

} // namespace shell
