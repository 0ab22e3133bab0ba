// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/system_zone.h"

#include <cstdlib>
#include <stdexcept>

#include <date/tz.h>

namespace zones {
namespace {

// The zone's name from a path to its file: what follows "zoneinfo/", without
// the "posix/" or "right/" copies' folder. A path elsewhere names no zone.
std::optional<std::string> zoneOfPath(std::string_view path)
{
    constexpr std::string_view kFolder = "zoneinfo/";
    const auto at = path.rfind(kFolder);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string_view zone = path.substr(at + kFolder.size());
    for (const std::string_view copy : {"posix/", "right/"}) {
        if (zone.starts_with(copy))
            zone.remove_prefix(copy.size());
    }
    if (zone.empty())
        return std::nullopt;
    return std::string(zone);
}

std::optional<TimeZone> zoneNamed(const std::optional<std::string>& name)
{
    if (!name)
        return std::nullopt;
    auto found = findZone(*name);
    if (auto* zone = std::get_if<TimeZone>(&found))
        return std::move(*zone);
    return std::nullopt;
}

// The library's answer, which it gives by an exception when the system has
// no zone set.
std::optional<std::string> configuredZone()
{
    try {
        return date::current_zone()->name();
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> zoneNamedByTz(std::string_view tz)
{
    if (tz.starts_with(':'))
        tz.remove_prefix(1);
    if (tz.starts_with('/') || tz.find("zoneinfo/") != std::string_view::npos)
        return zoneOfPath(tz);
    if (tz.empty())
        return std::nullopt;
    return std::string(tz);
}

std::optional<TimeZone> systemTimeZone()
{
    if (const char* tz = std::getenv("TZ")) {
        if (auto zone = zoneNamed(zoneNamedByTz(tz)))
            return zone;
    }
    return zoneNamed(configuredZone());
}

std::optional<std::string> systemZone()
{
    const auto zone = systemTimeZone();
    if (!zone)
        return std::nullopt;
    return zone->name();
}

std::optional<DefaultPlace> systemDefaultPlace()
{
    auto zone = systemZone();
    if (!zone)
        return std::nullopt;
    const auto place = placeOfZone(*zone);
    if (!place)
        return std::nullopt;
    return DefaultPlace{std::move(*zone), *place};
}

}  // namespace zones
