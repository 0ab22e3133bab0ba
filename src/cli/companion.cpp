// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/companion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <cmath>

#include "cli/chart_export.h"
#include "cli/estimate.h"
#include "cli/day_request.h"
#include "day/ask.h"
#include "day/calendar.h"
#include "day/clock.h"
#include "layout/option_names.h"
#include "model/curve_csv.h"
#include "model/data_file.h"
#include "model/dose.h"
#include "model/sunscreen_text.h"
#include "qt/utf8.h"
#include "runtime/number_format.h"
#include "runtime/text_file.h"
#include "sky/civil_date.h"

namespace cli {
namespace {

using runtime::NumberPattern;

// The day's answer and what only the companion adds: the six skin types.
struct Results {
    day::Answer answer;
    std::array<double, 6> dosesBySkinType{};
    std::string dataFile;
    bool dataFileSaved = false;

    const day::StayAnswer& stay() const { return *answer.stay; }
};

double dosesFor(model::FormState state, float skinType)
{
    state.TipoPiel = skinType;
    return model::exposureInDoses(state).value_or(0);
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

std::string dosesText(double doses, char separator)
{
    return runtime::formatNumber(doses, NumberPattern::TwoDecimals, separator);
}

// The estimate is reported when asked for, or when it gave the maximum.
bool reportsEstimate(const Options& options)
{
    return options.estimate || !options.given[static_cast<std::size_t>(model::InputBox::Text1)];
}

std::string bySkinTypeText(const Results& results, char separator)
{
    std::string out = "Exposición (DEM) por tipo de piel:\n";
    for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i) {
        out += "  " + runtime::integerToText(static_cast<long long>(i + 1)) + ": "
            + dosesText(results.dosesBySkinType[i], separator) + "\n";
    }
    return out;
}

// One reminder a line, the zone's clock first: "11:18 En 15 minutos llegas a 1 DEM".
std::string remindersText(const day::StayReminders& reminders)
{
    std::string out = "Avisos (" + reminders.clock.zone + ", " + sky::dateText(reminders.clock.date) + "):\n";
    for (const day::Reminder& reminder : reminders.list)
        out += "  " + day::hhmm(reminder.clockMinutes) + " " + reminder.text + "\n";
    return out;
}

std::string textReport(const Options& options, const Results& results, char separator)
{
    const day::Answer& answer = results.answer;
    const day::StayAnswer& stay = results.stay();
    std::string out;
    if (answer.estimate && reportsEstimate(options))
        out += estimateReport(*answer.estimate, separator);
    if (stay.calculation.text7)
        out += "Nuevo índice máximo (aprox.): " + *stay.calculation.text7 + "\n";
    out += "Exposición (DEM), tipo de piel " + runtime::integerToText(static_cast<long long>(stay.state.TipoPiel))
        + ": " + dosesText(stay.doses, separator) + "\n";
    if (options.allSkinTypes)
        out += bySkinTypeText(results, separator);
    if (options.timeToOneDose)
        out += stay.oneDose + "\n";
    if (stay.protection)
        out += stay.protectedLine + "\n";
    if (answer.protection)
        out += answer.protection->line + "\n";
    if (const auto& sun = answer.sunDay)
        out += "Curva del día según el sol (zona horaria " + sun->zone + ", UTC" + offsetText(sun->utcOffset) + ")\n";
    if (options.reminders && answer.reminders)
        out += remindersText(*answer.reminders);
    return out;
}

QJsonArray bySkinTypeJson(const Results& results, char separator)
{
    QJsonArray bySkinType;
    for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i) {
        bySkinType.append(QJsonObject{
            {"tipoPiel", static_cast<int>(i + 1)},
            {"exposicionDEM", results.dosesBySkinType[i]},
            {"exposicionTexto", QString::fromStdString(dosesText(results.dosesBySkinType[i], separator))},
        });
    }
    return bySkinType;
}

QJsonValue orNull(const std::optional<int>& minutes)
{
    return minutes ? QJsonValue(*minutes) : QJsonValue(QJsonValue::Null);
}

void addProtection(QJsonObject& report, const model::ProtectedExposure& protection)
{
    report["fps"] = protection.sunscreen.fps;
    report["cantidad"] = qt::fromUtf8(model::amountRow(protection.sunscreen.amount).token);
    report["fpsEfectivo"] = protection.effectiveFps;
    report["exposicionProtegidaDEM"] = protection.doses;
    report["minutosHastaUnDEMProtegido"] = orNull(protection.minutesToOneDose);
}

// The hours to the minute, the start down and the end up, as they may be
// relied on, and the exact hours beside them; all four null on a day under
// the threshold.
QJsonValue protectionJson(const std::optional<day::Protection>& protection)
{
    if (!protection)
        return QJsonValue::Null;
    QJsonObject made{
        {"desde", QJsonValue::Null},
        {"hasta", QJsonValue::Null},
        {"desdeHoras", QJsonValue::Null},
        {"hastaHoras", QJsonValue::Null},
        {"umbral", day::kProtectionThreshold},
        {"curva", qt::fromUtf8(day::curveWord(protection->curve))},
        {"texto", qt::fromUtf8(protection->line)},
    };
    if (const auto& hours = protection->hours) {
        made["desde"] = qt::fromUtf8(day::hhmm(day::minutesDown(hours->from)));
        made["hasta"] = qt::fromUtf8(day::hhmm(day::minutesUp(hours->to)));
        made["desdeHoras"] = hours->from;
        made["hastaHoras"] = hours->to;
    }
    return made;
}

QJsonArray remindersJson(const std::optional<day::StayReminders>& reminders)
{
    QJsonArray list;
    if (!reminders)
        return list;
    for (const day::Reminder& reminder : reminders->list) {
        list.append(QJsonObject{
            {"hora", qt::fromUtf8(day::hhmm(reminder.clockMinutes))},
            {"horaUTC", qt::fromUtf8(day::utcText(reminder.unixSeconds))},
            {"texto", qt::fromUtf8(reminder.text)},
        });
    }
    return list;
}

std::string jsonReport(const Options& options, const Results& results, char separator)
{
    const day::Answer& answer = results.answer;
    const day::StayAnswer& stay = results.stay();
    QJsonObject report;
    report["indiceMaximoCorregido"] = stay.calculation.correctedMaximum;
    if (stay.calculation.text7)
        report["nuevoIndiceMaximo"] = QString::fromStdString(*stay.calculation.text7);
    report["horaExposicion"] = static_cast<double>(stay.state.HoraExposicion);
    report["duracion"] = static_cast<double>(stay.state.Duracion);
    report["tipoPiel"] = static_cast<double>(stay.state.TipoPiel);
    report["exposicionDEM"] = stay.doses;
    report["exposicionTexto"] = QString::fromStdString(dosesText(stay.doses, separator));
    if (options.allSkinTypes)
        report["exposicionPorTipoDePiel"] = bySkinTypeJson(results, separator);
    if (options.timeToOneDose)
        report["minutosHastaUnDEM"] = orNull(stay.minutesToOneDose);
    if (answer.estimate && reportsEstimate(options))
        report["estimacion"] = estimateJson(*answer.estimate);
    report["curva"] = answer.sunDay ? "sol" : "campana";
    if (const auto& sun = answer.sunDay) {
        report["zona"] = QString::fromStdString(sun->zone);
        report["desfaseUTCHoras"] = sun->utcOffset;
    }
    if (stay.protection)
        addProtection(report, *stay.protection);
    report["proteccion"] = protectionJson(answer.protection);
    report["recordatorios"] = remindersJson(answer.reminders);
    if (options.dataFile)
        report["datos"] = QJsonObject{{"archivo", QString::fromStdString(results.dataFile)}, {"guardado", results.dataFileSaved}};
    std::string text = QJsonDocument(report).toJson(QJsonDocument::Indented).toStdString();
    if (text.empty() || text.back() != '\n')
        text += '\n';
    return text;
}

long long nowUnixSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The files asked for; a failure is reported and makes the exit status 1.
void saveFiles(const Options& options, Results& results, char separator, RunResult& result)
{
    const auto reportFailure = [&](const std::string& file, const std::string& reason) {
        result.exitStatus = kExitFileFailed;
        result.err += "No se pudo guardar " + file + ": " + reason + ".\n";
    };
    const model::FormState& state = results.stay().state;
    runtime::FileCalls calls;
    if (options.dataFile) {
        results.dataFile = *options.dataFile;
        const runtime::SaveOutcome saved = model::saveDataFile(results.stay().calculation.datos, *options.dataFile, calls);
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
    if (options.calendarFile) {
        const std::string calendar = day::calendarText(results.answer, nowUnixSeconds());
        if (const auto saved = runtime::saveTextFile(*options.calendarFile, calendar, calls); !saved.saved)
            reportFailure(*options.calendarFile, saved.reason);
    }
    if (options.svgFile) {
        if (const auto saved = saveSvg(state, *options.svgFile, separator, calls); !saved.saved)
            reportFailure(*options.svgFile, saved.reason);
    }
}

RunResult refused(const std::string& message)
{
    return RunResult{kExitBadInput, {}, message + "\n"};
}

}  // namespace

RunResult run(const Options& options, char localeSeparator)
{
    if (options.help)
        return RunResult{kExitOk, helpText(), {}};
    if (options.version)
        return RunResult{kExitOk, versionText(), {}};

    const char separator = options.point ? '.' : localeSeparator;
    Results results{day::answer(requestOf(options, separator)), {}, {}, false};
    if (const auto& refusal = results.answer.refusal)
        return refused(refusal->message);
    const day::StayAnswer& stay = results.stay();
    if (stay.calculation.dose.showSkinTypeMessage()) {
        return refused(std::string(layout::optionOf(model::InputBox::Text4)) + ":"
                       + std::string(model::kSkinTypeMessage) + " (1 a 6).");
    }
    for (std::size_t i = 0; i < results.dosesBySkinType.size(); ++i)
        results.dosesBySkinType[i] = dosesFor(stay.state, static_cast<float>(i + 1));

    RunResult result;
    saveFiles(options, results, separator, result);
    result.out = options.json ? jsonReport(options, results, separator) : textReport(options, results, separator);
    return result;
}

}  // namespace cli
