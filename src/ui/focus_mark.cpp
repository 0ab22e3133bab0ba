// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/focus_mark.h"

#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace ui {

void drawFocusMark(const QWidget& widget, QPainter& painter, const QRect& rect, int depth)
{
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = rect;
    focus.backgroundColor = widget.palette().color(widget.backgroundRole());
    painter.save();
    painter.setClipRegion(QRegion(rect).subtracted(QRegion(rect.adjusted(depth, depth, -depth, -depth))));
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
    painter.restore();
}

}  // namespace ui
