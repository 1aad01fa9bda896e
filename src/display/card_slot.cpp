// SPDX-FileCopyrightText: 2026 Zelto Cartomancy developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/card_slot.h"

#include "display/accessibility.h"
#include "display/face_lists.h"
#include "display/look.h"
#include "display/spread_layouts.h"
#include "engine/deck.h"

#include <QEvent>
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

    showFace(0);
}

QRect CardSlot::numberBox() const
{
    const int boxWidth = m_position < 10 ? 210 : 420;
    return m_crosswise ? twipsRect(1200, 720, boxWidth, 345) : twipsRect(0, 1100, boxWidth, 345);
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

namespace display {

PositionNumbers::PositionNumbers(QWidget* layout) : QWidget(layout)
{
    setObjectName(QStringLiteral("lblCardPosition"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(layout->rect());
    layout->installEventFilter(this);
    raise();
}

QFont PositionNumbers::numberFont()
{
    return verdanaFont(14.25, true);
}

bool PositionNumbers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void PositionNumbers::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(numberFont());
    painter.setPen(kPositionBlue);
    for (const CardSlot* slot : parentWidget()->findChildren<CardSlot*>(Qt::FindDirectChildrenOnly)) {
        // Centred in its box like a label, and not clipped to it: a wide digit may reach past the box.
        const QRect box = slot->numberBox().translated(slot->pos());
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, QString::number(slot->position()));
    }
}

} // namespace display
