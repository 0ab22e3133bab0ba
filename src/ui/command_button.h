// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace ui {

// A command button that shows the focus on top of the style's button: the
// style gives the focused button the same frame as the default button, so
// "Calcular", the default button, would look the same with and without it.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
