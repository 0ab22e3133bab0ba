// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form_state.h"
#include "runtime/text_file.h"

namespace model {

// The curve for spreadsheets: a header line and one row per sample 1..1000,
// hour (hours since 0:00) and UV index with every digit the program computed
// and `decimalSeparator` before the decimals. Where the comma is the decimal
// separator the columns are separated by a semicolon, as spreadsheets there
// expect; elsewhere by a comma. Rows end with CR LF.
std::string curveCsv(const FormState& state, char decimalSeparator);

// The column separator that goes with a decimal separator.
char csvColumnSeparator(char decimalSeparator);

// `curveCsv` saved at `path`, whole or not at all.
runtime::SaveOutcome writeCurveCsv(const FormState& state, char decimalSeparator, const std::string& path,
                                   runtime::FileCalls& calls);

}  // namespace model
