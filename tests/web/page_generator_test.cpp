// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page and its style sheet as the build makes them, from the real templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "chart/chart_size.h"
#include "layout/layout.h"
#include "layout/estimate_fields.h"
#include "web/page_parts.h"

namespace web {
namespace {

std::string source(const std::string& name)
{
    std::ifstream in(std::string(INDICE_UV_WEB_SOURCES) + '/' + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct MadePage {
    std::string html;
    std::string css;
    std::string js;
    Placeholders placeholders = pagePlaceholders();
};

const MadePage& made()
{
    static const MadePage page = [] {
        MadePage made;
        std::istringstream html(source("index.html.in"));
        std::istringstream css(source("page.css.in"));
        std::istringstream js(source("page.js"));
        made.html = filled(html, made.placeholders);
        made.css = filled(css, made.placeholders);
        made.js = filled(js, made.placeholders);
        return made;
    }();
    return page;
}

int count(const std::string& text, const std::string& part)
{
    int found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

TEST(PageGenerator, FillsEveryPlaceholder)
{
    EXPECT_TRUE(eachPlaced(made().placeholders));
    for (const std::string* text : {&made().html, &made().css, &made().js})
        EXPECT_EQ(leftPlaceholder(*text), "");
    for (const auto& [name, generated] : made().placeholders) {
        EXPECT_EQ(made().html.find(name), std::string::npos) << name;
        EXPECT_EQ(made().css.find(name), std::string::npos) << name;
        EXPECT_EQ(made().js.find(name), std::string::npos) << name;
    }
}

// A part of the page goes in once; a value wherever a template needs it, but
// somewhere.
struct PlacedRow {
    const char* name;
    bool isValue;
    int placed;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const PlacedRow& row)
{
    return out << row.name;
}

class Placed : public ::testing::TestWithParam<PlacedRow> {};

TEST_P(Placed, IsAcceptedAsMeant)
{
    Placeholders placeholders{{"@CONTROLS@", {"<p>", 1}}, {"@WINDOW_WIDTH@", {"751", 2, true}}};
    placeholders.emplace("@X@", Generated{"x", GetParam().placed, GetParam().isValue});
    EXPECT_EQ(eachPlaced(placeholders), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Rows, Placed,
                         ::testing::Values(PlacedRow{"PartOnce", false, 1, true},
                                           PlacedRow{"PartTwice", false, 2, false}, PlacedRow{"PartNowhere", false, 0, false},
                                           PlacedRow{"ValueOnce", true, 1, true},
                                           PlacedRow{"ValueThrice", true, 3, true},
                                           PlacedRow{"ValueNowhere", true, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// What a filled template may still have that no placeholder filled, and what
// only looks like it.
struct LeftRow {
    const char* name;
    const char* text;
    const char* left;
};

std::ostream& operator<<(std::ostream& out, const LeftRow& row)
{
    return out << row.name;
}

class Left : public ::testing::TestWithParam<LeftRow> {};

TEST_P(Left, IsTheFirstPlaceholderName)
{
    EXPECT_EQ(leftPlaceholder(GetParam().text), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Left,
    ::testing::Values(LeftRow{"InAScript", "byId('@ONE_DOSE_ID@')", "@ONE_DOSE_ID@"},
                      LeftRow{"AfterAMediaRule", "@media (min-width: @WIDE@) {", "@WIDE@"},
                      LeftRow{"WithDigits", "width: @SIZE_2@px", "@SIZE_2@"},
                      LeftRow{"DensePictures", "banner@2x.jpg 2x, banner@3x.jpg 3x", ""},
                      LeftRow{"RulesAndAddresses", "@font-face {} @media screen {} a@b.es", ""},
                      LeftRow{"LowerCase", "@one_dose@", ""}, LeftRow{"TwoSigns", "a @@ b", ""},
                      LeftRow{"OneSign", "@CODES_ID", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The templates leave the width to the generator; both layouts' rules get it.
TEST(PageGenerator, WritesTheWideScreensWidthIntoTheStyleSheet)
{
    for (const char* name : {"index.html.in", "page.css.in", "page.js"}) {
        EXPECT_EQ(source(name).find("760"), std::string::npos) << name;
        EXPECT_EQ(source(name).find("759"), std::string::npos) << name;
    }
    EXPECT_EQ(count(made().css, "@media (min-width: 760px) {"), 1);
    EXPECT_EQ(count(made().css, "@media (max-width: 759.98px) {"), 1);
    EXPECT_EQ(count(made().html, "@media (min-width: 760px) {"), 1);
    EXPECT_EQ(count(made().html, "@media (max-width: 759.98px), (prefers-contrast: more) {"), 1);
    EXPECT_EQ(count(made().html, "<script type=\"application/json\" id=\"codigos\">"
                                 "{\"op\":{\"clear\":1,\"pen\":2,\"line\":3,\"rect\":4,\"text\":5},"
                                 "\"operands\":{\"1\":2,\"2\":4,\"3\":4,\"4\":4,\"5\":6}}</script>"),
              1);
}

TEST(PageGenerator, WritesEveryControlOnceWithItsPlaceOnAWideScreen)
{
    const std::string wide = made().html.substr(made().html.find("@media (min-width: 760px) {"));
    for (const layout::Control& row : layout::kControls) {
        const std::string name(row.name);
        EXPECT_EQ(count(made().html, " id=\"" + name + '"'), 1) << name;
        EXPECT_EQ(count(made().html, '#' + name + "{left:"), 1) << name;
        EXPECT_EQ(count(wide, '#' + name + "{left:"), 1) << name;
    }
}

// Places worked out by hand from the rows' twips, 15 to a pixel; a line's
// strip covers both ends, a 2-pixel pen's extra pixel before the line.
struct PlaceRow {
    const char* name;
    const char* place;
};

std::ostream& operator<<(std::ostream& out, const PlaceRow& row)
{
    return out << row.name;
}

class ControlPlace : public ::testing::TestWithParam<PlaceRow> {};

TEST_P(ControlPlace, IsTheWindowsPixelBox)
{
    EXPECT_EQ(count(made().html, '#' + std::string(GetParam().name) + "{left:" + GetParam().place + ";z-index:"), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, ControlPlace,
                         ::testing::Values(PlaceRow{"Text1", "56px;top:168px;width:49px;height:28px"},
                                           PlaceRow{"Label5", "200px;top:16px;width:145px;height:73px"},
                                           PlaceRow{"Indice", "176px;top:128px;width:545px;height:385px"},
                                           PlaceRow{"Line1", "360px;top:24px;width:129px;height:1px"},
                                           PlaceRow{"Line5", "70px;top:527px;width:651px;height:2px"},
                                           PlaceRow{"Line6", "71px;top:527px;width:2px;height:98px"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The style sheet's sizes worked out from the layout table's twips, 15 to a
// pixel: the window's inside, and the chart's, which is what its picture box
// shows inside the border.
struct SizeRow {
    std::string name;
    std::string rule;
};

std::ostream& operator<<(std::ostream& out, const SizeRow& row)
{
    return out << row.name;
}

std::vector<SizeRow> sizeRows()
{
    constexpr int kTwips = 15;
    const std::string width = std::to_string(layout::kClientWidthTwips / kTwips);
    const std::string height = std::to_string(layout::kClientHeightTwips / kTwips);
    const layout::Rect box = layout::find("Indice")->rect;
    const int chartWidth = static_cast<int>(chart::kChartWidthTwips) / kTwips;
    const int chartHeight = static_cast<int>(chart::kChartHeightTwips) / kTwips;
    const std::string border = std::to_string((box.width / kTwips - chartWidth) / 2);
    return {
        {"FormOnAWideScreen", "#Form1 { width: " + width + "px; padding-top: " + height + "px;"},
        {"WindowsFace", "left: 0; top: 0; width: " + width + "px; height: " + height + "px;"},
        {"PictureBorder", ".picture {\n  border: " + border + "px solid;"},
        {"ChartOnAPhone", "width: calc(100% - " + std::to_string(box.width / kTwips - chartWidth) + "px); height: auto; "
                          "aspect-ratio: " + std::to_string(chartWidth) + " / " + std::to_string(chartHeight) + "; }"},
    };
}

class StyleSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(StyleSize, IsTheLayoutTables)
{
    EXPECT_EQ(count(made().css, GetParam().rule), 1) << GetParam().rule;
}

INSTANTIATE_TEST_SUITE_P(Rows, StyleSize, ::testing::ValuesIn(sizeRows()),
                         [](const auto& info) { return info.param.name; });

// The style sheet and the script leave the window's and the chart's sizes to
// the generator.
TEST(PageGenerator, LeavesTheSizesToTheGenerator)
{
    for (const char* name : {"page.css.in", "page.js"}) {
        for (const char* size : {"751", "641", "541", "381"})
            EXPECT_EQ(source(name).find(size), std::string::npos) << name << ": " << size;
    }
}

TEST(PageGenerator, SizesTheChartsCanvasToItsBoxInsideTheBorder)
{
    const std::string& html = made().html;
    const auto canvas = html.find("<canvas id=\"Indice\"");
    ASSERT_NE(canvas, std::string::npos);
    EXPECT_NE(html.substr(canvas, html.find('>', canvas) - canvas).find(" width=\"541\" height=\"381\""), std::string::npos);
}

// The ids the script looks elements up by, as the generator fills them in:
// byId('…') and the lists it maps through byId.
std::set<std::string> idsTheScriptLooksUp(const std::string& js)
{
    std::set<std::string> ids;
    const auto quoted = [&](std::size_t from, std::size_t to) {
        for (auto open = js.find('\'', from); open < to;) {
            const auto close = js.find('\'', open + 1);
            ids.insert(js.substr(open + 1, close - open - 1));
            open = js.find('\'', close + 1);
        }
    };
    for (auto at = js.find("byId('"); at != std::string::npos; at = js.find("byId('", at + 1))
        quoted(at, js.find(')', at));
    for (auto at = js.find("].map(byId)"); at != std::string::npos; at = js.find("].map(byId)", at + 1))
        quoted(js.rfind('[', at), at);
    return ids;
}

// Every id the script finds an element by is on the page, once: the page's
// own parts' as the generator hands them over, the controls' and the
// template's as the script has them.
TEST(PageGenerator, HasEveryElementTheScriptLooksUp)
{
    const std::set<std::string> ids = idsTheScriptLooksUp(made().js);
    for (const char* id : {"codigos", "hasta-dem", "Command1", "Text1", "latitud", "zonas", "Form1"})
        EXPECT_EQ(ids.count(id), 1U) << id;
    for (const std::string& id : ids)
        EXPECT_EQ(count(made().html, " id=\"" + id + '"'), 1) << id;
}

// Each field once, numbered for the script as the calculator numbers it, and
// named by its caption in its label.
TEST(PageGenerator, WritesEveryEstimateFieldWithItsCaption)
{
    const std::string& html = made().html;
    for (const layout::EstimateField& row : layout::kEstimateFields) {
        const std::string id(row.elementId);
        EXPECT_EQ(count(html, " id=\"" + id + "\" data-sky-field=\"" + std::to_string(static_cast<int>(row.field)) + '"'), 1)
            << id;
        const auto label = html.find(" for=\"" + id + "\">");
        ASSERT_NE(label, std::string::npos) << id;
        const std::string text = html.substr(label, html.find("</label>", label) - label);
        EXPECT_NE(text.find(std::string(row.caption)), std::string::npos) << id;
    }
    EXPECT_EQ(count(html, "type=\"date\" min=\"1901-01-01\" max=\"2099-12-31\">"), 1);
    // The place's line and the device's place come right after the longitude.
    EXPECT_LT(html.find("id=\"longitud\""), html.find("id=\"lugar-por-defecto\""));
    EXPECT_LT(html.find("id=\"ubicacion\""), html.find("for=\"fecha\""));
}

// The choices' values are the companion's words, the texts the window's, the
// default chosen.
TEST(PageGenerator, OffersTheChoicesOfTheWindowsDialog)
{
    const std::string& html = made().html;
    for (const char* choice : {"<option value=\"despejado\" selected>despejado (menos del 20 %)</option>",
                               "<option value=\"cubierto\">cubierto (más del 90 %)</option>",
                               "<option value=\"campana\">Campana centrada a las 13:00</option>",
                               "<option value=\"sol\">Según el sol en este lugar y fecha</option>",
                               "<option value=\"etiqueta\">como en la etiqueta (2 mg/cm²)</option>",
                               "<option value=\"habitual\">la cantidad habitual (1 mg/cm²)</option>",
                               " list=\"zonas\""})
        EXPECT_EQ(count(html, choice), 1) << choice;
}

// The sunscreen's group says to put it on again, whatever the factor typed.
TEST(PageGenerator, TheSunscreenSaysToReapply)
{
    const std::string& html = made().html;
    const auto group = html.find("<div id=\"proteccion\"");
    ASSERT_NE(group, std::string::npos);
    const std::string part = html.substr(group, html.find("</div>", group) - group);
    EXPECT_EQ(count(part, ">Vuelva a aplicarlo después de bañarse y cada dos horas.</p>"), 1);
}

// The estimate's dialog says what the window's does, in its words.
TEST(PageGenerator, TheEstimateDialogSaysWhatTheWindowsDoes)
{
    EXPECT_EQ(count(made().html, "<h2 id=\"estimar-titulo\" class=\"titulo\">Estimar el índice máximo del día</h2>"), 1);
    EXPECT_EQ(count(made().html, ">Escribe el índice estimado en «Indice Máximo»</p>"), 1);
}

// The script asks with the keys the calculator reads: the zone's offset,
// today, the separator and the two flags by their keys, the sunscreen by its
// fields' ids.
TEST(PageGenerator, TheScriptsRequestsUseTheCalculatorsKeys)
{
    for (const char* key : {"'desfase'", "'hoy'", "'separador'", "'estimar'", "'fecha-ilegible'"})
        EXPECT_GE(count(made().js, key), 1) << key;
    EXPECT_EQ(count(made().html, "<input id=\"fps\""), 1);
    EXPECT_EQ(count(made().html, "<select id=\"cantidad\""), 1);
}

// The page's own parts come each after the control it goes with, in one
// order for the eye, Tab and a screen reader.
struct AdditionRow {
    const char* before;
    const char* addition;
    const char* after;
};

std::ostream& operator<<(std::ostream& out, const AdditionRow& row)
{
    return out << row.addition;
}

class PageAddition : public ::testing::TestWithParam<AdditionRow> {};

TEST_P(PageAddition, StandsBetweenItsControls)
{
    const std::string& html = made().html;
    const auto at = [&](const char* id) { return html.find(" id=\"" + std::string(id) + '"'); };
    ASSERT_NE(at(GetParam().addition), std::string::npos);
    EXPECT_LT(at(GetParam().before), at(GetParam().addition));
    EXPECT_LT(at(GetParam().addition), at(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Rows, PageAddition,
                         ::testing::Values(AdditionRow{"Label4", "hasta-dem", "Label1"},
                                           AdditionRow{"hasta-dem", "cuando-proteger", "Label1"},
                                           AdditionRow{"VScroll4", "estimar-linea", "Label2"},
                                           AdditionRow{"Command1", "avisos", "proteccion"},
                                           AdditionRow{"avisos", "proteccion", "Indice"},
                                           AdditionRow{"Indice", "dia-sol", "Label8"}),
                         [](const auto& info) {
                             std::string name(info.param.addition);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace web
