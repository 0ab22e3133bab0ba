// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/ask.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "support/reference_days.h"
#include "support/scoped_tz.h"

// The day's answer against values worked out apart from this program: solar
// noon by NOAA's equation of time (solar noon UT = 12 h - longitude/15 - EoT,
// cross-checked with the U.S. Naval Observatory's formulas to within 3 s), the
// climatology's ozone by hand from data/ozone-climatology.csv, the zones'
// offsets and places from tzdata, and the estimates of tests/cli's reference
// days.
namespace day {
namespace {

using layout::SkyField;
using model::InputBox;
using runtime::Holder;
using sky::CivilDate;

using Fields = std::vector<std::pair<SkyField, const char*>>;

Request requestOf(const Fields& fields)
{
    Request request;
    for (const auto& [field, text] : fields)
        request.field(field) = text;
    return request;
}

Stay stayOf(model::InputTexts boxes, std::optional<std::string> fps = {}, std::optional<std::string> amount = {})
{
    return Stay{std::move(boxes), false, std::move(fps), std::move(amount)};
}

std::string subjectName(const Subject& subject)
{
    if (const auto* field = std::get_if<SkyField>(&subject))
        return std::string(layout::fieldOf(*field).name);
    if (const auto* box = std::get_if<InputBox>(&subject))
        return "Text" + std::to_string(static_cast<int>(*box) + 1);
    return std::get<SunscreenField>(subject) == SunscreenField::Fps ? "FPS" : "cantidad";
}

// The second of the estimate's three lines: solar noon, ozone, the sun's angle.
std::string sunLineOf(const std::string& text)
{
    const auto first = text.find('\n');
    const auto second = text.find('\n', first + 1);
    return text.substr(first + 1, second - first - 1);
}

// The morning in Madrid of the reference days: 10, from 11:00, 2 h, skin type 3.
const test_support::ReferenceDay& kMorning = test_support::referenceDay("MadridMorning");
const model::InputTexts kMorningBoxes = {kMorning.maximum,  kMorning.start, kMorning.duration,
                                         kMorning.skinType, "0",            "0"};

// --- One order of refusals ---------------------------------------------------

// Each field good, or bad in its own way (a check cannot be).
constexpr SkyField kFields[] = {SkyField::Latitud, SkyField::Longitud, SkyField::Fecha, SkyField::Altitud,
                                SkyField::Ozono,   SkyField::Cielo,    SkyField::Aire,  SkyField::Zona,
                                SkyField::Forma};
constexpr const char* kGood[] = {"40.42", "-3.70",  "2026-06-21",    "690", "300", "poco-nuboso",
                                 "normal", "Europe/Madrid", "sol"};
constexpr const char* kBad[] = {"95", "oeste", "2026-02-30", "-501", "99.9", "nublado", "sucio", "Marte/Olimpo", "luna"};

// The fields before `first` good, it and the rest bad; all good for none.
Fields badFrom(std::optional<SkyField> first)
{
    Fields fields;
    bool bad = false;
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        bad = bad || (first && kFields[i] == *first);
        fields.emplace_back(kFields[i], bad ? kBad[i] : kGood[i]);
    }
    return fields;
}

const Stay kBadStay = stayOf({"diez", "", "2", "3", "0", "y"}, "1", "mucha");

struct RefusalRow {
    const char* name;
    Fields fields;
    std::optional<Stay> stay;
    Subject subject;
    const char* boxMessage;     // the forms'; null: no form asks it so
    const char* optionMessage;  // the companion's; null: it never asks it so
    bool estimate = true;
    const char* tz = "Europe/Madrid";
};

void PrintTo(const RefusalRow& row, std::ostream* out)
{
    *out << row.name;
}

class OneOrderOfRefusals : public testing::TestWithParam<RefusalRow> {};

TEST_P(OneOrderOfRefusals, RefusesTheFirstInTheTablesOrder)
{
    const RefusalRow& row = GetParam();
    test_support::ScopedTz tz(row.tz);
    for (const auto& [naming, message] :
         {std::pair{Holder::Box, row.boxMessage}, std::pair{Holder::Option, row.optionMessage}}) {
        if (!message)
            continue;
        SCOPED_TRACE(naming == Holder::Box ? "the forms" : "the companion");
        Request request = requestOf(row.fields);
        request.estimate = row.estimate;
        request.stay = row.stay;
        request.naming = naming;
        const Answer answered = answer(request);
        ASSERT_TRUE(answered.refusal);
        EXPECT_TRUE(answered.refusal->subject == row.subject) << subjectName(answered.refusal->subject);
        EXPECT_EQ(answered.refusal->message, message);
        // Nothing half computed; only the sunscreen is refused beside a stay.
        EXPECT_EQ(answered.stay.has_value(), std::holds_alternative<SunscreenField>(row.subject));
        if (std::holds_alternative<SkyField>(row.subject)) {
            EXPECT_FALSE(answered.estimate);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneOrderOfRefusals,
    testing::Values(
        RefusalRow{"LatitudeBeforeEverything", badFrom(SkyField::Latitud), kBadStay, SkyField::Latitud,
                   "«Latitud»: «95» no está entre -90 y 90 grados.", "--latitud: «95» no está entre -90 y 90 grados."},
        RefusalRow{"LongitudeNext", badFrom(SkyField::Longitud), kBadStay, SkyField::Longitud,
                   "«Longitud»: «oeste» no es un número válido.", "--longitud: «oeste» no es un número válido."},
        RefusalRow{"DateNext", badFrom(SkyField::Fecha), kBadStay, SkyField::Fecha,
                   "«Fecha»: «2026-02-30» no es un día del calendario.",
                   "--fecha: «2026-02-30» no es un día del calendario."},
        RefusalRow{"AltitudeNext", badFrom(SkyField::Altitud), kBadStay, SkyField::Altitud,
                   "«Altitud»: «-501» no está entre -500 y 9000 metros.",
                   "--altitud: «-501» no está entre -500 y 9000 metros."},
        RefusalRow{"OzoneNext", badFrom(SkyField::Ozono), kBadStay, SkyField::Ozono,
                   "«Ozono»: «99.9» no está entre 100 y 600 DU.", "--ozono: «99.9» no está entre 100 y 600 DU."},
        RefusalRow{"SkyNext", badFrom(SkyField::Cielo), kBadStay, SkyField::Cielo,
                   "«Cielo»: «nublado» no es despejado, poco-nuboso, nuboso ni cubierto.",
                   "--cielo: «nublado» no es despejado, poco-nuboso, nuboso ni cubierto."},
        RefusalRow{"AirNext", badFrom(SkyField::Aire), kBadStay, SkyField::Aire,
                   "«Aire»: «sucio» no es limpio, normal ni turbio.", "--aire: «sucio» no es limpio, normal ni turbio."},
        RefusalRow{"ZoneNext", badFrom(SkyField::Zona), kBadStay, SkyField::Zona,
                   "«Zona horaria»: «Marte/Olimpo» no es una zona horaria.",
                   "--zona: «Marte/Olimpo» no es una zona horaria."},
        RefusalRow{"ShapeNext", badFrom(SkyField::Forma), kBadStay, SkyField::Forma,
                   "«Forma del día»: «luna» no es campana ni sol.", "--curva: «luna» no es campana ni sol."},
        RefusalRow{"TheMaximumBoxAfterTheFields", badFrom(std::nullopt), kBadStay, InputBox::Text1,
                   "«Indice Máximo»: «diez» no es un número válido.",
                   "--indice-maximo: «diez» no es un número válido."},
        // The boxes in the window's reading order: the maximum and its two
        // corrections, then the exposure.
        RefusalRow{"TheLatitudeDifferenceBeforeTheStartHour", badFrom(std::nullopt),
                   stayOf({"10", "", "2", "3", "0", "y"}, "1"), InputBox::Text6,
                   "«Diferencia de latitud (º)»: «y» no es un número válido.",
                   "--diferencia-latitud: «y» no es un número válido."},
        RefusalRow{"AnEmptyBox", badFrom(std::nullopt), stayOf({"10", "11", "2", " ", "0", "0"}, "1"),
                   InputBox::Text4, "La casilla «Tipo de piel» está vacía.", "La opción --tipo-piel está vacía."},
        RefusalRow{"TheFactorAfterTheBoxes", badFrom(std::nullopt), stayOf(kMorningBoxes, "1", "mucha"),
                   SunscreenField::Fps, "«FPS»: «1» no es un FPS válido (un entero de 2 a 100).",
                   "--fps: «1» no es un FPS válido (un entero de 2 a 100)."},
        RefusalRow{"TheAmountLast", badFrom(std::nullopt), stayOf(kMorningBoxes, "30", "mucha"),
                   SunscreenField::Amount, "«Cantidad aplicada»: «mucha» no es etiqueta ni habitual.",
                   "--cantidad: «mucha» no es etiqueta ni habitual."},
        // A zone that is none refuses the place and the date it should have
        // given at their turn, but a bad latitude typed comes first.
        RefusalRow{"BadZoneWithABadLatitudeGiven", {{SkyField::Zona, "Marte/Olimpo"}, {SkyField::Latitud, "95"}},
                   std::nullopt, SkyField::Latitud, "«Latitud»: «95» no está entre -90 y 90 grados.",
                   "--latitud: «95» no está entre -90 y 90 grados."},
        RefusalRow{"BadZoneAtTheMissingLongitudesTurn",
                   {{SkyField::Latitud, "40"}, {SkyField::Altitud, "-501"}, {SkyField::Zona, "Marte/Olimpo"}},
                   std::nullopt, SkyField::Zona, "«Zona horaria»: «Marte/Olimpo» no es una zona horaria.",
                   "--zona: «Marte/Olimpo» no es una zona horaria."},
        RefusalRow{"BadZoneAtTheMissingDatesTurn",
                   {{SkyField::Latitud, "40"},
                    {SkyField::Longitud, "-3"},
                    {SkyField::Ozono, "99.9"},
                    {SkyField::Zona, "Marte/Olimpo"}},
                   std::nullopt, SkyField::Zona, "«Zona horaria»: «Marte/Olimpo» no es una zona horaria.",
                   "--zona: «Marte/Olimpo» no es una zona horaria."},
        // A zone without a place (tzdata places no "UTC") refuses the place
        // not typed before any field after it.
        RefusalRow{"PlacelessSystemZone", {{SkyField::Altitud, "-501"}}, std::nullopt, SkyField::Latitud,
                   "La casilla «Latitud» está vacía.",
                   "--estimar: indique --latitud y --longitud (la zona horaria UTC no tiene lugar).", true, "UTC"},
        RefusalRow{"PlacelessSystemZoneWithTheLatitudeGiven", {{SkyField::Latitud, "40"}}, std::nullopt,
                   SkyField::Latitud, nullptr,
                   "--estimar: indique --latitud y --longitud (la zona horaria UTC no tiene lugar).", true, "UTC"},
        RefusalRow{"PlacelessZoneNamed", {{SkyField::Latitud, "40"}, {SkyField::Zona, "UTC"}}, std::nullopt,
                   SkyField::Latitud, nullptr,
                   "--estimar: indique --latitud y --longitud (la zona horaria UTC no tiene lugar)."},
        RefusalRow{"PlacelessZoneForTheSunsDay", {{SkyField::Forma, "sol"}}, std::nullopt, SkyField::Latitud,
                   "La casilla «Latitud» está vacía.",
                   "--curva sol: indique --latitud y --longitud (la zona horaria UTC no tiene lugar).", false, "UTC"},
        // Tromsø's polar night has no sun's day; it is refused before the boxes.
        RefusalRow{"PolarNightBySun",
                   {{SkyField::Latitud, "69.65"},
                    {SkyField::Longitud, "18.96"},
                    {SkyField::Fecha, "2026-12-21"},
                    {SkyField::Zona, "Europe/Oslo"},
                    {SkyField::Forma, "sol"}},
                   kBadStay, SkyField::Forma,
                   "El sol no sale el 21/12/2026 en 69.65° N, 18.96° E: no hay forma del día según el sol.",
                   "--curva sol: El sol no sale el 2026-12-21 en 69.65° N, 18.96° E: no hay forma del día según el "
                   "sol."},
        // Without the estimate and the sun's day the place is not read.
        RefusalRow{"FieldsNotReadAreNotRefused",
                   {{SkyField::Latitud, "95"}, {SkyField::Zona, "Marte/Olimpo"}, {SkyField::Forma, "campana"}},
                   kBadStay, InputBox::Text1, "«Indice Máximo»: «diez» no es un número válido.",
                   "--indice-maximo: «diez» no es un número válido.", false},
        RefusalRow{"ShapeBeforeTheBoxesWithoutThePlace", {{SkyField::Latitud, "95"}, {SkyField::Forma, "luna"}},
                   kBadStay, SkyField::Forma, "«Forma del día»: «luna» no es campana ni sol.",
                   "--curva: «luna» no es campana ni sol.", false}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

// --- The sunscreen's refusal leaves the stay answered ------------------------

struct SunscreenRow {
    const char* name;
    Fields fields;
    std::optional<std::string> fps;
    std::optional<std::string> amount;
    SunscreenField refused;
    const char* exposure;  // Label4 for the morning in Madrid
};

void PrintTo(const SunscreenRow& row, std::ostream* out)
{
    *out << row.name;
}

class SunscreenRefusal : public testing::TestWithParam<SunscreenRow> {};

TEST_P(SunscreenRefusal, LeavesTheStayAnswered)
{
    const SunscreenRow& row = GetParam();
    test_support::ScopedTz tz("Europe/Madrid");
    Request request = requestOf(row.fields);
    request.stay = stayOf(kMorningBoxes, row.fps, row.amount);
    const Answer answered = answer(request);
    ASSERT_TRUE(answered.refusal);
    EXPECT_TRUE(answered.refusal->subject == Subject(row.refused)) << subjectName(answered.refusal->subject);
    ASSERT_TRUE(answered.stay);
    EXPECT_EQ(answered.stay->calculation.dose.label4Caption, row.exposure);
    EXPECT_FALSE(answered.stay->protection);
    EXPECT_EQ(answered.stay->protectedLine, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SunscreenRefusal,
    testing::Values(SunscreenRow{"FactorBelowTwo", {}, "1", std::nullopt, SunscreenField::Fps, kMorning.bellCaption},
                    SunscreenRow{"FactorNotWhole", {}, "30.5", "habitual", SunscreenField::Fps, kMorning.bellCaption},
                    SunscreenRow{"AmountNoWord", {}, "30", "mucha", SunscreenField::Amount, kMorning.bellCaption},
                    SunscreenRow{"OnTheSunsDay",
                                 {{SkyField::Latitud, kMorning.latitude},
                                  {SkyField::Longitud, kMorning.longitude},
                                  {SkyField::Fecha, kMorning.date},
                                  {SkyField::Zona, kMorning.zone},
                                  {SkyField::Forma, "sol"}},
                                 "101",
                                 std::nullopt,
                                 SunscreenField::Fps,
                                 kMorning.sunCaption}),
    [](const testing::TestParamInfo<SunscreenRow>& info) { return std::string(info.param.name); });

// --- The zone's clock: the browser's offset and the zone library agree -------

struct ZoneDayRow {
    const char* name;
    const char* latitude;
    const char* longitude;
    CivilDate date;
    const char* zone;
    double offset;    // tzdata's at 12:00 of the date on the zone's clock
    int noonMinutes;  // solar noon on that clock, the seconds dropped
    const char* sunLine;
    const char* hint;
};

void PrintTo(const ZoneDayRow& row, std::ostream* out)
{
    *out << row.name;
}

class ZoneClock : public testing::TestWithParam<ZoneDayRow> {
protected:
    // The system's zone is none of the rows'.
    test_support::ScopedTz tz_{"America/Lima"};
};

Request zoneDayRequest(const ZoneDayRow& row)
{
    Request request = requestOf({{SkyField::Latitud, row.latitude},
                                 {SkyField::Longitud, row.longitude},
                                 {SkyField::Zona, row.zone},
                                 {SkyField::Forma, "sol"}});
    request.field(SkyField::Fecha) = sky::dateText(row.date);
    request.estimate = true;
    return request;
}

TEST_P(ZoneClock, BrowserAndZoneLibraryGiveTheSameDay)
{
    const ZoneDayRow& row = GetParam();
    const Request native = zoneDayRequest(row);
    Request browser = native;
    browser.noonOffset = row.offset;
    browser.today = row.date;
    const Answer library = answer(native);
    const Answer page = answer(browser);
    for (const Answer* answered : {&library, &page}) {
        SCOPED_TRACE(answered == &library ? "the zone library" : "the browser");
        ASSERT_FALSE(answered->refusal) << answered->refusal->message;
        ASSERT_TRUE(answered->estimate);
        ASSERT_TRUE(answered->sunDay);
        EXPECT_EQ(answered->zone, row.zone);
        EXPECT_EQ(answered->estimate->noonMinutes, row.noonMinutes);
        EXPECT_EQ(sunLineOf(answered->estimate->text), row.sunLine);
        EXPECT_EQ(answered->estimate->zoneHint, row.hint);
        EXPECT_EQ(answered->sunDay->utcOffset, row.offset);
    }
    EXPECT_EQ(library.estimate->text, page.estimate->text);
    for (const double hours : {6.0, 9.5, 12.0, 14.25, 18.0})
        EXPECT_EQ(sky::shapeAt(library.sunDay->shape, hours), sky::shapeAt(page.sunDay->shape, hours)) << hours;
    // The browser's today is the request's.
    EXPECT_TRUE(page.estimate->line.starts_with("Hoy en ")) << page.estimate->line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoneClock,
    testing::Values(
        // Summer time starts at 1:00 UT: midnight's +1 h would put noon at 13:19.
        ZoneDayRow{"MadridOnTheDaySummerTimeStarts", "40.42", "-3.70", {2026, 3, 29}, "Europe/Madrid", 2,
                   14 * 60 + 19, "Mediodía solar a las 14:19; ozono 351 DU; el sol a 36.9° del cénit.", ""},
        // It ends at 1:00 UT: midnight's +1 h would put noon at 12:44.
        ZoneDayRow{"LondonOnTheDaySummerTimeEnds", "51.51", "-0.13", {2026, 10, 25}, "Europe/London", 0,
                   11 * 60 + 44, "Mediodía solar a las 11:44; ozono 306 DU; el sol a 63.7° del cénit.", ""},
        // It starts at 7:00 UT: midnight's -5 h would put noon at 12:06.
        ZoneDayRow{"NewYorkOnTheDaySummerTimeStarts", "40.71", "-74.01", {2026, 3, 8}, "America/New_York", -4,
                   13 * 60 + 6, "Mediodía solar a las 13:06; ozono 351 DU; el sol a 45.4° del cénit.", ""},
        ZoneDayRow{"KathmanduQuarterHour", "27.72", "85.32", {2026, 7, 1}, "Asia/Kathmandu", 5.75, 12 * 60 + 7,
                   "Mediodía solar a las 12:07; ozono 295 DU; el sol a 4.6° del cénit.", ""},
        // 11:38:23: a noon early in its minute.
        ZoneDayRow{"TokyoEarlyInTheMinute", "35.68", "139.69", {2026, 5, 1}, "Asia/Tokyo", 9, 11 * 60 + 38,
                   "Mediodía solar a las 11:38; ozono 330 DU; el sol a 20.6° del cénit.", ""},
        // Noon at 22:34 UT is 12:34 of the next day by UT+14.
        ZoneDayRow{"KiritimatiPastTheDateLine", "1.87", "-157.40", {2026, 7, 1}, "Pacific/Kiritimati", 14,
                   12 * 60 + 33, "Mediodía solar a las 12:33; ozono 261 DU; el sol a 21.2° del cénit.", ""},
        // Puno lies 868 km from Lima's place, 213 km from La Paz's.
        ZoneDayRow{"PunoFarFromLima", "-15.84", "-70.02", {2026, 1, 22}, "America/Lima", -5, 11 * 60 + 51,
                   "Mediodía solar a las 11:51; ozono 255 DU; el sol a 3.7° del cénit.",
                   "La zona horaria más cercana a este lugar es America/La_Paz."},
        ZoneDayRow{"LasPalmasFarFromMadrid", "28.10", "-15.40", {2026, 7, 1}, "Europe/Madrid", 2, 15 * 60 + 5,
                   "Mediodía solar a las 15:05; ozono 295 DU; el sol a 5.0° del cénit.",
                   "La zona horaria más cercana a este lugar es Atlantic/Canary."}),
    [](const testing::TestParamInfo<ZoneDayRow>& info) { return std::string(info.param.name); });

TEST(BrowsersToday, IsTheDateNotGiven)
{
    test_support::ScopedTz tz("America/Lima");
    Request request = requestOf({{SkyField::Latitud, "40.42"}, {SkyField::Longitud, "-3.70"},
                                 {SkyField::Zona, "Europe/Madrid"}});
    request.estimate = true;
    request.noonOffset = 2;
    request.today = CivilDate{2026, 6, 21};
    const Answer answered = answer(request);
    ASSERT_TRUE(answered.estimate);
    EXPECT_EQ(answered.estimate->inputs.date, (CivilDate{2026, 6, 21}));
    // 12:16:37 UT.
    EXPECT_EQ(answered.estimate->noonMinutes, 14 * 60 + 16);
}

// --- The estimate gives the stay's maximum -----------------------------------

struct MaximumRow {
    const char* name;
    Fields fields;
    const char* typed;  // Text1
    bool fromEstimate;
    bool estimate;
    char separator;
    const char* shown;  // the estimate as "Usar" writes it; null: no estimate
    float maximum;      // the corrected maximum, with no corrections
};

void PrintTo(const MaximumRow& row, std::ostream* out)
{
    *out << row.name;
}

class MaximumFromEstimate : public testing::TestWithParam<MaximumRow> {};

TEST_P(MaximumFromEstimate, TakesTheShownValueOnlyWhenAsked)
{
    const MaximumRow& row = GetParam();
    test_support::ScopedTz tz("Europe/Madrid");
    Request request = requestOf(row.fields);
    request.estimate = row.estimate;
    request.decimalSeparator = row.separator;
    Stay stay = stayOf({row.typed, "11", "2", "3", "0", "0"});
    stay.maximumFromEstimate = row.fromEstimate;
    request.stay = stay;
    const Answer answered = answer(request);
    ASSERT_FALSE(answered.refusal) << answered.refusal->message;
    EXPECT_EQ(answered.estimate.has_value(), row.shown != nullptr);
    if (answered.estimate && row.shown) {
        EXPECT_EQ(answered.estimate->shown, row.shown);
    }
    ASSERT_TRUE(answered.stay);
    EXPECT_EQ(answered.stay->calculation.correctedMaximum, static_cast<double>(row.maximum));
}

// The reference estimates in clean air: Madrid at 690 m on 21 June 2026,
// 10.2977; Puno at 3830 m on 22 January, 20.5255; Tromsø's polar night, 0.
const Fields kMadrid = {{SkyField::Latitud, "40.45"},
                        {SkyField::Longitud, "-3.70"},
                        {SkyField::Fecha, "2026-06-21"},
                        {SkyField::Altitud, "690"}};

INSTANTIATE_TEST_SUITE_P(
    Table, MaximumFromEstimate,
    testing::Values(
        MaximumRow{"MadridTakesTheEstimate", kMadrid, "8", true, false, '.', "10.3", 10.3F},
        MaximumRow{"MadridWithTheComma",
                   {{SkyField::Latitud, "40,45"},
                    {SkyField::Longitud, "-3,70"},
                    {SkyField::Fecha, "2026-06-21"},
                    {SkyField::Altitud, "690"}},
                   "8",
                   true,
                   true,
                   ',',
                   "10,3",
                   10.3F},
        MaximumRow{"PunoTakesTheEstimate",
                   {{SkyField::Latitud, "-15.84"},
                    {SkyField::Longitud, "-70.02"},
                    {SkyField::Fecha, "2026-01-22"},
                    {SkyField::Altitud, "3830"},
                    {SkyField::Zona, "America/Lima"}},
                   "8",
                   true,
                   false,
                   '.',
                   "20.5",
                   20.5F},
        MaximumRow{"TromsoPolarNightTakesZero",
                   {{SkyField::Latitud, "69.65"}, {SkyField::Longitud, "18.96"}, {SkyField::Fecha, "2026-12-21"}},
                   "8",
                   true,
                   false,
                   '.',
                   "0.0",
                   0},
        MaximumRow{"TheTypedMaximumIsNotRead", kMadrid, "diez", true, false, '.', "10.3", 10.3F},
        MaximumRow{"TheTypedMaximumKeptBesideTheEstimate", kMadrid, "8", false, true, '.', "10.3", 8},
        MaximumRow{"TheTypedMaximumWithoutTheEstimate", kMadrid, "8", false, false, '.', nullptr, 8}),
    [](const testing::TestParamInfo<MaximumRow>& info) { return std::string(info.param.name); });

// --- Which fields a request reads --------------------------------------------

struct ReadsRow {
    const char* name;
    const char* shape;  // Forma; null: not given
    bool estimate;
    std::optional<bool> stayFromEstimate;  // none: no stay
    std::vector<SkyField> read;
};

void PrintTo(const ReadsRow& row, std::ostream* out)
{
    *out << row.name;
}

class ReadsField : public testing::TestWithParam<ReadsRow> {};

Request readsRequest(const ReadsRow& row)
{
    Request request = requestOf(badFrom(std::nullopt));
    request.field(SkyField::Forma).reset();
    if (row.shape)
        request.field(SkyField::Forma) = row.shape;
    request.estimate = row.estimate;
    if (row.stayFromEstimate) {
        Stay stay = stayOf(kMorningBoxes);
        stay.maximumFromEstimate = *row.stayFromEstimate;
        request.stay = stay;
    }
    return request;
}

TEST_P(ReadsField, SaysWhichFieldsTheAnswerReads)
{
    const ReadsRow& row = GetParam();
    for (const layout::EstimateField& field : layout::kEstimateFields) {
        const bool read = std::find(row.read.begin(), row.read.end(), field.field) != row.read.end();
        EXPECT_EQ(readsField(readsRequest(row), field.field), read) << field.name;
    }
}

// And the answer does as it says: a field read and bad is refused, a field
// not read is not, however bad.
class AnswerReads : public ReadsField {};

TEST_P(AnswerReads, OnlyTheFieldsReadsFieldNames)
{
    const ReadsRow& row = GetParam();
    test_support::ScopedTz tz("Europe/Madrid");
    // A check cannot be bad, and a shape's word changes what is read.
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        if (kFields[i] == SkyField::Forma)
            continue;
        SCOPED_TRACE(layout::fieldOf(kFields[i]).name);
        Request bad = readsRequest(row);
        bad.field(kFields[i]) = kBad[i];
        const bool read = std::find(row.read.begin(), row.read.end(), kFields[i]) != row.read.end();
        const Answer answered = answer(bad);
        EXPECT_EQ(answered.refusal.has_value(), read);
        if (answered.refusal) {
            EXPECT_TRUE(answered.refusal->subject == Subject(kFields[i])) << answered.refusal->message;
        }
    }
}

constexpr SkyField kAll[] = {SkyField::Latitud, SkyField::Longitud, SkyField::Fecha, SkyField::Altitud,
                             SkyField::Ozono,   SkyField::Nieve,    SkyField::Cielo, SkyField::Aire,
                             SkyField::Zona,    SkyField::Forma};
const std::vector<SkyField> kEverything(std::begin(kAll), std::end(kAll));
const std::vector<SkyField> kTheSunsFields = {SkyField::Latitud, SkyField::Longitud, SkyField::Fecha, SkyField::Zona,
                                              SkyField::Forma};

const ReadsRow kReadsRows[] = {
    {"NothingAsked", nullptr, false, std::nullopt, {SkyField::Forma}},
    {"BellWithTheMaximumTyped", "campana", false, false, {SkyField::Forma}},
    {"EstimateWanted", nullptr, true, std::nullopt, kEverything},
    {"EstimateGivesTheMaximum", "campana", false, true, kEverything},
    {"SunsDayWithTheEstimate", "sol", true, std::nullopt, kEverything},
    {"SunsDayTakingTheEstimate", "sol", false, true, kEverything},
};
// The sun's day alone reads the place, the date and the zone.
const ReadsRow kSunsDayAlone[] = {
    {"SunsDay", "sol", false, std::nullopt, kTheSunsFields},
    {"SunsDayWithTheMaximumTyped", "sol", false, false, kTheSunsFields},
};

const auto rowName = [](const testing::TestParamInfo<ReadsRow>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Table, ReadsField, testing::ValuesIn(kReadsRows), rowName);
INSTANTIATE_TEST_SUITE_P(SunsDayAlone, ReadsField, testing::ValuesIn(kSunsDayAlone), rowName);
INSTANTIATE_TEST_SUITE_P(Table, AnswerReads, testing::ValuesIn(kReadsRows), rowName);
INSTANTIATE_TEST_SUITE_P(SunsDayAlone, AnswerReads, testing::ValuesIn(kSunsDayAlone), rowName);

// --- What the empty ozone field stands for -----------------------------------

struct PlaceholderRow {
    const char* name;
    Fields fields;
    bool estimate;
    const char* placeholder;
};

void PrintTo(const PlaceholderRow& row, std::ostream* out)
{
    *out << row.name;
}

class OzonePlaceholder : public testing::TestWithParam<PlaceholderRow> {};

TEST_P(OzonePlaceholder, NamesTheClimatologysValueOnceAPlaceReads)
{
    const PlaceholderRow& row = GetParam();
    test_support::ScopedTz tz("Europe/Madrid");
    Request request = requestOf(row.fields);
    request.estimate = row.estimate;
    EXPECT_EQ(answer(request).ozonePlaceholder, row.placeholder);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OzonePlaceholder,
    testing::Values(
        PlaceholderRow{"NoPlaceRead", kMadrid, false, "climatología"},
        PlaceholderRow{"PlaceRefused", {{SkyField::Latitud, "95"}, {SkyField::Longitud, "0"}}, true, "climatología"},
        // 327.44 DU, between June's and July's means at 40.45° N.
        PlaceholderRow{"Madrid", kMadrid, true, "327 (climatología)"},
        PlaceholderRow{"MadridWithOzoneTyped",
                       {{SkyField::Latitud, "40.45"},
                        {SkyField::Longitud, "-3.70"},
                        {SkyField::Fecha, "2026-06-21"},
                        {SkyField::Ozono, "300"}},
                       true,
                       "327 (climatología)"},
        // 255.19 DU.
        PlaceholderRow{"Puno",
                       {{SkyField::Latitud, "-15.84"}, {SkyField::Longitud, "-70.02"}, {SkyField::Fecha, "2026-01-22"}},
                       true,
                       "255 (climatología)"},
        // 364.64 DU, and the sun does not rise.
        PlaceholderRow{"TromsoPolarNight",
                       {{SkyField::Latitud, "69.65"}, {SkyField::Longitud, "18.96"}, {SkyField::Fecha, "2026-12-21"}},
                       true,
                       "365 (climatología)"},
        // The sun's day reads the place too: 351.32 DU at 40.42° N.
        PlaceholderRow{"SunsDayOnly",
                       {{SkyField::Latitud, "40.42"},
                        {SkyField::Longitud, "-3.70"},
                        {SkyField::Fecha, "2026-03-29"},
                        {SkyField::Forma, "sol"}},
                       false,
                       "351 (climatología)"},
        // Madrid's place in tzdata, 40°24' N: 351.22 DU.
        PlaceholderRow{"TheZonesPlace", {{SkyField::Fecha, "2026-03-29"}, {SkyField::Zona, "Europe/Madrid"}}, true,
                       "351 (climatología)"}),
    [](const testing::TestParamInfo<PlaceholderRow>& info) { return std::string(info.param.name); });

TEST(OzoneTyped, IsTheEstimates)
{
    Request request = requestOf({{SkyField::Latitud, "40.45"},
                                 {SkyField::Longitud, "-3.70"},
                                 {SkyField::Fecha, "2026-06-21"},
                                 {SkyField::Ozono, "300"},
                                 {SkyField::Zona, "Europe/Madrid"}});
    request.estimate = true;
    const Answer answered = answer(request);
    ASSERT_TRUE(answered.estimate);
    EXPECT_EQ(answered.estimate->estimate.ozone, 300);
}

}  // namespace
}  // namespace day
