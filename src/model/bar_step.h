// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace model {

// A bar beside a box: Min is the value at its top end, Max at its bottom end
// (either may be the larger), and the value always lies between them.
struct BarState {
    int min = 0;
    int max = 0;
    int value = 0;
};

// Which way an arrow, a page step or a key moves a bar: toward its top end
// (the up arrow) or toward its bottom end (the down arrow).
enum class BarStep { TowardTop, TowardBottom };

struct BarStepResult {
    int value = 0;         // the value the bar takes
    bool fromBox = false;  // the step started from the number in the box
};

// One step of `size` whole values. The box is read as "Calcular" reads it;
// when it holds a number within the bar's ends the step starts from that
// number, so what the user typed is not thrown away: 3 up gives 4, 7.5 up
// gives 8 and down 7. Otherwise (no number, or one outside the ends) it starts
// from the bar's own value. Never past an end.
BarStepResult stepBar(std::string_view boxText, char decimalSeparator, const BarState& bar, BarStep step,
                      int size = 1);

}  // namespace model
