// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace cli {
namespace {

constexpr std::array<std::string_view, model::kInputCount> kInputOptions = {
    "--indice-maximo", "--hora-exposicion", "--duracion",
    "--tipo-piel", "--diferencia-altitud", "--diferencia-latitud",
};

constexpr int kLargestScale = 8;

// "--name=value" or "--name value"; a value may start with a minus sign.
struct Argument {
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

Argument split(std::string_view argument)
{
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos)
        return {argument, std::nullopt};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

}  // namespace

std::string_view optionFor(model::InputBox box)
{
    return kInputOptions[static_cast<std::size_t>(box)];
}

std::variant<Options, UsageError> parseOptions(const std::vector<std::string_view>& arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Argument argument = split(arguments[i]);
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (argument.inlineValue)
                return argument.inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const auto missingValue = [&] {
            return UsageError{std::string(argument.name) + ": falta el valor."};
        };
        const auto flag = [&](bool& target) -> std::optional<UsageError> {
            if (argument.inlineValue)
                return UsageError{std::string(argument.name) + " no lleva valor."};
            target = true;
            return std::nullopt;
        };

        std::optional<UsageError> error;
        bool known = true;
        if (const auto* input = std::find(kInputOptions.begin(), kInputOptions.end(), argument.name);
            input != kInputOptions.end()) {
            const auto value = takeValue();
            if (!value)
                return missingValue();
            options.texts[static_cast<std::size_t>(input - kInputOptions.begin())] = std::string(*value);
        } else if (argument.name == "--todos-los-tipos") {
            error = flag(options.allSkinTypes);
        } else if (argument.name == "--hasta-dem") {
            error = flag(options.timeToOneDose);
        } else if (argument.name == "--json") {
            error = flag(options.json);
        } else if (argument.name == "--punto") {
            error = flag(options.point);
        } else if (argument.name == "--help" || argument.name == "-h" || argument.name == "--ayuda") {
            error = flag(options.help);
        } else if (argument.name == "--version") {
            error = flag(options.version);
        } else if (argument.name == "--datos") {
            // The path is optional: "--datos" alone writes datos.dat here.
            if (argument.inlineValue)
                options.dataFile = std::string(*argument.inlineValue);
            else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("-"))
                options.dataFile = std::string(arguments[++i]);
            else
                options.dataFile = "datos.dat";
            if (options.dataFile->empty())
                return missingValue();
        } else if (argument.name == "--png" || argument.name == "--svg" || argument.name == "--csv") {
            const auto value = takeValue();
            if (!value || value->empty())
                return missingValue();
            auto& target = argument.name == "--png" ? options.pngFile
                : argument.name == "--svg"          ? options.svgFile
                                                    : options.csvFile;
            target = std::string(*value);
        } else if (argument.name == "--scale" || argument.name == "--escala") {
            const auto value = takeValue();
            if (!value)
                return missingValue();
            int scale = 0;
            const auto [end, failed] = std::from_chars(value->data(), value->data() + value->size(), scale);
            if (failed != std::errc{} || end != value->data() + value->size() || scale < 1 || scale > kLargestScale)
                return UsageError{std::string(argument.name) + ": «" + std::string(*value)
                                  + "» no es una escala válida (un entero de 1 a 8)."};
            options.scale = scale;
        } else {
            known = false;
        }
        if (!known)
            return UsageError{"Opción desconocida: «" + std::string(arguments[i]) + "». Use --help para ver las opciones."};
        if (error)
            return *error;
    }
    return options;
}

std::string helpText()
{
    return "Modo de empleo: indice-uv-calc [opciones]\n"
           "\n"
           "Calcula la exposición a la radiación ultravioleta de una estancia al sol, igual que\n"
           "el botón «Calcular» de la ventana Indice UV.\n"
           "\n"
           "Datos (los números llevan el separador decimal de la configuración regional):\n"
           "  --indice-maximo N        índice UV máximo del día (10)\n"
           "  --hora-exposicion H      hora de comienzo de la exposición (11)\n"
           "  --duracion H             duración de la exposición, en horas (2)\n"
           "  --tipo-piel N            tipo de piel, de 1 a 6 (3)\n"
           "  --diferencia-altitud M   diferencia de altitud de otra localidad, en metros (0)\n"
           "  --diferencia-latitud G   diferencia de latitud, en grados; + norte, - sur (0)\n"
           "\n"
           "Resultados:\n"
           "  --todos-los-tipos        la exposición para los seis tipos de piel\n"
           "  --hasta-dem              tiempo, desde la hora de comienzo, hasta alcanzar 1 DEM\n"
           "  --json                   los resultados como un objeto JSON\n"
           "  --punto                  números con punto decimal, sea cual sea la configuración\n"
           "  --datos [ARCHIVO]        escribe la curva en ARCHIVO (datos.dat si no se indica)\n"
           "  --png ARCHIVO            dibuja el gráfico en una imagen PNG\n"
           "  --svg ARCHIVO            dibuja el gráfico en un archivo SVG\n"
           "  --csv ARCHIVO            escribe la curva en ARCHIVO como CSV para hojas de cálculo\n"
           "  --scale N, --escala N    aumento de la imagen PNG, de 1 a 8 (1)\n"
           "  --help, --ayuda          muestra esta ayuda\n"
           "  --version                muestra el nombre y la versión del programa\n"
           "\n"
           "Estado de salida: 0 si todo fue bien, 1 si no se pudo escribir un archivo,\n"
           "2 si un dato u opción no es válido (en ese caso no se escribe ningún archivo).\n";
}

std::string versionText()
{
    return "indice-uv-calc " INDICE_UV_VERSION "\n";
}

}  // namespace cli
