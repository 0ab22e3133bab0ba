// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/system_zone.h"

#include <array>
#include <cstdlib>
#include <unistd.h>

namespace sky {
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

}  // namespace

std::optional<std::string> zoneFromSettings(std::optional<std::string_view> tz,
                                            std::optional<std::string_view> localtimeLink)
{
    if (tz) {
        std::string_view value = *tz;
        if (value.starts_with(':'))
            value.remove_prefix(1);
        if (value.starts_with('/') || value.find("zoneinfo/") != std::string_view::npos)
            return zoneOfPath(value);
        if (value.empty())
            return std::nullopt;
        return std::string(value);
    }
    if (localtimeLink)
        return zoneOfPath(*localtimeLink);
    return std::nullopt;
}

std::optional<std::string> systemZone()
{
    std::optional<std::string_view> tz;
    if (const char* value = std::getenv("TZ"))
        tz = value;
    std::array<char, 4096> target{};
    std::optional<std::string_view> link;
    const ssize_t length = ::readlink("/etc/localtime", target.data(), target.size());
    if (length > 0 && static_cast<std::size_t>(length) < target.size())
        link = std::string_view(target.data(), static_cast<std::size_t>(length));
    return zoneFromSettings(tz, link);
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

}  // namespace sky
