// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/uv_categories.h"

namespace chart {

runtime::Rgb categoryColour(double v)
{
    for (const UvCategory& category : kUvCategories) {
        if (v <= category.upperBound)
            return category.colour;
    }
    return kExtremeColour;
}

std::string_view categoryName(double v)
{
    for (const UvCategory& category : kUvCategories) {
        if (v <= category.upperBound)
            return category.name;
    }
    return kExtremeName;
}

}  // namespace chart
