// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/protection_answer.h"

#include <span>

#include "day/place_answer.h"
#include "day/request_zone.h"
#include "day/sun_curve.h"
#include "model/form_state.h"
#include "zones/zone_places.h"

namespace day {
namespace {

// The 1000 samples, without index 0, which the curve never uses.
std::optional<ProtectionHours> hoursOn(const model::FormState& curve)
{
    return protectionHours(std::span(curve.Tiempo).subspan(1), std::span(curve.IndiceUV).subspan(1));
}

// The estimate, also when the request did not ask for it; none when its
// fields, defaults included, give none.
std::optional<EstimateAnswer> estimateFor(const Request& request, const Answer& answer)
{
    if (answer.estimate)
        return answer.estimate;
    Request asking = request;
    asking.estimate = true;
    asking.stay.reset();
    Answer scratch;
    if (answerThePlace(asking, scratch))
        return std::nullopt;
    return scratch.estimate;
}

std::optional<Protection> onTheEstimate(const Request& request, const Answer& answer)
{
    const auto estimate = estimateFor(request, answer);
    if (!estimate || !estimate->utcOffset)
        return std::nullopt;
    const sky::SkyInputs& in = estimate->inputs;
    Protection made{ProtectionCurve::Estimate, estimate->estimate.shownIndex, std::nullopt, {}};
    const auto shape = sky::dayShape({in.latitude, in.longitude}, in.date, *estimate->utcOffset);
    if (const auto* day = std::get_if<sky::DayShape>(&shape)) {
        model::FormState curve;
        sunSampler(*day)(made.maximum, curve);
        made.hours = hoursOn(curve);
    }
    made.line = protectionText(made.hours, estimate->subject);
    return made;
}

bool isToday(const Request& request, const sky::CivilDate& date)
{
    const auto zone = zoneOf(request);
    const auto* known = std::get_if<std::optional<RequestZone>>(&zone);
    return known && *known && (*known)->today() == date;
}

StayClock clockOf(const Request& request, const Answer& answer)
{
    if (answer.sunDay)
        return {answer.sunDay->shape.date, answer.sunDay->utcOffset, answer.sunDay->zone};
    const auto zone = zoneOf(request);
    const auto* known = std::get_if<std::optional<RequestZone>>(&zone);
    if (!known || !*known)
        return {todayWithoutZone(), 0, std::string(zones::kFallbackZone)};
    const sky::CivilDate today = (*known)->today();
    return {today, (*known)->offsetAtNoon(today), (*known)->name};
}

// The boxes take any number, but a calendar only a stay that starts within
// the day and lasts no more than one.
bool withinADay(double start, double end)
{
    constexpr double kDay = 24;
    return start >= 0 && start < kDay && end >= start && end - start <= kDay;
}

}  // namespace

void answerTheProtection(const Request& request, Answer& answer)
{
    if (answer.sunDay && answer.stay) {
        const model::FormState& curve = answer.stay->state;
        Protection made{ProtectionCurve::Sun, answer.stay->calculation.correctedMaximum, hoursOn(curve), {}};
        made.line = protectionText(made.hours, isToday(request, answer.sunDay->shape.date));
        answer.protection = std::move(made);
        return;
    }
    answer.protection = onTheEstimate(request, answer);
}

void answerTheReminders(const Request& request, Answer& answer)
{
    if (!answer.stay)
        return;
    const StayAnswer& stay = *answer.stay;
    StayFacts facts;
    facts.start = stay.state.HoraExposicion;
    facts.end = model::exposureWindowEnd(stay.state);
    if (!withinADay(facts.start, facts.end))
        return;
    facts.minutesToOneDose = stay.minutesToOneDose;
    if (stay.protection) {
        facts.fps = stay.protection->sunscreen.fps;
        facts.minutesToOneDose = stay.protection->minutesToOneDose;
    }
    if (answer.protection)
        facts.protection = answer.protection->hours;
    answer.reminders = remindersFor(facts, clockOf(request, answer));
}

}  // namespace day
