// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/answer_json.h"

#include <variant>
#include <vector>

#include "chart/chart_description.h"
#include "day/calendar.h"
#include "day/clock.h"
#include "model/dose.h"
#include "model/sunscreen_text.h"
#include "web/request_form.h"

namespace web {
namespace {

JsonObject estimateJson(const day::EstimateAnswer& estimate)
{
    return JsonObject()
        .text("shown", estimate.shown)
        .text("text", estimate.text)
        .text("line", estimate.line)
        .text("zoneHint", estimate.zoneHint);
}

JsonObject stayJson(const day::StayAnswer& stay, char separator)
{
    const model::CalcularResult& result = stay.calculation;
    JsonObject json;
    if (result.text7)
        json.text("text7", *result.text7);
    else
        json.null("text7");
    json.text("datos", result.datos)
        .text("description", chart::describeChart(stay.state, separator))
        .text("protectedLine", stay.protectedLine);
    if (result.dose.showSkinTypeMessage())
        return json.text("message", model::kSkinTypeMessage);
    return json.text("label4", *result.dose.label4Caption)
        .text("oneDose", stay.oneDose)
        .text("oneDoseDescription", stay.oneDoseDescription);
}

std::vector<JsonObject> remindersJson(const day::StayReminders& reminders)
{
    std::vector<JsonObject> list;
    for (const day::Reminder& reminder : reminders.list) {
        list.push_back(JsonObject()
                           .text("clock", day::hhmm(reminder.clockMinutes))
                           .number("unix", static_cast<double>(reminder.unixSeconds))
                           .text("text", reminder.text));
    }
    return list;
}

}  // namespace

std::string_view keyOf(const day::Subject& subject)
{
    if (const auto* field = std::get_if<layout::SkyField>(&subject))
        return layout::fieldOf(*field).elementId;
    if (const auto* box = std::get_if<model::InputBox>(&subject))
        return boxKey(*box);
    return std::get<day::SunscreenField>(subject) == day::SunscreenField::Fps ? kFpsKey : kAmountKey;
}

JsonObject answerJson(const day::Request& request, const day::Answer& answer)
{
    const char separator = request.decimalSeparator;
    JsonObject json;
    if (answer.refusal)
        json.object("refusal", JsonObject().text("field", keyOf(answer.refusal->subject)).text("message", answer.refusal->message));
    json.text("ozonePlaceholder", answer.ozonePlaceholder).text("amountNote", model::sunscreenAmountNote(separator));
    if (answer.estimate)
        json.object("estimate", estimateJson(*answer.estimate));
    if (answer.sunDay)
        json.object("sunDay", JsonObject().text("line", answer.sunDay->line));
    if (answer.stay)
        json.object("stay", stayJson(*answer.stay, separator));
    if (answer.protection)
        json.object("protection", JsonObject().text("line", answer.protection->line));
    if (answer.reminders)
        json.objects("reminders", remindersJson(*answer.reminders));
    return json;
}

JsonObject calendarJson(const day::Answer& answer, long long stampUnix)
{
    if (!answer.reminders)
        return {};
    return JsonObject()
        .text("name", day::calendarFileName(*answer.reminders))
        .text("text", day::calendarText(answer, stampUnix));
}

}  // namespace web
