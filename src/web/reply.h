// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "web/json_object.h"

namespace web {

// What a call from the page's script returns: the object's JSON in memory of
// its own, which the script reads and gives back at once (iuv_release), so
// that nothing of one call waits in the calculator for the next.
char* reply(const JsonObject& answer);

}  // namespace web
