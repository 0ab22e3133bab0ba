// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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
    // An empty text is the model's to refuse, naming the box, as the window's is.
    EXPECT_EQ(parsed({"--duracion="}).texts[2], "");
    // The last of two settles it; a value is taken even when it looks like an option.
    EXPECT_EQ(parsed({"--tipo-piel", "2", "--tipo-piel=5"}).texts[3], "5");
    EXPECT_EQ(parsed({"--indice-maximo", "--json"}).texts[0], "--json");
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
    EXPECT_EQ(parsed({"--escala=8"}).scale, 8);
    EXPECT_TRUE(parsed({"--ayuda"}).help);
    EXPECT_TRUE(parsed({"-h"}).help);
    EXPECT_TRUE(parsed({"--version"}).version);
    EXPECT_FALSE(parsed({"--help"}).version);
}

TEST(ParseOptions, TheEstimatesFieldsStayTextsUntilTheEstimate)
{
    const Options none = parsed({});
    EXPECT_FALSE(none.estimate || std::ranges::any_of(none.skyTexts, [](const auto& text) { return text.has_value(); }));
    const Options options = parsed({"--estimar", "--latitud", "-15,84", "--longitud=-70.02", "--fecha", "2026-01-22",
                                    "--altitud", "3830", "--ozono", "x", "--nieve"});
    using layout::SkyField;
    EXPECT_TRUE(options.estimate && options.skyText(SkyField::Nieve));
    EXPECT_EQ(options.skyText(SkyField::Latitud), "-15,84");
    EXPECT_EQ(options.skyText(SkyField::Longitud), "-70.02");
    EXPECT_EQ(options.skyText(SkyField::Fecha), "2026-01-22");
    EXPECT_EQ(options.skyText(SkyField::Altitud), "3830");
    EXPECT_EQ(options.skyText(SkyField::Ozono), "x");
    // Whether the maximum was given decides whether the estimate replaces it.
    EXPECT_FALSE(options.given[0]);
    EXPECT_TRUE(parsed({"--estimar", "--indice-maximo", "10"}).given[0]);
}

TEST(ParseOptions, MistakesNameTheOption)
{
    EXPECT_EQ(refused({"--latitud", "40"}), "--latitud solo vale con --estimar o con --curva sol.");
    EXPECT_EQ(refused({"--curva", "campana", "--fecha", "2026-06-21"}),
              "--fecha solo vale con --estimar o con --curva sol.");
    EXPECT_EQ(refused({"--indice-maximo", "8", "--curva", "sol", "--altitud", "600"}),
              "--altitud solo vale con --estimar, o con --curva sol sin --indice-maximo.");
    EXPECT_EQ(refused({"--json", "--nieve"}), "--nieve solo vale con --estimar, o con --curva sol sin --indice-maximo.");
    EXPECT_EQ(refused({"--cantidad", "habitual"}), "--cantidad solo vale con --fps.");
    // The sun's day without a maximum takes the estimate's, which the sky changes.
    EXPECT_EQ(parsed({"--curva", "sol", "--latitud", "36.5", "--longitud", "-6.3", "--cielo", "poco-nuboso"})
                  .skyText(layout::SkyField::Cielo),
              "poco-nuboso");
    EXPECT_EQ(refused({"--estimar", "--fecha"}), "--fecha: falta el valor.");
    EXPECT_EQ(refused({"--estimar=si"}), "--estimar no lleva valor.");
    EXPECT_EQ(refused({"--duracion"}), "--duracion: falta el valor.");
    EXPECT_EQ(refused({"--png"}), "--png: falta el valor.");
    EXPECT_EQ(refused({"--csv="}), "--csv: falta el valor.");
    EXPECT_EQ(refused({"--svg", ""}), "--svg: falta el valor.");
    EXPECT_EQ(refused({"--datos="}), "--datos: falta el valor.");
    EXPECT_EQ(refused({"--datos", ""}), "--datos: falta el valor.");
    EXPECT_EQ(refused({"--escala"}), "--escala: falta el valor.");
    EXPECT_EQ(refused({"--ayuda=no"}), "--ayuda no lleva valor.");
    EXPECT_EQ(refused({"--json=si"}), "--json no lleva valor.");
    EXPECT_EQ(refused({"--version=2"}), "--version no lleva valor.");
    EXPECT_EQ(refused({"--scale", "0"}), "--scale: «0» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--escala", "2.5"}), "--escala: «2.5» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--scale=9"}), "--scale: «9» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--scale", " 2"}), "--scale: « 2» no es una escala válida (un entero de 1 a 8).");
    EXPECT_EQ(refused({"--color"}), "Opción desconocida: «--color». Use --help para ver las opciones.");
    EXPECT_EQ(refused({"--colour=azul"}), "Opción desconocida: «--colour=azul». Use --help para ver las opciones.");
    EXPECT_EQ(refused({""}), "Opción desconocida: «». Use --help para ver las opciones.");
    // "--datos" before something that looks like an option takes datos.dat; the rest is then read as an option.
    EXPECT_EQ(refused({"--datos", "-"}), "Opción desconocida: «-». Use --help para ver las opciones.");
    EXPECT_EQ(refused({"=datos.dat"}), "Opción desconocida: «=datos.dat». Use --help para ver las opciones.");
}

// --help and the parser are made from one table; here they are held to each
// other from the outside. Every name --help lists is accepted, with a value
// where --help shows one; every description starts in the same column; the
// defaults shown are the ones the companion uses.
TEST(HelpText, ListsOptionsThatParseWithTheDefaultsInUse)
{
    std::istringstream help(helpText());
    std::vector<std::string> listed;
    for (std::string line; std::getline(help, line);) {
        if (!line.starts_with("  -"))
            continue;
        SCOPED_TRACE(line);
        constexpr std::size_t kColumn = 27;
        ASSERT_GT(line.size(), kColumn);
        EXPECT_EQ(line.substr(kColumn - 2, 2), "  ");
        EXPECT_NE(line[kColumn], ' ');
        std::string names = line.substr(2, line.find("  ", 2) - 2);
        for (std::size_t start = 0; start <= names.size();) {
            const std::size_t comma = std::min(names.find(", ", start), names.size());
            const std::string entry = names.substr(start, comma - start);
            start = comma + 2;
            const std::string name = entry.substr(0, entry.find(' '));
            const std::string argument = entry.size() > name.size() ? entry.substr(name.size() + 1) : "";
            listed.push_back(name);
            // With --estimar and --fps, which the estimate's fields and the amount need and nothing else minds.
            if (argument.empty() || argument.starts_with("["))
                parsed({name, "--estimar", "--fps", "30"});
            if (!argument.empty())
                parsed({name, "2", "--estimar", "--fps", "30"});
        }
    }
    EXPECT_GE(listed.size(), 26u);

    const std::string text = helpText();
    const Options defaults;
    for (int box = 0; box < model::kInputCount; ++box) {
        const std::string option(optionFor(static_cast<model::InputBox>(box)));
        EXPECT_NE(std::find(listed.begin(), listed.end(), option), listed.end()) << option;
        const std::size_t at = text.find("  " + option + " ");
        ASSERT_NE(at, std::string::npos) << option;
        const std::string line = text.substr(at, text.find('\n', at) - at);
        EXPECT_TRUE(line.ends_with(" (" + defaults.texts[static_cast<std::size_t>(box)] + ")")) << line;
    }
    EXPECT_NE(text.find("de 1 a 8 (" + std::to_string(defaults.scale) + ")\n"), std::string::npos);
}

}  // namespace
}  // namespace cli
