// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace qt {

// The decimal separator of the user's locale as Qt reports it, for the
// number conversions and formats. A separator that is not a single ASCII
// character (rare scripts) falls back to the point.
char systemDecimalSeparator();

}  // namespace qt
