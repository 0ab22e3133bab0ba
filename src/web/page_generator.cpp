// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the page's form from the window's layout table, at build time: every
// control as an element with the control's name for id, at its place and size
// (15 twips to a CSS pixel), with its text, font, colours, layer and its place
// in the Tab cycle; and the numbers the page's script shares with the
// calculator, from the calculator's own enums. Usage: page_generator TEMPLATE
// OUTPUT; the template's lines holding only "@CONTROLS@" and "@CODES@" are
// replaced by the controls and by the numbers.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "layout/layout.h"
#include "runtime/markup_text.h"
#include "web/canvas_surface.h"
#include "web/press_outcome.h"

namespace {

using layout::Colour;
using layout::Control;
using layout::Kind;
using layout::pixels;

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

// The picture drawn again for screens of pixel ratio 2 and 3 (banner@2x.jpg),
// for the browser to choose from.
std::string denserPictures(std::string_view image)
{
    const std::size_t dot = image.rfind('.');
    const std::string stem(image.substr(0, dot));
    const std::string suffix(image.substr(dot));
    return stem + "@2x" + suffix + " 2x, " + stem + "@3x" + suffix + " 3x";
}

// System colours are the page's own custom properties, set in page.css.
std::string colourOf(Colour colour, std::string_view kindDefault)
{
    switch (colour.system) {
    case Colour::System::KindDefault: return std::string(kindDefault);
    case Colour::System::ButtonFace: return "var(--button-face)";
    case Colour::System::WindowText: return "var(--window-text)";
    case Colour::System::Window: return "var(--window)";
    case Colour::System::ActiveBorder: return "var(--active-border)";
    case Colour::System::Rgb: return hex(colour.rgb);
    }
    return std::string(kindDefault);
}

// The faces the page carries, subset from the fonts the window uses; the
// small sans face narrowed as the window narrows it.
std::string familyOf(layout::Face face)
{
    switch (face) {
    case layout::Face::MsSansSerif: return "var(--sans-condensed)";
    case layout::Face::Arial: return "var(--sans)";
    case layout::Face::ArialNarrow: return "var(--sans-narrow)";
    case layout::Face::BookmanOldStyle: return "var(--bookman)";
    }
    return "var(--sans)";
}

std::string fontOf(const layout::Font& font)
{
    std::ostringstream css;
    // Pixel sizes as the window sets them: a point is 4/3 of a pixel.
    css << "font:" << (font.italic ? "italic " : "") << font.weight << ' '
        << std::lround(font.points * 96.0 / 72.0) << "px " << familyOf(font.face) << ';';
    return css.str();
}

// Layers: the later an element's z-index, the higher it lies. Windowed
// controls all lie above labels and lines.
int layerOf(std::string_view name)
{
    const auto& windowed = layout::kWindowedStacking;
    const auto& decor = layout::kDecorStacking;
    if (auto at = std::find(windowed.begin(), windowed.end(), name); at != windowed.end())
        return static_cast<int>(decor.size() + windowed.size() - (at - windowed.begin()));
    if (auto at = std::find(decor.begin(), decor.end(), name); at != decor.end())
        return static_cast<int>(decor.size() - (at - decor.begin()));
    return 0;
}

std::string box(int left, int top, int width, int height, std::string_view name)
{
    std::ostringstream css;
    css << "left:" << left << "px;top:" << top << "px;width:" << width << "px;height:" << height
        << "px;z-index:" << layerOf(name) << ';';
    return css.str();
}

// A line is a strip of its width covering both ends, a wider pen centred on
// the line, as the window draws it.
std::string lineBox(const Control& row)
{
    const int before = row.lineWidth / 2;
    const int left = pixels(std::min(row.ends.x1, row.ends.x2)) - before;
    const int top = pixels(std::min(row.ends.y1, row.ends.y2)) - before;
    const int right = pixels(std::max(row.ends.x1, row.ends.x2)) - before + row.lineWidth;
    const int bottom = pixels(std::max(row.ends.y1, row.ends.y2)) - before + row.lineWidth;
    return box(left, top, right - left, bottom - top, row.name);
}

std::string rectBox(const Control& row)
{
    return box(pixels(row.rect.left), pixels(row.rect.top), pixels(row.rect.width), pixels(row.rect.height), row.name);
}

// The accessible name and description: the description lives in a hidden
// element the control points to.
std::string accessibility(const Control& row, std::string& descriptions)
{
    std::string attributes;
    if (!row.accessibleName.empty())
        attributes += " aria-label=\"" + runtime::escapedForMarkup(row.accessibleName) + '"';
    if (!row.accessibleDescription.empty()) {
        const std::string id = std::string(row.name) + "-descripcion";
        attributes += " aria-describedby=\"" + id + '"';
        descriptions += "<span id=\"" + id + "\" hidden>" + runtime::escapedForMarkup(row.accessibleDescription) + "</span>\n";
    }
    return attributes;
}

std::string element(const Control& row, std::string& descriptions)
{
    const std::string id = std::string(row.name);
    const std::string a11y = accessibility(row, descriptions);
    std::ostringstream html;
    switch (row.kind) {
    case Kind::Label:
        html << "<div id=\"" << id << "\" class=\"label\"" << a11y
             << (row.name == "Label4" ? " aria-live=\"polite\"" : "") << " style=\"" << rectBox(row)
             << fontOf(row.font) << "color:" << colourOf(row.foreground, "var(--window-text)")
             << ";background:" << colourOf(row.background, "var(--button-face)")
             << (row.alignment == layout::Alignment::Centre ? ";text-align:center" : "") << "\">"
             << runtime::escapedForMarkup(row.text) << "</div>";
        break;
    case Kind::TextBox:
        html << "<input id=\"" << id << "\" class=\"text\" type=\"text\" value=\"" << runtime::escapedForMarkup(row.text)
             << "\" autocomplete=\"off\" spellcheck=\"false\"" << a11y << " style=\"" << rectBox(row)
             << fontOf(row.font) << "\">";
        break;
    case Kind::CommandButton:
        html << "<button id=\"" << id << "\" type=\"button\" class=\"button" << (row.isDefault ? " default" : "")
             << "\"" << a11y << " style=\"" << rectBox(row) << fontOf(row.font) << "\">" << runtime::escapedForMarkup(row.text)
             << "</button>";
        break;
    case Kind::VScrollBar:
        // The box it steps, its ends and its start, for the script's Form_Load.
        html << "<div id=\"" << id << "\" class=\"scroll\" role=\"scrollbar\" aria-orientation=\"vertical\" tabindex=\"0\""
             << " aria-controls=\"" << row.spinner.box << "\" data-min=\"" << row.spinner.min << "\" data-max=\""
             << row.spinner.max << "\" data-start=\"" << layout::startValue(row) << '"'
             << a11y << " style=\"" << rectBox(row) << "\"><div class=\"up\" aria-hidden=\"true\"></div>"
             << "<div class=\"down\" aria-hidden=\"true\"></div></div>";
        break;
    case Kind::PictureBox:
        if (!row.image.empty()) {
            html << "<img id=\"" << id << "\" class=\"picture\" src=\"" << runtime::escapedForMarkup(row.image)
                 << "\" srcset=\"" << runtime::escapedForMarkup(denserPictures(row.image)) << "\" alt=\""
                 << runtime::escapedForMarkup(row.accessibleName) << "\" tabindex=\"0\"" << a11y << " style=\"" << rectBox(row)
                 << "background:" << colourOf(row.background, "var(--button-face)") << "\">";
        } else {
            html << "<canvas id=\"" << id << "\" class=\"picture\" role=\"img\" tabindex=\"0\"" << a11y
                 << " style=\"" << rectBox(row) << "background:" << colourOf(row.background, "var(--button-face)")
                 << "\"></canvas>";
        }
        break;
    case Kind::Line:
        html << "<div id=\"" << id << "\" class=\"line\" aria-hidden=\"true\" style=\"" << lineBox(row)
             << "background:" << colourOf(row.foreground, "var(--window-text)") << "\"></div>";
        break;
    }
    return html.str();
}

std::string controls()
{
    // Elements in Tab order, so the browser's own Tab cycle is the window's;
    // the rest (labels and lines, which take no focus) after them.
    std::vector<const Control*> rows;
    for (const Control& row : layout::kControls)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [](const Control* a, const Control* b) {
        const auto key = [](const Control* row) {
            return row->tabIndex == layout::kNoTabIndex ? 1000 : row->tabIndex;
        };
        return key(a) < key(b);
    });
    std::string html;
    std::string descriptions;
    for (const Control* row : rows)
        html += element(*row, descriptions) + '\n';
    return html + descriptions;
}

// Names and numbers as a JSON object: {"a":1,"b":2}.
using Members = std::vector<std::pair<std::string, int>>;
std::string object(const Members& members)
{
    std::string json;
    for (const auto& [name, value] : members)
        json += (json.empty() ? "{\"" : ",\"") + name + "\":" + std::to_string(value);
    return json + '}';
}

// The calculator's numbers under the names the page's script reads them by:
// the chart's operations, how many numbers follow each, and what a press of
// "Calcular" came to. Data the script parses, never run.
std::string codes()
{
    using web::CanvasSurface;
    using web::PressOutcome;
    Members op;
    Members operands;  // by operation number
    for (const auto& [name, code] : {std::pair{"clear", CanvasSurface::kClear}, std::pair{"pen", CanvasSurface::kPen},
                                     std::pair{"line", CanvasSurface::kLine}, std::pair{"rect", CanvasSurface::kRect},
                                     std::pair{"text", CanvasSurface::kText}}) {
        op.emplace_back(name, code);
        operands.emplace_back(std::to_string(code), CanvasSurface::operandCount(code));
    }
    const Members outcome = {
        {"done", static_cast<int>(PressOutcome::kDone)},
        {"refused", static_cast<int>(PressOutcome::kRefused)},
        {"skinTypeMessage", static_cast<int>(PressOutcome::kSkinTypeMessage)},
    };
    return "<script type=\"application/json\" id=\"codigos\">{\"op\":" + object(op) + ",\"operands\":"
        + object(operands) + ",\"outcome\":" + object(outcome) + "}</script>\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "uso: page_generator PLANTILLA SALIDA\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "no se puede leer " << argv[1] << '\n';
        return 1;
    }
    // What replaces each placeholder line, and how often the template has it: once.
    struct Generated {
        std::string text;
        int placed = 0;
    };
    std::map<std::string, Generated> placeholders = {{"@CONTROLS@", {controls()}}, {"@CODES@", {codes()}}};
    std::ostringstream page;
    std::string line;
    while (std::getline(in, line)) {
        const auto start = line.find_first_not_of(' ');
        const auto placeholder = placeholders.find(start == std::string::npos ? line : line.substr(start));
        if (placeholder == placeholders.end()) {
            page << line << '\n';
            continue;
        }
        page << placeholder->second.text;
        ++placeholder->second.placed;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << page.str();
    const bool placed = std::all_of(placeholders.begin(), placeholders.end(),
                                    [](const auto& entry) { return entry.second.placed == 1; });
    if (!placed || !out) {
        std::cerr << "no se pudo escribir la página\n";
        return 1;
    }
    return 0;
}
