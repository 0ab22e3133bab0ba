// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace day {

// Official services advise protection while the index is 3 or more.
inline constexpr double kProtectionThreshold = 3;

// Which curve gave the hours: the one in force for the stay (the sun's day,
// scaled to the corrected maximum), or the estimate's own maximum on the
// sun's day at its place, when the bell is in force or there is no stay.
enum class ProtectionCurve { Sun, Estimate };

// The companion's JSON word for the curve: "sol", "estimacion".
std::string_view curveWord(ProtectionCurve curve);

// Clock hours on the zone's clock (10.1167 is 10:07), exact.
struct ProtectionHours {
    double from = 0;
    double to = 0;
};

// The interval in which the sampled index is at `threshold` or more, each
// crossing interpolated linearly between the samples around it; a first or
// last sample already over it bounds the interval. None when no sample
// reaches it. `times` and `indices` are the same length, times rising.
std::optional<ProtectionHours> protectionHours(std::span<const double> times, std::span<const double> indices,
                                               double threshold = kProtectionThreshold);

// To ten minutes, as official services print them: "10:00", "18:30".
std::string tenMinutesDown(double hours);
std::string tenMinutesUp(double hours);

// "Protección solar de 10:00 a 18:30 (índice 3 o más)", or for a day under
// the threshold "Hoy no hace falta protección: el índice no llega a 3." (with
// "Ese día" for a day that is not today).
std::string protectionText(const std::optional<ProtectionHours>& hours, bool today);

// The same after the estimate's subject, which names its day, place and sky:
// "Hoy en Europe/Madrid, con cielo despejado: protección solar de 10:00 a
// 18:30 (índice 3 o más)".
std::string protectionText(const std::optional<ProtectionHours>& hours, std::string_view subject);

// "Protección solar de 10:00 a 18:30.", or an empty text for a day under the
// threshold: what the stay's first reminder adds.
std::string protectionReminderText(const std::optional<ProtectionHours>& hours);

// The day's protection, as the answer gives it.
struct Protection {
    ProtectionCurve curve = ProtectionCurve::Sun;
    double maximum = 0;                    // the curve's
    std::optional<ProtectionHours> hours;  // none: under the threshold all day
    std::string line;
};

}  // namespace day
