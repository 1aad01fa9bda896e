// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/types.h"
#include "windows/reading_window.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace display {
class ClickableLabel;
}

namespace windows {

class WindowServices;

// Gregorian calendar: every fourth year, except centuries not divisible by 400.
bool isLeapYear(int year);

// Where a reading is requested: name, date of birth, spread and the analysis mode.
class MainWindow final : public ReadingWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    struct Ui {
        display::ClickableLabel* Label14 = nullptr;
        QLabel* lblSpreadDesc = nullptr;
        QGroupBox* Frame1 = nullptr;
        QLineEdit* txtName = nullptr;
        QComboBox* cboMonth = nullptr;
        QComboBox* cboDate = nullptr;
        QComboBox* cboYear = nullptr;
        QGroupBox* Frame2 = nullptr;
        QComboBox* cboSpread = nullptr;
        QButtonGroup* analyzeMode = nullptr;
        QRadioButton* optAuto = nullptr;
        QRadioButton* optManual = nullptr;
        QPushButton* cmdCalculate = nullptr;
        QFrame* fraFullBrand = nullptr;
        display::ClickableLabel* lblFullBrand = nullptr;
        display::ClickableLabel* lblCobrand = nullptr;
        QAction* mnuCalculate = nullptr;
        QAction* mnuOwnCards = nullptr;
        QAction* mnuJournal = nullptr;
        QAction* mnuExit = nullptr;
    };

    explicit MainWindow(WindowServices& services, QWidget* parent = nullptr);

    const Ui& ui() const { return m_ui; }
    enum class Offer { CoBrand, FullBrand };
    // Shows that offer in front of the other one in the brand strip.
    void bringOfferToFront(Offer offer);

    // True when a reading may be dealt; otherwise it has told the person what is wrong.
    bool validateInputs();
    // The same checks for a reading of the person's own cards, which needs no analysis mode.
    bool validateOwnCardsInputs();

    // The name as typed and the date of birth as chosen, "YYYY-MM-DD", for the journal.
    QString enteredName() const;
    QString enteredBirthDate() const;

signals:
    void automaticDealRequested(engine::SpreadIndex spread);
    void manualDealRequested(engine::SpreadIndex spread);
    void ownCardsRequested(engine::SpreadIndex spread);
    void journalRequested();

protected:
private slots:
    void Form_Load();
    void cboSpread_Click(int index);
    void cmdCalculate_Click();
    void mnuOwnCards_Click();

private:
    void buildControls();
    void buildMenus();
    void refuse(const QString& message, bool isError, QWidget* focusTarget);
    bool checkInputs(bool needsAnalyzeMode);

    Ui m_ui;
};

} // namespace windows
