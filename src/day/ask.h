// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "day/answer.h"
#include "day/request.h"

namespace day {

// The one answer to a request: the place's fields in the table's order, then
// the stay's boxes, then the sunscreen.
Answer answer(const Request& request);

}  // namespace day
