// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/answer.h"

#include "day/dialog_texts.h"
#include "day/place_answer.h"
#include "day/stay_answer.h"

namespace day {

bool asksForTheSun(const Request& request)
{
    const auto& shape = request.field(layout::SkyField::Forma);
    return shape && layout::shapeFromToken(*shape) == layout::DayShapeKind::Sun;
}

namespace {

// The estimate's fields count when the estimate is wanted or gives the
// stay's maximum; the place's, the date's and the zone's also for the sun's day.
bool readsTheEstimate(const Request& request)
{
    return request.estimate || (request.stay && request.stay->maximumFromEstimate);
}

}  // namespace

bool readsField(const Request& request, layout::SkyField field)
{
    const layout::EstimateField& row = layout::fieldOf(field);
    if (row.field == layout::SkyField::Forma)
        return true;
    return readsTheEstimate(request) || (asksForTheSun(request) && (row.placesTheSun || field == layout::SkyField::Zona));
}

Answer answer(const Request& request)
{
    Answer made;
    made.ozonePlaceholder = ozonePlaceholder(std::nullopt);
    if (readsTheEstimate(request) || asksForTheSun(request)) {
        if (auto refused = answerThePlace(request, made)) {
            made.refusal = std::move(refused);
            return made;
        }
    } else if (auto refused = refusedShape(request)) {
        made.refusal = std::move(refused);
        return made;
    }
    if (request.stay)
        made.refusal = answerTheStay(request, made);
    return made;
}

}  // namespace day
