// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/ask.h"

#include "day/dialog_texts.h"
#include "day/place_answer.h"
#include "day/protection_answer.h"
#include "day/stay_answer.h"

namespace day {

Answer answer(const Request& request)
{
    Answer made;
    made.ozonePlaceholder = ozonePlaceholder(std::nullopt);
    if (readsTheEstimate(request) || asksForTheSun(request)) {
        if (auto refused = answerThePlace(request, made)) {
            made.refusal = std::move(refused);
            return made;
        }
    } else if (auto refused = refusedShape(request)) {
        made.refusal = std::move(refused);
        return made;
    }
    if (request.stay)
        made.refusal = answerTheStay(request, made);
    // A refused sunscreen leaves the stay answered, and with it its day.
    if (made.refusal && !std::holds_alternative<SunscreenField>(made.refusal->subject))
        return made;
    answerTheProtection(request, made);
    answerTheReminders(request, made);
    return made;
}

}  // namespace day
