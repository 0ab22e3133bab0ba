// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/sky_cover.h"

#include "runtime/number_format.h"

namespace sky {

const SkyCoverRow& coverRow(SkyCover cover)
{
    for (const SkyCoverRow& row : kSkyCovers) {
        if (row.cover == cover)
            return row;
    }
    return kSkyCovers.front();
}

std::optional<SkyCover> coverFromToken(std::string_view token)
{
    for (const SkyCoverRow& row : kSkyCovers) {
        if (row.token == token)
            return row.cover;
    }
    return std::nullopt;
}

double coverFactor(SkyCover cover)
{
    return coverRow(cover).factor;
}

std::string withSkyText(SkyCover cover)
{
    return "con cielo " + std::string(coverRow(cover).word);
}

std::string coverShareText(SkyCover cover)
{
    const SkyCoverRow& row = coverRow(cover);
    const auto percent = [](int value) { return runtime::integerToText(value); };
    if (row.fromPercent == 0)
        return "menos del " + percent(row.toPercent) + " %";
    if (row.toPercent == 100)
        return "más del " + percent(row.fromPercent) + " %";
    return "del " + percent(row.fromPercent) + " al " + percent(row.toPercent) + " %";
}

std::string coverChoiceText(SkyCover cover)
{
    return std::string(coverRow(cover).word) + " (" + coverShareText(cover) + ")";
}

}  // namespace sky
