// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"

#include "display/accessibility.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/spread_layouts.h"
#include "engine/deck.h"

#include <QLabel>
#include <QPaintEngine>
#include <QPainter>

namespace display {
namespace {

const QColor kPositionBlue(0, 0, 255);

} // namespace

CardSlot::CardSlot(int position, bool crosswise, QWidget* parent)
    : QWidget(parent), m_position(position), m_crosswise(crosswise)
{
    installAccessibleInterfaces();
    const QSize size =
        crosswise ? QSize(twips(kSlotHeight), twips(kSlotWidth)) : QSize(twips(kSlotWidth), twips(kSlotHeight));
    setFixedSize(size);

    m_number = new QLabel(QString::number(position), this);
    m_number->setObjectName(QStringLiteral("lblCardPosition"));
    m_number->setTextFormat(Qt::PlainText);
    m_number->setAlignment(Qt::AlignCenter);
    m_number->setFont(verdanaFont(14.25, true));
    QPalette palette = m_number->palette();
    palette.setColor(QPalette::WindowText, kPositionBlue);
    m_number->setPalette(palette);
    m_number->setAutoFillBackground(false);
    const int boxWidth = position < 10 ? 210 : 420;
    m_number->setGeometry(crosswise ? twipsRect(1200, 720, boxWidth, 345) : twipsRect(0, 1100, boxWidth, 345));

    showFace(0);
}

void CardSlot::showFace(int pictureNumber)
{
    const bool isFace = pictureNumber >= 1 && pictureNumber <= FaceList::kItemCount;
    m_pictureNumber = isFace ? pictureNumber : 0;
    m_picture = QPixmap();
    // The number drawn over the card says where it lies; a screen reader hears both at once.
    QString shown = QStringLiteral("card back");
    if (isFace) {
        const std::string_view name = engine::card(static_cast<engine::CardIndex>(pictureNumber - 1)).name;
        shown = fromView(name);
    }
    setAccessibleName(QStringLiteral("Position %1: %2").arg(m_position).arg(shown));
    update();
}

const QPixmap& CardSlot::picture() const
{
    return picture(devicePixelRatioF());
}

const QPixmap& CardSlot::picture(qreal ratio) const
{
    if (m_picture.isNull() || !qFuzzyCompare(m_pictureRatio, ratio)) {
        m_pictureRatio = ratio;
        if (m_pictureNumber != 0)
            m_picture =
                m_crosswise ? SidewaysFaces.item(m_pictureNumber, ratio) : LargeFaces.item(m_pictureNumber, ratio);
        else
            m_picture = m_crosswise ? sidewaysCardBack(ratio) : cardBack(ratio);
    }
    return m_picture;
}

void CardSlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Printed or in a PDF (recorded as a picture on the way there) the face comes at its best resolution,
    // whatever the screen's.
    const QPaintEngine* engine = painter.paintEngine();
    const bool onPaper = engine && (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::Picture);
    const QPixmap& shown = picture(onPaper ? kPaperPixelRatio : devicePixelRatioF());
    if (!shown.isNull())
        painter.drawPixmap(rect(), shown);
}

} // namespace display
