// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "model/form_state.h"
#include "runtime/text_file.h"

namespace model {

// The file the curve is left in for other programs, in the working directory.
inline constexpr const char* kDataFileName = "datos.dat";

// One line of datos.dat without its line end: the time in "#0.000", padded
// with blanks to the next print zone of 14 columns, then the UV index in
// "#0.0000" starting in column 15, e.g. "6.014         0.0025".
std::string dataFileLine(double tiempo, double indiceUV, char decimalSeparator);

// The whole of datos.dat: samples 1 to 1000, one line each, ended with CR LF.
std::string dataFileContents(const FormState& state, char decimalSeparator);

// Saves datos.dat's bytes at `path`, whole or not at all.
runtime::SaveOutcome saveDataFile(std::string_view contents, const std::string& path, runtime::FileCalls& calls);
runtime::SaveOutcome saveDataFile(std::string_view contents, const std::string& path = kDataFileName);

}  // namespace model
