// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/day_request.h"

namespace cli {

day::Request requestOf(const Options& options, char separator)
{
    day::Request request;
    request.fields = options.skyTexts;
    request.estimate = options.estimate;
    request.decimalSeparator = separator;
    request.naming = runtime::Holder::Option;
    day::Stay stay;
    stay.boxes = options.texts;
    // As "Usar" in the window: the estimate as shown, unless the user gave a maximum.
    stay.maximumFromEstimate =
        !options.given[static_cast<std::size_t>(model::InputBox::Text1)] && (options.estimate || options.sunShape());
    stay.fps = options.fps;
    stay.amount = options.amount;
    request.stay = std::move(stay);
    return request;
}

}  // namespace cli
