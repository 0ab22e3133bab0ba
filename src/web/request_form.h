// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "day/request.h"
#include "layout/layout.h"
#include "model/inputs.h"

// The page's question about a day at a place, as its script sends it: one
// application/x-www-form-urlencoded text (URLSearchParams), read here into a
// day::Request. Plain C++, tested natively.
namespace web {

// The form's pairs in their order, each name and value percent-decoded with
// '+' for a space, as the URL standard's urlencoded parser reads them: a '%'
// without two hexadecimal digits after it stands for itself, other bytes
// pass as they are (UTF-8 stays UTF-8), an empty piece between two '&' is
// no pair, and a piece without '=' is a name with an empty value.
using FormPairs = std::vector<std::pair<std::string, std::string>>;
FormPairs decodeForm(std::string_view form);

// The keys besides the estimate's fields, which go by their element ids
// (layout::EstimateField::elementId), and the six boxes, by their names. The
// sunscreen's two are its fields' ids on the page too.
inline constexpr std::string_view kFpsKey = "fps";
inline constexpr std::string_view kAmountKey = "cantidad";
inline constexpr std::string_view kOffsetKey = "desfase";      // hours ahead of UT at 12:00 of the date; NaN: no zone
inline constexpr std::string_view kTodayKey = "hoy";            // AAAA-MM-DD on the zone's clock
inline constexpr std::string_view kTodayOffsetKey = "desfase-hoy";  // the same offset at 12:00 of today
inline constexpr std::string_view kSeparatorKey = "separador";  // "," or "."
inline constexpr std::string_view kEstimateKey = "estimar";     // given: the estimate is wanted
inline constexpr std::string_view kDateUnreadableKey = "fecha-ilegible";  // given: the date input holds no day

// The keys the page's script builds its requests with, under the
// placeholders it has for them, which the page generator fills in.
struct ScriptKey {
    std::string_view placeholder;
    std::string_view key;
};
inline constexpr std::array<ScriptKey, 6> kScriptKeys = {{
    {"@OFFSET_KEY@", kOffsetKey},
    {"@TODAY_KEY@", kTodayKey},
    {"@TODAY_OFFSET_KEY@", kTodayOffsetKey},
    {"@SEPARATOR_KEY@", kSeparatorKey},
    {"@ESTIMATE_KEY@", kEstimateKey},
    {"@DATE_UNREADABLE_KEY@", kDateUnreadableKey},
}};

// The boxes' keys, Text1 first: the names of the window's boxes their
// captions name, found at compile time, so that the layout table itself stays
// out of the page's calculator.
inline constexpr std::array<std::string_view, model::kInputCount> kBoxKeys = [] {
    std::array<std::string_view, model::kInputCount> keys{};
    for (int box = 0; box < model::kInputCount; ++box) {
        for (const layout::Control& row : layout::kControls) {
            if (row.kind == layout::Kind::TextBox && row.accessibleName == model::captionOf(static_cast<model::InputBox>(box)))
                keys[static_cast<std::size_t>(box)] = row.name;
        }
    }
    return keys;
}();

constexpr std::string_view boxKey(model::InputBox box)
{
    return kBoxKeys[static_cast<std::size_t>(box)];
}

// The request the form asks. A check, and a flag, is on when its key is
// there, whatever its value, as a form sends a checked box; a repeated key
// counts once, its first value, as URLSearchParams.get reads it; a key
// missing leaves its part of the request as if not asked. Any box given asks
// for the stay, a box missing from it being empty; an FPS of blanks is no
// sunscreen, as the page's empty field says. An offset that is no number is
// a zone the browser does not know, and the separator is the point unless
// the comma is given.
day::Request requestFromForm(std::string_view form);

}  // namespace web
