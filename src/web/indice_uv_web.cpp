// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the calculator: plain C functions the page's script
// calls. Each "Calcular" runs the same model and chart as the window; the
// results wait here until the page reads them.
#include <emscripten/emscripten.h>

#include <cmath>
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
#include "model/inputs.h"
#include "web/canvas_surface.h"
#include "web/press_outcome.h"

namespace {

web::CanvasSurface& surface()
{
    static web::CanvasSurface instance(chart::kChartWidthTwips, chart::kChartHeightTwips, 1);
    return instance;
}

struct Press {
    model::FormState state;
    std::string label4;
    std::string text7;
    bool hasText7 = false;
    std::string message;  // the bad-number warning or the skin-type message
    int badBox = -1;      // 0 for Text1 ... 5 for Text6 when a text was refused
    std::string datos;
    std::string chartDescription;
    char separator = '.';
    chart::EscalaGrafica scale{};  // the mapping of the last drawing, which the readout reads
};

Press& press()
{
    static Press instance;
    return instance;
}

// What the chart's readout shows, while it shows: the sample, its texts, and
// where the guide and the curve's point are, in the chart's own pixels.
struct ShownReadout {
    chart::Readout readout;
    std::string text;      // the three lines, one under the other
    std::string sentence;  // the same for a screen reader
    double column = 0;
    double pointY = 0;
};

std::optional<ShownReadout>& shownReadout()
{
    static std::optional<ShownReadout> instance;
    return instance;
}

constexpr double kTwips = layout::kTwipsPerPixel;

bool barStepFromBox = false;

void draw()
{
    Press& p = press();
    p.scale = chart::GraficaIndice(p.state, surface(), chart::kFormScaleHeight, p.separator);
}

}  // namespace

extern "C" {

// A press of "Calcular": its web::PressOutcome; the results wait for the page.
EMSCRIPTEN_KEEPALIVE int iuv_calcular(const char* text1, const char* text2, const char* text3, const char* text4,
                                      const char* text5, const char* text6, int separator)
{
    Press& p = press();
    shownReadout().reset();
    p.separator = static_cast<char>(separator);
    const model::InputTexts texts = {text1, text2, text3, text4, text5, text6};
    auto outcome = model::Calcular(texts, p.separator, p.state);
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome)) {
        p.message = model::describe(*failure);
        p.badBox = static_cast<int>(failure->box);
        return static_cast<int>(web::PressOutcome::kRefused);
    }
    auto& result = std::get<model::CalcularResult>(outcome);
    p.badBox = -1;
    p.hasText7 = result.text7.has_value();
    p.text7 = result.text7.value_or("");
    p.datos = std::move(result.datos);
    draw();
    p.chartDescription = chart::describeChart(p.state, p.separator);
    if (result.dose.showSkinTypeMessage()) {
        p.message = std::string(model::kSkinTypeMessage);
        return static_cast<int>(web::PressOutcome::kSkinTypeMessage);
    }
    p.label4 = *result.dose.label4Caption;
    p.message.clear();
    return static_cast<int>(web::PressOutcome::kDone);
}

// A new ratio of the canvas's pixels to the chart's own (the screen's pixel
// ratio times the chart's shown size over its size in the window): the chart
// is drawn again for it, if there is one.
EMSCRIPTEN_KEEPALIVE int iuv_set_pixel_ratio(double ratio)
{
    surface().setDevicePixelRatio(ratio);
    if (!press().state.NumPuntos)
        return 0;
    draw();
    return 1;
}

// The readout for a pointer or a finger at (x, y), in the chart's own pixels
// (541 by 381 however large the chart shows), as the window's pointer reads
// it: the hour under the pixel by the chart's mapping, the nearest sample. 1 when there is one to show, 0 off the plot or before
// "Calcular".
EMSCRIPTEN_KEEPALIVE int iuv_readout_at(double x, double y)
{
    Press& p = press();
    auto& shown = shownReadout();
    shown.reset();
    if (!p.state.NumPuntos)
        return 0;
    const chart::EscalaGrafica& scale = p.scale;
    const std::optional<double> hour = chart::hourAtPixel(scale, x, y);
    if (!hour)
        return 0;
    const int sample = chart::nearestSample(p.state, *hour);
    const chart::Readout readout = chart::readoutAt(p.state, sample, p.separator);
    const auto at = static_cast<std::size_t>(sample);
    shown = ShownReadout{readout, readout.line1() + '\n' + readout.line2() + '\n' + readout.line3(),
                         readout.sentence(), scale.x(p.state.Tiempo[at]) / kTwips,
                         scale.y(p.state.IndiceUV[at]) / kTwips};
    return 1;
}
EMSCRIPTEN_KEEPALIVE const char* iuv_readout_text() { return shownReadout() ? shownReadout()->text.c_str() : ""; }
EMSCRIPTEN_KEEPALIVE const char* iuv_readout_sentence()
{
    return shownReadout() ? shownReadout()->sentence.c_str() : "";
}
EMSCRIPTEN_KEEPALIVE double iuv_readout_column() { return shownReadout() ? shownReadout()->column : 0; }
EMSCRIPTEN_KEEPALIVE double iuv_readout_point_y() { return shownReadout() ? shownReadout()->pointY : 0; }

// A bar's arrow, page step or key, by the window's own rule: the value the
// bar takes. The box's number counted when iuv_bar_step_from_box says so.
EMSCRIPTEN_KEEPALIVE int iuv_bar_step(const char* box, int separator, int min, int max, int value, int towardTop)
{
    const model::BarStepResult result =
        model::stepBar(box, static_cast<char>(separator), {min, max, value},
                       towardTop ? model::BarStep::TowardTop : model::BarStep::TowardBottom);
    barStepFromBox = result.fromBox;
    return result.value;
}
EMSCRIPTEN_KEEPALIVE int iuv_bar_step_from_box() { return barStepFromBox ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* iuv_label4() { return press().label4.c_str(); }
EMSCRIPTEN_KEEPALIVE int iuv_has_text7() { return press().hasText7 ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* iuv_text7() { return press().text7.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* iuv_message() { return press().message.c_str(); }
EMSCRIPTEN_KEEPALIVE int iuv_bad_box() { return press().badBox; }
EMSCRIPTEN_KEEPALIVE const char* iuv_datos() { return press().datos.data(); }
EMSCRIPTEN_KEEPALIVE int iuv_datos_size() { return static_cast<int>(press().datos.size()); }
EMSCRIPTEN_KEEPALIVE const char* iuv_chart_description()
{
    Press& p = press();
    if (p.chartDescription.empty())
        p.chartDescription = chart::describeChart(p.state, p.separator);
    return p.chartDescription.c_str();
}

// The recorded chart: operations as floats, and the texts they print.
EMSCRIPTEN_KEEPALIVE const float* iuv_commands() { return surface().commands().data(); }
EMSCRIPTEN_KEEPALIVE int iuv_command_count() { return static_cast<int>(surface().commands().size()); }
EMSCRIPTEN_KEEPALIVE const char* iuv_texts() { return surface().texts().data(); }

}  // extern "C"
