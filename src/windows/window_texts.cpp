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

QString journalWindowCaption()
{
    return QStringLiteral("Journal - ") + kWindowCaption;
}

QString keepingStatement(bool keeping)
{
    return keeping ? QStringLiteral("Every reading is kept here the moment its report is shown.")
                   : QStringLiteral("New readings are not kept while this is off.");
}

QString severalSelected(int count)
{
    return QStringLiteral("%1 readings are chosen. Choose one to see its question and notes.").arg(count);
}

QString readingSummary(const QString& name, const QString& birthDate, const QString& date, const QString& spread,
                       const QString& dealtBy, const QString& cards)
{
    // The tool keeps readings with neither a name nor a date of birth unless it is given them.
    QString who = name.isEmpty() ? QStringLiteral("No name given") : name;
    if (!birthDate.isEmpty())
        who += QStringLiteral(", born %1").arg(birthDate);
    return QStringLiteral("%1\n%2, %3 (%4)\n%5").arg(who, date, spread, dealtBy, cards);
}

QString readingCount(int count, bool searching)
{
    if (count == 0)
        return searching ? QStringLiteral("No reading matches the search.")
                         : QStringLiteral("No readings yet: every reading you make will be kept here.");
    if (count == 1)
        return searching ? QStringLiteral("1 reading matches the search.")
                         : QStringLiteral("1 reading in the journal.");
    return (searching ? QStringLiteral("%1 readings match the search.") : QStringLiteral("%1 readings in the journal."))
        .arg(count);
}

QString deleteQuestion(int count)
{
    const QString readings = count == 1 ? QStringLiteral("1 reading") : QStringLiteral("%1 readings").arg(count);
    return QStringLiteral("Delete %1 from the journal, with %2 question and notes?\n\nThis cannot be undone.")
        .arg(readings, count == 1 ? QStringLiteral("its") : QStringLiteral("their"));
}

QString forgetAllQuestion(int count)
{
    return QStringLiteral("Forget all %1 readings in the journal, with their questions and notes?\n\nThis cannot be "
                          "undone. Readings saved as files are not touched.")
        .arg(count);
}

QString readingNotKeptMessage(const QString& reason)
{
    return QStringLiteral("This reading could not be kept in the journal: %1\n\nIt is shown as usual and can still "
                          "be saved with Save. This is said once; later readings are tried again.")
        .arg(reason);
}

QString notesNotKeptMessage(const QString& reason)
{
    return QStringLiteral("The question and notes could not be kept in the journal: %1").arg(reason);
}

QString journalChangeFailedMessage(const QString& reason)
{
    return QStringLiteral("The journal could not be changed: %1").arg(reason);
}

QString exportFailedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("The readings could not be exported to \"%1\".\n\n%2").arg(path, reason);
}

QString importRefusedMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("\"%1\" could not be imported.\n\n%2\n\nNothing was added to the journal.").arg(path, reason);
}

QString importedMessage(int added, int offered)
{
    if (added == 0)
        return offered == 1 ? QStringLiteral("The reading in the file is already in the journal.")
                            : QStringLiteral("All %1 readings in the file are already in the journal.").arg(offered);
    if (added == offered)
        return added == 1 ? QStringLiteral("The reading in the file was added to the journal.")
                          : QStringLiteral("All %1 readings in the file were added to the journal.").arg(added);
    return QStringLiteral("%1 of the %2 readings in the file were added to the journal; the others were already in it.")
        .arg(added)
        .arg(offered);
}

QString cardTallyStatement(int readings)
{
    return QStringLiteral("How often each card came up in the %1 shown by the search. The program deals its cards at "
                          "random, so some cards always come up more often than others: a card that keeps coming up "
                          "is the luck of the deal, not a message of its own.")
        .arg(readings == 1 ? QStringLiteral("reading") : QStringLiteral("%1 readings").arg(readings));
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
