// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace model {

// What "Reiniciar" writes into the other locality's boxes: both differences
// back to zero, so that the next "Calcular" is for this locality again, and
// Text7, the corrected maximum, emptied until a difference is typed again.
struct ReiniciarTexts {
    std::string text5;
    std::string text6;
    std::string text7;
};

ReiniciarTexts Reiniciar();

}  // namespace model
