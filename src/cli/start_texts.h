// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "layout/layout.h"
#include "model/inputs.h"

namespace cli {

// The six inputs as the window opens with them: the texts its layout table
// gives the boxes Text1 to Text6, which model::InputBox numbers alike.
inline model::InputTexts windowStartTexts()
{
    model::InputTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = std::string(layout::find("Text" + std::to_string(i + 1))->text);
    return texts;
}

}  // namespace cli
