// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/companion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/chart_export.h"
#include "cli/estimate.h"
#include "model/calcular.h"
#include "model/curve_csv.h"
#include "model/data_file.h"
#include "model/time_to_dose.h"
#include "runtime/number_format.h"
#include "sky/estimate_text.h"

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
    std::optional<EstimateRun> estimate;
};

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
    Results results;
    model::InputTexts texts = options.texts;
    if (options.estimate) {
        auto made = makeEstimate(options, separator);
        if (const auto* message = std::get_if<std::string>(&made))
            return RunResult{kExitBadInput, {}, *message + "\n"};
        results.estimate = std::move(std::get<EstimateRun>(made));
        // As "Usar" in the window: the number shown, unless the user gave one.
        const auto maximum = static_cast<std::size_t>(model::InputBox::Text1);
        if (!options.given[maximum])
            texts[maximum] = sky::shownIndexText(results.estimate->estimate, separator);
    }
    model::CalcularOutcome outcome = model::Calcular(texts, separator, results.state);
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
