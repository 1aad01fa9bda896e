// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about_window.h"

#include "display/clickable_label.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "windows/window_look.h"
#include "windows/window_texts.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace windows {

namespace {

const QString kDescription = QStringLiteral(
    "Zelto Cartomancy is a form of divination with the help of playing cards. Zelto Free Cartomancy is a tool which "
    "tells you about yourself, your surroundings and also predicts your near future. It gives you an overview as to "
    "what the future has in store for you.");
const QString kBrandedEdition = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website.");
const QString kMoreDetails = QStringLiteral("Click here for more details.");
const QString kVisitPrefix = QStringLiteral("Click here to visit ");

constexpr int kClientWidth = 7050;
constexpr int kClientHeight = 3030;

QLabel* makeLabel(QWidget& parent, const char* name, const QString& text, const QRect& geometry, const QColor& colour)
{
    auto* label = new QLabel(&parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    display::setTextColour(*label, colour);
    return label;
}

display::ClickableLabel* makeLink(QWidget& parent, const char* name, const QString& text, int left, int top)
{
    auto* label = new display::ClickableLabel(&parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    QFont font = display::verdanaFont(8.25);
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    display::setTextColour(*label, display::kWhite);
    label->move(display::twips(left), display::twips(top));
    label->adjustSize();
    return label;
}

} // namespace

AboutWindow::AboutWindow(display::UrlOpener& opener, QWidget* parent) : QDialog(parent), m_opener(opener)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::kWindowCaption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(display::verdanaFont(8.25));
    setFixedSize(display::twips(kClientWidth), display::twips(kClientHeight));
    display::fillBackground(*this, display::kBlack);
    setApplicationIcon(*this);
    buildControls();
}

void AboutWindow::buildControls()
{
    m_ui.picIcon = new QLabel(this);
    m_ui.picIcon->setObjectName(QStringLiteral("picIcon"));
    m_ui.picIcon->setGeometry(twipsRect(120, 45, 480, 480));
    m_ui.picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.picIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    m_ui.Label2 = makeLabel(*this, "Label2", texts::kWindowCaption, twipsRect(840, 45, 3525, 345), display::kOrange);
    m_ui.Label2->setFont(display::verdanaFont(14.25, true));
    m_ui.Label2->adjustSize();

    m_ui.Label1 = makeLabel(*this, "Label1", kDescription, twipsRect(840, 390, 6165, 975), display::kWhite);
    m_ui.Label1->setWordWrap(true);
    m_ui.Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ui.lblHomePage = makeLink(*this, "lblHomePage", kVisitPrefix + display::siteAddress(), 2955, 1365);
    connect(m_ui.lblHomePage, &display::ClickableLabel::clicked, this,
            [this] { display::openSitePage(m_opener, display::PageKey::HomePage); });

    m_ui.Label3 = makeLabel(*this, "Label3", kBrandedEdition, twipsRect(120, 1680, 6885, 435), display::kOrange);
    m_ui.Label3->setFont(display::verdanaFont(8.25, true));
    m_ui.Label3->setWordWrap(true);
    m_ui.Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ui.lblCobrand = makeLink(*this, "lblCobrand", kMoreDetails, 4650, 2115);
    connect(m_ui.lblCobrand, &display::ClickableLabel::clicked, this,
            [this] { display::openSitePage(m_opener, display::PageKey::FullyBranded); });

    m_ui.Line1 = new QFrame(this);
    m_ui.Line1->setObjectName(QStringLiteral("Line1"));
    m_ui.Line1->setFrameShape(QFrame::NoFrame);
    m_ui.Line1->setGeometry(0, display::twips(2520), display::twips(7080), 2);
    display::fillBackground(*m_ui.Line1, display::kOrange);

    m_ui.cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_ui.cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_ui.cmdOK->setGeometry(twipsRect(5745, 2640, 1260, 345));
    useSystemWindowColours(*m_ui.cmdOK);
    m_ui.cmdOK->setAutoFillBackground(false);
    // Not a default button: that would look focused even while a link has the focus. Enter closes the window all the
    // same (keyPressEvent), Esc rejects it.
    m_ui.cmdOK->setAutoDefault(false);
    m_ui.cmdOK->setDefault(false);
    connect(m_ui.cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    markFocusClearly(*m_ui.cmdOK, display::kBlack);
    setTabOrder(m_ui.cmdOK, m_ui.lblHomePage);
    setTabOrder(m_ui.lblHomePage, m_ui.lblCobrand);
    m_ui.cmdOK->setFocus(Qt::OtherFocusReason);
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    // A link with the focus takes Enter itself; anywhere else Enter means OK.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
    m_ui.cmdOK->setFocus(Qt::OtherFocusReason);
}

} // namespace windows
