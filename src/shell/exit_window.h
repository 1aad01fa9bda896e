// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/referral.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace display {
class ClickableLabel;
} // namespace display
namespace windows {
struct Platform;
} // namespace windows
namespace engine {
class RandomSource;
}

namespace shell {

// The last window: thanks the person, offers the refer-a-friend form and the publisher's links.
// However it is closed, it reports closed() and the program ends.
class ExitWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExitWindow)

public:
    struct Ui {
        QLabel* picIcon = nullptr;
        QLabel* lblNagScreen2Caption = nullptr;
        QLabel* Label2 = nullptr;
        QCheckBox* Check1 = nullptr;
        QPushButton* cmdClose = nullptr;
        QGroupBox* Frame2 = nullptr;
        QLineEdit* txtName = nullptr;
        QLineEdit* txtEmail = nullptr;
        QLineEdit* txtFriendName = nullptr;
        QLineEdit* txtFriendEmail = nullptr;
        QPlainTextEdit* txtMessage = nullptr;
        QPushButton* cmdSubmit = nullptr;
        QGroupBox* Frame6 = nullptr;
        QLabel* lblCatalogue = nullptr;
        display::ClickableLabel* lblGoToHome = nullptr;
    };

    ExitWindow(windows::Platform& platform, engine::RandomSource& random, QWidget* parent = nullptr);

    const Ui& ui() const { return m_ui; }
    // The entries as taken at the last press of "Refer A Friend &Now".
    const ReferralEntry& referralEntry() const { return m_referral; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdSubmit_Click();
    void Check1_Click(bool checked);
    void lblGoToHome_Click();

private:
    void Form_Load(engine::RandomSource& random);
    void buildControls();
    void buildReferralFrame();
    void buildCatalogueFrame();
    void showError(const QString& message);
    QWidget* promptBox(const ReferralField& field) const;

    windows::Platform& m_platform;
    Ui m_ui;
    // Where the controls lie: the window, or a surface scrolling inside it on a small screen.
    QWidget* m_surface = nullptr;
    ReferralEntry m_referral;
};

} // namespace shell
