// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

namespace web {

// One JSON object, written member by member: what a call from the page's
// script returns whole, for the script to parse once, and the numbers the
// page generator hands the script. A number is written so that it reads back
// as the same double; one that is not finite, which JSON cannot say, as null.
class JsonObject {
public:
    JsonObject& text(std::string_view name, std::string_view value);
    JsonObject& number(std::string_view name, double value);
    JsonObject& flag(std::string_view name, bool value);
    JsonObject& null(std::string_view name);
    JsonObject& object(std::string_view name, const JsonObject& value);
    // An array of objects, in their order.
    JsonObject& objects(std::string_view name, std::span<const JsonObject> values);

    std::string json() const { return '{' + members_ + '}'; }

private:
    void name(std::string_view name);

    std::string members_;
};

}  // namespace web
