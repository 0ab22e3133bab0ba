// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/reiniciar.h"

#include "runtime/number_format.h"

namespace model {

ReiniciarTexts Reiniciar()
{
    return {runtime::integerToText(0), runtime::integerToText(0), {}};
}

}  // namespace model
