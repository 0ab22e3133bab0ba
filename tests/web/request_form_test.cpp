// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's request as its script's URLSearchParams writes it: the forms
// below are the standard's serialisation written by hand (a space as '+',
// every byte but *-._ and the alphanumerics as %XX), read back into pairs and
// into the day's request.
#include "web/request_form.h"

#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace web {
namespace {

using layout::SkyField;

struct DecodeRow {
    const char* name;
    const char* form;
    FormPairs pairs;
};

class DecodeForm : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeForm, GivesThePairsInOrder)
{
    EXPECT_EQ(decodeForm(GetParam().form), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeForm,
    testing::Values(
        DecodeRow{"Plain", "latitud=40.42&longitud=-3.70", {{"latitud", "40.42"}, {"longitud", "-3.70"}}},
        DecodeRow{"PlusIsASpace", "Text1=+10+", {{"Text1", " 10 "}}},
        DecodeRow{"EscapedPlusIsAPlus", "Text6=%2B1", {{"Text6", "+1"}}},
        DecodeRow{"EscapedSlashAndComma", "zona=Europe%2FMadrid&Text1=10%2C5", {{"zona", "Europe/Madrid"}, {"Text1", "10,5"}}},
        DecodeRow{"Utf8TwoBytes", "zona=Am%C3%A9rica", {{"zona", "Am\xC3\xA9rica"}}},
        DecodeRow{"Utf8LowerCaseHex", "x=%e2%88%92", {{"x", "\xE2\x88\x92"}}},
        DecodeRow{"Utf8Unescaped", "x=\xC3\xB1", {{"x", "\xC3\xB1"}}},
        DecodeRow{"EscapedName", "Text%31=10", {{"Text1", "10"}}},
        DecodeRow{"BadEscapeStaysAsItIs", "x=%zz&y=%4&z=%", {{"x", "%zz"}, {"y", "%4"}, {"z", "%"}}},
        DecodeRow{"HalfAnEscapeBeforeTheEnd", "x=5%2", {{"x", "5%2"}}},
        DecodeRow{"EscapedPercent", "x=%25zz", {{"x", "%zz"}}},
        DecodeRow{"EqualsInTheValue", "x=1=2", {{"x", "1=2"}}},
        DecodeRow{"NoEqualsIsAnEmptyValue", "estimar&nieve=", {{"estimar", ""}, {"nieve", ""}}},
        DecodeRow{"EmptyPiecesSkipped", "&&x=1&&", {{"x", "1"}}},
        DecodeRow{"RepeatedKeyKeptTwice", "x=1&x=2", {{"x", "1"}, {"x", "2"}}},
        DecodeRow{"Empty", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// One estimate field as the form gives it.
struct FieldRow {
    const char* name;
    const char* form;
    SkyField field;
    std::optional<std::string> text;
};

class FieldFromForm : public testing::TestWithParam<FieldRow> {};

TEST_P(FieldFromForm, TakesTheFieldsText)
{
    EXPECT_EQ(requestFromForm(GetParam().form).field(GetParam().field), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FieldFromForm,
    testing::Values(FieldRow{"ByElementId", "latitud=40.42", SkyField::Latitud, "40.42"},
                    FieldRow{"Missing", "latitud=40.42", SkyField::Longitud, std::nullopt},
                    FieldRow{"GivenEmpty", "altitud=", SkyField::Altitud, ""},
                    FieldRow{"RepeatedTheFirst", "ozono=300&ozono=310", SkyField::Ozono, "300"},
                    FieldRow{"CheckedBox", "nieve=on", SkyField::Nieve, "on"},
                    FieldRow{"UncheckedBoxNotSent", "cielo=nuboso", SkyField::Nieve, std::nullopt},
                    FieldRow{"ZoneEscaped", "zona=America%2FArgentina%2FBuenos_Aires", SkyField::Zona,
                             "America/Argentina/Buenos_Aires"},
                    FieldRow{"ShapeWord", "forma=sol", SkyField::Forma, "sol"},
                    FieldRow{"BlanksKeptForTheReading", "fecha=+2026-06-21+", SkyField::Fecha, " 2026-06-21 "},
                    FieldRow{"BoxIsNoField", "Text1=10", SkyField::Latitud, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestFromForm, BoxKeysAreTheWindowsBoxNames)
{
    const char* names[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
    for (int box = 0; box < model::kInputCount; ++box)
        EXPECT_EQ(boxKey(static_cast<model::InputBox>(box)), names[box]);
}

TEST(RequestFromForm, NothingGivenAsksNothing)
{
    const day::Request request = requestFromForm("");
    for (const auto& field : request.fields)
        EXPECT_FALSE(field.has_value());
    EXPECT_FALSE(request.stay.has_value());
    EXPECT_FALSE(request.noonOffset.has_value());
    EXPECT_FALSE(request.today.has_value());
    EXPECT_FALSE(request.estimate);
    EXPECT_FALSE(request.dateUnreadable);
    EXPECT_EQ(request.decimalSeparator, '.');
    EXPECT_EQ(request.naming, runtime::Holder::Box);
    EXPECT_EQ(request.dateStyle, sky::DateStyle::Iso);
}

TEST(RequestFromForm, TheBoxesAskForTheStayInTheirOrder)
{
    const day::Request request = requestFromForm("Text6=6&Text1=1&Text3=+3&Text4=4&Text5=5&fps=30&cantidad=habitual");
    ASSERT_TRUE(request.stay.has_value());
    EXPECT_EQ(request.stay->boxes, (model::InputTexts{"1", "", " 3", "4", "5", "6"}));
    EXPECT_FALSE(request.stay->maximumFromEstimate);
    EXPECT_EQ(request.stay->fps, "30");
    EXPECT_EQ(request.stay->amount, "habitual");
}

struct SunscreenRow {
    const char* name;
    const char* form;
    std::optional<std::string> fps;
    std::optional<std::string> amount;
};

class SunscreenFromForm : public testing::TestWithParam<SunscreenRow> {};

TEST_P(SunscreenFromForm, TakesTheFactorAsTyped)
{
    const day::Request request = requestFromForm(std::string("Text1=10&") + GetParam().form);
    ASSERT_TRUE(request.stay.has_value());
    EXPECT_EQ(request.stay->fps, GetParam().fps);
    EXPECT_EQ(request.stay->amount, GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SunscreenFromForm,
    testing::Values(SunscreenRow{"None", "cantidad=etiqueta", std::nullopt, "etiqueta"},
                    SunscreenRow{"Empty", "fps=", std::nullopt, std::nullopt},
                    SunscreenRow{"Blanks", "fps=+%09+", std::nullopt, std::nullopt},
                    SunscreenRow{"Typed", "fps=+30", " 30", std::nullopt},
                    SunscreenRow{"NotAFactorKept", "fps=1", "1", std::nullopt},
                    SunscreenRow{"UnknownAmountKept", "fps=30&cantidad=mucha", "30", "mucha"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RequestFromForm, TheSunscreenAloneAsksForNoStay)
{
    EXPECT_FALSE(requestFromForm("fps=30&cantidad=habitual").stay.has_value());
}

struct OffsetRow {
    const char* name;
    const char* form;
    std::optional<double> hours;  // NaN: given, but no zone
    // The date's offset, or today's for the bell's reminders, read alike.
    std::optional<double> day::Request::*offset = &day::Request::noonOffset;
};

class OffsetFromForm : public testing::TestWithParam<OffsetRow> {};

TEST_P(OffsetFromForm, ReadsJavaScriptsNumber)
{
    const std::optional<double> offset = requestFromForm(GetParam().form).*GetParam().offset;
    const std::optional<double>& expected = GetParam().hours;
    ASSERT_EQ(offset.has_value(), expected.has_value());
    if (!expected)
        return;
    if (std::isnan(*expected)) {
        EXPECT_TRUE(std::isnan(*offset)) << *offset;
    } else {
        EXPECT_EQ(*offset, *expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OffsetFromForm,
    testing::Values(OffsetRow{"Missing", "zona=UTC", std::nullopt},
                    OffsetRow{"Whole", "desfase=2", 2.0},
                    OffsetRow{"Zero", "desfase=0", 0.0},
                    OffsetRow{"NegativeHalf", "desfase=-3.5", -3.5},
                    OffsetRow{"QuarterHours", "desfase=5.75", 5.75},
                    OffsetRow{"LocalMeanTime", "desfase=-0.24555555555555555", -0.24555555555555555},
                    OffsetRow{"Exponent", "desfase=1e-7", 1e-7},
                    OffsetRow{"UnknownZone", "desfase=NaN", std::nan("")},
                    OffsetRow{"Empty", "desfase=", std::nan("")},
                    OffsetRow{"CommaIsNoNumber", "desfase=5%2C75", std::nan("")},
                    OffsetRow{"TodayMissing", "desfase=2", std::nullopt, &day::Request::todayNoonOffset},
                    OffsetRow{"TodayBesideTheDate", "desfase=2&desfase-hoy=1", 1.0, &day::Request::todayNoonOffset},
                    OffsetRow{"TodayInAnUnknownZone", "desfase-hoy=NaN", std::nan(""), &day::Request::todayNoonOffset}),
    [](const auto& info) { return std::string(info.param.name); });

struct TodayRow {
    const char* name;
    const char* form;
    std::optional<sky::CivilDate> today;
};

class TodayFromForm : public testing::TestWithParam<TodayRow> {};

TEST_P(TodayFromForm, ReadsTheBrowsersDate)
{
    EXPECT_EQ(requestFromForm(GetParam().form).today, GetParam().today);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TodayFromForm,
    testing::Values(TodayRow{"Iso", "hoy=2026-06-21", sky::CivilDate{2026, 6, 21}},
                    TodayRow{"LeapDay", "hoy=2028-02-29", sky::CivilDate{2028, 2, 29}},
                    TodayRow{"NoSuchDay", "hoy=2026-02-30", std::nullopt},
                    TodayRow{"OtherStyle", "hoy=21%2F06%2F2026", std::nullopt},
                    TodayRow{"Missing", "desfase=2", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct SeparatorRow {
    const char* name;
    const char* form;
    char separator;
};

class SeparatorFromForm : public testing::TestWithParam<SeparatorRow> {};

TEST_P(SeparatorFromForm, IsThePointUnlessTheComma)
{
    EXPECT_EQ(requestFromForm(GetParam().form).decimalSeparator, GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(Rows, SeparatorFromForm,
                         testing::Values(SeparatorRow{"Comma", "separador=%2C", ','},
                                         SeparatorRow{"CommaUnescaped", "separador=,", ','},
                                         SeparatorRow{"Point", "separador=.", '.'},
                                         SeparatorRow{"Other", "separador=%3B", '.'},
                                         SeparatorRow{"RepeatedTheFirst", "separador=.&separador=,", '.'},
                                         SeparatorRow{"Missing", "Text1=10", '.'}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlagRow {
    const char* name;
    const char* form;
    bool estimate;
    bool dateUnreadable;
};

class FlagsFromForm : public testing::TestWithParam<FlagRow> {};

TEST_P(FlagsFromForm, AreOnWhenGiven)
{
    const day::Request request = requestFromForm(GetParam().form);
    EXPECT_EQ(request.estimate, GetParam().estimate);
    EXPECT_EQ(request.dateUnreadable, GetParam().dateUnreadable);
}

INSTANTIATE_TEST_SUITE_P(Rows, FlagsFromForm,
                         testing::Values(FlagRow{"Neither", "fecha=", false, false},
                                         FlagRow{"EstimateWithoutValue", "estimar", true, false},
                                         FlagRow{"EstimateEmpty", "estimar=", true, false},
                                         FlagRow{"DateUnreadable", "fecha=&fecha-ilegible=", false, true},
                                         FlagRow{"Both", "fecha-ilegible=1&estimar=1", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace web
