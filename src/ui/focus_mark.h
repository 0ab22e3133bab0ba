// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace ui {

// The focus mark of the controls whose Qt widget shows none (picture boxes,
// scroll bars) or the same look with and without the focus (the default
// button): a ring kFocusRingWidth pixels wide in the scheme's text colour,
// drawn along the inside of `rect` over what the control shows there, which
// stands out at least 3:1 from the light colours of a button, a bar and the
// window around it. With `halo`, one more pixel inside the ring takes the
// control's background colour, so that the ring stands out as well from a
// picture that is dark at its edge.
inline constexpr int kFocusRingWidth = 2;
void drawFocusMark(const QWidget& widget, QPainter& painter, const QRect& rect, bool halo = false);

// Whether `widget` shows its focus mark: it has the focus, and the keyboard
// brought it there, as the desktop's styles do (a click leaves no mark).
bool showsFocusMark(const QWidget& widget);

}  // namespace ui
