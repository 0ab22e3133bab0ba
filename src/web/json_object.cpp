// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/json_object.h"

#include <cmath>
#include <cstdio>

namespace web {
namespace {

// Quoted, with what JSON reads as its own escaped; UTF-8 passes as it is.
// The runs between escapes go in whole: datos.dat is a thousand lines.
std::string quoted(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 2);
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text, run, i - run);
        run = i + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        }
        }
    }
    out.append(text, run, text.size() - run);
    return out + '"';
}

}  // namespace

void JsonObject::name(std::string_view name)
{
    if (!members_.empty())
        members_ += ',';
    members_ += quoted(name) + ':';
}

JsonObject& JsonObject::text(std::string_view name, std::string_view value)
{
    this->name(name);
    members_ += quoted(value);
    return *this;
}

JsonObject& JsonObject::number(std::string_view name, double value)
{
    if (!std::isfinite(value))
        return null(name);
    this->name(name);
    // Seventeen significant digits read back as the same double.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.17g", value);
    members_ += digits;
    return *this;
}

JsonObject& JsonObject::flag(std::string_view name, bool value)
{
    this->name(name);
    members_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::null(std::string_view name)
{
    this->name(name);
    members_ += "null";
    return *this;
}

JsonObject& JsonObject::object(std::string_view name, const JsonObject& value)
{
    this->name(name);
    members_ += value.json();
    return *this;
}

JsonObject& JsonObject::objects(std::string_view name, std::span<const JsonObject> values)
{
    this->name(name);
    members_ += '[';
    for (const JsonObject& value : values) {
        if (&value != values.data())
            members_ += ',';
        members_ += value.json();
    }
    members_ += ']';
    return *this;
}

}  // namespace web
