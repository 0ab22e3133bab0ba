// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ui {

// Qt ends the program with an English message and an abort when it can open
// no display. While it starts, this watch says instead, in Spanish, that the
// window needs a graphical display and that indice-uv-calc works without one,
// and ends the program with status 1. What else Qt says meanwhile is held and
// passed on once Qt has started. One at a time.
class DisplayWatch {
public:
    DisplayWatch();
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

    // Qt has started: its messages go where they went before.
    void started();

    static constexpr int kExitNoDisplay = 1;

private:
    bool watching_ = true;
};

}  // namespace ui
