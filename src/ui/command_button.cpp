// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_button.h"

#include <QPainter>

#include "ui/focus_mark.h"

namespace ui {

void CommandButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!showsFocusMark(*this))
        return;
    // Inside the button's own frame, clear of the caption.
    constexpr int kInset = 2;
    QPainter painter(this);
    drawFocusMark(*this, painter, rect().adjusted(kInset, kInset, -kInset, -kInset));
}

}  // namespace ui
