// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever a person types into a box: the conversion either refuses it or
// gives a finite float that the C library agrees with and that survives a
// trip through its own shortest text.
// Input: the first byte is the decimal separator ("," for a comma, anything
// else for the point), the rest is the text.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "checks.h"
#include "runtime/number_text.h"

using fuzzcheck::require;

namespace {

bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const runtime::SingleResult result = runtime::textToSingle(text, separator);

    // Blanks around the number never change the outcome.
    const runtime::SingleResult padded = runtime::textToSingle(" \t" + text + "\t ", separator);
    require(padded.index() == result.index(), "blanks around the text change whether it is accepted",
            fuzzcheck::printable(text));

    if (const auto* error = std::get_if<runtime::ConversionError>(&result)) {
        require(std::get<runtime::ConversionError>(padded) == *error, "blanks around the text change the refusal",
                fuzzcheck::printable(text));
        require(!runtime::describe(*error).empty(), "a refusal without a reason", fuzzcheck::printable(text));
        return 0;
    }

    const float value = std::get<float>(result);
    require(sameBits(std::get<float>(padded), value), "blanks around the text change its value", fuzzcheck::printable(text));
    require(std::isfinite(value), "an accepted text gives a value that is not finite", fuzzcheck::printable(text));

    // The C library reads the same characters (with the point) to the same float.
    std::size_t consumed = 0;
    const float expected = fuzzcheck::readSingleWithCLibrary(text, separator, &consumed);
    while (consumed < text.size() && isBlank(text[consumed]))
        ++consumed;
    require(consumed == text.size(), "an accepted text is not a whole number for the C library", fuzzcheck::printable(text));
    require(sameBits(value, expected), "the value differs from the correctly rounded one",
            fuzzcheck::printable(text) + " gave " + fuzzcheck::shortestText(value, '.') + ", C library "
                + fuzzcheck::shortestText(expected, '.'));

    // The shortest text of the value, in the same separator, converts back bit for bit.
    const std::string shortest = fuzzcheck::shortestText(value, separator);
    const runtime::SingleResult back = runtime::textToSingle(shortest, separator);
    require(std::holds_alternative<float>(back), "the shortest text of a value is refused", fuzzcheck::printable(shortest));
    require(sameBits(std::get<float>(back), value), "the shortest text converts to another float",
            fuzzcheck::printable(text) + " -> " + fuzzcheck::printable(shortest));

    // The other separator is never taken for this one.
    const char other = separator == ',' ? '.' : ',';
    if (text.find(separator) != std::string::npos) {
        require(std::holds_alternative<runtime::ConversionError>(runtime::textToSingle(text, other)),
                "a text with one separator is accepted with the other", fuzzcheck::printable(text));
    }
    return 0;
}
