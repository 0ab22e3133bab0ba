// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the calculator: plain C functions the page's script
// calls, each answering with one JSON object (web/reply.h). Each "Calcular"
// runs the same model and chart as the window.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "chart/chart_description.h"
#include "chart/chart_size.h"
#include "chart/escala_grafica.h"
#include "chart/grafica_indice.h"
#include "chart/readout.h"
#include "layout/layout.h"
#include "model/bar_step.h"
#include "model/calcular.h"
#include "model/curve.h"
#include "model/inputs.h"
#include "model/reiniciar.h"
#include "model/sunscreen.h"
#include "model/sunscreen_text.h"
#include "model/time_to_dose.h"
#include "model/time_to_dose_text.h"
#include "runtime/number_text.h"
#include "runtime/refusal.h"
#include "web/canvas_surface.h"
#include "web/json_object.h"
#include "web/page_day.h"
#include "web/reply.h"

namespace {

using web::JsonObject;

// The page's one model object, which outlives a call as the window's state
// does: the curve of the last "Calcular" and the separator it was read with,
// and the chart drawn from it, whose operations a new pixel ratio records
// again and whose mapping the readout reads.
struct Model {
    model::FormState state;
    char separator = '.';
    web::CanvasSurface surface{chart::kChartWidthTwips, chart::kChartHeightTwips, 1};
    chart::EscalaGrafica scale{};
    model::DaySampler sampler = model::sampleCurve;
};

Model& current()
{
    static Model instance;
    return instance;
}

constexpr double kTwips = layout::kTwipsPerPixel;

// Draws the curve and says where the recorded chart lies in the calculator's
// memory until the next drawing: the operations as floats, the texts they print.
JsonObject draw(Model& m)
{
    m.scale = chart::GraficaIndice(m.state, m.surface, chart::kFormScaleHeight, m.separator);
    const auto address = [](const void* data) { return static_cast<double>(reinterpret_cast<std::uintptr_t>(data)); };
    return JsonObject()
        .number("commands", address(m.surface.commands().data()))
        .number("count", static_cast<double>(m.surface.commands().size()))
        .number("texts", address(m.surface.texts().data()));
}

}  // namespace

model::DaySampler& web::pageDaySampler()
{
    return current().sampler;
}

extern "C" {

// A press of "Calcular". A text that is not a number changes nothing:
// {"refused": {"message", "box": 0 for Text1 ... 5 for Text6}}. Otherwise
// {"text7" (null: Text7 keeps its text), "datos", "description" (the chart's),
// "chart" (see draw), and "label4" with "oneDose" and "oneDoseDescription"
// (the time to 1 DEM, short and in words), or the skin type's "message" instead}.
EMSCRIPTEN_KEEPALIVE char* iuv_calcular(const char* text1, const char* text2, const char* text3, const char* text4,
                                        const char* text5, const char* text6, int separator)
{
    Model& m = current();
    const char decimal = static_cast<char>(separator);
    const model::InputTexts texts = {text1, text2, text3, text4, text5, text6};
    auto outcome = model::Calcular(texts, decimal, m.state, m.sampler);
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome)) {
        const JsonObject refused =
            JsonObject().text("message", model::describe(*failure)).number("box", static_cast<int>(failure->box));
        return web::reply(JsonObject().object("refused", refused));
    }
    const auto& result = std::get<model::CalcularResult>(outcome);
    m.separator = decimal;
    JsonObject press;
    if (result.text7)
        press.text("text7", *result.text7);
    else
        press.null("text7");
    press.text("datos", result.datos).object("chart", draw(m)).text("description", chart::describeChart(m.state, decimal));
    if (result.dose.showSkinTypeMessage())
        press.text("message", model::kSkinTypeMessage);
    else {
        const std::optional<int> minutes = model::minutesToOneDose(m.state);
        press.text("label4", *result.dose.label4Caption)
            .text("oneDose", model::oneDoseText(minutes, m.state.HoraExposicion))
            .text("oneDoseDescription", model::oneDoseDescription(minutes, m.state.HoraExposicion));
    }
    return web::reply(press);
}

// What the chart says of itself, before any "Calcular" too: {"description"}.
EMSCRIPTEN_KEEPALIVE char* iuv_chart_description()
{
    const Model& m = current();
    return web::reply(JsonObject().text("description", chart::describeChart(m.state, m.separator)));
}

// A new ratio of the canvas's pixels to the chart's own (the screen's pixel
// ratio times the chart's shown size over its size in the window): the chart
// drawn again for it, {"chart"}, if there is one; {} if not.
EMSCRIPTEN_KEEPALIVE char* iuv_set_pixel_ratio(double ratio)
{
    Model& m = current();
    m.surface.setDevicePixelRatio(ratio);
    if (!m.state.NumPuntos)
        return web::reply(JsonObject());
    return web::reply(JsonObject().object("chart", draw(m)));
}

// The readout for a pointer or a finger at (x, y), in the chart's own pixels
// (541 by 381 however large the chart shows), as the window's pointer reads
// it: the hour under the pixel by the chart's mapping, the nearest sample.
// {"text" (three lines), "sentence" (the same for a screen reader), "column"
// and "pointY" (the guide's and the curve's point's, in the chart's pixels)};
// {} off the plot or before "Calcular".
EMSCRIPTEN_KEEPALIVE char* iuv_readout(double x, double y)
{
    const Model& m = current();
    const std::optional<double> hour = m.state.NumPuntos ? chart::hourAtPixel(m.scale, x, y) : std::nullopt;
    if (!hour)
        return web::reply(JsonObject());
    const int sample = chart::nearestSample(m.state, *hour);
    const chart::Readout readout = chart::readoutAt(m.state, sample, m.separator);
    const auto at = static_cast<std::size_t>(sample);
    return web::reply(JsonObject()
                          .text("text", readout.line1() + '\n' + readout.line2() + '\n' + readout.line3())
                          .text("sentence", readout.sentence())
                          .number("column", m.scale.x(m.state.Tiempo[at]) / kTwips)
                          .number("pointY", m.scale.y(m.state.IndiceUV[at]) / kTwips));
}

// Where the readout's box, `width` x `height`, stands in the chart as shown
// (`chartWidth` x `chartHeight`, the page's pixels): beside the guide at
// `guideX`, by the pointer or the finger (`finger` 1) at `anchorY`, by the
// window's rule. {"left", "top"}.
EMSCRIPTEN_KEEPALIVE char* iuv_readout_box(double chartWidth, double chartHeight, double guideX, double anchorY,
                                           double width, double height, int finger)
{
    const chart::Area box = chart::readoutBoxAt({0, 0, chartWidth, chartHeight}, guideX, anchorY, width, height,
                                                chart::kReadoutGap, finger ? chart::Anchor::Finger : chart::Anchor::Pointer);
    return web::reply(JsonObject().number("left", box.left).number("top", box.top));
}

// A bar's arrow, page step or key, by the window's own rule: {"value" the bar
// takes, "fromBox" (whether the box's number counted)}.
EMSCRIPTEN_KEEPALIVE char* iuv_bar_step(const char* box, int separator, int min, int max, int value, int towardTop)
{
    const model::BarStepResult result =
        model::stepBar(box, static_cast<char>(separator), {min, max, value},
                       towardTop ? model::BarStep::TowardTop : model::BarStep::TowardBottom);
    return web::reply(JsonObject().number("value", result.value).flag("fromBox", result.fromBox));
}

// The last "Calcular" under sunscreen: the factor as typed in the field
// (a whole number from 2 to 100) and the amount (model::SunscreenAmount).
// {"note" (why the amount matters), and "line" with the protected stay, or
// "message" for a factor that is not one}; only the note with the field
// empty, or before a result.
EMSCRIPTEN_KEEPALIVE char* iuv_protection(const char* fps, int amount, int separator)
{
    const Model& m = current();
    const char decimal = static_cast<char>(separator);
    JsonObject answer = JsonObject().text("note", model::sunscreenAmountNote(decimal));
    const std::string_view typed = fps;
    if (runtime::trimBlanks(typed).empty())
        return web::reply(answer);
    const std::optional<int> factor = model::sunscreenFactorFromText(typed);
    if (!factor) {
        return web::reply(answer.text(
            "message", runtime::refusal({runtime::Holder::Box, model::kSunscreenFactorName}, false,
                                        runtime::quoted(typed) + "no es un FPS entre 2 y 100")));
    }
    const auto& amounts = model::kSunscreenAmounts;
    const auto spread = amount >= 0 && static_cast<std::size_t>(amount) < amounts.size()
                            ? amounts[static_cast<std::size_t>(amount)].amount
                            : model::SunscreenAmount::Label;
    const auto exposure = m.state.NumPuntos ? model::protectExposure(m.state, {*factor, spread}) : std::nullopt;
    if (!exposure)
        return web::reply(answer);
    return web::reply(answer.text("line", model::protectedText(*exposure, m.state.HoraExposicion, decimal)));
}

// "Reiniciar": the boxes' new texts by the boxes' names.
EMSCRIPTEN_KEEPALIVE char* iuv_reiniciar()
{
    const model::ReiniciarTexts texts = model::Reiniciar();
    return web::reply(JsonObject().text("Text5", texts.text5).text("Text6", texts.text6).text("Text7", texts.text7));
}

}  // extern "C"
