// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace ui {

// The style's focus rectangle, for the controls whose Qt widget shows none
// (picture boxes, scroll bars) or the same look with and without the focus
// (the default button). It is drawn along the edge of `rect`, `depth` pixels
// deep, over what the control shows there; the inside stays as it is. As the
// style decides, it may show only once the keyboard has moved the focus.
void drawFocusMark(const QWidget& widget, QPainter& painter, const QRect& rect, int depth);

}  // namespace ui
