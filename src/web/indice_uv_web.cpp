// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the calculator: plain C functions the page's script
// calls, each answering with one JSON object (web/reply.h). A question about
// the day, the estimate's or a press of "Calcular", comes whole as the page's
// request (web/request_form.h) and is answered whole by the same day::answer
// as the window's and the companion's; nothing of it stays for the next call.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>

#include "chart/chart_description.h"
#include "chart/chart_size.h"
#include "chart/escala_grafica.h"
#include "chart/grafica_indice.h"
#include "chart/readout.h"
#include "day/ask.h"
#include "layout/layout.h"
#include "model/bar_step.h"
#include "model/form_state.h"
#include "model/reiniciar.h"
#include "web/answer_json.h"
#include "web/canvas_surface.h"
#include "web/json_object.h"
#include "web/reply.h"
#include "web/request_form.h"

namespace {

using web::JsonObject;

// The chart's recorded operations: the one thing that outlives a call, as
// the buffer the script replays right after the call that drew into it.
web::CanvasSurface& chartSurface()
{
    static web::CanvasSurface surface{chart::kChartWidthTwips, chart::kChartHeightTwips, 1};
    return surface;
}

// Draws the curve for `ratio` device pixels to the chart's own and says where
// the recorded chart lies in the calculator's memory until the next drawing:
// the operations as floats, the texts they print.
JsonObject draw(const model::FormState& state, char separator, double ratio)
{
    web::CanvasSurface& surface = chartSurface();
    surface.setDevicePixelRatio(ratio);
    chart::GraficaIndice(state, surface, chart::kFormScaleHeight, separator);
    const auto address = [](const void* data) { return static_cast<double>(reinterpret_cast<std::uintptr_t>(data)); };
    return JsonObject()
        .number("commands", address(surface.commands().data()))
        .number("count", static_cast<double>(surface.commands().size()))
        .number("texts", address(surface.texts().data()));
}

constexpr double kTwips = layout::kTwipsPerPixel;

}  // namespace

extern "C" {

// A day at a place: the page's request (web/request_form.h) answered as
// web::answerJson says, and with a stay answered and `pixelRatio` above 0,
// its chart drawn for that ratio of the canvas's pixels to the chart's own:
// {"chart"} (see draw) beside the rest. The estimate's dialog, "Calcular",
// the sunscreen's line and a new pixel ratio all ask here.
EMSCRIPTEN_KEEPALIVE char* iuv_day(const char* form, double pixelRatio)
{
    const day::Request request = web::requestFromForm(form);
    const day::Answer answer = day::answer(request);
    JsonObject json = web::answerJson(request, answer);
    if (answer.stay && pixelRatio > 0)
        json.object("chart", draw(answer.stay->state, request.decimalSeparator, pixelRatio));
    return web::reply(json);
}

// "Añadir al calendario": the stay of the page's request (the last
// "Calcular"'s) as an iCalendar file made at `stampUnixSeconds`, as
// web::calendarJson says.
EMSCRIPTEN_KEEPALIVE char* iuv_calendar(const char* form, double stampUnixSeconds)
{
    return web::reply(web::calendarJson(day::answer(web::requestFromForm(form)),
                                        static_cast<long long>(stampUnixSeconds)));
}

// What the chart says of itself before any "Calcular": {"description"}.
EMSCRIPTEN_KEEPALIVE char* iuv_chart_description()
{
    return web::reply(JsonObject().text("description", chart::describeChart(model::FormState{}, '.')));
}

// The readout for a pointer or a finger at (x, y), in the chart's own pixels
// (541 by 381 however large the chart shows), on the chart of the page's
// request (the last "Calcular"'s), computed again, as the window's pointer
// reads it: the hour under the pixel by the chart's mapping, the nearest
// sample. {"text" (three lines), "sentence" (the same for a screen reader),
// "column" and "pointY" (the guide's and the curve's point's, in the chart's
// pixels)}; {} off the plot or for a request with no stay answered.
EMSCRIPTEN_KEEPALIVE char* iuv_readout(const char* form, double x, double y)
{
    const day::Request request = web::requestFromForm(form);
    const day::Answer answer = day::answer(request);
    if (!answer.stay)
        return web::reply(JsonObject());
    const model::FormState& state = answer.stay->state;
    const chart::EscalaGrafica scale = chart::escalaGrafica(state, chart::kChartWidthTwips, chart::kChartHeightTwips);
    const std::optional<double> hour = chart::hourAtPixel(scale, x, y);
    if (!hour)
        return web::reply(JsonObject());
    const int sample = chart::nearestSample(state, *hour);
    const chart::Readout readout = chart::readoutAt(state, sample, request.decimalSeparator);
    const auto at = static_cast<std::size_t>(sample);
    return web::reply(JsonObject()
                          .text("text", readout.line1() + '\n' + readout.line2() + '\n' + readout.line3())
                          .text("sentence", readout.sentence())
                          .number("column", scale.x(state.Tiempo[at]) / kTwips)
                          .number("pointY", scale.y(state.IndiceUV[at]) / kTwips));
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

// "Reiniciar": the boxes' new texts by the boxes' names.
EMSCRIPTEN_KEEPALIVE char* iuv_reiniciar()
{
    const model::ReiniciarTexts texts = model::Reiniciar();
    return web::reply(JsonObject().text("Text5", texts.text5).text("Text6", texts.text6).text("Text7", texts.text7));
}

}  // extern "C"
