// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_texts.h"

#include "display/site_pages.h"

#include <QRegularExpression>

namespace windows::texts {

QString introductionText()
{
    return QStringLiteral("Zelto Free Cartomancy is a divination software based on the fortune telling method with "
                          "playing cards.You can receive answers to your problems using this software as a guide. "
                          "Zelto Free Cartomancy generates a reading for a person based on his/her personal details "
                          "(Name and Date of Birth) and the spread selected by the enquirer himself.") +
           QString(104, QLatin1Char(' ')) + QStringLiteral("Select a Spread of Your Choice to get your Reading Now!");
}

QString saveFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("The reading could not be saved to \"%1\".\n\n%2\n\nThe report is unchanged; please choose "
                          "another file or folder.")
        .arg(path, reason);
}

QString pickAnnouncement(int position, int positions, const QString& meaning)
{
    QString text = QStringLiteral("Position %1 of %2 filled").arg(position).arg(positions);
    QString said = meaning.trimmed();
    while (said.endsWith(QLatin1Char('.')))
        said.chop(1);
    if (!said.isEmpty())
        text += QStringLiteral(": ") + said;
    const int left = positions - position;
    if (left <= 0)
        return text + QStringLiteral(". All cards picked.");
    return text + (left == 1 ? QStringLiteral(". 1 card left to pick.")
                             : QStringLiteral(". %1 cards left to pick.").arg(left));
}

QString readingReadyAnnouncement(const QString& spreadTitle)
{
    return QStringLiteral("Your reading of %1 is ready. Read it with the arrow keys; Tab goes to its web addresses.")
        .arg(spreadTitle);
}

QString visitSiteInvitation()
{
    return QStringLiteral("Click Here To Visit ") + display::siteHostName() + QStringLiteral(" Now");
}

QString forumAndVisitInvitation()
{
    return kForumInvitation + QStringLiteral(". ") + visitSiteInvitation();
}

QString placeName(int position, const QString& meaning, const QString& card)
{
    const QString gist = meaningGist(meaning);
    if (gist.isEmpty())
        return QStringLiteral("Position %1: %2").arg(position).arg(card);
    return QStringLiteral("Position %1, %2: %3").arg(position).arg(gist, card);
}

QString meaningGist(const QString& meaning)
{
    static const QRegularExpression cardNumber(QStringLiteral("^\\s*Card\\s+\\d+\\s*[-:,]?\\s*"));
    QString gist = meaning;
    gist.remove(cardNumber);
    gist = gist.trimmed();
    if (gist.endsWith(QLatin1Char('.')))
        gist.chop(1);
    // A sentence's capital is no capital in the middle of another one; "Leo" and "I" stay.
    if (gist.size() > 1 && gist.at(0).isUpper() && gist.at(1).isLower())
        gist[0] = gist.at(0).toLower();
    return gist;
}

} // namespace windows::texts
