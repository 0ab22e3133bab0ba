// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/stay_answer.h"

#include <variant>

#include "day/sun_curve.h"
#include "layout/option_names.h"
#include "model/curve.h"
#include "model/dose.h"
#include "model/sunscreen_text.h"
#include "model/time_to_dose.h"
#include "model/time_to_dose_text.h"

namespace day {
namespace {

runtime::Named named(const Request& request, std::string_view caption, std::string_view option)
{
    return {request.naming, request.naming == runtime::Holder::Box ? caption : option};
}

Refusal boxRefusal(const Request& request, const model::InputFailure& failure)
{
    return {failure.box, model::describe(failure, named(request, model::captionOf(failure.box),
                                                        layout::optionOf(failure.box)))};
}

// The sunscreen the stay gives, none, or the refusal of its factor or amount.
std::variant<std::optional<model::Sunscreen>, Refusal> sunscreenOf(const Request& request, const Stay& stay)
{
    if (!stay.fps)
        return std::nullopt;
    const auto fps = model::sunscreenFactorFromText(*stay.fps);
    if (!fps) {
        return Refusal{SunscreenField::Fps,
                       model::describeNotAFactor(*stay.fps, named(request, model::kSunscreenFactorName,
                                                                  layout::kFpsOption))};
    }
    model::Sunscreen sunscreen{*fps, model::kDefaultSunscreenAmount};
    if (stay.amount) {
        const auto amount = model::amountFromToken(*stay.amount);
        if (!amount) {
            return Refusal{SunscreenField::Amount,
                           model::describeNotAnAmount(*stay.amount, named(request, model::kSunscreenAmountCaption,
                                                                          layout::kAmountOption))};
        }
        sunscreen.amount = *amount;
    }
    return sunscreen;
}

}  // namespace

std::optional<Refusal> answerTheStay(const Request& request, Answer& answer)
{
    const Stay& stay = *request.stay;
    model::InputTexts boxes = stay.boxes;
    if (stay.maximumFromEstimate && answer.estimate)
        boxes[static_cast<std::size_t>(model::InputBox::Text1)] = answer.estimate->shown;
    const model::DaySampler sample = answer.sunDay ? sunSampler(answer.sunDay->shape) : model::sampleCurve;

    StayAnswer made;
    auto outcome = model::Calcular(boxes, request.decimalSeparator, made.state, sample);
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome))
        return boxRefusal(request, *failure);
    made.calculation = std::get<model::CalcularResult>(std::move(outcome));
    const model::FormState& state = made.state;
    made.doses = model::exposureInDoses(state).value_or(0);
    made.minutesToOneDose = model::minutesToOneDose(state);
    made.oneDose = model::oneDoseText(made.minutesToOneDose, state.HoraExposicion);
    made.oneDoseDescription = model::oneDoseDescription(made.minutesToOneDose, state.HoraExposicion);

    auto sunscreen = sunscreenOf(request, stay);
    std::optional<Refusal> refused;
    if (auto* refusal = std::get_if<Refusal>(&sunscreen))
        refused = std::move(*refusal);
    else if (const auto& chosen = std::get<std::optional<model::Sunscreen>>(sunscreen))
        made.protection = model::protectExposure(state, *chosen);
    if (made.protection)
        made.protectedLine = model::protectedText(*made.protection, state.HoraExposicion, request.decimalSeparator);
    answer.stay = std::move(made);
    return refused;
}

}  // namespace day
