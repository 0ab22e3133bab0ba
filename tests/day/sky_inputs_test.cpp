// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/sky_inputs.h"

#include <gtest/gtest.h>

namespace day {
namespace {

using layout::SkyField;
using sky::CivilDate;
using sky::DateStyle;
using sky::SkyCover;
using sky::SkyInputs;

struct Accepted {
    const char* name;
    SkyTexts texts;
    char separator;
    SkyInputs inputs;
};

class SkyInputsAccept : public testing::TestWithParam<Accepted> {};

TEST_P(SkyInputsAccept, ReadsEveryField)
{
    const Accepted& row = GetParam();
    const auto read = readSkyInputs(row.texts, row.separator);
    ASSERT_TRUE(std::holds_alternative<SkyInputs>(read)) << describe(std::get<SkyFailure>(read));
    const SkyInputs& inputs = std::get<SkyInputs>(read);
    EXPECT_EQ(inputs.latitude, row.inputs.latitude);
    EXPECT_EQ(inputs.longitude, row.inputs.longitude);
    EXPECT_EQ(inputs.date, row.inputs.date);
    EXPECT_EQ(inputs.altitude, row.inputs.altitude);
    EXPECT_EQ(inputs.ozone, row.inputs.ozone);
    EXPECT_EQ(inputs.snow, row.inputs.snow);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkyInputsAccept,
    testing::Values(
        Accepted{"CommaLocale", {"40,45", "-3,70", "2026-06-21", "690", "", false}, ',',
                 {40.45, -3.70, {2026, 6, 21}, 690, {}, false}},
        Accepted{"PointLocaleWithOzoneAndSnow", {" -15.84 ", "-70.02", " 2026-01-22 ", "3830.5", "255.5", true}, '.',
                 {-15.84, -70.02, {2026, 1, 22}, 3830.5, 255.5, true}},
        Accepted{"EmptyAltitudeIsSeaLevel", {"0", "0", "2026-03-20", "  ", "", false}, '.',
                 {0, 0, {2026, 3, 20}, 0, {}, false}},
        Accepted{"DoublePrecisionKept", {"0.1", "1e-7", "2026-03-20", "", "", false}, '.',
                 {0.1, 1e-7, {2026, 3, 20}, 0, {}, false}},
        Accepted{"LeapDay", {"0", "0", "2024-02-29", "", "", false}, '.', {0, 0, {2024, 2, 29}, 0, {}, false}},
        Accepted{"LowestLimits", {"-90", "-180", "1901-01-01", "-500", "100", false}, '.',
                 {-90, -180, {1901, 1, 1}, -500, 100.0, false}},
        Accepted{"HighestLimits", {"90", "180", "2099-12-31", "9000", "600", false}, '.',
                 {90, 180, {2099, 12, 31}, 9000, 600.0, false}},
        Accepted{"WindowDateStyleDayFirst", {"40,45", "-3,70", " 05/06/2026 ", "690", "", false, DateStyle::DayMonthYear},
                 ',', {40.45, -3.70, {2026, 6, 5}, 690, {}, false}},
        Accepted{"WindowDateStyleLastDay", {"0", "0", "31/12/2099", "", "", false, DateStyle::DayMonthYear}, '.',
                 {0, 0, {2099, 12, 31}, 0, {}, false}}),
    [](const testing::TestParamInfo<Accepted>& info) { return std::string(info.param.name); });

// The message names the first bad field, in the order of the form.
struct Refused {
    const char* name;
    SkyTexts texts;
    char separator;
    SkyField field;
    const char* message;
};

class SkyInputsRefuse : public testing::TestWithParam<Refused> {};

TEST_P(SkyInputsRefuse, NamesTheField)
{
    const Refused& row = GetParam();
    const auto read = readSkyInputs(row.texts, row.separator);
    ASSERT_TRUE(std::holds_alternative<SkyFailure>(read));
    EXPECT_EQ(std::get<SkyFailure>(read).field, row.field);
    EXPECT_EQ(describe(std::get<SkyFailure>(read)), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkyInputsRefuse,
    testing::Values(
        Refused{"LatitudeBeyondThePole", {"95", "0", "2026-06-21", "", "", false}, ',', SkyField::Latitud,
                "«Latitud»: «95» no está entre -90 y 90 grados."},
        Refused{"LatitudeJustBeyond", {"-90,0001", "0", "2026-06-21", "", "", false}, ',', SkyField::Latitud,
                "«Latitud»: «-90,0001» no está entre -90 y 90 grados."},
        Refused{"LatitudeEmpty", {" ", "0", "2026-06-21", "", "", false}, ',', SkyField::Latitud,
                "La casilla «Latitud» está vacía."},
        Refused{"LatitudeOverflowsADouble", {"1e999", "0", "2026-06-21", "", "", false}, '.', SkyField::Latitud,
                "«Latitud»: «1e999» no está entre -90 y 90 grados."},
        Refused{"LongitudeLetters", {"40", "oeste", "2026-06-21", "", "", false}, ',', SkyField::Longitud,
                "«Longitud»: «oeste» no es un número válido."},
        Refused{"LongitudeOtherSeparator", {"40,45", "-3.70", "2026-06-21", "", "", false}, ',', SkyField::Longitud,
                "«Longitud»: «-3.70» no es un número válido; use la coma decimal (-3,70)."},
        Refused{"LongitudeNotFinite", {"40", "inf", "2026-06-21", "", "", false}, '.', SkyField::Longitud,
                "«Longitud»: «inf» no es un número finito."},
        Refused{"LongitudeBeyondTheDateLine", {"40", "180.5", "2026-06-21", "", "", false}, '.', SkyField::Longitud,
                "«Longitud»: «180.5» no está entre -180 y 180 grados."},
        Refused{"DateThatDoesNotExist", {"40", "-3", "2026-02-30", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «2026-02-30» no es un día del calendario."},
        Refused{"DateNotALeapYear", {"40", "-3", "2100-02-29", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «2100-02-29» no es un día del calendario."},
        Refused{"DateInTheWindowsStyle", {"40", "-3", "30/02/2026", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «30/02/2026» no es una fecha AAAA-MM-DD."},
        Refused{"DateWithoutLeadingZeros", {"40", "-3", "2026-6-21", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «2026-6-21» no es una fecha AAAA-MM-DD."},
        Refused{"DateBeforeTheFirst", {"40", "-3", "1900-12-31", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «1900-12-31» no está entre 1901-01-01 y 2099-12-31."},
        Refused{"DateAfterTheLast", {"40", "-3", "2100-01-01", "", "", false}, ',', SkyField::Fecha,
                "«Fecha»: «2100-01-01» no está entre 1901-01-01 y 2099-12-31."},
        Refused{"DateEmpty", {"40", "-3", "", "", "", false}, ',', SkyField::Fecha,
                "La casilla «Fecha» está vacía."},
        Refused{"WindowDateThatDoesNotExist", {"40", "-3", "30/02/2026", "", "", false, DateStyle::DayMonthYear}, ',',
                SkyField::Fecha, "«Fecha»: «30/02/2026» no es un día del calendario."},
        Refused{"WindowDateHalfTyped", {"40", "-3", "28/02/", "", "", false, DateStyle::DayMonthYear}, ',',
                SkyField::Fecha, "«Fecha»: «28/02/» no es una fecha DD/MM/AAAA."},
        Refused{"WindowDateInTheCommandLineStyle", {"40", "-3", "2026-06-21", "", "", false, DateStyle::DayMonthYear},
                ',', SkyField::Fecha, "«Fecha»: «2026-06-21» no es una fecha DD/MM/AAAA."},
        Refused{"WindowDateMonthOutOfRange", {"40", "-3", "21/13/2026", "", "", false, DateStyle::DayMonthYear}, ',',
                SkyField::Fecha, "«Fecha»: «21/13/2026» no es un día del calendario."},
        Refused{"WindowDateBeforeTheFirst", {"40", "-3", "31/12/1900", "", "", false, DateStyle::DayMonthYear}, ',',
                SkyField::Fecha, "«Fecha»: «31/12/1900» no está entre 01/01/1901 y 31/12/2099."},
        Refused{"AltitudeBelowTheDeadSea", {"40", "-3", "2026-06-21", "-501", "", false}, ',', SkyField::Altitud,
                "«Altitud»: «-501» no está entre -500 y 9000 metros."},
        Refused{"AltitudeAboveEverest", {"40", "-3", "2026-06-21", "9000,5", "", false}, ',', SkyField::Altitud,
                "«Altitud»: «9000,5» no está entre -500 y 9000 metros."},
        Refused{"OzoneTooLow", {"40", "-3", "2026-06-21", "", "99,9", false}, ',', SkyField::Ozono,
                "«Ozono»: «99,9» no está entre 100 y 600 DU."},
        Refused{"OzoneLetters", {"40", "-3", "2026-06-21", "", "mucho", false}, ',', SkyField::Ozono,
                "«Ozono»: «mucho» no es un número válido."},
        Refused{"FirstBadFieldWins", {"abc", "999", "2026-02-30", "x", "0", false}, ',', SkyField::Latitud,
                "«Latitud»: «abc» no es un número válido."}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

TEST(SkyFailureText, ZoneEmptyOrUnknown)
{
    EXPECT_EQ(describeNotAZone(""), "La casilla «Zona horaria» está vacía.");
    EXPECT_EQ(describeNotAZone("   "), "La casilla «Zona horaria» está vacía.");
    EXPECT_EQ(describeNotAZone("Marte/Olimpo"), "«Zona horaria»: «Marte/Olimpo» no es una zona horaria.");
}

TEST(SkyFailureText, LongPasteIsShortenedBetweenCharacters)
{
    const std::string pasted = std::string(39, 'x') + "ñandú y mucho más texto pegado";
    const SkyFailure failure{SkyField::Ozono, pasted, SkyProblem::NotANumber, ','};
    EXPECT_EQ(whatIsWrong(failure), "«" + std::string(39, 'x') + "…» no es un número válido");
}

}  // namespace
}  // namespace day
