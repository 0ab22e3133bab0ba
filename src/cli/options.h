// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/start_texts.h"
#include "model/inputs.h"
#include "day/sky_inputs.h"

namespace cli {

// What the command line asks for. The six inputs stay texts until the model
// converts them, exactly as the window's boxes do.
struct Options {
    model::InputTexts texts = windowStartTexts();
    bool allSkinTypes = false;
    bool timeToOneDose = false;
    bool json = false;
    bool point = false;  // numbers with a decimal point whatever the locale
    bool help = false;
    bool version = false;
    std::optional<std::string> dataFile;
    std::optional<std::string> pngFile;
    std::optional<std::string> svgFile;
    std::optional<std::string> csvFile;
    std::optional<std::string> calendarFile;  // the stay and its reminders, iCalendar
    bool reminders = false;
    int scale = 1;
    // The boxes an option set; the others keep the window's starting texts.
    std::array<bool, model::kInputCount> given{};

    // The clear-sky estimate of the day's maximum, and what it starts from;
    // a field not given takes its default when the estimate is made (the time
    // zone's place, today, sea level, the climatology).
    bool estimate = false;
    std::array<std::optional<std::string>, layout::kEstimateFields.size()> skyTexts;  // by layout::SkyField


    // Sunscreen: its factor, 2 to 100, and the amount applied ("etiqueta" or
    // "habitual"), checked when the dose is computed.
    std::optional<std::string> fps;
    std::optional<std::string> amount;

    // What an option gave for one of the estimate's fields: a check, such as
    // --nieve, gives an empty text.
    const std::optional<std::string>& skyText(layout::SkyField field) const
    {
        return skyTexts[static_cast<std::size_t>(field)];
    }

    // The day's shape (--curva, checked when the curve is made) is the sun's.
    bool sunShape() const
    {
        const auto& curve = skyText(layout::SkyField::Forma);
        return curve && layout::shapeFromToken(*curve) == layout::DayShapeKind::Sun;
    }
};

// The option that sets a box, e.g. "--hora-exposicion" for Text2.
std::string_view optionFor(model::InputBox box);

// The option that sets one of the estimate's fields, e.g. "--latitud".
std::string_view optionFor(layout::SkyField field);

// A Spanish message for the user, naming the option at fault.
struct UsageError {
    std::string message;
};

std::variant<Options, UsageError> parseOptions(const std::vector<std::string_view>& arguments);

// The text of --help.
std::string helpText();

// The text of --version: the program's name and version.
std::string versionText();

}  // namespace cli
