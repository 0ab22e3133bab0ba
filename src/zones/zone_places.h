// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sky/place.h"

namespace zones {

// The zone the estimate's field starts with where the system or the browser
// names none.
inline constexpr std::string_view kFallbackZone = "UTC";

// A point on the Earth, in degrees: latitude north positive, longitude east positive.
// The place that represents the time zone (its principal city, e.g. Madrid
// for "Europe/Madrid"), from tzdata's zone1970.tab as it was when the program
// was built; nothing for a name the table does not have ("UTC", "CET", a
// zone tzdata keeps only as an alias).
std::optional<sky::Place> placeOfZone(std::string_view zone);

// Reads tzdata's ISO 6709 coordinates, "+4024-00341" or "-3436-05827" with
// whole degrees and minutes, or "+404730-0734700" with seconds too.
constexpr std::optional<sky::Place> parseIso6709(std::string_view text)
{
    // One signed part: `degreeDigits` of degrees, two of minutes, maybe two of seconds.
    struct Reader {
        std::string_view text;
        std::size_t at = 0;

        constexpr std::optional<int> digits(std::size_t count)
        {
            if (at + count > text.size())
                return std::nullopt;
            int value = 0;
            for (std::size_t end = at + count; at < end; ++at) {
                if (text[at] < '0' || text[at] > '9')
                    return std::nullopt;
                value = value * 10 + (text[at] - '0');
            }
            return value;
        }

        constexpr std::optional<double> angle(std::size_t degreeDigits, int largest)
        {
            if (at >= text.size() || (text[at] != '+' && text[at] != '-'))
                return std::nullopt;
            const double sign = text[at++] == '-' ? -1.0 : 1.0;
            const auto degrees = digits(degreeDigits);
            const auto minutes = digits(2);
            std::optional<int> seconds = 0;
            if (at < text.size() && text[at] >= '0' && text[at] <= '9')
                seconds = digits(2);
            if (!degrees || !minutes || !seconds || *minutes >= 60 || *seconds >= 60)
                return std::nullopt;
            const double value = *degrees + *minutes / 60.0 + *seconds / 3600.0;
            if (value > largest)
                return std::nullopt;
            return sign * value;
        }
    };
    Reader reader{text};
    const auto latitude = reader.angle(2, 90);
    const auto longitude = reader.angle(3, 180);
    if (!latitude || !longitude || reader.at != text.size())
        return std::nullopt;
    return sky::Place{*latitude, *longitude};
}

// The line under the place that says where the place offered first comes
// from, given the user's time zone (nothing when it is unknown): "Lugar por
// defecto: zona horaria Europe/Madrid"; for a zone tzdata does not place, or
// none, that there is no default and the user types the place.
std::string defaultPlaceText(std::optional<std::string_view> zone);

}  // namespace zones
