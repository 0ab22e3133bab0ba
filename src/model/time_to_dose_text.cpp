// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/time_to_dose_text.h"

#include "runtime/number_format.h"

namespace model {
namespace {

constexpr const char* kNotReached = "1 DEM no se alcanza en el resto del día";

// The start hour plus the minutes, as the companion reckons its end of stay,
// so that both show the same minute.
std::string clockAfter(float horaExposicion, int minutes)
{
    return runtime::formatHourMinute((static_cast<double>(horaExposicion) + minutes / 60.0) / 24);
}

// How a stay's hours and minutes are named: abridged on the result line,
// in words for the screen reader.
struct StayWords {
    const char* hour;
    const char* hours;
    const char* minute;
    const char* minutes;
    const char* joiner;
};

constexpr StayWords kAbridged{"h", "h", "min", "min", " "};
constexpr StayWords kInWords{"hora", "horas", "minuto", "minutos", " y "};

std::string counted(int count, const char* one, const char* many)
{
    return runtime::integerToText(count) + " " + (count == 1 ? one : many);
}

std::string stay(int minutes, const StayWords& words)
{
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    if (hours == 0)
        return counted(rest, words.minute, words.minutes);
    const std::string hoursText = counted(hours, words.hour, words.hours);
    if (rest == 0)
        return hoursText;
    return hoursText + words.joiner + counted(rest, words.minute, words.minutes);
}

}  // namespace

std::string stayText(int minutes)
{
    return stay(minutes, kAbridged);
}

std::string oneDoseAtText(std::optional<int> minutes, float horaExposicion)
{
    if (!minutes)
        return kNotReached;
    return "1 DEM a las " + clockAfter(horaExposicion, *minutes);
}

std::string oneDoseText(std::optional<int> minutes, float horaExposicion)
{
    if (!minutes)
        return kNotReached;
    return oneDoseAtText(minutes, horaExposicion) + " (" + stayText(*minutes) + ")";
}

std::string oneDoseDescription(std::optional<int> minutes, float horaExposicion)
{
    if (!minutes)
        return std::string(kNotReached) + ", empezando a las " + clockAfter(horaExposicion, 0);
    return oneDoseAtText(minutes, horaExposicion) + ", " + stay(*minutes, kInWords) + " después de empezar";
}

}  // namespace model
