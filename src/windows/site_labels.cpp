// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/site_labels.h"

#include "display/clickable_label.h"
#include "display/look.h"
#include "display/site_pages.h"
#include "windows/window_look.h"
#include "windows/window_texts.h"

namespace windows {

namespace {

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
    palette.setColor(QPalette::Window, kBlack);
    palette.setColor(QPalette::WindowText, inStrip ? kOfferBlue : display::kOrange);
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
    return labels;
}

display::ClickableLabel* addSiteLabel(QWidget& parent, const QString& objectName, const QString& text,
                                      const QRect& geometry, display::UrlOpener& opener)
{
    display::ClickableLabel* label = makeLinkLabel(parent, objectName, text, geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kWhite);
    label->setPalette(palette);
    QObject::connect(label, &display::ClickableLabel::clicked, label,
                     [&opener] { display::openSitePage(opener, display::PageKey::HomePage); });
    return label;
}

} // namespace windows
