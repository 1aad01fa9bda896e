// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The texts of start-up, the shared menus and the exit window, kept together.
namespace shell::texts {

// The executable's name, also used for the per-user settings and the instance lock.
inline const QString kProgramName = QStringLiteral("zelto-cartomancy");

// Start-up.
inline const QString kAlreadyRunning = QStringLiteral("Application is already running");
// The two lines are joined by a carriage return.
QString updateQuestion();

// Shared menus.
inline const QString kHelpMenu = QStringLiteral("&Help");
inline const QString kOnlineHelp = QStringLiteral("&Online Help");
inline const QString kVisitUsOnline = QStringLiteral("&Visit Us Online");
inline const QString kCheckForUpdate = QStringLiteral("Check for Software &Update");
inline const QString kAboutSoftware = QStringLiteral("&About Software");
inline const QString kDonate = QStringLiteral("&Donate");
inline const QString kMakeMoneyOnline = QStringLiteral("Make Money &Online");

// Exit window.
inline const QString kReferFrame = QStringLiteral("Refer A Friend");
inline const QString kReferButton = QStringLiteral("Refer A Friend &Now");
inline const QString kDownloadFrame = QStringLiteral("Download Zelto Softwares");
inline const QString kGoToHome = QStringLiteral("Click Here To Visit Zelto Softwares");
inline const QString kNoSpaceInEmail = QStringLiteral("Email Address Cannot Contain Space");
inline const QString kDistinctEmails = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString kProperEmail = QStringLiteral("Please Enter Proper Email Address");

constexpr int kSupportMessageCount = 4;
// Appeal number index (0 to 3) to visit the publisher's forum.
QString supportMessage(int index);
// Recommends the publisher's other programs.
QString catalogueParagraph();

} // namespace shell::texts
