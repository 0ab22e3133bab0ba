// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_options.h"

#include <array>
#include <cstddef>

#include "runtime/help_line.h"

namespace ui {
namespace {

// One option: its names, how --help describes it and what it asks for. The
// arguments are matched and --help is listed from this table alone.
struct OptionRow {
    std::string_view name;
    std::string_view alias;     // another name, listed beside it
    std::string_view unlisted;  // a further name that works but --help does not list
    std::string_view help;
    WindowOption option;
};

constexpr auto kOptions = std::to_array<OptionRow>({
    {"--help", "--ayuda", "-h", "muestra esta ayuda", WindowOption::Help},
    {"--version", {}, {}, "muestra el nombre y la versión del programa", WindowOption::Version},
});

constexpr std::size_t kHelpColumn = 20;  // where the descriptions start in --help

std::string listedNames(const OptionRow& row)
{
    std::string names(row.name);
    if (!row.alias.empty())
        names.append(", ").append(row.alias);
    return names;
}

}  // namespace

WindowOption windowOptionOf(std::string_view argument)
{
    for (const OptionRow& row : kOptions) {
        if (argument == row.name || (!row.alias.empty() && argument == row.alias)
            || (!row.unlisted.empty() && argument == row.unlisted))
            return row.option;
    }
    return WindowOption::None;
}

std::string windowHelpText()
{
    std::string text = "Modo de empleo: indice-uv [opciones]\n"
                       "\n"
                       "Abre la ventana Indice UV, que calcula la exposición a la radiación ultravioleta\n"
                       "de una estancia al sol. Cada «Calcular» escribe la curva del día en el archivo\n"
                       "datos.dat de la carpeta de trabajo.\n"
                       "\n"
                       "Opciones:\n";
    for (const OptionRow& row : kOptions)
        text += runtime::helpLine(listedNames(row), row.help, kHelpColumn);
    text += "\n"
            "También valen las opciones comunes de Qt (por ejemplo -platform offscreen);\n"
            "cualquier otra es un error.\n"
            "\n"
            "La ventana necesita una pantalla gráfica. El cálculo sin ventana, para guiones,\n"
            "lo hace indice-uv-calc.\n"
            "\n"
            "Estado de salida: 0 al cerrar la ventana, 1 si no hay pantalla gráfica,\n"
            "2 si una opción no es válida.\n";
    return text;
}

}  // namespace ui
