// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace sky {

// A place on the Earth, in degrees: north and east positive.
struct Place {
    double latitude = 0;
    double longitude = 0;
};

}  // namespace sky
