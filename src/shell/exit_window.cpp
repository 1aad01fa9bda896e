// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/exit_window.h"

#include "display/accessibility.h"
#include "display/clickable_label.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "engine/random_source.h"
#include "shell/shell_texts.h"
#include "windows/platform.h"
#include "windows/window_look.h"
#include "windows/window_texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <array>

namespace shell {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLinkBlue(0, 0, 192);

constexpr int kClientWidth = 11115;
constexpr int kClientHeight = 4725;

QString boxText(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(box))
        return text->toPlainText();
    return {};
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
}

// Focus moving to another application or a message box is not the person leaving the box.
bool leavesForAnotherWindow(const QFocusEvent& event)
{
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

// A navy frame with a white bold caption.
QGroupBox* makeFrame(QWidget& parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* frame = new QGroupBox(caption, &parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kNavy);
    palette.setColor(QPalette::WindowText, display::kWhite);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    frame->setFont(display::verdanaFont(9.75, true));
    return frame;
}

QFont captionFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(18);
    return font;
}

} // namespace

ExitWindow::ExitWindow(windows::Platform& platform, engine::RandomSource& random, QWidget* parent)
    : QWidget(parent), m_platform(platform)
{
    display::installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint);
    // It comes up over the closing window without taking the keyboard from anything.
    setAttribute(Qt::WA_ShowWithoutActivating);
    display::fillBackground(*this, display::kWhite);
    // On a screen too small for it, the window is as large as fits and its contents scroll.
    m_surface =
        windows::surfaceFittingScreen(*this, QSize(display::twips(kClientWidth), display::twips(kClientHeight)));
    display::fillBackground(*m_surface, display::kWhite);
    buildControls();
    windows::pressFocusedButtonOnReturn(*this);
    Form_Load(random);
    windows::centreOnScreen(*this);
}

void ExitWindow::Form_Load(engine::RandomSource& random)
{
    setWindowTitle(windows::texts::kWindowCaption);
    m_ui.lblNagScreen2Caption->setText(windows::texts::kWindowCaption);
    m_ui.lblNagScreen2Caption->adjustSize();
    windows::setApplicationIcon(*this);
    m_ui.picIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    random.reseedFromClock();
    const int pick = static_cast<int>(random.next() * texts::kSupportMessageCount);
    m_ui.Label2->setText(texts::supportMessage(pick));
}

void ExitWindow::buildControls()
{
    using display::twipsRect;

    m_ui.cmdClose = new QPushButton(windows::texts::kExit, m_surface);
    m_ui.cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_ui.cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    connect(m_ui.cmdClose, &QPushButton::clicked, this, &QWidget::close);
    windows::markFocusClearly(*m_ui.cmdClose, display::kWhite);

    m_ui.picIcon = new QLabel(m_surface);
    m_ui.picIcon->setObjectName(QStringLiteral("picIcon"));
    m_ui.picIcon->setGeometry(twipsRect(360, 120, 540, 540));
    m_ui.picIcon->setAlignment(Qt::AlignCenter);

    m_ui.lblNagScreen2Caption = new QLabel(m_surface);
    m_ui.lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    m_ui.lblNagScreen2Caption->setFont(captionFont());
    m_ui.lblNagScreen2Caption->move(display::twips(1080), display::twips(240));

    m_ui.Label2 = new QLabel(m_surface);
    m_ui.Label2->setObjectName(QStringLiteral("Label2"));
    m_ui.Label2->setTextFormat(Qt::PlainText);
    m_ui.Label2->setFont(display::verdanaFont(9.75, true));
    m_ui.Label2->setWordWrap(true);
    m_ui.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.Label2->setGeometry(twipsRect(120, 840, 6975, 1095));

    m_ui.Check1 = new QCheckBox(windows::texts::visitSiteInvitation(), m_surface);
    m_ui.Check1->setObjectName(QStringLiteral("Check1"));
    m_ui.Check1->setFont(display::verdanaFont(14.25));
    m_ui.Check1->setCursor(Qt::PointingHandCursor);
    m_ui.Check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    display::setTextColour(*m_ui.Check1, kLinkBlue);
    connect(m_ui.Check1, &QCheckBox::clicked, this, &ExitWindow::Check1_Click);
    windows::markFocusClearly(*m_ui.Check1, display::kWhite);
    m_ui.Check1->installEventFilter(this);

    buildReferralFrame();
    buildCatalogueFrame();
}

void ExitWindow::buildReferralFrame()
{
    using display::twipsRect;

    m_ui.Frame2 = makeFrame(*m_surface, "Frame2", texts::kReferFrame, twipsRect(120, 3240, 7065, 1455));

    const auto makeLine = [this](const char* name, int left, int top) {
        auto* box = new QLineEdit(m_ui.Frame2);
        box->setObjectName(QLatin1String(name));
        box->setFont(display::verdanaFont(8.25));
        box->setGeometry(twipsRect(left, top, 3375, 285));
        return box;
    };
    m_ui.txtName = makeLine("txtName", 85, 360);
    m_ui.txtEmail = makeLine("txtEmail", 3600, 360);
    m_ui.txtFriendName = makeLine("txtFriendName", 85, 720);
    m_ui.txtFriendEmail = makeLine("txtFriendEmail", 3600, 720);

    // The message shares the last row with the button, where it can be seen and reached. That row is lower than
    // two lines, so the box takes the frame's height from just under the row above down to the frame's border, and
    // its scroll bar, a plain groove with a handle, has no arrow buttons to crowd out the handle.
    m_ui.txtMessage = new QPlainTextEdit(m_ui.Frame2);
    m_ui.txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_ui.txtMessage->setFont(display::verdanaFont(8.25));
    m_ui.txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_ui.txtMessage->setTabChangesFocus(true);
    m_ui.txtMessage->document()->setDocumentMargin(0);
    m_ui.txtMessage->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { border: 1px solid #7a7a7a; padding: 0px; }"
        "QPlainTextEdit:focus { border: 1px solid #0000c0; }"
        "QScrollBar:vertical { width: 11px; margin: 0px; background: #e8e8e8; border-left: 1px solid #c0c0c0; }"
        "QScrollBar::handle:vertical { background: #a0a0a0; min-height: 6px; margin: 1px; border-radius: 2px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    const QRect messageRow = twipsRect(85, 1080, 3375, 285);
    const int messageTop = m_ui.txtFriendName->geometry().bottom() + 2;
    const int messageBottom = m_ui.Frame2->height() - 2; // the last row above the frame's lower border
    m_ui.txtMessage->setGeometry(messageRow.left(), messageTop, messageRow.width(), messageBottom - messageTop + 1);

    m_ui.cmdSubmit = new QPushButton(texts::kReferButton, m_ui.Frame2);
    m_ui.cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    m_ui.cmdSubmit->setFont(display::verdanaFont(8.25, true));
    m_ui.cmdSubmit->setGeometry(twipsRect(3600, 1080, 3375, 285));
    windows::useSystemWindowColours(*m_ui.cmdSubmit);
    m_ui.cmdSubmit->setAutoFillBackground(false);
    connect(m_ui.cmdSubmit, &QPushButton::clicked, this, &ExitWindow::cmdSubmit_Click);
    windows::markFocusClearly(*m_ui.cmdSubmit, kNavy);

    for (const ReferralField& field : kReferralFields) {
        QWidget* box = promptBox(field);
        setBoxText(box, QLatin1String(field.prompt));
        // Named by its prompt, which a screen reader would otherwise lose once the box is emptied.
        box->setAccessibleName(QLatin1String(field.prompt));
        box->installEventFilter(this);
        windows::useSystemWindowColours(*box);
    }
}

void ExitWindow::buildCatalogueFrame()
{
    using display::twipsRect;

    m_ui.Frame6 = makeFrame(*m_surface, "Frame6", texts::kDownloadFrame, twipsRect(7320, 120, 3735, 4575));

    m_ui.lblCatalogue = new QLabel(texts::catalogueParagraph(), m_ui.Frame6);
    m_ui.lblCatalogue->setObjectName(QStringLiteral("lblCatalogue"));
    m_ui.lblCatalogue->setFont(display::verdanaFont(9));
    m_ui.lblCatalogue->setWordWrap(true);
    m_ui.lblCatalogue->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ui.lblCatalogue->setGeometry(twipsRect(120, 420, 3495, 3600));

    m_ui.lblGoToHome = new display::ClickableLabel(m_ui.Frame6);
    m_ui.lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    m_ui.lblGoToHome->setText(texts::kGoToHome);
    QFont font = display::verdanaFont(9, true);
    font.setUnderline(true);
    m_ui.lblGoToHome->setFont(font);
    m_ui.lblGoToHome->setCursor(Qt::PointingHandCursor);
    display::setTextColour(*m_ui.lblGoToHome, display::kYellow);
    m_ui.lblGoToHome->move(display::twips(75), display::twips(4250));
    m_ui.lblGoToHome->adjustSize();
    connect(m_ui.lblGoToHome, &display::ClickableLabel::clicked, this, &ExitWindow::lblGoToHome_Click);

    // The form in reading order after Exit, then the two links.
    const std::array<QWidget*, 9> tabOrder = {m_ui.cmdClose,      m_ui.txtName,        m_ui.txtEmail,
                                              m_ui.txtFriendName, m_ui.txtFriendEmail, m_ui.txtMessage,
                                              m_ui.cmdSubmit,     m_ui.Check1,         m_ui.lblGoToHome};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QWidget* ExitWindow::promptBox(const ReferralField& field) const
{
    if (field.value == &ReferralEntry::referrerName)
        return m_ui.txtName;
    if (field.value == &ReferralEntry::referrerEmail)
        return m_ui.txtEmail;
    if (field.value == &ReferralEntry::message)
        return m_ui.txtMessage;
    if (field.value == &ReferralEntry::friendName)
        return m_ui.txtFriendName;
    return m_ui.txtFriendEmail;
}

bool ExitWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The check box stands for a link, so Return follows it as well as Space.
    if (watched == m_ui.Check1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            m_ui.Check1->click();
            return true;
        }
    }
    for (const ReferralField& field : kReferralFields) {
        QWidget* box = promptBox(field);
        if (watched != box)
            continue;
        const QString prompt = QLatin1String(field.prompt);
        // A box shown without activation gets its first focus through the window's activation: still empty it.
        if (event->type() == QEvent::FocusIn) {
            if (trimSpaces(boxText(box)) == prompt)
                setBoxText(box, QString());
        } else if (event->type() == QEvent::FocusOut && !leavesForAnotherWindow(*static_cast<QFocusEvent*>(event))) {
            if (trimSpaces(boxText(box)).isEmpty())
                setBoxText(box, prompt);
        } else if (event->type() == QEvent::KeyPress && (box == m_ui.txtEmail || box == m_ui.txtFriendEmail) &&
                   static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
            showError(texts::kNoSpaceInEmail);
            box->setFocus(Qt::OtherFocusReason);
            return true;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ExitWindow::cmdSubmit_Click()
{
    for (const ReferralField& field : kReferralFields)
        m_referral.*field.value = trimSpaces(boxText(promptBox(field)));
    if (const std::optional<QString> problem = referralProblem(m_referral)) {
        showError(*problem);
        return;
    }
    m_platform.urlOpener.openUrl(referralAddress(m_referral));
}

void ExitWindow::Check1_Click(bool checked)
{
    if (!checked)
        return;
    m_ui.Check1->setChecked(false);
    display::openSitePage(m_platform.urlOpener, display::PageKey::HomePage);
}

void ExitWindow::lblGoToHome_Click()
{
    display::openSitePage(m_platform.urlOpener, display::PageKey::ZeltoSoftwares);
}

void ExitWindow::showError(const QString& message)
{
    m_platform.messageBoxes.inform(this, message, windows::MessageIcon::Error);
}

void ExitWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace shell
