// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QFrame;
class QWidget;

namespace display {
class ClickableLabel;
class UrlOpener;
} // namespace display

// The clickable labels of the reading windows that open the publisher's pages.
namespace windows {

struct OfferLabels {
    display::ClickableLabel* lblFullBrand = nullptr;
    display::ClickableLabel* lblCobrand = nullptr;
};

enum class OfferLook {
    BrandStrip, // centred blue text, along the lower edge of the main and picking windows
    ReportBar,  // left-aligned orange text in the report window's bottom bar
};

// Both offers at the same place; the full-brand offer starts in front and covers the other.
OfferLabels addOfferLabels(QWidget& parent, const QRect& geometry, OfferLook look, display::UrlOpener& opener);

// The black strip along the lower edge of the main and picking windows, with both offers in it.
struct OfferStrip {
    QFrame* fraFullBrand = nullptr;
    OfferLabels offers;
};
OfferStrip addOfferStrip(QWidget& parent, const QRect& stripGeometry, const QRect& offerGeometry,
                         display::UrlOpener& opener);

// A white underlined label that opens the home page.
display::ClickableLabel* addSiteLabel(QWidget& parent, const QString& objectName, const QString& text,
                                      const QRect& geometry, display::UrlOpener& opener);

} // namespace windows
