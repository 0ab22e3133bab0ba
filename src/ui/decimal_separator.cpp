// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/decimal_separator.h"

#include <QLocale>

namespace ui {

char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.front().unicode() > 0x20 && point.front().unicode() < 0x7F)
        return static_cast<char>(point.front().unicode());
    return '.';
}

}  // namespace ui
