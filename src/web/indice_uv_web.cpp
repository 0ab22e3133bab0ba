// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the calculator: plain C functions the page's script
// calls. Each "Calcular" runs the same model and chart as the window; the
// results wait here until the page reads them.
#include <emscripten/emscripten.h>

#include <string>
#include <variant>

#include "chart/chart_description.h"
#include "chart/chart_size.h"
#include "chart/grafica_indice.h"
#include "model/calcular.h"
#include "model/inputs.h"
#include "web/canvas_surface.h"

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
};

Press& press()
{
    static Press instance;
    return instance;
}

void draw()
{
    Press& p = press();
    chart::GraficaIndice(p.state, surface(), chart::kFormScaleHeight, p.separator);
}

}  // namespace

extern "C" {

// Results of the last press: 0 done, 1 a text was refused (nothing changed),
// 2 done but the skin type is unknown (Label4 keeps its caption).
EMSCRIPTEN_KEEPALIVE int iuv_calcular(const char* text1, const char* text2, const char* text3, const char* text4,
                                      const char* text5, const char* text6, int separator)
{
    Press& p = press();
    p.separator = static_cast<char>(separator);
    const model::InputTexts texts = {text1, text2, text3, text4, text5, text6};
    auto outcome = model::Calcular(texts, p.separator, p.state);
    if (const auto* failure = std::get_if<model::InputFailure>(&outcome)) {
        p.message = model::describe(*failure);
        p.badBox = static_cast<int>(failure->box);
        return 1;
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
        return 2;
    }
    p.label4 = *result.dose.label4Caption;
    p.message.clear();
    return 0;
}

// A new device pixel ratio: the chart is drawn again for it, if there is one.
EMSCRIPTEN_KEEPALIVE int iuv_set_pixel_ratio(double ratio)
{
    surface().setDevicePixelRatio(ratio);
    if (!press().state.NumPuntos)
        return 0;
    draw();
    return 1;
}

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
