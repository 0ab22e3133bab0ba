// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// What the fuzz programs insist on. A broken property aborts, which libFuzzer
// reports with the input that broke it and the seed replay turns into a
// failed test.
namespace fuzzcheck {

[[noreturn]] void fail(std::string_view property, std::string_view detail);

inline void require(bool holds, std::string_view property, std::string_view detail = {})
{
    if (!holds)
        fail(property, detail);
}

// "-?(0|[1-9][0-9]*)<separator>[0-9]{decimals}", and no minus on a text that
// shows zero: the shape of every "0.0", "#0.0", "#0.00", "#0.000", "#0.0000".
bool matchesNumberPattern(std::string_view text, int decimals, char decimalSeparator);

// "h:mm": an hour 0 to 23 without a leading zero, a colon, two digits of minutes.
bool matchesHourMinute(std::string_view text);

// The text with the program's separator turned into the point, read by the C
// library in the "C" locale whatever the process's locale is: an opinion on
// the text's value that owes nothing to the program's own conversion.
double readWithCLibrary(std::string_view text, char decimalSeparator, std::size_t* consumed = nullptr);
float readSingleWithCLibrary(std::string_view text, char decimalSeparator, std::size_t* consumed = nullptr);

// The shortest text that reads back as exactly `value`, with `decimalSeparator`.
std::string shortestText(float value, char decimalSeparator);

// Printable form of raw input for a failure message.
std::string printable(std::string_view text);

}  // namespace fuzzcheck
