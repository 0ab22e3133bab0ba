// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/estimate_fields.h"

#include "runtime/number_format.h"

namespace layout {

std::string rangeText(const FieldLimits& limits)
{
    return "de " + runtime::integerToText(static_cast<long long>(limits.lowest)) + " a "
        + runtime::integerToText(static_cast<long long>(limits.highest));
}

std::string descriptionOf(const EstimateField& row)
{
    std::string description(row.descriptionLead);
    if (row.kind == FieldKind::Number)
        description += ", " + rangeText(row.limits);
    return description + std::string(row.descriptionRest);
}

}  // namespace layout
