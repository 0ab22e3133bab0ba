// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace ui {

// What an argument of the window program asks for, by its own options; None
// for any other, which is Qt's to take or a mistake.
enum class WindowOption { None, Help, Version };

WindowOption windowOptionOf(std::string_view argument);

// The text of --help.
std::string windowHelpText();

}  // namespace ui
