// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

namespace qt {

// The program's texts are UTF-8 (the Spanish captions, messages and numbers
// the model and the chart write); this is how every one of them reaches a Qt
// string. The length is passed, so a view into a longer text stops where the
// view does.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qt
