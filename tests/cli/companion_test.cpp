// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/companion.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>
#include <filesystem>
#include <fstream>

#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "model/calcular.h"
#include "model/curve_csv.h"
#include "model/curve.h"
#include "model/dose.h"
#include "zones/local_clock.h"
#include "support/reference_days.h"
#include "support/scoped_tz.h"
#include "support/scratch_directory.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

class CompanionTest : public testing::Test {
protected:
    std::string file(const char* name) const { return scratch_.file(name); }

    // What the window shows for the same texts: Text7 and Label4.
    model::CalcularResult window(const model::InputTexts& texts, char separator)
    {
        model::FormState state;
        return std::get<model::CalcularResult>(model::Calcular(texts, separator, state));
    }

    test_support::ScratchDirectory scratch_{"companion_test"};
    const fs::path& directory_ = scratch_.path();
};

Options withTexts(const model::InputTexts& texts)
{
    Options options;
    options.texts = texts;
    return options;
}

TEST_F(CompanionTest, PrintsWhatTheWindowShows)
{
    const model::InputTexts cases[] = {
        {"10", "11", "2", "3", "0", "0"},    {"10", "11", "2", "1", "0", "1"},   {"10", "11", "2", "6", "1000", "10"},
        {"10", "11", "2", "3", "0", "-4"},   {"10", "12.5", "1", "1", "0", "0"}, {"10", "13", "0", "3", "0", "0"},
        {"10", "12.7", "0.3", "3", "0", "0"}, {"10", "15", "5", "3", "0", "0"},   {"10", "0", "24", "3", "0", "0"},
        {"10", "21", "2", "3", "0", "0"},    {"0", "11", "2", "3", "0", "0"},    {"-5", "11", "2", "2", "0", "0"},
    };
    for (const char separator : {'.', ','}) {
        for (model::InputTexts texts : cases) {
            for (std::string& text : texts)
                std::replace(text.begin(), text.end(), '.', separator);
            const model::CalcularResult shown = window(texts, separator);
            const RunResult printed = run(withTexts(texts), separator);
            ASSERT_EQ(printed.exitStatus, kExitOk) << printed.err;
            std::string expected;
            if (shown.text7)
                expected += "Nuevo índice máximo (aprox.): " + *shown.text7 + "\n";
            expected += "Exposición (DEM), tipo de piel " + texts[3] + ": " + *shown.dose.label4Caption + "\n";
            EXPECT_EQ(printed.out, expected);
        }
    }
}

TEST_F(CompanionTest, JsonHoldsTheSameNumbers)
{
    Options options = withTexts({"10", "11", "2", "3", "1000", "10"});
    options.json = true;
    options.allSkinTypes = true;
    options.timeToOneDose = true;
    const RunResult printed = run(options, ',');
    ASSERT_EQ(printed.exitStatus, kExitOk);

    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(printed.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << printed.out;
    const QJsonObject report = document.object();
    const model::CalcularResult shown = window(options.texts, ',');
    EXPECT_EQ(report["nuevoIndiceMaximo"].toString().toStdString(), "12,4");
    EXPECT_EQ(report["indiceMaximoCorregido"].toDouble(), shown.correctedMaximum);
    EXPECT_EQ(report["exposicionTexto"].toString().toStdString(), *shown.dose.label4Caption);

    const QJsonArray bySkinType = report["exposicionPorTipoDePiel"].toArray();
    ASSERT_EQ(bySkinType.size(), 6);
    for (int skin = 1; skin <= 6; ++skin) {
        model::InputTexts texts = options.texts;
        texts[3] = std::to_string(skin);
        EXPECT_EQ(bySkinType[skin - 1].toObject()["exposicionTexto"].toString().toStdString(),
                  *window(texts, ',').dose.label4Caption);
    }
    EXPECT_TRUE(report["minutosHastaUnDEM"].isDouble());
    EXPECT_FALSE(report.contains("datos"));
}

TEST_F(CompanionTest, TimeToOneDoseForEachSkinType)
{
    // From 11:00 at a maximum of 10, worked out apart from this program with
    // Python's floats: the curve and the strips one operation at a time, the
    // duration of each whole minute as a 32-bit float.
    const int expected[] = {20, 27, 33, 42, 58, 86};
    for (int skin = 1; skin <= 6; ++skin) {
        Options options = withTexts({"10", "11", "2", std::to_string(skin), "0", "0"});
        options.timeToOneDose = true;
        options.json = true;
        const QJsonObject report =
            QJsonDocument::fromJson(QByteArray::fromStdString(run(options, '.').out)).object();
        EXPECT_EQ(report["minutosHastaUnDEM"].toInt(-1), expected[skin - 1]) << skin;
    }

    // The same sentences as the window's tooltip and the page: 11:00 and 20 min.
    Options late = withTexts({"10", "19", "2", "6", "0", "0"});
    late.timeToOneDose = true;
    EXPECT_NE(run(late, '.').out.find("\n1 DEM no se alcanza en el resto del día\n"), std::string::npos);
    Options early = withTexts({"10", "11", "2", "1", "0", "0"});
    early.timeToOneDose = true;
    EXPECT_NE(run(early, '.').out.find("\n1 DEM a las 11:20 (20 min)\n"), std::string::npos);
}

TEST_F(CompanionTest, ExportsTheChartAsPngAndSvgAndTheCurveAsCsv)
{
    Options options;
    options.pngFile = file("grafica.png");
    options.svgFile = file("grafica.svg");
    options.csvFile = file("curva.csv");
    options.dataFile = file("datos.dat");
    options.scale = 2;
    ASSERT_EQ(run(options, ',').exitStatus, kExitOk);

    const QImage png(QString::fromStdString(*options.pngFile));
    EXPECT_EQ(png.size(), QSize(541 * 2, 381 * 2));

    QXmlStreamReader reader(QString::fromStdString(test_support::readFile(*options.svgFile)));
    QStringList texts;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QStringLiteral("text"))
            texts << reader.readElementText();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Indice Ultravioleta"));
    EXPECT_TRUE(texts.contains("Tiempo (Hr)"));
    EXPECT_TRUE(texts.contains("6:00"));
    EXPECT_TRUE(texts.contains("12,0"));

    std::ifstream datos(*options.dataFile, std::ios::binary);
    std::string first;
    std::getline(datos, first);
    EXPECT_EQ(first, "6,014         0,0025\r");

    // The window's "Guardar datos como…" writes the same bytes from the same curve.
    model::FormState state;
    ASSERT_TRUE(std::holds_alternative<model::CalcularResult>(model::Calcular(options.texts, ',', state)));
    EXPECT_EQ(test_support::readFile(*options.csvFile), model::curveCsv(state, ','));
}

struct FileOption {
    const char* name;
    std::optional<std::string> Options::*file;
    const char* fileName;
};

void PrintTo(const FileOption& row, std::ostream* out)
{
    *out << row.name;
}

class AFailedFile : public CompanionTest, public testing::WithParamInterface<FileOption> {};

// Every file the companion writes says why it could not, and the run exits
// with 1 after printing the results.
TEST_P(AFailedFile, IsReportedAndExitsWithOne)
{
    Options options;
    std::optional<std::string>& file = options.*GetParam().file;
    file = (directory_ / "no-existe" / GetParam().fileName).string();
    const RunResult result = run(options, '.');
    EXPECT_EQ(result.exitStatus, kExitFileFailed);
    EXPECT_EQ(result.err, "No se pudo guardar " + *file + ": la carpeta no existe.\n");
    EXPECT_FALSE(result.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, AFailedFile,
                         testing::Values(FileOption{"Datos", &Options::dataFile, "datos.dat"},
                                         FileOption{"Csv", &Options::csvFile, "curva.csv"},
                                         FileOption{"Png", &Options::pngFile, "grafica.png"},
                                         FileOption{"Svg", &Options::svgFile, "grafica.svg"},
                                         FileOption{"Calendario", &Options::calendarFile, "estancia.ics"}),
                         [](const testing::TestParamInfo<FileOption>& info) { return std::string(info.param.name); });

TEST_F(CompanionTest, BadInputTouchesNoFile)
{
    Options options = withTexts({"10", "once", "2", "3", "0", "0"});
    options.dataFile = file("datos.dat");
    options.pngFile = file("grafica.png");
    options.csvFile = file("curva.csv");
    const RunResult result = run(options, '.');
    EXPECT_EQ(result.exitStatus, kExitBadInput);
    EXPECT_EQ(result.err, "--hora-exposicion: «once» no es un número válido.\n");
    EXPECT_TRUE(result.out.empty());
    // The window's reasons, the option named instead of the box.
    options.texts = {"10", "11", "", "3", "0", "0"};
    EXPECT_EQ(run(options, ',').err, "La opción --duracion está vacía.\n");
    options.texts = {"2.5", "11", "2", "3", "0", "0"};
    EXPECT_EQ(run(options, ',').err, "--indice-maximo: «2.5» no es un número válido; use la coma decimal (2,5).\n");
    options.point = true;
    options.texts = {"2,5", "11", "2", "3", "0", "0"};
    EXPECT_EQ(run(options, ',').err, "--indice-maximo: «2,5» no es un número válido; use el punto decimal (2.5).\n");
    options.point = false;

    options.texts = {"10", "11", "2", "2.5", "0", "0"};
    const RunResult skin = run(options, '.');
    EXPECT_EQ(skin.exitStatus, kExitBadInput);
    EXPECT_EQ(skin.err, "--tipo-piel: Por favor ingrese nuevamente el tipo de piel (1 a 6).\n");
    EXPECT_TRUE(fs::is_empty(directory_));
}

// The command line as the user types it.
Options fromArguments(const std::vector<std::string_view>& arguments)
{
    const auto parsed = parseOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<Options>(parsed));
    return std::holds_alternative<Options>(parsed) ? std::get<Options>(parsed) : Options{};
}

QJsonObject jsonOf(const RunResult& result)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
}

// The reference days, worked out apart from this program, through --estimar --json.
struct EstimateRow {
    const char* name;
    std::vector<std::string_view> arguments;
    double zenithAngle;
    double ozone;
    double uvIndex;
};

void PrintTo(const EstimateRow& row, std::ostream* out)
{
    *out << row.name;
}

class Estimar : public CompanionTest, public testing::WithParamInterface<EstimateRow> {
protected:
    test_support::ScopedTz tz_{"Europe/Madrid"};
};

TEST_P(Estimar, GivesTheReferenceValues)
{
    std::vector<std::string_view> arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"--estimar", "--json"});
    const RunResult result = run(fromArguments(arguments), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const QJsonObject estimate = jsonOf(result)["estimacion"].toObject();
    EXPECT_NEAR(estimate["anguloCenital"].toDouble(), GetParam().zenithAngle, 1e-4);
    EXPECT_NEAR(estimate["ozono"].toDouble(), GetParam().ozone, 1e-3);
    EXPECT_NEAR(estimate["indiceMaximo"].toDouble(), GetParam().uvIndex, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceDays, Estimar,
    testing::Values(
        EstimateRow{"Madrid", {"--latitud", "40.45", "--longitud", "-3.70", "--fecha", "2026-06-21", "--altitud", "690"},
                    17.0146, 327.436, 10.2977},
        EstimateRow{"Puno", {"--latitud", "-15.84", "--longitud", "-70.02", "--fecha", "2026-01-22", "--altitud", "3830"},
                    3.7189, 255.190, 20.5255},
        EstimateRow{"BuenosAires", {"--latitud=-34.60", "--longitud=-58.38", "--fecha=2026-01-12", "--altitud=25"},
                    13.0351, 273.740, 13.6064},
        EstimateRow{"TromsoInThePolarNight", {"--latitud", "69.65", "--longitud", "18.96", "--fecha", "2026-12-21"},
                    93.0847, 364.639, 0},
        EstimateRow{"EquinoxOnSnowWithOzoneGiven",
                    {"--latitud", "0", "--longitud", "0", "--fecha", "2026-03-20", "--ozono", "300", "--nieve"},
                    0.0419, 300, 15.3777},
        // The air's factor worked out apart: exp(−τ e^(−H/1500) (550/320)^α (0.16 + 1.4 (1 − ω)) max(μ₀, 0.5)^−0.55).
        EstimateRow{"MadridInNormalAir",
                    {"--latitud", "40.45", "--longitud", "-3.70", "--fecha", "2026-06-21", "--altitud", "690", "--aire",
                     "normal"},
                    17.0146, 327.436, 10.2977 * 0.9603570},
        EstimateRow{"MadridInTurbidAir",
                    {"--latitud", "40.45", "--longitud", "-3.70", "--fecha", "2026-06-21", "--altitud", "690", "--aire",
                     "turbio"},
                    17.0146, 327.436, 10.2977 * 0.9065410},
        EstimateRow{"EquinoxOnSnowInTurbidAir",
                    {"--latitud", "0", "--longitud", "0", "--fecha", "2026-03-20", "--ozono", "300", "--nieve", "--aire",
                     "turbio"},
                    0.0419, 300, 15.3777 * 0.8592904}),
    [](const testing::TestParamInfo<EstimateRow>& info) { return std::string(info.param.name); });

// The text, and the calculation that follows it with the rounded estimate
// as the maximum, as "Usar" would leave it in the window; a maximum given
// on the command line wins.
TEST_F(CompanionTest, EstimateReportAndTheCalculationAfterIt)
{
    test_support::ScopedTz tz("Europe/Madrid");
    const std::vector<std::string_view> madrid = {"--estimar", "--latitud", "40,45", "--longitud", "-3,70",
                                                  "--fecha",   "2026-06-21", "--altitud", "690"};
    const RunResult result = run(fromArguments(madrid), ',');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const auto exposure = [&](const char* maximum) {
        return "Exposición (DEM), tipo de piel 3: "
               + *window({maximum, "11", "2", "3", "0", "0"}, ',').dose.label4Caption + "\n";
    };
    // A little more than Madrid's 9,8 at sea level, whose crossings of 3 are
    // 10:08,8 and 18:24,4, moves them out by minutes, within the same tens.
    const std::string protection =
        "El 21/06/2026 en 40,45° N, 3,70° O, con cielo despejado: protección solar de 10:00 a 18:30 (índice 3 o más)\n";
    EXPECT_EQ(result.out,
              "Índice máximo estimado (cielo despejado): 10,3\n"
              "Lugar 40,45, -3,70 y 690 m, 2026-06-21. Mediodía solar a las 14:16; ozono 327 DU; el sol a 17,0° del cénit.\n"
              "La calima y la contaminación lo bajan; la nieve, la arena, el agua y las nubes sueltas pueden subirlo un rato.\n"
                  + exposure("10,3") + protection);

    std::vector<std::string_view> given = madrid;
    given.insert(given.end(), {"--indice-maximo", "8"});
    EXPECT_TRUE(run(fromArguments(given), ',').out.ends_with(exposure("8") + protection));

    // The air is named when it is not clean: 10.2977 × 0.90654 = 9.335.
    std::vector<std::string_view> turbid = madrid;
    turbid.insert(turbid.end(), {"--aire", "turbio"});
    EXPECT_TRUE(run(fromArguments(turbid), ',').out.starts_with("Índice máximo estimado (cielo despejado, aire turbio): 9,3\n"));
    turbid.push_back("--json");
    const QJsonObject air = jsonOf(run(fromArguments(turbid), ','))["estimacion"].toObject();
    EXPECT_EQ(air["aire"].toString(), "turbio");
    EXPECT_NEAR(air["factorAire"].toDouble(), 0.9065410, 1e-6);
}

TEST_F(CompanionTest, EstimateStartsFromTheZonesPlaceAndToday)
{
    test_support::ScopedTz tz("America/Mexico_City");
    const RunResult result = run(fromArguments({"--estimar", "--json"}), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const QJsonObject estimate = jsonOf(result)["estimacion"].toObject();
    // tzdata's 19°24' N, 99°09' W, to the hundredth as the window offers it.
    EXPECT_EQ(estimate["latitud"].toDouble(), 19.4);
    EXPECT_EQ(estimate["longitud"].toDouble(), -99.15);
    EXPECT_EQ(estimate["zonaHoraria"].toString(), "America/Mexico_City");
    EXPECT_EQ(estimate["fecha"].toString().toStdString(), sky::dateText(zones::localToday()));
    EXPECT_EQ(estimate["altitud"].toDouble(), 0);
    EXPECT_FALSE(estimate["nieve"].toBool());
    EXPECT_EQ(jsonOf(result)["indiceMaximoCorregido"].toDouble(),
              static_cast<float>(estimate["indiceMaximoTexto"].toString().toDouble()));
    EXPECT_NE(run(fromArguments({"--estimar"}), '.').out.find("(zona horaria America/Mexico_City)"),
              std::string::npos);
}

// A bad field names its option, and nothing is computed or written.
TEST_F(CompanionTest, EstimateRefusalsNameTheOption)
{
    test_support::ScopedTz tz("Europe/Madrid");
    const struct {
        std::vector<std::string_view> arguments;
        const char* message;
    } rows[] = {
        {{"--latitud", "95"}, "--latitud: «95» no está entre -90 y 90 grados.\n"},
        {{"--longitud", "oeste"}, "--longitud: «oeste» no es un número válido.\n"},
        {{"--fecha", "2026-02-30"}, "--fecha: «2026-02-30» no es un día del calendario.\n"},
        {{"--fecha", "30/02/2026"}, "--fecha: «30/02/2026» no es una fecha AAAA-MM-DD.\n"},
        {{"--altitud", "9000.5"}, "--altitud: «9000.5» no está entre -500 y 9000 metros.\n"},
        {{"--ozono", "300,5"}, "--ozono: «300,5» no es un número válido; use el punto decimal (300.5).\n"},
        {{"--latitud", " "}, "La opción --latitud está vacía.\n"},
        {{"--cielo", "nublado"}, "--cielo: «nublado» no es despejado, poco-nuboso, nuboso ni cubierto.\n"},
        {{"--aire", "sucio"}, "--aire: «sucio» no es limpio, normal ni turbio.\n"},
        {{"--zona", "Marte/Olimpo"}, "--zona: «Marte/Olimpo» no es una zona horaria.\n"},
        {{"--curva", "luna"}, "--curva: «luna» no es campana ni sol.\n"},
        {{"--fps", "1"}, "--fps: «1» no es un FPS válido (un entero de 2 a 100).\n"},
        {{"--fps", "30,5"}, "--fps: «30,5» no es un FPS válido (un entero de 2 a 100).\n"},
        {{"--fps", "30", "--cantidad", "mucha"}, "--cantidad: «mucha» no es etiqueta ni habitual.\n"},
        // One order for every front end: the fields in the table's order, then
        // the boxes, then the sunscreen.
        {{"--zona", "Marte/Olimpo", "--latitud", "95"}, "--latitud: «95» no está entre -90 y 90 grados.\n"},
        {{"--curva", "luna", "--cielo", "nublado"},
         "--cielo: «nublado» no es despejado, poco-nuboso, nuboso ni cubierto.\n"},
        {{"--fps", "1", "--duracion", "x"}, "--duracion: «x» no es un número válido.\n"},
    };
    for (const auto& row : rows) {
        std::vector<std::string_view> arguments = row.arguments;
        arguments.insert(arguments.end(), {"--estimar", "--datos", "--csv", "c.csv"});
        Options options = fromArguments(arguments);
        options.dataFile = file("datos.dat");
        options.csvFile = file("curva.csv");
        const RunResult result = run(options, '.');
        EXPECT_EQ(result.exitStatus, kExitBadInput);
        EXPECT_EQ(result.err, row.message);
        EXPECT_TRUE(result.out.empty());
    }
    test_support::ScopedTz utc("UTC");
    EXPECT_EQ(run(fromArguments({"--estimar", "--latitud", "40"}), '.').err,
              "--estimar: indique --latitud y --longitud (la zona horaria UTC no tiene lugar).\n");
    EXPECT_TRUE(fs::is_empty(directory_));
}

// The day by the sun, and sunscreen, against values worked out apart from
// this program: the exposure's caption, the zone's offset and the protected dose.
struct BeyondTheBellRow {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* exposure;        // exposicionTexto
    double utcOffset;            // desfaseUTCHoras; NaN for the bell
    double effectiveFps;         // fpsEfectivo; NaN without --fps
    std::optional<int> protectedMinutes;
};

class BeyondTheBell : public CompanionTest, public testing::WithParamInterface<BeyondTheBellRow> {};

TEST_P(BeyondTheBell, GivesTheReferenceValues)
{
    const BeyondTheBellRow& row = GetParam();
    std::vector<std::string_view> arguments = row.arguments;
    arguments.push_back("--json");
    const RunResult result = run(fromArguments(arguments), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const QJsonObject json = jsonOf(result);
    EXPECT_EQ(json["exposicionTexto"].toString().toStdString(), row.exposure);
    EXPECT_EQ(json["curva"].toString(), std::isnan(row.utcOffset) ? "campana" : "sol");
    if (!std::isnan(row.utcOffset)) {
        EXPECT_EQ(json["desfaseUTCHoras"].toDouble(), row.utcOffset);
    }
    if (!std::isnan(row.effectiveFps)) {
        EXPECT_NEAR(json["fpsEfectivo"].toDouble(), row.effectiveFps, 1e-9);
        const QJsonValue minutes = json["minutosHastaUnDEMProtegido"];
        EXPECT_EQ(minutes.isNull(), !row.protectedMinutes);
        if (row.protectedMinutes) {
            EXPECT_EQ(minutes.toInt(), *row.protectedMinutes);
        }
    }
}

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The reference days of the sun's shape, and the bell with sunscreen.
std::vector<BeyondTheBellRow> beyondTheBellRows()
{
    std::vector<BeyondTheBellRow> rows;
    for (const test_support::ReferenceDay& day : test_support::kReferenceDays) {
        rows.push_back({day.name,
                        {"--curva", "sol", "--latitud", day.latitude, "--longitud", day.longitude, "--fecha", day.date,
                         "--zona", day.zone, "--indice-maximo", day.maximum, "--hora-exposicion", day.start,
                         "--duracion", day.duration, "--tipo-piel", day.skinType},
                        day.sunCaption, day.utcOffset, kNone, {}});
    }
    rows.push_back({"BellWithSunscreenAsMostApplyIt", {"--fps", "30", "--cantidad", "habitual"}, "4.45", kNone,
                    5.477225575051661, 146});
    rows.push_back({"BellWithSunscreenAsLabelled", {"--fps", "30"}, "4.45", kNone, 30, {}});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Reference, BeyondTheBell, testing::ValuesIn(beyondTheBellRows()),
                         [](const auto& info) { return std::string(info.param.name); });

// When to protect as the companion writes it, for the reference days'
// crossings of index 3 (the day's own tests hold all of them, to a tenth of a
// minute): the clock texts are the start's minute rounded down and the end's
// rounded up.
struct ProtectionRow {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* curve;
    const char* from;  // nullptr: the index stays under 3
    const char* to;
    const char* line;
};

void PrintTo(const ProtectionRow& row, std::ostream* out)
{
    *out << row.name;
}

class ProtectionHours : public CompanionTest, public testing::WithParamInterface<ProtectionRow> {};

TEST_P(ProtectionHours, GivesTheHoursOfIndexThreeOrMore)
{
    const ProtectionRow& row = GetParam();
    std::vector<std::string_view> arguments = row.arguments;
    const RunResult text = run(fromArguments(arguments), '.');
    arguments.push_back("--json");
    const RunResult result = run(fromArguments(arguments), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const QJsonObject protection = jsonOf(result)["proteccion"].toObject();
    EXPECT_EQ(protection["curva"].toString().toStdString(), row.curve);
    EXPECT_EQ(protection["umbral"].toDouble(), 3);
    EXPECT_NE(text.out.find(std::string("\n") + row.line + "\n"), std::string::npos) << text.out;
    if (!row.from) {
        for (const char* key : {"desde", "hasta", "desdeHoras", "hastaHoras"})
            EXPECT_TRUE(protection[key].isNull()) << key;
        return;
    }
    EXPECT_EQ(protection["desde"].toString().toStdString(), row.from);
    EXPECT_EQ(protection["hasta"].toString().toStdString(), row.to);
}

// clang-format off
const ProtectionRow kProtectionRows[] = {
    {"MadridJuneSun", {"--curva", "sol", "--latitud", "40.42", "--longitud", "-3.70", "--fecha", "2026-06-21", "--zona", "Europe/Madrid", "--indice-maximo", "10"},
     "sol", "10:07", "18:27", "Protección solar de 10:00 a 18:30 (índice 3 o más)"},
    {"MadridDecemberEstimate", {"--estimar", "--latitud", "40.42", "--longitud", "-3.70", "--fecha", "2026-12-21", "--zona", "Europe/Madrid"},
     "estimacion", nullptr, nullptr, "El 21/12/2026 en 40.42° N, 3.70° O, con cielo despejado, no hace falta protección: el índice no llega a 3."},
    {"MelbourneEstimate", {"--estimar", "--latitud", "-37.73", "--longitud", "145.10", "--fecha", "2026-01-15", "--zona", "Australia/Melbourne", "--indice-maximo", "12"},
     "estimacion", "09:06", "17:52", "El 15/01/2026 en 37.73° S, 145.10° E, con cielo despejado: protección solar de 9:00 a 18:00 (índice 3 o más)"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ReferenceDays, ProtectionHours, testing::ValuesIn(kProtectionRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompanionTest, NoProtectionWhereNoPlaceIsKnown)
{
    test_support::ScopedTz tz("UTC");
    const RunResult result = run(fromArguments({"--json"}), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    EXPECT_TRUE(jsonOf(result)["proteccion"].isNull());
    EXPECT_EQ(run(Options{}, '.').out, "Exposición (DEM), tipo de piel 3: 4.45\n");
}

// The stay's reminders on the zone's clock and in UT: the start's instant is
// the clock's time less the zone's offset, worked out by hand.
struct ReminderRow {
    const char* name;
    std::vector<std::string_view> arguments;
    const char* firstClock;
    const char* firstUtc;
    const char* firstText;
};

void PrintTo(const ReminderRow& row, std::ostream* out)
{
    *out << row.name;
}

class StayReminders : public CompanionTest, public testing::WithParamInterface<ReminderRow> {};

TEST_P(StayReminders, StartTheStayAndListOneALine)
{
    const ReminderRow& row = GetParam();
    std::vector<std::string_view> arguments = row.arguments;
    arguments.push_back("--recordatorios");
    const RunResult text = run(fromArguments(arguments), '.');
    arguments.push_back("--json");
    const RunResult result = run(fromArguments(arguments), '.');
    ASSERT_EQ(result.exitStatus, kExitOk) << result.err;
    const QJsonArray reminders = jsonOf(result)["recordatorios"].toArray();
    ASSERT_FALSE(reminders.isEmpty());
    const QJsonObject first = reminders.first().toObject();
    EXPECT_EQ(first["hora"].toString().toStdString(), row.firstClock);
    EXPECT_EQ(first["horaUTC"].toString().toStdString(), row.firstUtc);
    EXPECT_EQ(first["texto"].toString().toStdString(), row.firstText);
    // The text report lists the same reminders, clock first, one a line.
    for (const QJsonValue& reminder : reminders) {
        const std::string line = "  " + reminder["hora"].toString().toStdString() + " "
                                 + reminder["texto"].toString().toStdString() + "\n";
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
    }
}

// clang-format off
const ReminderRow kReminderRows[] = {
    {"MadridSunWithSunscreen", {"--curva", "sol", "--latitud", "40.42", "--longitud", "-3.70", "--fecha", "2026-06-21", "--zona", "Europe/Madrid", "--indice-maximo", "10", "--fps", "30"},
     "11:00", "2026-06-21T09:00:00Z", "Al sol hasta las 13:00. Ponte el protector FPS 30. Protección solar de 10:00 a 18:30."},
    {"MelbourneAheadOfUtc", {"--curva", "sol", "--latitud", "-37.73", "--longitud", "145.10", "--fecha", "2026-01-15", "--zona", "Australia/Melbourne", "--indice-maximo", "12", "--hora-exposicion", "10", "--duracion", "3"},
     "10:00", "2026-01-14T23:00:00Z", "Al sol hasta las 13:00. Protección solar de 9:10 a 17:50."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Stays, StayReminders, testing::ValuesIn(kReminderRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CompanionTest, TheProgramExitsWithTwoAndWritesNothing)
{
    const std::string program = INDICE_UV_CALC;
    for (const std::string arguments : {"--duracion abc --datos --png g.png", "--tipo-piel 7 --datos",
                                        "--no-existe --datos", "--scale 9 --png g.png",
                                        "--indice-maximo diez --csv c.csv",
                                        "--estimar --latitud 95 --longitud 0 --datos",
                                        "--estimar --latitud 40 --longitud 0 --fecha 2026-02-30 --png g.png",
                                        "--latitud 40 --longitud 0 --datos",
                                        "--curva sol --zona Marte/Olimpo --latitud 40 --longitud 0 --datos",
                                        "--curva sol --latitud 69.65 --longitud 18.96 --fecha 2026-12-21 --datos",
                                        "--curva recta --datos", "--fps 101 --datos",
                                        "--fps 30 --cantidad mucha --csv c.csv", "--cantidad habitual --datos"}) {
        const std::string command = "cd '" + directory_.string() + "' && '" + program + "' " + arguments
            + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << arguments;
        EXPECT_EQ(WEXITSTATUS(status), 2) << arguments;
        EXPECT_TRUE(fs::is_empty(directory_)) << arguments;
    }
    const std::string ok = "cd '" + directory_.string() + "' && '" + program + "' --datos >/dev/null";
    EXPECT_EQ(std::system(ok.c_str()), 0);
    EXPECT_TRUE(fs::exists(directory_ / "datos.dat"));
}

}  // namespace
}  // namespace cli

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
