// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/decimal_separator.h"

#include <QLocale>

namespace qt {

char systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.front().unicode() > 0x20 && point.front().unicode() < 0x7F)
        return static_cast<char>(point.front().unicode());
    return '.';
}

}  // namespace qt
