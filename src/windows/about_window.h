// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace display {
class ClickableLabel;
class UrlOpener;
} // namespace display

namespace windows {

// Names the program, describes it and links to the publisher's home page and the branded edition.
class AboutWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)

public:
    struct Ui {
        QLabel* picIcon = nullptr;
        QLabel* Label2 = nullptr;
        QLabel* Label1 = nullptr;
        display::ClickableLabel* lblHomePage = nullptr;
        QLabel* Label3 = nullptr;
        display::ClickableLabel* lblCobrand = nullptr;
        QFrame* Line1 = nullptr;
        QPushButton* cmdOK = nullptr;
    };

    explicit AboutWindow(display::UrlOpener& opener, QWidget* parent = nullptr);

    const Ui& ui() const { return m_ui; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    display::UrlOpener& m_opener;
    Ui m_ui;
};

} // namespace windows
