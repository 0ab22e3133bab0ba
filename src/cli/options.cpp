// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/options.h"

#include <array>
#include <charconv>
#include <utility>

#include "cli/day_request.h"
#include "day/request.h"
#include "layout/option_names.h"
#include "model/data_file.h"
#include "model/sunscreen.h"
#include "runtime/help_line.h"
#include "runtime/number_format.h"

namespace cli {
namespace {

// What an option does with its argument.
struct SetsFlag {  // takes none
    bool Options::*field;
};
struct SetsInput {  // a box's text, converted later exactly as the window's is
    model::InputBox box;
};
struct SetsText {  // a text that may not be empty, such as a file's name
    std::optional<std::string> Options::*field;
    std::string_view whenAlone = {};  // the text when none follows; empty: one must
};
struct SetsSkyField {  // a field of the estimate, read when the estimate is made
    layout::SkyField field;
};
struct SetsFactor {  // the sunscreen's factor, read as the forms read it
    std::optional<std::string> Options::*field;
};
struct SetsWholeNumber {
    std::variant<int Options::*, std::optional<int> Options::*> field;  // the second has no default
    int least;
    int most;
    std::string_view what;  // "una escala válida", for the refusal
};
using Target = std::variant<SetsFlag, SetsInput, SetsText, SetsSkyField, SetsFactor, SetsWholeNumber>;

// One option: how it is written, how --help lists it and what it sets. The
// parser and --help are both made from this table and nothing else.
struct OptionRow {
    std::string_view section;  // the heading --help lists it under
    std::string_view name;
    std::string_view alias;     // another name, listed beside it
    std::string_view argument;  // how --help names the argument; empty for none
    std::string_view help;
    Target target;
    std::string_view unlisted = {};  // a further name that works but --help does not list
    // Without what this names, the option means nothing and is refused.
    struct Needs {
        bool (*met)(const Options&);
        std::string_view what;  // "--estimar", for the refusal
    };
    std::optional<Needs> onlyWith = {};
};

constexpr OptionRow::Needs kNeedsFps{[](const Options& options) { return options.fps.has_value(); },
                                     layout::kFpsOption};

constexpr std::string_view kInputs =
    "Datos (los números llevan el separador decimal de la configuración regional):";
constexpr std::string_view kResults = "Resultados:";
constexpr std::string_view kShape = "Forma del día:";
constexpr std::string_view kSunscreen = "Protector solar:";
constexpr std::string_view kEstimate = "Estimación del índice máximo con cielo despejado:";

// clang-format off
constexpr auto kInputRows = std::to_array<OptionRow>({
    {kInputs, layout::kBoxOptions[0], {}, "N", "índice UV máximo del día", SetsInput{model::InputBox::Text1}},
    {kInputs, layout::kBoxOptions[1], {}, "H", "hora de comienzo de la exposición", SetsInput{model::InputBox::Text2}},
    {kInputs, layout::kBoxOptions[2], {}, "H", "duración de la exposición, en horas", SetsInput{model::InputBox::Text3}},
    {kInputs, layout::kBoxOptions[3], {}, "N", "tipo de piel, de 1 a 6", SetsInput{model::InputBox::Text4}},
    {kInputs, layout::kBoxOptions[4], {}, "M", "diferencia de altitud de otra localidad, en metros",
     SetsInput{model::InputBox::Text5}},
    {kInputs, layout::kBoxOptions[5], {}, "G", "diferencia de latitud, en grados; + norte, - sur",
     SetsInput{model::InputBox::Text6}},

    {kEstimate, layout::kEstimateOption, {}, {}, "estima el índice máximo; sin --indice-maximo, el cálculo lo usa redondeado",
     SetsFlag{&Options::estimate}},
});

// Sunscreen and the results, listed after the estimate's fields.
constexpr auto kRowsAfterTheEstimate = std::to_array<OptionRow>({
    {kSunscreen, layout::kFpsOption, {}, "N", "factor de protección solar", SetsFactor{&Options::fps}},
    {kSunscreen, layout::kAmountOption, {}, "CANTIDAD",
     "etiqueta (2 mg/cm², como se ensaya) o habitual (1 mg/cm²) (etiqueta)", SetsText{&Options::amount}, {},
     kNeedsFps},

    {kResults, "--todos-los-tipos", {}, {}, "la exposición para los seis tipos de piel",
     SetsFlag{&Options::allSkinTypes}},
    {kResults, "--hasta-dem", {}, {}, "tiempo, desde la hora de comienzo, hasta alcanzar 1 DEM",
     SetsFlag{&Options::timeToOneDose}},
    {kResults, "--json", {}, {}, "los resultados como un objeto JSON", SetsFlag{&Options::json}},
    {kResults, "--punto", {}, {}, "números con punto decimal, sea cual sea la configuración",
     SetsFlag{&Options::point}},
    {kResults, "--datos", {}, "[ARCHIVO]", "escribe la curva en ARCHIVO (datos.dat si no se indica)",
     SetsText{&Options::dataFile, model::kDataFileName}},
    {kResults, "--png", {}, "ARCHIVO", "dibuja el gráfico en una imagen PNG", SetsText{&Options::pngFile}},
    {kResults, "--svg", {}, "ARCHIVO", "dibuja el gráfico en un archivo SVG", SetsText{&Options::svgFile}},
    {kResults, "--csv", {}, "ARCHIVO", "escribe la curva en ARCHIVO como CSV para hojas de cálculo",
     SetsText{&Options::csvFile}},
    {kResults, "--recordatorios", {}, {}, "los avisos de la estancia, con su hora", SetsFlag{&Options::reminders}},
    {kResults, "--calendario", {}, "ARCHIVO", "escribe la estancia y sus avisos en un calendario (.ics)",
     SetsText{&Options::calendarFile}},
    {kResults, "--scale", "--escala", "N", "aumento de la imagen PNG",
     SetsWholeNumber{&Options::scale, 1, 8, "una escala válida"}},
    {kResults, "--help", "--ayuda", {}, "muestra esta ayuda", SetsFlag{&Options::help}, "-h"},
    {kResults, "--version", {}, {}, "muestra el nombre y la versión del programa", SetsFlag{&Options::version}},
});
// clang-format on

// The estimate's fields, after --estimar, and the day's shape, as the
// estimate's table gives them.
constexpr OptionRow estimateRow(const layout::EstimateField& field)
{
    if (field.group == layout::FieldGroup::DayShape)
        return {kShape, field.option, {}, field.optionArgument, field.optionHelp, SetsSkyField{field.field}};
    return {kEstimate, field.option, {}, field.optionArgument, field.optionHelp, SetsSkyField{field.field}};
}

constexpr OptionRow rowAt(std::size_t i)
{
    if (i < kInputRows.size())
        return kInputRows[i];
    i -= kInputRows.size();
    if (i < layout::kEstimateFields.size())
        return estimateRow(layout::kEstimateFields[i]);
    return kRowsAfterTheEstimate[i - layout::kEstimateFields.size()];
}

template <std::size_t... I>
constexpr std::array<OptionRow, sizeof...(I)> allRows(std::index_sequence<I...>)
{
    return {{rowAt(I)...}};
}

// Every option, in the order --help lists them.
constexpr auto kOptions =
    allRows(std::make_index_sequence<kInputRows.size() + layout::kEstimateFields.size() + kRowsAfterTheEstimate.size()>());

constexpr std::size_t kHelpColumn = 27;  // where the descriptions start in --help

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

const OptionRow* findOption(std::string_view name)
{
    for (const OptionRow& row : kOptions) {
        if (name == row.name || (!row.alias.empty() && name == row.alias)
            || (!row.unlisted.empty() && name == row.unlisted))
            return &row;
    }
    return nullptr;
}

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

enum class Takes { Nothing, Value, OptionalValue };

Takes takes(const Target& target)
{
    if (std::holds_alternative<SetsFlag>(target))
        return Takes::Nothing;
    if (const auto* field = std::get_if<SetsSkyField>(&target))
        return layout::fieldOf(field->field).kind == layout::FieldKind::Check ? Takes::Nothing : Takes::Value;
    if (const auto* text = std::get_if<SetsText>(&target); text && !text->whenAlone.empty())
        return Takes::OptionalValue;
    return Takes::Value;
}

// "de 1 a 8", in the refusal and in --help.
std::string rangeOf(const SetsWholeNumber& number)
{
    return "de " + runtime::integerToText(number.least) + " a " + runtime::integerToText(number.most);
}

UsageError missingValue(std::string_view name)
{
    return UsageError{std::string(name) + ": falta el valor."};
}

// Sets what the option stands for; `name` is the option as the user wrote it.
std::optional<UsageError> set(const Target& target, std::string_view name, std::optional<std::string_view> value,
                              Options& options)
{
    return std::visit(
        Overloaded{
            [&](const SetsFlag& flag) -> std::optional<UsageError> {
                options.*flag.field = true;
                return std::nullopt;
            },
            [&](const SetsInput& input) -> std::optional<UsageError> {
                if (!value)
                    return missingValue(name);
                options.texts[static_cast<std::size_t>(input.box)] = std::string(*value);
                options.given[static_cast<std::size_t>(input.box)] = true;
                return std::nullopt;
            },
            [&](const SetsText& text) -> std::optional<UsageError> {
                const std::string_view given = value.value_or(text.whenAlone);
                if (given.empty())
                    return missingValue(name);
                options.*text.field = std::string(given);
                return std::nullopt;
            },
            [&](const SetsSkyField& field) -> std::optional<UsageError> {
                const bool check = layout::fieldOf(field.field).kind == layout::FieldKind::Check;
                if (!value && !check)
                    return missingValue(name);
                options.skyTexts[static_cast<std::size_t>(field.field)] = std::string(value.value_or(""));
                return std::nullopt;
            },
            [&](const SetsFactor& factor) -> std::optional<UsageError> {
                if (!value)
                    return missingValue(name);
                options.*factor.field = std::string(*value);
                return std::nullopt;
            },
            [&](const SetsWholeNumber& number) -> std::optional<UsageError> {
                if (!value)
                    return missingValue(name);
                int parsed = 0;
                const char* end = value->data() + value->size();
                const auto [stop, failed] = std::from_chars(value->data(), end, parsed);
                if (failed != std::errc{} || stop != end || parsed < number.least || parsed > number.most) {
                    return UsageError{std::string(name) + ": «" + std::string(*value) + "» no es "
                                      + std::string(number.what) + " (un entero " + rangeOf(number) + ")."};
                }
                std::visit([&](auto field) { options.*field = parsed; }, number.field);
                return std::nullopt;
            },
        },
        target);
}

// The option's names as --help lists them, each with its argument.
std::string listedNames(const OptionRow& row)
{
    const auto withArgument = [&](std::string_view name) {
        return row.argument.empty() ? std::string(name) : std::string(name) + " " + std::string(row.argument);
    };
    std::string names = withArgument(row.name);
    if (!row.alias.empty())
        names += ", " + withArgument(row.alias);
    return names;
}

// What --help adds to an option's description: the range of a number, and
// the value an option stands at when it is not given.
std::string helpAddition(const Target& target)
{
    const Options defaults;
    return std::visit(Overloaded{
                          [&](const SetsInput& input) {
                              return " (" + defaults.texts[static_cast<std::size_t>(input.box)] + ")";
                          },
                          [](const SetsFactor&) {
                              return ", de " + runtime::integerToText(model::kLowestFps) + " a "
                                  + runtime::integerToText(model::kHighestFps);
                          },
                          [&](const SetsWholeNumber& number) {
                              const auto* field = std::get_if<int Options::*>(&number.field);
                              return ", " + rangeOf(number)
                                  + (field ? " (" + runtime::integerToText(defaults.**field) + ")" : std::string());
                          },
                          [](const auto&) { return std::string(); },
                      },
                      target);
}

// The estimate's fields count when the day's answer reads them: with the
// estimate, and the place and the date also for the sun's day. The zone and
// the shape always count.
bool readsField(const Options& options, layout::SkyField field)
{
    return layout::fieldOf(field).group == layout::FieldGroup::DayShape
           || day::readsField(requestOf(options, '.'), field);
}

std::string whatReads(layout::SkyField field)
{
    const std::string estimate(layout::kEstimateOption);
    const std::string sun = std::string(layout::fieldOf(layout::SkyField::Forma).option) + " "
                            + std::string(layout::kDayShapes[static_cast<std::size_t>(layout::DayShapeKind::Sun)].token);
    if (layout::fieldOf(field).placesTheSun)
        return estimate + " o con " + sun;
    return estimate + ", o con " + sun + " sin " + std::string(layout::optionOf(model::InputBox::Text1));
}

}  // namespace

std::string_view optionFor(model::InputBox box)
{
    for (const OptionRow& row : kOptions) {
        if (const auto* input = std::get_if<SetsInput>(&row.target); input && input->box == box)
            return row.name;
    }
    return {};
}

std::string_view optionFor(layout::SkyField field)
{
    return layout::fieldOf(field).option;
}

std::variant<Options, UsageError> parseOptions(const std::vector<std::string_view>& arguments)
{
    Options options;
    std::vector<const OptionRow*> seen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Argument argument = split(arguments[i]);
        const OptionRow* row = findOption(argument.name);
        if (!row)
            return UsageError{"Opción desconocida: «" + std::string(arguments[i]) + "». Use --help para ver las opciones."};

        std::optional<std::string_view> value = argument.inlineValue;
        const bool more = i + 1 < arguments.size();
        switch (takes(row->target)) {
        case Takes::Nothing:
            if (value)
                return UsageError{std::string(argument.name) + " no lleva valor."};
            break;
        case Takes::Value:
            if (!value && more)
                value = arguments[++i];
            break;
        case Takes::OptionalValue:
            // "--datos" alone, or before another option, writes datos.dat here.
            if (!value && more && !arguments[i + 1].starts_with("-"))
                value = arguments[++i];
            break;
        }
        if (auto error = set(row->target, argument.name, value, options))
            return *error;
        seen.push_back(row);
    }
    // An option that changes nothing is a mistake, not a no-op.
    for (const OptionRow* row : seen) {
        if (row->onlyWith && !row->onlyWith->met(options))
            return UsageError{std::string(row->name) + " solo vale con " + std::string(row->onlyWith->what) + "."};
        if (const auto* field = std::get_if<SetsSkyField>(&row->target); field && !readsField(options, field->field))
            return UsageError{std::string(row->name) + " solo vale con " + whatReads(field->field) + "."};
    }
    return options;
}

std::string helpText()
{
    std::string text = "Modo de empleo: indice-uv-calc [opciones]\n"
                       "\n"
                       "Calcula la exposición a la radiación ultravioleta de una estancia al sol, igual que\n"
                       "el botón «Calcular» de la ventana Indice UV.\n";
    std::string_view section;
    for (const OptionRow& row : kOptions) {
        if (row.section != section) {
            section = row.section;
            // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "\n" + a string.
            text.append("\n").append(section).append("\n");
        }
        text += runtime::helpLine(listedNames(row), std::string(row.help) + helpAddition(row.target), kHelpColumn);
    }
    text += "\n"
            "Estado de salida: 0 si todo fue bien, 1 si no se pudo escribir un archivo,\n"
            "2 si un dato u opción no es válido (en ese caso no se escribe ningún archivo).\n";
    return text;
}

std::string versionText()
{
    return "indice-uv-calc " INDICE_UV_VERSION "\n";
}

}  // namespace cli
