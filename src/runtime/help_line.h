// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace runtime {

// One option's line in a --help listing: two blanks, the option's names, and
// its description from `column` on, or one blank after names that reach it.
// Both programs' listings are laid out by this. Columns are counted in bytes:
// the names are plain ASCII.
inline std::string helpLine(std::string_view names, std::string_view description, std::size_t column)
{
    std::string line = std::string("  ").append(names);
    line.append(line.size() < column ? column - line.size() : 1, ' ');
    return line.append(description).append("\n");
}

}  // namespace runtime
