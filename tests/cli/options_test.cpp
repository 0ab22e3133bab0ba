// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

Options parsed(std::vector<std::string_view> arguments)
{
    auto result = parseOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<Options>(result))
        << (std::holds_alternative<UsageError>(result) ? std::get<UsageError>(result).message : "");
    return std::holds_alternative<Options>(result) ? std::get<Options>(result) : Options{};
}

std::string refused(std::vector<std::string_view> arguments)
{
    auto result = parseOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<UsageError>(result));
    return std::holds_alternative<UsageError>(result) ? std::get<UsageError>(result).message : "";
}

TEST(ParseOptions, DefaultsAreTheWindowsInitialTexts)
{
    const Options options = parsed({});
    EXPECT_EQ(options.texts, (model::InputTexts{"10", "11", "2", "3", "0", "0"}));
    EXPECT_FALSE(options.dataFile);
    EXPECT_FALSE(options.json);
    EXPECT_EQ(options.scale, 1);
}

TEST(ParseOptions, InputsTakeTheirTextsUnconverted)
{
    const Options options = parsed({"--indice-maximo", "12,5", "--hora-exposicion=9", "--duracion", "1.5",
                                    "--tipo-piel", "x", "--diferencia-altitud", "-300", "--diferencia-latitud=-4"});
    EXPECT_EQ(options.texts, (model::InputTexts{"12,5", "9", "1.5", "x", "-300", "-4"}));
}

TEST(ParseOptions, FlagsFilesAndScale)
{
    const Options options = parsed({"--json", "--punto", "--todos-los-tipos", "--hasta-dem", "--png", "a.png",
                                    "--svg=b.svg", "--scale", "2", "--csv", "c.csv"});
    EXPECT_TRUE(options.json && options.point && options.allSkinTypes && options.timeToOneDose);
    EXPECT_EQ(options.pngFile, "a.png");
    EXPECT_EQ(options.svgFile, "b.svg");
    EXPECT_EQ(options.csvFile, "c.csv");
    EXPECT_EQ(options.scale, 2);

    EXPECT_EQ(parsed({"--datos"}).dataFile, "datos.dat");
    EXPECT_EQ(parsed({"--datos", "--json"}).dataFile, "datos.dat");
    EXPECT_EQ(parsed({"--datos", "curva.txt"}).dataFile, "curva.txt");
    EXPECT_EQ(parsed({"--datos=otro/curva.txt"}).dataFile, "otro/curva.txt");
    EXPECT_TRUE(parsed({"--ayuda"}).help);
    EXPECT_TRUE(parsed({"--version"}).version);
    EXPECT_FALSE(parsed({"--help"}).version);
}

TEST(ParseOptions, MistakesNameTheOption)
{
    EXPECT_EQ(refused({"--duracion"}), "--duracion: falta el valor.");
    EXPECT_EQ(refused({"--png"}), "--png: falta el valor.");
    EXPECT_EQ(refused({"--csv="}), "--csv: falta el valor.");
    EXPECT_EQ(refused({"--json=si"}), "--json no lleva valor.");
    EXPECT_EQ(refused({"--version=2"}), "--version no lleva valor.");
    EXPECT_EQ(refused({"--scale", "0"}), "--scale: «0» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--escala", "2.5"}), "--escala: «2.5» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--color"}), "Opción desconocida: «--color». Use --help para ver las opciones.");
}

}  // namespace
}  // namespace cli
