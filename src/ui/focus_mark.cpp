// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/focus_mark.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace ui {
namespace {

void fillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour)
{
    painter.save();
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(outer.adjusted(width, width, -width, -width))));
    painter.fillRect(outer, colour);
    painter.restore();
}

}  // namespace

void drawFocusMark(const QWidget& widget, QPainter& painter, const QRect& rect, bool halo)
{
    fillRing(painter, rect, kFocusRingWidth, widget.palette().color(QPalette::WindowText));
    if (halo) {
        const QRect inside = rect.adjusted(kFocusRingWidth, kFocusRingWidth, -kFocusRingWidth, -kFocusRingWidth);
        fillRing(painter, inside, 1, widget.palette().color(widget.backgroundRole()));
    }
}

bool showsFocusMark(const QWidget& widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace ui
