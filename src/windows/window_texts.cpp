// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/window_texts.h"

#include "display/site_pages.h"

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

QString visitSiteInvitation()
{
    return QStringLiteral("Click Here To Visit ") + display::siteHostName() + QStringLiteral(" Now");
}

QString forumAndVisitInvitation()
{
    return kForumInvitation + QStringLiteral(". ") + visitSiteInvitation();
}

} // namespace windows::texts
