// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/request_form.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <variant>

#include "runtime/number_text.h"
#include "day/sky_inputs.h"
#include "sky/civil_date.h"

namespace web {
namespace {

static_assert(std::none_of(kBoxKeys.begin(), kBoxKeys.end(), [](std::string_view key) { return key.empty(); }),
              "every box's caption names a box of the window");

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '+') {
            decoded += ' ';
            continue;
        }
        if (c == '%' && at + 2 < text.size() && hexDigit(text[at + 1]) >= 0 && hexDigit(text[at + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[at + 1]) * 16 + hexDigit(text[at + 2]));
            at += 2;
            continue;
        }
        decoded += c;
    }
    return decoded;
}

// The first value of `key`, or none.
const std::string* valueOf(const FormPairs& pairs, std::string_view key)
{
    for (const auto& [name, value] : pairs) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

std::optional<std::string> given(const FormPairs& pairs, std::string_view key)
{
    const std::string* value = valueOf(pairs, key);
    return value ? std::optional(*value) : std::nullopt;
}

// JavaScript's own text of a number (String(offset)), "NaN" included.
double offsetOf(const std::string& text)
{
    const runtime::DoubleResult read = runtime::textToDouble(text, '.');
    const double* hours = std::get_if<double>(&read);
    return hours ? *hours : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

FormPairs decodeForm(std::string_view form)
{
    FormPairs pairs;
    while (!form.empty()) {
        const std::size_t end = form.find('&');
        const std::string_view piece = form.substr(0, end);
        form.remove_prefix(end == std::string_view::npos ? form.size() : end + 1);
        if (piece.empty())
            continue;
        const std::size_t equals = piece.find('=');
        const std::string_view name = piece.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? std::string_view() : piece.substr(equals + 1);
        pairs.emplace_back(percentDecoded(name), percentDecoded(value));
    }
    return pairs;
}

day::Request requestFromForm(std::string_view form)
{
    const FormPairs pairs = decodeForm(form);
    day::Request request;
    for (const layout::EstimateField& row : layout::kEstimateFields)
        request.field(row.field) = given(pairs, row.elementId);

    bool stay = false;
    model::InputTexts boxes;
    for (int box = 0; box < model::kInputCount; ++box) {
        if (const std::string* text = valueOf(pairs, boxKey(static_cast<model::InputBox>(box)))) {
            boxes[static_cast<std::size_t>(box)] = *text;
            stay = true;
        }
    }
    if (stay) {
        day::Stay& asked = request.stay.emplace();
        asked.boxes = boxes;
        asked.fps = given(pairs, kFpsKey);
        if (asked.fps && runtime::trimBlanks(*asked.fps).empty())
            asked.fps.reset();
        asked.amount = given(pairs, kAmountKey);
    }

    if (const std::string* offset = valueOf(pairs, kOffsetKey))
        request.noonOffset = offsetOf(*offset);
    if (const std::string* offset = valueOf(pairs, kTodayOffsetKey))
        request.todayNoonOffset = offsetOf(*offset);
    if (const std::string* today = valueOf(pairs, kTodayKey)) {
        const auto read = day::readDate(*today);
        if (const auto* date = std::get_if<sky::CivilDate>(&read))
            request.today = *date;
    }
    const std::string* separator = valueOf(pairs, kSeparatorKey);
    request.decimalSeparator = separator && *separator == "," ? ',' : '.';
    request.estimate = valueOf(pairs, kEstimateKey) != nullptr;
    request.dateUnreadable = valueOf(pairs, kDateUnreadableKey) != nullptr;
    return request;
}

}  // namespace web
