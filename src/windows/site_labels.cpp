// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/site_labels.h"

#include "display/clickable_label.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "windows/window_look.h"
#include "windows/window_texts.h"

#include <QEvent>
#include <QFrame>

namespace windows {

namespace {

// Of the two offers at one place only the one in front is shown. The other is covered anyway; hidden,
// it is no Tab stop and a screen reader does not read it out.
class FrontOfferOnly final : public QObject {
public:
    FrontOfferOnly(const OfferLabels& labels, QObject* parent) : QObject(parent), m_labels(labels)
    {
        m_labels.lblFullBrand->installEventFilter(this);
        m_labels.lblCobrand->installEventFilter(this);
        showFrontOnly();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange)
            showFrontOnly();
        return QObject::eventFilter(watched, event);
    }

private:
    void showFrontOnly()
    {
        const QObjectList siblings = m_labels.lblCobrand->parent()->children();
        const bool cobrandInFront = siblings.indexOf(m_labels.lblCobrand) > siblings.indexOf(m_labels.lblFullBrand);
        m_labels.lblCobrand->setVisible(cobrandInFront);
        m_labels.lblFullBrand->setVisible(!cobrandInFront);
    }

    OfferLabels m_labels;
};

display::ClickableLabel* makeLinkLabel(QWidget& parent, const QString& objectName, const QString& text,
                                       const QRect& geometry)
{
    auto* label = new display::ClickableLabel(&parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    QFont font = display::verdanaFont(8.25, true);
    font.setUnderline(true);
    label->setFont(font);
    return label;
}

display::ClickableLabel* makeOfferLabel(QWidget& parent, const QString& objectName, const QString& text,
                                        const QRect& geometry, OfferLook look)
{
    display::ClickableLabel* label = makeLinkLabel(parent, objectName, text, geometry);
    label->setWordWrap(true);
    const bool inStrip = look == OfferLook::BrandStrip;
    label->setAlignment(inStrip ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    // Opaque, so that the label in front hides the one behind it.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, display::kBlack);
    palette.setColor(QPalette::WindowText, inStrip ? display::kOfferBlue : display::kOrange);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

OfferLabels addOfferLabels(QWidget& parent, const QRect& geometry, OfferLook look, display::UrlOpener& opener)
{
    OfferLabels labels;
    labels.lblCobrand = makeOfferLabel(parent, QStringLiteral("lblCobrand"), texts::kCobrandOffer, geometry, look);
    labels.lblFullBrand =
        makeOfferLabel(parent, QStringLiteral("lblFullBrand"), texts::kFullBrandOffer, geometry, look);
    QObject::connect(labels.lblFullBrand, &display::ClickableLabel::clicked, labels.lblFullBrand,
                     [&opener] { display::openSitePage(opener, display::PageKey::FullyBranded); });
    QObject::connect(labels.lblCobrand, &display::ClickableLabel::clicked, labels.lblCobrand,
                     [&opener] { display::openSitePage(opener, display::PageKey::CoBrand); });
    new FrontOfferOnly(labels, labels.lblFullBrand);
    return labels;
}

OfferStrip addOfferStrip(QWidget& parent, const QRect& stripGeometry, const QRect& offerGeometry,
                         display::UrlOpener& opener)
{
    auto* strip = new QFrame(&parent);
    strip->setObjectName(QStringLiteral("fraFullBrand"));
    strip->setGeometry(stripGeometry);
    display::fillBackground(*strip, display::kBlack);
    return {strip, addOfferLabels(*strip, offerGeometry, OfferLook::BrandStrip, opener)};
}

display::ClickableLabel* addSiteLabel(QWidget& parent, const QString& objectName, const QString& text,
                                      const QRect& geometry, display::UrlOpener& opener)
{
    display::ClickableLabel* label = makeLinkLabel(parent, objectName, text, geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, display::kWhite);
    label->setPalette(palette);
    QObject::connect(label, &display::ClickableLabel::clicked, label,
                     [&opener] { display::openSitePage(opener, display::PageKey::HomePage); });
    return label;
}

} // namespace windows
