// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/protection.h"

#include "day/clock.h"
#include "runtime/number_format.h"
#include "sky/estimate_text.h"

namespace day {
namespace {

// The time at which the index passes the threshold between two samples.
double crossing(double t0, double u0, double t1, double u1, double threshold)
{
    return t0 + (threshold - u0) / (u1 - u0) * (t1 - t0);
}

std::string hoursText(const ProtectionHours& hours)
{
    return "de " + tenMinutesDown(hours.from) + " a " + tenMinutesUp(hours.to);
}

const std::string kThreshold = runtime::integerToText(static_cast<int>(kProtectionThreshold));

}  // namespace

std::string_view curveWord(ProtectionCurve curve)
{
    return curve == ProtectionCurve::Sun ? "sol" : "estimacion";
}

std::optional<ProtectionHours> protectionHours(std::span<const double> times, std::span<const double> indices,
                                               double threshold)
{
    std::optional<std::size_t> first;
    std::size_t last = 0;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (indices[i] >= threshold) {
            if (!first)
                first = i;
            last = i;
        }
    }
    if (!first)
        return std::nullopt;
    ProtectionHours hours{times[*first], times[last]};
    if (*first > 0)
        hours.from = crossing(times[*first - 1], indices[*first - 1], times[*first], indices[*first], threshold);
    if (last + 1 < indices.size())
        hours.to = crossing(times[last], indices[last], times[last + 1], indices[last + 1], threshold);
    return hours;
}

std::string tenMinutesDown(double hours)
{
    return sky::clockText(minutesDown(hours, 10));
}

std::string tenMinutesUp(double hours)
{
    return sky::clockText(minutesUp(hours, 10));
}

std::string protectionText(const std::optional<ProtectionHours>& hours, bool today)
{
    if (!hours)
        return std::string(today ? "Hoy" : "Ese día") + " no hace falta protección: el índice no llega a " + kThreshold
               + ".";
    return "Protección solar " + hoursText(*hours) + " (índice " + kThreshold + " o más)";
}

std::string protectionText(const std::optional<ProtectionHours>& hours, std::string_view subject)
{
    if (!hours)
        return std::string(subject) + ", no hace falta protección: el índice no llega a " + kThreshold + ".";
    return std::string(subject) + ": protección solar " + hoursText(*hours) + " (índice " + kThreshold + " o más)";
}

std::string protectionReminderText(const std::optional<ProtectionHours>& hours)
{
    return hours ? "Protección solar " + hoursText(*hours) + "." : std::string();
}

}  // namespace day
