// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <map>
#include <string>
#include <string_view>

#include "layout/estimate_fields.h"

// The parts of the page written at build time: the window's form from its
// layout table, every control as an element with the control's name for id,
// in the page's reading order, with its text and accessible name; its font
// and colours, and on a wide screen its place and size (15 twips to a CSS
// pixel) and layer, as style rules; the estimate's fields from their own
// table; and the numbers the page's script shares with the calculator, from
// the calculator's own definitions. Plain C++: node runs it in the web build
// (page_generator.cpp), and the normal build tests it.
namespace web {

// The media queries of the two layouts: the window's, from the width the
// window's layout fits in, and the phone's below it.
std::string wideScreen();
std::string narrowScreen();

// A <style> with every control's look, the phone's darker captions and, on a
// wide screen, every control's place.
std::string pageStyle();
// The controls in reading order, then the hidden descriptions they point to.
std::string pageControls();
// The estimate's fields, captions and the pieces that go with them.
std::string estimateFields();

// The numbers for the script, as a JSON <script> with the id "codigos".
std::string pageCodes();

// What replaces a placeholder ("@STYLE@"), and how often the templates had it.
// A part of the page goes in once; a value (a size, an id) wherever a
// template needs it.
struct Generated {
    std::string text;
    int placed = 0;
    bool isValue = false;
};
using Placeholders = std::map<std::string, Generated, std::less<>>;

// The page's: "@STYLE@", "@CONTROLS@", "@ESTIMATE_FIELDS@" and "@CODES@" in
// the page; "@WIDE_SCREEN@", "@NARROW_SCREEN@" and the window's, the chart's
// and the picture border's sizes in pixels ("@WINDOW_WIDTH@") in the style
// sheet; in the script, the ids of the page's own parts it looks up
// ("@ONE_DOSE_ID@"), which the page generator makes up.
Placeholders pagePlaceholders();

// The template with its placeholders filled in, each counted: a line holding
// only one (indented or not) gives way to its text, which brings its own line
// ends; one inside a line is replaced where it stands.
std::string filled(std::istream& in, Placeholders& placeholders);

// Whether the templates had every part exactly once and every value at
// least once.
bool eachPlaced(const Placeholders& placeholders);

// The first "@NAME@" a filled template still has, which no placeholder
// filled; empty when there is none.
std::string leftPlaceholder(std::string_view text);

}  // namespace web
