// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace web {

// What one press of "Calcular" on the page came to, as iuv_calcular returns
// it; the page's script gets the numbers from the page generator.
enum class PressOutcome : int {
    kDone,              // Label4, Text7, the chart and datos.dat are ready
    kRefused,           // a text is not a number: the warning, and nothing changed
    kSkinTypeMessage,   // done, but the skin type is unknown: its message, Label4 as it was
};

}  // namespace web
