// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The JSON the page's script reads of a day's answer: answers made by hand
// for what each part carries, and requests as the page sends them for what
// the page shows of a refusal, an estimate and a stay.
#include "web/answer_json.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "day/ask.h"
#include "web/request_form.h"

namespace web {
namespace {

bool has(const std::string& json, const std::string& part)
{
    return json.find(part) != std::string::npos;
}

struct KeyRow {
    const char* name;
    day::Subject subject;
    const char* key;  // the request's key, which is the page's element id
};

class RefusalKey : public testing::TestWithParam<KeyRow> {};

TEST_P(RefusalKey, NamesWhatTheRequestGave)
{
    day::Answer answer;
    answer.refusal = day::Refusal{GetParam().subject, "No."};
    const std::string json = answerJson(day::Request{}, answer).json();
    EXPECT_TRUE(has(json, std::string("{\"refusal\":{\"field\":\"") + GetParam().key + "\",\"message\":\"No.\"},")) << json;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusalKey,
    testing::Values(KeyRow{"Latitude", layout::SkyField::Latitud, "latitud"},
                    KeyRow{"Date", layout::SkyField::Fecha, "fecha"},
                    KeyRow{"Zone", layout::SkyField::Zona, "zona"},
                    KeyRow{"Shape", layout::SkyField::Forma, "forma"},
                    KeyRow{"FirstBox", model::InputBox::Text1, "Text1"},
                    KeyRow{"SkinType", model::InputBox::Text4, "Text4"},
                    KeyRow{"LastBox", model::InputBox::Text6, "Text6"},
                    KeyRow{"Factor", day::SunscreenField::Fps, "fps"},
                    KeyRow{"Amount", day::SunscreenField::Amount, "cantidad"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerJson, OnlyThePartsAnswered)
{
    day::Answer answer;
    answer.ozonePlaceholder = "climatología";
    const std::string json = answerJson(day::Request{}, answer).json();
    EXPECT_TRUE(json.starts_with("{\"ozonePlaceholder\":\"climatología\",\"amountNote\":\"")) << json;
    for (const char* part : {"\"refusal\"", "\"estimate\"", "\"sunDay\"", "\"stay\"", "\"protection\"", "\"reminders\""})
        EXPECT_FALSE(has(json, part)) << part;
}

TEST(AnswerJson, TheAmountsNoteWithTheRequestsSeparator)
{
    day::Request request;
    request.decimalSeparator = ',';
    const std::string comma = answerJson(request, day::Answer{}).json();
    EXPECT_TRUE(has(comma, "un FPS 30 protege como un FPS 5,5.\"")) << comma;
    request.decimalSeparator = '.';
    const std::string point = answerJson(request, day::Answer{}).json();
    EXPECT_TRUE(has(point, "un FPS 30 protege como un FPS 5.5.\"")) << point;
}

TEST(AnswerJson, TheEstimatesTexts)
{
    day::Answer answer;
    answer.estimate.emplace();
    answer.estimate->shown = "10,1";
    answer.estimate->text = "uno\ndos\ntres";
    answer.estimate->line = "Hoy";
    answer.sunDay.emplace();
    answer.sunDay->line = "La curva sigue el día.";
    const std::string json = answerJson(day::Request{}, answer).json();
    EXPECT_TRUE(has(json, ",\"estimate\":{\"shown\":\"10,1\",\"text\":\"uno\\ndos\\ntres\",\"line\":\"Hoy\","
                          "\"zoneHint\":\"\"},\"sunDay\":{\"line\":\"La curva sigue el día.\"}}")) << json;
}

// When to protect and the reminders, whole, after the stay: the clock as
// machines read it, round past midnight, and the instant in whole seconds.
TEST(AnswerJson, TheProtectionAndTheReminders)
{
    day::Answer answer;
    answer.stay.emplace();
    answer.protection = day::Protection{day::ProtectionCurve::Sun, 10, day::ProtectionHours{10.1, 18.4},
                                        "Protección solar de 10:00 a 18:30 (índice 3 o más)"};
    answer.reminders.emplace();
    answer.reminders->list = {{660, 1782032400, "Al sol hasta las 13:00."},
                              {1447, 1782079620, "Has llegado a 1 DEM: \"busca\" la sombra"}};
    const std::string json = answerJson(day::Request{}, answer).json();
    EXPECT_TRUE(json.ends_with("\"},\"protection\":{\"line\":\"Protección solar de 10:00 a 18:30 (índice 3 o más)\"},"
                               "\"reminders\":[{\"clock\":\"11:00\",\"unix\":1782032400,\"text\":\"Al sol hasta las 13:00.\"},"
                               "{\"clock\":\"00:07\",\"unix\":1782079620,\"text\":\"Has llegado a 1 DEM: \\\"busca\\\" la "
                               "sombra\"}]}"))
        << json;
}

struct StayRow {
    const char* name;
    std::optional<std::string> text7;
    std::optional<std::string> label4;
    std::string expectedText7;  // as JSON
};

class StayJson : public testing::TestWithParam<StayRow> {};

TEST_P(StayJson, TheResultOrTheSkinTypesMessage)
{
    const StayRow& row = GetParam();
    day::Answer answer;
    day::StayAnswer& stay = answer.stay.emplace();
    stay.calculation.text7 = row.text7;
    stay.calculation.datos = "datos";
    stay.calculation.dose.label4Caption = row.label4;
    stay.oneDose = "1 DEM a las 11:33 (33 min)";
    stay.oneDoseDescription = "en palabras";
    stay.protectedLine = "Con FPS 30";
    const std::string json = answerJson(day::Request{}, answer).json();
    EXPECT_TRUE(has(json, ",\"stay\":{\"text7\":" + row.expectedText7 + ",\"datos\":\"datos\",\"description\":\"")) << json;
    if (row.label4) {
        EXPECT_TRUE(has(json, "\"protectedLine\":\"Con FPS 30\",\"label4\":\"" + *row.label4
                                  + "\",\"oneDose\":\"1 DEM a las 11:33 (33 min)\",\"oneDoseDescription\":\"en palabras\"}}"))
            << json;
        EXPECT_FALSE(has(json, "\"message\"")) << json;
    } else {
        EXPECT_TRUE(has(json, "\"protectedLine\":\"Con FPS 30\",\"message\":\" Por favor ingrese nuevamente el tipo de piel\"}}"))
            << json;
        EXPECT_FALSE(has(json, "\"oneDose\"")) << json;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StayJson,
                         testing::Values(StayRow{"Text7Kept", std::nullopt, "4.45", "null"},
                                         StayRow{"Text7Written", "9.8", "4.45", "\"9.8\""},
                                         StayRow{"NoMinimalDose", std::nullopt, std::nullopt, "null"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The page's requests through the day's answer, as its script sends them.
constexpr const char* kBoxes = "Text1=10&Text2=11&Text3=2&Text4=3&Text5=0&Text6=0";

std::string answered(const std::string& form)
{
    const day::Request request = requestFromForm(form);
    return answerJson(request, day::answer(request)).json();
}

TEST(PageRequest, AFactorRefusedKeepsTheStay)
{
    const std::string json = answered(std::string(kBoxes) + "&fps=1&cantidad=etiqueta");
    EXPECT_TRUE(json.starts_with(
        "{\"refusal\":{\"field\":\"fps\",\"message\":\"«FPS»: «1» no es un FPS válido (un entero de 2 a 100).\"}"))
        << json;
    EXPECT_TRUE(has(json, ",\"stay\":{\"text7\":null,")) << json;
    EXPECT_TRUE(has(json, "\"protectedLine\":\"\",\"label4\":\"")) << json;
}

TEST(PageRequest, ABoxRefusedAnswersNoStay)
{
    const std::string json = answered("Text1=10&Text2=abc&Text3=2&Text4=3&Text5=0&Text6=0&fps=30");
    EXPECT_TRUE(json.starts_with(
        "{\"refusal\":{\"field\":\"Text2\",\"message\":\"«Hora Exposición»: «abc» no es un número válido.\"}"))
        << json;
    EXPECT_FALSE(has(json, "\"stay\"")) << json;
}

TEST(PageRequest, AZoneTheBrowserDoesNotKnow)
{
    const std::string json =
        answered("latitud=40.42&longitud=-3.70&fecha=2026-06-21&zona=Marte%2FOlimpo&desfase=NaN&estimar");
    EXPECT_TRUE(json.starts_with("{\"refusal\":{\"field\":\"zona\",\"message\":\"«Zona horaria»: «Marte/Olimpo» no "
                                 "es una zona horaria.\"},\"ozonePlaceholder\":\"climatología\","))
        << json;
    EXPECT_FALSE(has(json, "\"estimate\"")) << json;
}

TEST(PageRequest, TheSunsDayAndTheStayOnIt)
{
    const std::string json = answered(std::string(kBoxes)
                                      + "&latitud=40%2C42&longitud=-3%2C70&fecha=2026-06-21&zona=Europe%2FMadrid"
                                        "&forma=sol&desfase=2&hoy=2026-06-21&separador=%2C");
    EXPECT_FALSE(has(json, "\"refusal\"")) << json;
    EXPECT_TRUE(has(json, ",\"estimate\":{\"shown\":\"")) << json;
    EXPECT_TRUE(has(json, ",\"sunDay\":{\"line\":\"La curva sigue el día según el sol: 40,42° N, 3,70° O, 21/06/2026.\"}"))
        << json;
    EXPECT_TRUE(has(json, ",\"stay\":{")) << json;
}

// The stay on the sun's day in Madrid, summer time (UTC+2): from 11:00 for
// two hours, its file named for its date; the stamp is 2026-06-20 10:30:15 UT.
constexpr const char* kMadridSunDay = "&latitud=40.42&longitud=-3.70&fecha=2026-06-21&zona=Europe%2FMadrid&forma=sol"
                                      "&desfase=2&hoy=2026-06-20";
constexpr long long kStamp = 1781951415;

TEST(PageRequest, TheStaysRemindersOnTheZonesClock)
{
    const std::string json = answered(std::string(kBoxes) + kMadridSunDay);
    EXPECT_TRUE(has(json, ",\"protection\":{\"line\":\"")) << json;
    EXPECT_TRUE(has(json, ",\"reminders\":[{\"clock\":\"11:00\",\"unix\":1782032400,\"text\":\"Al sol hasta las 13:00.")) << json;
}

struct CalendarRow {
    const char* name;
    const char* form;
    std::vector<std::string> parts;  // each in the JSON, in this order
};

void PrintTo(const CalendarRow& row, std::ostream* out)
{
    *out << row.name;
}

class CalendarJson : public testing::TestWithParam<CalendarRow> {};

TEST_P(CalendarJson, TheFileOfTheStay)
{
    const day::Request request = requestFromForm(GetParam().form);
    const std::string json = calendarJson(day::answer(request), kStamp).json();
    std::size_t from = 0;
    for (const std::string& part : GetParam().parts) {
        const std::size_t at = json.find(part, from);
        EXPECT_NE(at, std::string::npos) << part << " in " << json;
        from = at == std::string::npos ? from : at + part.size();
    }
    if (GetParam().parts.empty()) {
        EXPECT_EQ(json, "{}");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CalendarJson,
    testing::Values(CalendarRow{"NoStay", "latitud=40.42&longitud=-3.70&fecha=2026-06-21&zona=Europe%2FMadrid&desfase=2&estimar", {}},
                    CalendarRow{"ABoxRefused", "Text1=10&Text2=abc&Text3=2&Text4=3&Text5=0&Text6=0", {}},
                    CalendarRow{"MadridSunDay",
                                "Text1=10&Text2=11&Text3=2&Text4=3&Text5=0&Text6=0&latitud=40.42&longitud=-3.70"
                                "&fecha=2026-06-21&zona=Europe%2FMadrid&forma=sol&desfase=2&hoy=2026-06-20",
                                {"{\"name\":\"indice-uv-2026-06-21.ics\",\"text\":\"BEGIN:VCALENDAR\\r\\n",
                                 "\\r\\nDTSTAMP:20260620T103015Z\\r\\nDTSTART:20260621T090000Z\\r\\n"
                                 "DTEND:20260621T110000Z\\r\\n",
                                 "\\r\\nTRIGGER;VALUE=DATE-TIME:20260621T090000Z\\r\\n",
                                 "END:VCALENDAR\\r\\n\"}"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace web
