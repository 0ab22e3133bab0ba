// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page, its style sheet and its script from their templates at
// build time, with the parts web/page_parts.h makes. Usage: page_generator
// TEMPLATE OUTPUT [TEMPLATE OUTPUT]...
#include <fstream>
#include <iostream>
#include <string>

#include "web/page_parts.h"

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::cerr << "uso: page_generator PLANTILLA SALIDA [PLANTILLA SALIDA]...\n";
        return 2;
    }
    web::Placeholders placeholders = web::pagePlaceholders();
    for (int file = 1; file + 1 < argc; file += 2) {
        std::ifstream in(argv[file]);
        if (!in) {
            std::cerr << "no se puede leer " << argv[file] << '\n';
            return 1;
        }
        const std::string text = web::filled(in, placeholders);
        // A placeholder no part fills, misspelt or gone from the generator.
        if (const std::string left = web::leftPlaceholder(text); !left.empty()) {
            std::cerr << argv[file] << ": nadie rellena " << left << '\n';
            return 1;
        }
        std::ofstream out(argv[file + 1], std::ios::binary);
        out << text;
        if (!out) {
            std::cerr << "no se pudo escribir " << argv[file + 1] << '\n';
            return 1;
        }
    }
    if (!web::eachPlaced(placeholders)) {
        std::cerr << "las plantillas no tienen cada parte una vez y cada valor al menos una\n";
        return 1;
    }
    return 0;
}
