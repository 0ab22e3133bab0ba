// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The JSON the page's calls answer with, against RFC 8259 read by hand: what
// a string must escape, what it may pass as it is, and numbers that read back
// as the same double.
#include "web/json_object.h"

#include <bit>
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace web {
namespace {

std::string textMember(const std::string& value)
{
    return JsonObject().text("t", value).json();
}

// RFC 8259, section 7: every character below U+0020 must be escaped, either
// as \u and its four hexadecimal digits (of either case) or, for the five
// that have one, as the short escape.
struct Control {
    const char* name;
    char character;
    const char* shortEscape;  // none: only \u
    const char* unicodeEscape;
};

void PrintTo(const Control& row, std::ostream* out)
{
    *out << row.name;
}

class ControlCharacter : public testing::TestWithParam<Control> {};

TEST_P(ControlCharacter, IsEscaped)
{
    const Control& row = GetParam();
    const std::string written = textMember(std::string{'a', row.character, 'b'});
    const auto as = [](const std::string& escape) { return "{\"t\":\"a" + escape + "b\"}"; };
    std::string upper = row.unicodeEscape;
    for (std::size_t i = std::string_view("\\u").size(); i < upper.size(); ++i)
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
    const bool shortForm = row.shortEscape && written == as(row.shortEscape);
    EXPECT_TRUE(shortForm || written == as(row.unicodeEscape) || written == as(upper)) << written;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Table, ControlCharacter,
    testing::Values(Control{"Nul", '\x00', nullptr, "\\u0000"},
                    Control{"StartOfHeading", '\x01', nullptr, "\\u0001"},
                    Control{"StartOfText", '\x02', nullptr, "\\u0002"},
                    Control{"EndOfText", '\x03', nullptr, "\\u0003"},
                    Control{"EndOfTransmission", '\x04', nullptr, "\\u0004"},
                    Control{"Enquiry", '\x05', nullptr, "\\u0005"},
                    Control{"Acknowledge", '\x06', nullptr, "\\u0006"},
                    Control{"Bell", '\x07', nullptr, "\\u0007"},
                    Control{"Backspace", '\x08', "\\b", "\\u0008"},
                    Control{"Tab", '\x09', "\\t", "\\u0009"},
                    Control{"LineFeed", '\x0a', "\\n", "\\u000a"},
                    Control{"VerticalTab", '\x0b', nullptr, "\\u000b"},
                    Control{"FormFeed", '\x0c', "\\f", "\\u000c"},
                    Control{"CarriageReturn", '\x0d', "\\r", "\\u000d"},
                    Control{"ShiftOut", '\x0e', nullptr, "\\u000e"},
                    Control{"ShiftIn", '\x0f', nullptr, "\\u000f"},
                    Control{"DataLinkEscape", '\x10', nullptr, "\\u0010"},
                    Control{"DeviceControlOne", '\x11', nullptr, "\\u0011"},
                    Control{"DeviceControlTwo", '\x12', nullptr, "\\u0012"},
                    Control{"DeviceControlThree", '\x13', nullptr, "\\u0013"},
                    Control{"DeviceControlFour", '\x14', nullptr, "\\u0014"},
                    Control{"NegativeAcknowledge", '\x15', nullptr, "\\u0015"},
                    Control{"SynchronousIdle", '\x16', nullptr, "\\u0016"},
                    Control{"EndOfTransmissionBlock", '\x17', nullptr, "\\u0017"},
                    Control{"Cancel", '\x18', nullptr, "\\u0018"},
                    Control{"EndOfMedium", '\x19', nullptr, "\\u0019"},
                    Control{"Substitute", '\x1a', nullptr, "\\u001a"},
                    Control{"Escape", '\x1b', nullptr, "\\u001b"},
                    Control{"FileSeparator", '\x1c', nullptr, "\\u001c"},
                    Control{"GroupSeparator", '\x1d', nullptr, "\\u001d"},
                    Control{"RecordSeparator", '\x1e', nullptr, "\\u001e"},
                    Control{"UnitSeparator", '\x1f', nullptr, "\\u001f"}),
    [](const testing::TestParamInfo<Control>& info) { return std::string(info.param.name); });
// clang-format on

// The two characters a string escapes for itself, text that needs no escape
// (UTF-8 above all, whose bytes are above 0x7f and so no control
// characters), and runs of plain text between escapes.
struct Text {
    const char* name;
    std::string value;
    const char* json;
};

void PrintTo(const Text& row, std::ostream* out)
{
    *out << row.name;
}

class TextValue : public testing::TestWithParam<Text> {};

TEST_P(TextValue, IsWrittenAsRfc8259Has)
{
    EXPECT_EQ(textMember(GetParam().value), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextValue,
    testing::Values(Text{"Empty", "", R"({"t":""})"},
                    Text{"QuotationMark", R"(dijo "sí")", R"({"t":"dijo \"sí\""})"},
                    Text{"ReverseSolidus", R"(C:\datos)", R"({"t":"C:\\datos"})"},
                    Text{"EscapesAtBothEnds", "\"\\", R"({"t":"\"\\"})"},
                    Text{"TwoByteUtf8", "Índice máximo, año", R"({"t":"Índice máximo, año"})"},
                    Text{"ThreeByteUtf8", "5 € · 2 mg/cm²", R"({"t":"5 € · 2 mg/cm²"})"},
                    Text{"FourByteUtf8", "sol \xF0\x9F\x8C\x9E", "{\"t\":\"sol \xF0\x9F\x8C\x9E\"}"},
                    Text{"DeleteNeedsNoEscape", "a\x7f" "b", "{\"t\":\"a\x7f" "b\"}"},
                    Text{"RunsBetweenEscapes", "6.014         0.0025\r\n6.028\t\"x\"\\y",
                         R"({"t":"6.014         0.0025\r\n6.028\t\"x\"\\y"})"}),
    [](const testing::TestParamInfo<Text>& info) { return std::string(info.param.name); });

TEST(JsonObject, EscapesTheMembersNamesAsItsTexts)
{
    EXPECT_EQ(JsonObject().null("a\"b\\c").json(), R"({"a\"b\\c":null})");
}

TEST(JsonObject, SeparatesMembersAndNestsObjects)
{
    EXPECT_EQ(JsonObject().json(), "{}");
    EXPECT_EQ(JsonObject()
                  .text("a", "x")
                  .number("b", 1)
                  .flag("c", true)
                  .flag("d", false)
                  .null("e")
                  .object("f", JsonObject().number("g", -2.5))
                  .object("h", JsonObject())
                  .json(),
              R"({"a":"x","b":1,"c":true,"d":false,"e":null,"f":{"g":-2.5},"h":{}})");
}

// An array's elements are separated by commas, none before the first or
// after the last, whether it holds none, one or several.
struct ArrayRow {
    const char* name;
    std::vector<JsonObject> values;
    const char* json;
};

void PrintTo(const ArrayRow& row, std::ostream* out)
{
    *out << row.name;
}

class ObjectArray : public testing::TestWithParam<ArrayRow> {};

TEST_P(ObjectArray, SeparatesItsObjects)
{
    EXPECT_EQ(JsonObject().number("n", 1).objects("a", GetParam().values).flag("z", true).json(), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ObjectArray,
    testing::Values(ArrayRow{"Empty", {}, R"({"n":1,"a":[],"z":true})"},
                    ArrayRow{"One", {JsonObject().text("t", "x")}, R"({"n":1,"a":[{"t":"x"}],"z":true})"},
                    ArrayRow{"Three", {JsonObject().number("i", 0), JsonObject(), JsonObject().null("k")},
                             R"({"n":1,"a":[{"i":0},{},{"k":null}],"z":true})"}),
    [](const testing::TestParamInfo<ArrayRow>& info) { return std::string(info.param.name); });

// JSON has no infinity and no NaN: a number that is not finite is null.
struct NotFinite {
    const char* name;
    double value;
};

void PrintTo(const NotFinite& row, std::ostream* out)
{
    *out << row.name;
}

class NonFiniteNumber : public testing::TestWithParam<NotFinite> {};

TEST_P(NonFiniteNumber, IsNull)
{
    EXPECT_EQ(JsonObject().number("x", GetParam().value).json(), R"({"x":null})");
}

INSTANTIATE_TEST_SUITE_P(Table, NonFiniteNumber,
                         testing::Values(NotFinite{"Infinity", std::numeric_limits<double>::infinity()},
                                         NotFinite{"MinusInfinity", -std::numeric_limits<double>::infinity()},
                                         NotFinite{"QuietNaN", std::numeric_limits<double>::quiet_NaN()},
                                         NotFinite{"NegativeNaN", -std::numeric_limits<double>::quiet_NaN()}),
                         [](const testing::TestParamInfo<NotFinite>& info) { return std::string(info.param.name); });

// A finite number is written in RFC 8259's grammar and reads back, through
// the C library's strtod, as the very same double, sign of zero included.
struct Finite {
    const char* name;
    double value;
};

void PrintTo(const Finite& row, std::ostream* out)
{
    *out << row.name;
}

// RFC 8259's number: -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [-+]? [0-9]+)?,
// read by hand (GCC 12's <regex> warns falsely at -O1).
bool isJsonNumber(std::string_view text)
{
    std::size_t at = 0;
    const auto digits = [&] {
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - start;
    };
    if (at < text.size() && text[at] == '-')
        ++at;
    if (at < text.size() && text[at] == '0')
        ++at;
    else if (at >= text.size() || text[at] < '1' || text[at] > '9' || digits() == 0)
        return false;
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (digits() == 0)
            return false;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '-' || text[at] == '+'))
            ++at;
        if (digits() == 0)
            return false;
    }
    return at == text.size();
}

struct NumberText {
    const char* text;
    bool json;
};

class JsonNumberGrammar : public testing::TestWithParam<NumberText> {};

TEST_P(JsonNumberGrammar, TellsAJsonNumber)
{
    EXPECT_EQ(isJsonNumber(GetParam().text), GetParam().json) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Rfc8259, JsonNumberGrammar,
                         testing::Values(NumberText{"0", true}, NumberText{"-0.5", true}, NumberText{"1e-300", true},
                                         NumberText{"12.5E+3", true}, NumberText{"01", false},
                                         NumberText{".5", false}, NumberText{"1.", false}, NumberText{"1e", false},
                                         NumberText{"+1", false}, NumberText{"inf", false}, NumberText{"", false}));

class FiniteNumber : public testing::TestWithParam<Finite> {};

TEST_P(FiniteNumber, ReadsBackAsTheSameDouble)
{
    const std::string json = JsonObject().number("x", GetParam().value).json();
    ASSERT_TRUE(json.starts_with("{\"x\":") && json.ends_with('}')) << json;
    const std::string number = json.substr(5, json.size() - 6);
    EXPECT_TRUE(isJsonNumber(number)) << number;
    char* end = nullptr;
    const double read = std::strtod(number.c_str(), &end);
    EXPECT_EQ(end, number.c_str() + number.size()) << number;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(GetParam().value))
        << number << " reads as " << std::hexfloat << read;
}

INSTANTIATE_TEST_SUITE_P(Table, FiniteNumber,
                         testing::Values(Finite{"Zero", 0.0}, Finite{"MinusZero", -0.0},
                                         Finite{"OneTenth", 0.1}, Finite{"OneThird", 1.0 / 3.0},
                                         Finite{"JustBelowOne", 0x1.fffffffffffffp-1},
                                         Finite{"SeventeenDigits", 0x1.5e8add236a58fp+2},
                                         Finite{"NegativeFraction", -13.5959},
                                         Finite{"WholeAboveTwoToTheFiftyThree", 9007199254740994.0},
                                         Finite{"ExponentAboveTwenty", 1e21},
                                         Finite{"Largest", DBL_MAX},
                                         Finite{"SmallestNormal", DBL_MIN},
                                         Finite{"SmallestSubnormal", 0x1p-1074},
                                         Finite{"NegativeSubnormal", -0x1.8p-1070}),
                         [](const testing::TestParamInfo<Finite>& info) { return std::string(info.param.name); });

// Whole numbers and short fractions as a person writes them, which is what
// the page's script and the generator's codes show.
TEST(JsonObject, WritesShortNumbersAsTheyAre)
{
    EXPECT_EQ(JsonObject().number("a", 0).number("b", 2).number("c", -5).number("d", 1000).number("e", 2.5).json(),
              R"({"a":0,"b":2,"c":-5,"d":1000,"e":2.5})");
}

}  // namespace
}  // namespace web
