// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/utf8.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Row {
    const char* name;
    std::string_view text;
    const char16_t* expected;  // written as UTF-16 by the compiler, not by Qt's decoder
};

void PrintTo(const Utf8Row& row, std::ostream* out)
{
    *out << row.name;
}

class FromUtf8 : public testing::TestWithParam<Utf8Row> {};

TEST_P(FromUtf8, DecodesTheViewAndNothingPastIt)
{
    EXPECT_EQ(qt::fromUtf8(GetParam().text), QString::fromUtf16(GetParam().expected));
}

// Views into longer texts, as the layout's captions and the model's messages
// are, stop at their own end.
constexpr std::string_view kMessage = "La casilla «Duración (hr)» está vacía.";

INSTANTIATE_TEST_SUITE_P(
    Texts, FromUtf8,
    testing::Values(Utf8Row{"Accents", "Exposición: (DEM)", u"Exposición: (DEM)"},
                    Utf8Row{"Guillemets", "«Calcular»", u"«Calcular»"},
                    Utf8Row{"Empty", "", u""},
                    Utf8Row{"ViewEndsMidText", kMessage.substr(0, kMessage.find(" está")),
                            u"La casilla «Duración (hr)»"},
                    Utf8Row{"ViewEndsBeforeTheDecimals", std::string_view("12,0").substr(0, 2), u"12"}),
    [](const testing::TestParamInfo<Utf8Row>& info) { return std::string(info.param.name); });

}  // namespace
