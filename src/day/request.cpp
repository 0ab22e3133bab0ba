// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/request.h"

namespace day {

bool asksForTheSun(const Request& request)
{
    const auto& shape = request.field(layout::SkyField::Forma);
    return shape && layout::shapeFromToken(*shape) == layout::DayShapeKind::Sun;
}

bool readsTheEstimate(const Request& request)
{
    return request.estimate || (request.stay && request.stay->maximumFromEstimate);
}

bool readsField(const Request& request, layout::SkyField field)
{
    const layout::EstimateField& row = layout::fieldOf(field);
    if (row.field == layout::SkyField::Forma)
        return true;
    return readsTheEstimate(request) || (asksForTheSun(request) && (row.placesTheSun || field == layout::SkyField::Zona));
}

}  // namespace day
