// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "runtime/text_file.h"

class QImage;

namespace qt {

// `image` encoded as PNG and saved at `path` whole or not at all, with its
// pixel ratio's resolution noted in the file.
runtime::SaveOutcome savePng(const QImage& image, const std::string& path, runtime::FileCalls& calls);

}  // namespace qt
