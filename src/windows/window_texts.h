// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site_settings.h"

#include <QString>
#include <QStringList>

#include <array>

// The texts the reading windows show, kept together so wording changes happen in one place.
namespace windows::texts {

inline const QString kWindowCaption = QStringLiteral("Zelto Cartomancy v") + QString::fromUtf8(site::kVersion);

// Menus.
inline const QString kFileMenu = QStringLiteral("&File");
// Menu entries and the buttons that do the same share their caption.
inline const QString kDealTheCards = QStringLiteral("Deal The &Cards");
inline const QString kReadMyOwnCards = QStringLiteral("Read My &Own Cards...");
inline const QString kSave = QStringLiteral("&Save");
inline const QString kPrint = QStringLiteral("&Print...");
inline const QString kExportPdf = QStringLiteral("&Export as PDF...");
inline const QString kBack = QStringLiteral("&Back");
inline const QString kJournal = QStringLiteral("&Journal...");
inline const QString kExit = QStringLiteral("E&xit");

// Main window.
inline const QString kPersonalDetails = QStringLiteral("Personal Details");
inline const QString kNameLabel = QStringLiteral("Name");
inline const QString kDateOfBirthLabel = QStringLiteral("Date of Birth");
inline const QString kSpreadSelection = QStringLiteral("Spread Selection");
inline const QString kSelectSpreadLabel = QStringLiteral("Select Spread");
inline const QString kAnalyzeModeLabel = QStringLiteral("Analyze Mode");
inline const QString kAutomatic = QStringLiteral("Automatic");
inline const QString kManual = QStringLiteral("Manual");
inline const std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                        "May",       "June",     "July",     "August",
                                                        "September", "October",  "November", "December"};
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

QString introductionText();

// Input checks of the main window.
inline const QString kEnterName = QStringLiteral("Please Enter Your Name");
inline const QString kSelectSpread = QStringLiteral("Please Select Spread");
inline const QString kSelectAnalyzeMode = QStringLiteral("Please Select Analyze Mode");
inline const QString kWrongFebruaryDate = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString kWrongThirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");

// Manual picking window.
inline const QString kGeneratingMessage =
    QStringLiteral("Zelto Cartomancy is generating the analysis. Please wait....");
// What a screen reader says after a pick: "Position 3 of 21 filled: <meaning>. 18 cards left to pick."
QString pickAnnouncement(int position, int positions, const QString& meaning);

// Own cards window.
inline const QString kReadMyCards = QStringLiteral("&Read My Cards");
inline const QString kOwnCardsInstructions =
    QStringLiteral("Lay your cards here as they lie on your table. Choose a place, then click its card below. "
                   "Or type the card: QH, 10S or TS, AC, JH for a Knight, or the start of its name.");
inline const QString kQuestionLabel = QStringLiteral("Your &question (optional):");
inline const QString kEmptyPlace = QStringLiteral("empty");
// "Position 3, reveals to you your near future: Queen of Hearts", or "Position 1: empty" where a position has no
// meaning of its own.
QString placeName(int position, const QString& meaning, const QString& card);
// The gist of a position's meaning for a sentence: "Card 3 - Reveals to you your near future." gives
// "reveals to you your near future".
QString meaningGist(const QString& meaning);

// Report window.
// What a screen reader says of the report once a reading is in it.
QString readingReadyAnnouncement(const QString& spreadTitle);
QString saveFailedMessage(const QString& path, const QString& reason);
inline const QString kPrintFailed = QStringLiteral("The reading could not be printed.");
inline const QString kPdfNotDrawn = QStringLiteral("The reading could not be drawn as PDF.");

// Journal window.
QString journalWindowCaption();
inline const QString kSearchLabel = QStringLiteral("&Search:");
inline const QString kSearchHint = QStringLiteral("Name, spread, card (Queen of Hearts or QH), question or notes");
inline const QString kKeepJournal = QStringLiteral("&Keep a journal of my readings");
QString keepingStatement(bool keeping);
inline const QString kReadingsTable = QStringLiteral("Readings");
inline const QStringList kJournalColumns = {QStringLiteral("Date"), QStringLiteral("Name"), QStringLiteral("Spread"),
                                            QStringLiteral("Cards"), QStringLiteral("Question")};
inline const QString kReadingFrame = QStringLiteral("Reading");
inline const QString kJournalQuestionLabel = QStringLiteral("&Question:");
inline const QString kNotesLabel = QStringLiteral("&Notes:");
inline const QString kNothingSelected = QStringLiteral("Choose a reading in the table to see its question and notes.");
QString severalSelected(int count);
QString readingSummary(const QString& name, const QString& birthDate, const QString& date, const QString& spread,
                       const QString& dealtBy, const QString& cards);
inline const QString kOpen = QStringLiteral("O&pen");
inline const QString kDelete = QStringLiteral("De&lete...");
inline const QString kCardsThatKeepComingUp = QStringLiteral("Cards That Keep Coming &Up...");
inline const QString kExportCsv = QStringLiteral("Export as CS&V...");
inline const QString kExportJson = QStringLiteral("Export as &JSON...");
inline const QString kImport = QStringLiteral("&Import...");
inline const QString kForgetAll = QStringLiteral("Forget &All Readings...");
QString readingCount(int count, bool searching);
QString deleteQuestion(int count);
QString forgetAllQuestion(int count);
inline const QString kNoJournal = QStringLiteral("No journal could be opened, so nothing was changed.");
inline const QString kJournalReadOnly = QStringLiteral("This journal can be read and exported here, but not changed.");
QString readingNotKeptMessage(const QString& reason);
QString notesNotKeptMessage(const QString& reason);
QString journalChangeFailedMessage(const QString& reason);
QString exportFailedMessage(const QString& path, const QString& reason);
QString importRefusedMessage(const QString& path, const QString& reason);
QString importedMessage(int added, int offered);
inline const QString kImportTooLarge = QStringLiteral("The file is far larger than any journal export.");

// Cards that keep coming up.
inline const QString kCardTallyTitle = QStringLiteral("Cards That Keep Coming Up");
QString cardTallyStatement(int readings);
inline const QStringList kCardTallyColumns = {QStringLiteral("Card"), QStringLiteral("Readings"),
                                              QStringLiteral("Chance gives"), QStringLiteral("Against chance"),
                                              QStringLiteral("Last appeared")};
inline const QString kNeverAppeared = QStringLiteral("never");
inline const QString kClose = QStringLiteral("Close");

// Labels that open the publisher's pages.
inline const QString kFullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.");
// Shown with one ampersand; the double spaces belong to the text.
inline const QString kCobrandOffer = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.");
inline const QString kForumInvitation = QStringLiteral("The Most Popular Online Mystic Discussion Forum");
QString visitSiteInvitation(); // "Click Here To Visit <host> Now"
QString forumAndVisitInvitation();

} // namespace windows::texts
