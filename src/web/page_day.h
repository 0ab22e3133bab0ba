// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/calcular.h"

namespace web {

// The shape of the day the page's "Calcular" fills the curve with: the bell
// until the estimate's "Usar" chooses the sun's, and again after "Volver a la
// campana".
model::DaySampler& pageDaySampler();

}  // namespace web
