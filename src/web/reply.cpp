// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/reply.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace web {

char* reply(const JsonObject& answer)
{
    const std::string json = answer.json();
    auto* copy = static_cast<char*>(std::malloc(json.size() + 1));
    if (copy)
        std::memcpy(copy, json.c_str(), json.size() + 1);
    return copy;
}

}  // namespace web

extern "C" {

// A reply the script has read.
EMSCRIPTEN_KEEPALIVE void iuv_release(char* reply)
{
    std::free(reply);
}

}  // extern "C"
