// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace runtime {

// The shortest plain decimal (no exponent, no grouping) that reads back as
// exactly `value`, with `decimalSeparator` before the decimals, if any: for
// files meant for other programs, where the rounded patterns would lose what
// the program computed. Not a number and the infinities come out as "NaN",
// "Inf" and "-Inf", as the rounded patterns write them.
std::string formatExact(double value, char decimalSeparator);

}  // namespace runtime
