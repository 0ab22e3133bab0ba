// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/companion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "cli/chart_export.h"
#include "cli/estimate.h"
#include "model/calcular.h"
#include "model/curve.h"
#include "model/curve_csv.h"
#include "model/data_file.h"
#include "model/sunscreen.h"
#include "model/sunscreen_text.h"
#include "model/time_to_dose.h"
#include "runtime/number_format.h"
#include "sky/day_shape.h"
#include "sky/estimate_text.h"
#include "day/sun_curve.h"

namespace cli {
namespace {

using runtime::NumberPattern;

// The results, computed once and shown as text or JSON.
struct Results {
    model::FormState state;
    model::CalcularResult calculation;
    double doses = 0;
    std::array<double, 6> dosesBySkinType{};
    std::optional<int> minutesToOneDose;
    std::string dataFile;
    bool dataFileSaved = false;
    std::optional<EstimateRun> estimate;  // when asked for, or the sun's curve needs the maximum
    std::optional<double> utcOffset;      // hours, for the sun's curve
    std::optional<std::string> zone;      // the sun's curve's zone
    std::optional<model::ProtectedExposure> protection;
};

// The sunscreen the options give, or the refusal that names the option.
std::variant<std::optional<model::Sunscreen>, std::string> chosenSunscreen(const Options& options)
{
    if (!options.fps)
        return std::nullopt;
    model::Sunscreen sunscreen{*options.fps, model::SunscreenAmount::Label};
    if (options.amount) {
        const auto amount = model::amountFromToken(*options.amount);
        if (!amount)
            return "--cantidad: " + runtime::quoted(*options.amount) + "no es etiqueta ni habitual.";
        sunscreen.amount = *amount;
    }
    return sunscreen;
}

double dosesFor(model::FormState state, float skinType)
{
    state.TipoPiel = skinType;
    return model::exposureInDoses(state).value_or(0);
}

std::string durationText(int minutes)
{
    const std::string rest = runtime::integerToText(minutes % 60);
    return runtime::integerToText(minutes / 60) + " h " + (rest.size() < 2 ? "0" : "") + rest + " min";
}

// "+2", "-5", "+5:45": the zone's offset as clocks are usually labelled.
std::string offsetText(double hours)
{
    const long long minutes = std::llround(hours * 60);
    const long long size = minutes < 0 ? -minutes : minutes;
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "x" + a string.
    std::string text(minutes < 0 ? "-" : "+");
    text.append(runtime::integerToText(size / 60));
    if (size % 60 != 0)
        text.append(size % 60 < 10 ? ":0" : ":").append(runtime::integerToText(size % 60));
    return text;
}

std::string textReport(const Options& options, const Results& results, char separator)
{
    const model::FormState& state = results.state;
    std::string out;
    if (results.estimate)
        out += estimateReport(*results.estimate, separator);
    if (results.calculation.text7)
        out += "Nuevo índice máximo (aprox.): " + *results.calculation.text7 + "\n";
    out += "Exposición (DEM), tipo de piel " + runtime::integerToText(static_cast<long long>(state.TipoPiel)) + ": "
        + runtime::formatNumber(results.doses, NumberPattern::TwoDecimals, separator) + "\n";
    if (options.allSkinTypes) {
        out += "Exposición (DEM) por tipo de piel:\n";
        for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i) {
            out += "  " + runtime::integerToText(static_cast<long long>(i + 1)) + ": "
                + runtime::formatNumber(results.dosesBySkinType[i], NumberPattern::TwoDecimals, separator) + "\n";
        }
    }
    if (options.timeToOneDose) {
        out += "Tiempo hasta 1 DEM: ";
        if (const auto minutes = results.minutesToOneDose) {
            const double start = state.HoraExposicion;
            out += durationText(*minutes) + " (de " + runtime::formatHourMinute(start / 24) + " a "
                + runtime::formatHourMinute((start + *minutes / 60.0) / 24) + ")\n";
        } else {
            out += "no se alcanza con la radiación que queda en el día\n";
        }
    }
    if (results.protection)
        out += model::protectedText(*results.protection, state.HoraExposicion, separator) + "\n";
    if (options.sunShape()) {
        out += "Curva del día según el sol (zona horaria " + *results.zone + ", UTC" + offsetText(*results.utcOffset)
            + ")\n";
    }
    return out;
}

std::string jsonReport(const Options& options, const Results& results, char separator)
{
    const model::FormState& state = results.state;
    QJsonObject report;
    report["indiceMaximoCorregido"] = results.calculation.correctedMaximum;
    if (results.calculation.text7)
        report["nuevoIndiceMaximo"] = QString::fromStdString(*results.calculation.text7);
    report["horaExposicion"] = static_cast<double>(state.HoraExposicion);
    report["duracion"] = static_cast<double>(state.Duracion);
    report["tipoPiel"] = static_cast<double>(state.TipoPiel);
    report["exposicionDEM"] = results.doses;
    report["exposicionTexto"] =
        QString::fromStdString(runtime::formatNumber(results.doses, NumberPattern::TwoDecimals, separator));
    if (options.allSkinTypes) {
        QJsonArray bySkinType;
        for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i) {
            bySkinType.append(QJsonObject{
                {"tipoPiel", static_cast<int>(i + 1)},
                {"exposicionDEM", results.dosesBySkinType[i]},
                {"exposicionTexto", QString::fromStdString(runtime::formatNumber(
                                        results.dosesBySkinType[i], NumberPattern::TwoDecimals, separator))},
            });
        }
        report["exposicionPorTipoDePiel"] = bySkinType;
    }
    if (options.timeToOneDose) {
        report["minutosHastaUnDEM"] =
            results.minutesToOneDose ? QJsonValue(*results.minutesToOneDose) : QJsonValue(QJsonValue::Null);
    }
    if (results.estimate)
        report["estimacion"] = estimateJson(*results.estimate, separator);
    report["curva"] = options.sunShape() ? "sol" : "campana";
    if (options.sunShape()) {
        report["zona"] = QString::fromStdString(*results.zone);
        report["desfaseUTCHoras"] = *results.utcOffset;
    }
    if (const auto& protection = results.protection) {
        report["fps"] = protection->sunscreen.fps;
        report["cantidad"] = QString::fromUtf8(model::amountRow(protection->sunscreen.amount).token.data());
        report["fpsEfectivo"] = protection->effectiveFps;
        report["exposicionProtegidaDEM"] = protection->doses;
        report["minutosHastaUnDEMProtegido"] =
            protection->minutesToOneDose ? QJsonValue(*protection->minutesToOneDose) : QJsonValue(QJsonValue::Null);
    }
    if (options.dataFile) {
        report["datos"] = QJsonObject{{"archivo", QString::fromStdString(results.dataFile)},
                                      {"guardado", results.dataFileSaved}};
    }
    std::string text = QJsonDocument(report).toJson(QJsonDocument::Indented).toStdString();
    if (text.empty() || text.back() != '\n')
        text += '\n';
    return text;
}

}  // namespace

RunResult run(const Options& options, char localeSeparator)
{
    if (options.help)
        return RunResult{kExitOk, helpText(), {}};
    if (options.version)
        return RunResult{kExitOk, versionText(), {}};

    const char separator = options.point ? '.' : localeSeparator;
    const auto refused = [](const std::string& message) { return RunResult{kExitBadInput, {}, message + "\n"}; };
    if (const auto& curve = options.skyText(layout::SkyField::Forma); curve && !layout::shapeFromToken(*curve))
        return refused("--curva: " + runtime::quoted(*curve) + "no es campana ni sol.");
    const auto sunscreen = chosenSunscreen(options);
    if (const auto* message = std::get_if<std::string>(&sunscreen))
        return refused(*message);
    const auto zone = chosenZone(options);
    if (const auto* message = std::get_if<std::string>(&zone))
        return refused(*message);

    Results results;
    model::InputTexts texts = options.texts;
    const auto maximum = static_cast<std::size_t>(model::InputBox::Text1);
    // The sun's curve takes its place and date from the estimate's options.
    if (options.estimate || options.sunShape()) {
        auto made = makeEstimate(options, std::get<0>(zone), separator);
        if (const auto* message = std::get_if<std::string>(&made))
            return refused(*message);
        results.estimate = std::move(std::get<EstimateRun>(made));
        // As "Usar" in the window: the number shown, unless the user gave one.
        if (!options.given[maximum])
            texts[maximum] = sky::shownIndexText(results.estimate->estimate, separator);
    }
    model::DaySampler sample = model::sampleCurve;
    if (options.sunShape()) {
        const auto& timeZone = std::get<0>(zone);
        if (!timeZone)
            return refused("--curva sol: indique --zona (no se conoce la zona horaria del sistema).");
        const sky::SkyInputs& in = results.estimate->inputs;
        results.zone = timeZone->name();
        results.utcOffset = zones::utcOffsetAtNoon(*timeZone, in.date);
        const auto shape = sky::dayShape({in.latitude, in.longitude}, in.date, *results.utcOffset);
        if (const auto* none = std::get_if<sky::NoSunrise>(&shape))
            return refused("--curva sol: " + sky::describe(*none, separator, sky::DateStyle::Iso));
        sample = day::sunSampler(std::get<sky::DayShape>(shape));
        // The estimate is reported when asked for, or when it gave the maximum.
        if (!options.estimate && options.given[maximum])
            results.estimate.reset();
    }
    model::CalcularOutcome outcome = model::Calcular(texts, separator, results.state, sample);
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome))
        return RunResult{kExitBadInput, {}, model::describe(*failure, {runtime::Holder::Option, optionFor(failure->box)}) + "\n"};
    results.calculation = std::move(std::get<model::CalcularResult>(outcome));
    if (results.calculation.dose.showSkinTypeMessage()) {
        return RunResult{kExitBadInput, {},
                         std::string(optionFor(model::InputBox::Text4)) + ":" + std::string(model::kSkinTypeMessage)
                             + " (1 a 6).\n"};
    }

    const model::FormState& state = results.state;
    results.doses = model::exposureInDoses(state).value_or(0);
    for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i)
        results.dosesBySkinType[i] = dosesFor(state, static_cast<float>(i + 1));
    if (options.timeToOneDose)
        results.minutesToOneDose = model::minutesToOneDose(state);
    if (const auto& chosen = std::get<0>(sunscreen))
        results.protection = model::protectExposure(state, *chosen);

    RunResult result;
    const auto reportFailure = [&](const std::string& file, const std::string& reason) {
        result.exitStatus = kExitFileFailed;
        result.err += "No se pudo guardar " + file + ": " + reason + ".\n";
    };
    runtime::FileCalls calls;
    if (options.dataFile) {
        results.dataFile = *options.dataFile;
        const runtime::SaveOutcome saved = model::saveDataFile(results.calculation.datos, *options.dataFile, calls);
        results.dataFileSaved = saved.saved;
        if (!saved.saved)
            reportFailure(*options.dataFile, saved.reason);
    }
    if (options.csvFile) {
        if (const auto saved = model::writeCurveCsv(state, separator, *options.csvFile, calls); !saved.saved)
            reportFailure(*options.csvFile, saved.reason);
    }
    if (options.pngFile) {
        if (const auto saved = savePng(state, *options.pngFile, separator, options.scale, calls); !saved.saved)
            reportFailure(*options.pngFile, saved.reason);
    }
    if (options.svgFile) {
        if (const auto saved = saveSvg(state, *options.svgFile, separator, calls); !saved.saved)
            reportFailure(*options.svgFile, saved.reason);
    }

    result.out = options.json ? jsonReport(options, results, separator) : textReport(options, results, separator);
    return result;
}

}  // namespace cli
