// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page and its style sheet from their templates at build time,
// with the parts web/page_parts.h makes. Usage: page_generator
// PAGE_TEMPLATE PAGE STYLE_TEMPLATE STYLE.
#include <fstream>
#include <iostream>

#include "web/page_parts.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "uso: page_generator PLANTILLA_PAGINA PAGINA PLANTILLA_ESTILO ESTILO\n";
        return 2;
    }
    web::Placeholders placeholders = web::pagePlaceholders();
    for (int file = 1; file + 1 < argc; file += 2) {
        std::ifstream in(argv[file]);
        if (!in) {
            std::cerr << "no se puede leer " << argv[file] << '\n';
            return 1;
        }
        std::ofstream out(argv[file + 1], std::ios::binary);
        out << web::filled(in, placeholders);
        if (!out) {
            std::cerr << "no se pudo escribir " << argv[file + 1] << '\n';
            return 1;
        }
    }
    if (!web::eachPlacedOnce(placeholders)) {
        std::cerr << "las plantillas no tienen cada marca una vez\n";
        return 1;
    }
    return 0;
}
