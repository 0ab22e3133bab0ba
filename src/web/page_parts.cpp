// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/page_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>

#include "layout/layout.h"
#include "model/sunscreen.h"
#include "model/sunscreen_text.h"
#include "runtime/markup_text.h"
#include "sky/civil_date.h"
#include "layout/estimate_fields.h"
#include "sky/sky_cover.h"
#include "web/canvas_surface.h"
#include "web/json_object.h"
#include "day/dialog_texts.h"
#include "web/page_colours.h"
#include "web/reading_order.h"
#include "web/request_form.h"

namespace web {
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

// The window's inside, in CSS pixels, which the wide layout draws the form on.
constexpr int kWindowWidth = pixels(layout::kClientWidthTwips);
constexpr int kWindowHeight = pixels(layout::kClientHeightTwips);

// The width, in CSS pixels, from which the page keeps the window's layout: the
// window's width and the margin it needs beside it, the page's 8-pixel padding
// on its left and the window's 1-pixel frame on its right (page.css.in), so
// that the window shows whole, frame and all. Every media rule of the page
// switches here: the generated ones and the style sheet's, which the generator
// fills in.
constexpr int kWindowMargin = 8 + 1;
constexpr int kWideScreenFrom = kWindowWidth + kWindowMargin;

// A picture box's two borders, left and right or top and bottom, in pixels.
constexpr int kPictureBorders = 2 * layout::kPictureBoxBorder;

// What a picture box shows, inside its border, in pixels: the chart's canvas
// has as many at first, and keeps these proportions on a phone.
constexpr layout::Rect insideBorder(const Control& row)
{
    return {0, 0, pixels(row.rect.width) - kPictureBorders, pixels(row.rect.height) - kPictureBorders};
}

// Scheme colours are the page's own custom properties, from the scheme table.
std::string colourOf(Colour colour, Colour::System kindDefault)
{
    const Colour::System system = colour.system == Colour::System::KindDefault ? kindDefault : colour.system;
    if (system == Colour::System::Rgb)
        return hex(colour.rgb);
    for (const SchemeColour& scheme : kSchemeColours) {
        if (scheme.system == system)
            return "var(" + std::string(scheme.property) + ')';
    }
    return hex(rgbOf(colour, kindDefault));
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
    // Pixel sizes as the window sets them.
    css << "font:" << (font.italic ? "italic " : "") << font.weight << ' '
        << std::lround(runtime::pixelsOfPoints(font.points)) << "px " << familyOf(font.face) << ';';
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

// The control's place and layer in the window's layout.
std::string placeOf(const Control& row)
{
    const layout::Rect box = layout::pixelBox(row);
    std::ostringstream css;
    css << "left:" << box.left << "px;top:" << box.top << "px;width:" << box.width << "px;height:" << box.height
        << "px;z-index:" << layerOf(row.name) << ';';
    return css.str();
}

// Its look on every screen: font, colours, alignment.
std::string lookOf(const Control& row)
{
    switch (row.kind) {
    case Kind::Label:
        return fontOf(row.font) + "color:" + colourOf(row.foreground, Colour::System::WindowText)
            + ";background:" + colourOf(row.background, Colour::System::ButtonFace)
            + (row.alignment == layout::Alignment::Centre ? ";text-align:center;" : ";");
    case Kind::TextBox:
    case Kind::CommandButton:
        return fontOf(row.font);
    case Kind::PictureBox:
        return "background:" + colourOf(row.background, Colour::System::ButtonFace) + ';';
    case Kind::Line:
        return "background:" + colourOf(row.foreground, Colour::System::WindowText) + ';';
    case Kind::VScrollBar:
        break;
    }
    return {};
}

// A caption whose own colour reads below WCAG's AA level against its
// background, darkened to it with its hue; empty for one that reads well.
std::string darkerLookOf(const Control& row)
{
    if (row.kind != Kind::Label)
        return {};
    const std::uint32_t text = rgbOf(row.foreground, Colour::System::WindowText);
    const std::uint32_t background = rgbOf(row.background, Colour::System::ButtonFace);
    const std::uint32_t darker = darkenedForContrast(text, background, kTextContrast);
    return darker == text ? std::string() : "color:" + hex(darker) + ';';
}

std::string rule(const Control& row, const std::string& declarations)
{
    return declarations.empty() ? std::string() : '#' + std::string(row.name) + '{' + declarations + "}\n";
}

// The description lives in a hidden element the control points to.
std::string describedBy(const Control& row, std::string& descriptions)
{
    if (row.accessibleDescription.empty())
        return {};
    const std::string id = std::string(row.name) + "-descripcion";
    descriptions += "<span id=\"" + id + "\" hidden>" + runtime::escapedForMarkup(row.accessibleDescription) + "</span>\n";
    return " aria-describedby=\"" + id + '"';
}

std::string attribute(std::string_view name, std::string_view value)
{
    return ' ' + std::string(name) + "=\"" + runtime::escapedForMarkup(value) + '"';
}

// A box's name is its caption, a <label for> it; the other controls carry
// their own name, where the table gives one.
std::string nameOf(const Control& row)
{
    if (row.accessibleName.empty() || captionOf(row))
        return {};
    return attribute("aria-label", row.accessibleName);
}

const Control* boxCaptioned(const Control& label)
{
    for (const Control& row : layout::kControls) {
        if (captionOf(row) == &label)
            return &row;
    }
    return nullptr;
}

// A bar is a spin button: the window's two arrows, which a phone shows as
// "−" and "+" side by side, "−" first, each stepping as the bar's arrow at
// its place does (data-step 1 toward the top end); "+" is the one toward the
// higher end.
std::string steppers(const Control& bar)
{
    const layout::Control* box = layout::find(bar.spinner.box);
    const std::string caption(box && captionOf(*box) ? captionOf(*box)->text : bar.spinner.box);
    const bool topIsHigher = bar.spinner.min > bar.spinner.max;
    const auto arrow = [&](bool raises) {
        const bool towardTop = raises == topIsHigher;
        return "<button type=\"button\" class=\"" + std::string(towardTop ? "up" : "down") + (raises ? " raise" : " lower")
            + "\" tabindex=\"-1\" data-step=\"" + (towardTop ? "1" : "-1") + '"'
            + attribute("aria-label", (raises ? "Subir «" : "Bajar «") + caption + "»") + "></button>";
    };
    return arrow(false) + arrow(true);
}

std::string element(const Control& row, std::string& descriptions)
{
    const std::string id = attribute("id", row.name);
    const std::string description = describedBy(row, descriptions);
    const std::string a11y = nameOf(row) + description;
    std::ostringstream html;
    switch (row.kind) {
    case Kind::Label:
        if (const Control* box = boxCaptioned(row)) {
            html << "<label" << id << " class=\"label\"" << attribute("for", box->name) << a11y << '>'
                 << runtime::escapedForMarkup(row.text) << "</label>";
            break;
        }
        html << "<div" << id << " class=\"label\"" << a11y << (row.name == "Label4" ? " aria-live=\"polite\"" : "")
             << '>' << runtime::escapedForMarkup(row.text) << "</div>";
        break;
    case Kind::TextBox:
        // The decimal keypad on a phone; the text is still read as the user's own.
        html << "<input" << id << " class=\"text\" type=\"text\" inputmode=\"decimal\"" << attribute("value", row.text)
             << " autocomplete=\"off\" spellcheck=\"false\"" << a11y << '>';
        break;
    case Kind::CommandButton:
        html << "<button" << id << " type=\"button\" class=\"button" << (row.isDefault ? " default" : "") << "\"" << a11y
             << '>' << runtime::escapedForMarkup(row.text) << "</button>";
        break;
    case Kind::VScrollBar:
        // The box it steps, its ends and its start, for the script's Form_Load.
        html << "<div" << id << " class=\"scroll\" role=\"spinbutton\" tabindex=\"0\""
             << attribute("aria-controls", row.spinner.box) << " data-min=\"" << row.spinner.min << "\" data-max=\""
             << row.spinner.max << "\" data-start=\"" << layout::startValue(row) << '"' << a11y << '>' << steppers(row)
             << "</div>";
        break;
    case Kind::PictureBox:
        if (!row.image.empty()) {
            html << "<img" << id << " class=\"picture\"" << attribute("src", row.image)
                 << attribute("srcset", denserPictures(row.image)) << attribute("alt", row.accessibleName)
                 << " tabindex=\"0\"" << description << '>';
        } else {
            // Its pixels at first: its inner size in the window.
            const layout::Rect inside = insideBorder(row);
            html << "<canvas" << id << " class=\"picture\" role=\"img\" tabindex=\"0\" width=\"" << inside.width
                 << "\" height=\"" << inside.height << '"' << a11y << "></canvas>";
        }
        break;
    case Kind::Line:
        html << "<div" << id << " class=\"line\" aria-hidden=\"true\"></div>";
        break;
    }
    return html.str();
}

// The ids of the page's own parts. Those the script looks up reach it from
// here too (kScriptIds).
// The line that says where the offered place comes from; it describes both
// coordinates, which it speaks of.
constexpr std::string_view kPlaceLine = "lugar-por-defecto";
// The note on the ozone field, whose empty text stands for the climatology's.
constexpr std::string_view kOzoneNote = "ozono-nota";
// The line that names a nearer zone, when the place lies far from the zone's.
constexpr std::string_view kZoneHint = "zona-cercana";
// The zones offered to the zone's field, listed by the script.
constexpr std::string_view kZoneList = "zonas";
// The device's place for the estimate, and what became of asking for it.
constexpr std::string_view kLocate = "ubicacion";
constexpr std::string_view kLocationStatus = "ubicacion-estado";
// Under the result, in one live region: the time to 1 DEM and when to protect.
constexpr std::string_view kResultLines = "resultado-lineas";
constexpr std::string_view kOneDoseLine = "hasta-dem";
constexpr std::string_view kWhenToProtect = "cuando-proteger";
// The stay's reminders: the calendar file, the page's own notifications and
// their status, and the screen kept on while they wait.
constexpr std::string_view kReminders = "avisos";
constexpr std::string_view kCalendar = "calendario";
constexpr std::string_view kNotify = "avisarme";
constexpr std::string_view kRemindersStatus = "avisos-estado";
constexpr std::string_view kScreenOn = "pantalla";
// The estimate at a glance, its "Usar" and the way to its dialog.
constexpr std::string_view kGlance = "estimacion-breve";
constexpr std::string_view kUseGlance = "usar-estimacion";
constexpr std::string_view kOpenEstimate = "abrir-estimar";
// The sunscreen's factor, its amount, the protected line and the amount's note.
constexpr std::string_view kFactor = kFpsKey;  // the request's keys too
constexpr std::string_view kAmount = kAmountKey;
constexpr std::string_view kProtectedLine = "protegida";
constexpr std::string_view kAmountNote = "cantidad-nota";
// The line by the chart while the sun's day is in force, its text and the way back.
constexpr std::string_view kSunDay = "dia-sol";
constexpr std::string_view kSunDayText = "dia-sol-texto";
constexpr std::string_view kBackToBell = "volver-campana";
// The calculator's numbers for the script (pageCodes).
constexpr std::string_view kCodes = "codigos";

// A choice among a table's rows: each row's word as the value, its caption
// as the text, the default selected.
template <typename Rows, typename Caption, typename Selected>
std::string choiceField(const std::string& label, const std::string& field, const Rows& rows, Caption caption,
                        Selected selected)
{
    std::string options;
    for (const auto& row : rows) {
        options += "<option" + attribute("value", row.token) + (selected(row) ? " selected" : "") + '>'
            + runtime::escapedForMarkup(caption(row)) + "</option>";
    }
    return label + "<select" + field + " class=\"campo\">" + options + "</select>\n";
}

// A number typed with the browser's separator; the place's line and the
// device's place follow the longitude, and the ozone's note the ozone.
std::string numberField(const layout::EstimateField& row, const std::string& label, const std::string& field)
{
    const bool place = row.field == layout::SkyField::Latitud || row.field == layout::SkyField::Longitud;
    const bool ozone = row.field == layout::SkyField::Ozono;
    std::string html = label + "<input" + field
        + " class=\"campo\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\"";
    if (place)
        html += attribute("aria-describedby", kPlaceLine);
    if (ozone)
        html += attribute("placeholder", day::ozonePlaceholder(std::nullopt)) + attribute("aria-describedby", kOzoneNote);
    html += ">\n";
    if (ozone)
        html += "<span" + attribute("id", kOzoneNote) + " hidden>" + runtime::escapedForMarkup(layout::descriptionOf(row)) + "</span>\n";
    if (row.field == layout::SkyField::Longitud) {
        html += "<p" + attribute("id", kPlaceLine) + " class=\"ancho\"></p>\n<p class=\"ancho ubicacion\"><button type=\"button\""
            + attribute("id", kLocate) + ">Usar mi ubicación</button>\n<span" + attribute("id", kLocationStatus)
            + " role=\"status\"></span></p>\n";
    }
    return html;
}

// One field of the estimate's table, its caption a <label for> it and its
// number in the table (layout::SkyField) for the script, which hands the fields
// to the calculator in that order. The place's line and the device's place
// follow the longitude, as the window's dialog has its place line there.
std::string estimateField(const layout::EstimateField& row)
{
    const std::string caption = runtime::escapedForMarkup(row.caption);
    const std::string field = attribute("id", row.elementId) + " data-sky-field=\""
        + std::to_string(static_cast<int>(row.field)) + '"';
    const std::string label = "<label" + attribute("for", row.elementId) + '>' + caption + "</label>\n";
    switch (row.kind) {
    case layout::FieldKind::Check:
        return "<label class=\"ancho casilla\"" + attribute("for", row.elementId) + "><input" + field
            + " type=\"checkbox\"> " + caption + "</label>\n";
    case layout::FieldKind::Date:
        return label + "<input" + field + " class=\"campo\" type=\"date\"" + attribute("min", sky::dateText(sky::kFirstDate))
            + attribute("max", sky::dateText(sky::kLastDate)) + ">\n";
    case layout::FieldKind::Number:
        return numberField(row, label, field);
    case layout::FieldKind::Cover:
        return choiceField(
            label, field, sky::kSkyCovers, [](const sky::SkyCoverRow& cover) { return sky::coverChoiceText(cover.cover); },
            [](const sky::SkyCoverRow& cover) { return cover.cover == sky::kDefaultSkyCover; });
    case layout::FieldKind::Air:
        return choiceField(
            label, field, sky::kAirs, [](const sky::AirRow& air) { return std::string(air.caption); },
            [](const sky::AirRow& air) { return air.air == sky::kDefaultAir; });
    case layout::FieldKind::Zone:
        // Typed or chosen from tzdata's zones, which the script lists when the
        // dialog first opens; the browser's zone is filled in when the page
        // starts. The nearer zone's line follows it.
        return label + "<input" + field + " class=\"campo\"" + attribute("list", kZoneList)
            + " autocomplete=\"off\" spellcheck=\"false\"" + attribute("aria-describedby", kZoneHint) + ">\n<datalist"
            + attribute("id", kZoneList) + "></datalist>\n<p" + attribute("id", kZoneHint)
            + " class=\"ancho\" role=\"status\"></p>\n";
    case layout::FieldKind::Shape:
        return choiceField(
            label, field, layout::kDayShapes, [](const layout::DayShapeRow& shape) { return std::string(shape.caption); },
            [](const layout::DayShapeRow&) { return false; });
    }
    return {};
}

// The page's own parts among the window's controls, each after the control it
// goes with, so that the page reads, tabs and shows them in one order: the
// time to 1 DEM and when to protect under the result; the estimate at a
// glance under "Indice Máximo", with the way to the estimate's dialog; the
// stay's reminders and the sunscreen after "Calcular"; and by the chart,
// while the sun's day is in force, the way back to the bell. On a phone they
// take their place in the column; on the window's layout, which has no room
// for them, they follow under the window.
struct PageAddition {
    std::string_view after;  // the control's name
    std::string (*html)();
};

std::string resultLines()
{
    return "<div" + attribute("id", kResultLines) + " class=\"extra\" aria-live=\"polite\"><p" + attribute("id", kOneDoseLine)
        + "></p><p" + attribute("id", kWhenToProtect) + "></p></div>\n";
}

std::string estimateLine()
{
    // The value and its "Usar" show once the estimate reads.
    const std::string separator = "<span class=\"separa\" aria-hidden=\"true\"> · </span>";
    return "<p id=\"estimar-linea\" class=\"extra\"><span" + attribute("id", kGlance) + " hidden></span>" + separator
        + "<button type=\"button\"" + attribute("id", kUseGlance) + " class=\"boton\" hidden>Usar</button>" + separator
        + "<button type=\"button\"" + attribute("id", kOpenEstimate)
        + " class=\"boton\" aria-haspopup=\"dialog\" data-con-lugar=\"Otro lugar o fecha…\">Estimar desde el lugar y la"
          " fecha…</button></p>\n";
}

// The note on the amount is in the page from the start, with the point: the
// script writes it again where the browser's separator is the comma.
std::string sunscreenPart()
{
    std::string amounts;
    for (const model::SunscreenAmountRow& row : model::kSunscreenAmounts)
        amounts += "<option" + attribute("value", row.token) + '>' + runtime::escapedForMarkup(row.description) + "</option>";
    return "<div id=\"proteccion\" class=\"extra\" role=\"group\"" + attribute("aria-label", "Protector solar") + ">\n<label"
        + attribute("for", kFactor) + '>' + runtime::escapedForMarkup(model::kSunscreenFactorCaption) + "</label>\n<input"
        + attribute("id", kFactor) + " class=\"campo\" inputmode=\"numeric\" autocomplete=\"off\" placeholder=\"sin protector\""
        + attribute("aria-describedby", kAmountNote) + ">\n<label" + attribute("for", kAmount) + '>'
        + runtime::escapedForMarkup(model::kSunscreenAmountCaption) + "</label>\n<select" + attribute("id", kAmount)
        + " class=\"campo\">" + amounts + "</select>\n<p" + attribute("id", kProtectedLine)
        + " class=\"ancho\" aria-live=\"polite\"></p>\n<p" + attribute("id", kAmountNote) + " class=\"ancho nota\">"
        + runtime::escapedForMarkup(model::sunscreenAmountNote('.')) + "</p>\n<p class=\"ancho nota\">"
        + runtime::escapedForMarkup(model::kReapplyNote) + "</p>\n</div>\n";
}

// Shown once a press has reminders. The screen's check box shows where the
// browser can keep the screen on, once the reminders are asked for.
std::string remindersPart()
{
    return "<div" + attribute("id", kReminders) + " class=\"extra\" role=\"group\"" + attribute("aria-label", "Avisos de la estancia")
        + " hidden>\n<button type=\"button\"" + attribute("id", kCalendar) + " class=\"boton\">Añadir al calendario</button>\n"
        + "<button type=\"button\"" + attribute("id", kNotify) + " class=\"boton\">Avisarme mientras la página esté abierta</button>\n"
        + "<label class=\"casilla\" hidden><input type=\"checkbox\"" + attribute("id", kScreenOn)
        + "> Mantener la pantalla encendida</label>\n<p" + attribute("id", kRemindersStatus) + " role=\"status\"></p>\n"
        + "<p class=\"nota\">Un teléfono puede detener una página en segundo plano; el calendario no se detiene.</p>\n</div>\n";
}

std::string sunDayLine()
{
    return "<p" + attribute("id", kSunDay) + " class=\"extra\" hidden><span" + attribute("id", kSunDayText)
        + "></span> <button type=\"button\"" + attribute("id", kBackToBell) + " class=\"boton\">Volver a la campana</button></p>\n";
}

constexpr std::array<PageAddition, 5> kPageAdditions = {{
    {"Label4", resultLines},
    {"VScroll4", estimateLine},
    {"Command1", remindersPart},
    {"Command1", sunscreenPart},
    {"Indice", sunDayLine},
}};

// The ids the script looks up among the page's own parts and the estimate's
// fields, under the placeholders page.js has for them ('@ONE_DOSE_ID@'): the
// generator writes each into the page and into the script, so that one
// renamed here or in the estimate's table is renamed in both.
struct ScriptId {
    std::string_view placeholder;
    std::string_view id;
};

constexpr std::string_view fieldId(layout::SkyField field)
{
    return layout::fieldOf(field).elementId;
}

constexpr std::array<ScriptId, 30> kScriptIds = {{
    {"@CODES_ID@", kCodes},
    {"@ONE_DOSE_ID@", kOneDoseLine},
    {"@WHEN_TO_PROTECT_ID@", kWhenToProtect},
    {"@REMINDERS_ID@", kReminders},
    {"@CALENDAR_ID@", kCalendar},
    {"@NOTIFY_ID@", kNotify},
    {"@REMINDERS_STATUS_ID@", kRemindersStatus},
    {"@SCREEN_ON_ID@", kScreenOn},
    {"@FACTOR_ID@", kFactor},
    {"@AMOUNT_ID@", kAmount},
    {"@PROTECTED_LINE_ID@", kProtectedLine},
    {"@AMOUNT_NOTE_ID@", kAmountNote},
    {"@GLANCE_ID@", kGlance},
    {"@USE_GLANCE_ID@", kUseGlance},
    {"@OPEN_ESTIMATE_ID@", kOpenEstimate},
    {"@SUN_DAY_ID@", kSunDay},
    {"@SUN_DAY_TEXT_ID@", kSunDayText},
    {"@BACK_TO_BELL_ID@", kBackToBell},
    {"@PLACE_LINE_ID@", kPlaceLine},
    {"@ZONE_HINT_ID@", kZoneHint},
    {"@ZONE_LIST_ID@", kZoneList},
    {"@LOCATE_ID@", kLocate},
    {"@LOCATION_STATUS_ID@", kLocationStatus},
    {"@LATITUD_ID@", fieldId(layout::SkyField::Latitud)},
    {"@LONGITUD_ID@", fieldId(layout::SkyField::Longitud)},
    {"@FECHA_ID@", fieldId(layout::SkyField::Fecha)},
    {"@ALTITUD_ID@", fieldId(layout::SkyField::Altitud)},
    {"@OZONO_ID@", fieldId(layout::SkyField::Ozono)},
    {"@ZONA_ID@", fieldId(layout::SkyField::Zona)},
    {"@FORMA_ID@", fieldId(layout::SkyField::Forma)},
}};

Generated value(std::string_view text)
{
    return {std::string(text), 0, true};
}

Generated value(int number)
{
    return value(std::to_string(number));
}

}  // namespace

std::string wideScreen()
{
    return "(min-width: " + std::to_string(kWideScreenFrom) + "px)";
}

// Up to the last hundredth of a pixel below it, so that a zoomed width in
// between falls in one layout or the other.
std::string narrowScreen()
{
    return "(max-width: " + std::to_string(kWideScreenFrom - 1) + ".98px)";
}

std::string pageStyle()
{
    std::string css = ":root{";
    for (const SchemeColour& scheme : kSchemeColours)
        css += std::string(scheme.property) + ':' + hex(scheme.rgb) + ';';
    css += "}\n";
    std::string darker;
    std::string places;
    for (const Control& row : layout::kControls) {
        css += rule(row, lookOf(row));
        darker += rule(row, darkerLookOf(row));
        places += rule(row, placeOf(row));
    }
    // The captions' own colours are darkened to read well on the phone's
    // layout, and on any screen whose user asks for more contrast.
    return "<style>\n" + css + "@media " + narrowScreen() + ", (prefers-contrast: more) {\n" + darker + "}\n@media "
        + wideScreen() + " {\n" + places + "}\n</style>\n";
}

std::string pageControls()
{
    std::string html;
    std::string descriptions;
    for (const std::string_view name : kReadingOrder) {
        html += element(*layout::find(name), descriptions) + '\n';
        for (const PageAddition& addition : kPageAdditions) {
            if (addition.after == name)
                html += addition.html();
        }
    }
    return html + descriptions;
}

std::string estimateFields()
{
    std::string html;
    for (const layout::EstimateField& row : layout::kEstimateFields)
        html += estimateField(row);
    return html;
}

// The calculator's numbers under the names the page's script reads them by:
// the chart's operations and how many numbers follow each. Data the script
// parses, never run.
std::string pageCodes()
{
    JsonObject op;
    JsonObject operands;  // by operation number
    for (const auto& [name, code] : {std::pair{"clear", CanvasSurface::kClear}, std::pair{"pen", CanvasSurface::kPen},
                                     std::pair{"line", CanvasSurface::kLine}, std::pair{"rect", CanvasSurface::kRect},
                                     std::pair{"text", CanvasSurface::kText}}) {
        op.number(name, code);
        operands.number(std::to_string(code), CanvasSurface::operandCount(code));
    }
    const JsonObject codes = JsonObject().object("op", op).object("operands", operands);
    return "<script type=\"application/json\"" + attribute("id", kCodes) + '>' + codes.json() + "</script>\n";
}

Placeholders pagePlaceholders()
{
    const layout::Rect chart = insideBorder(*layout::find("Indice"));
    Placeholders placeholders{{"@STYLE@", {pageStyle()}},
                              {"@CONTROLS@", {pageControls()}},
                              {"@ESTIMATE_FIELDS@", {estimateFields()}},
                              {"@CODES@", {pageCodes()}},
                              {"@WIDE_SCREEN@", {wideScreen()}},
                              {"@NARROW_SCREEN@", {narrowScreen()}},
                              {"@WINDOW_WIDTH@", value(kWindowWidth)},
                              {"@WINDOW_HEIGHT@", value(kWindowHeight)},
                              {"@PICTURE_BORDER@", value(layout::kPictureBoxBorder)},
                              {"@PICTURE_BORDERS@", value(kPictureBorders)},
                              {"@CHART_WIDTH@", value(chart.width)},
                              {"@CHART_HEIGHT@", value(chart.height)}};
    for (const ScriptId& script : kScriptIds)
        placeholders.emplace(script.placeholder, value(script.id));
    // The keys of the requests the script builds, besides its fields' ids.
    for (const ScriptKey& key : kScriptKeys)
        placeholders.emplace(key.placeholder, value(key.key));
    // What the estimate's dialog says as the window's does.
    placeholders.emplace("@ESTIMATE_TITLE@", value(runtime::escapedForMarkup(day::kEstimateTitle)));
    placeholders.emplace("@USE_DESCRIPTION@", value(runtime::escapedForMarkup(day::kUseDescription)));
    return placeholders;
}

std::string filled(std::istream& in, Placeholders& placeholders)
{
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        const auto start = line.find_first_not_of(' ');
        const auto whole = placeholders.find(start == std::string::npos ? line : line.substr(start));
        if (whole != placeholders.end()) {
            out += whole->second.text;
            ++whole->second.placed;
            continue;
        }
        for (auto& [name, generated] : placeholders) {
            for (auto at = line.find(name); at != std::string::npos; at = line.find(name, at + generated.text.size())) {
                line.replace(at, name.size(), generated.text);
                ++generated.placed;
            }
        }
        out += line + '\n';
    }
    return out;
}

bool eachPlaced(const Placeholders& placeholders)
{
    return std::all_of(placeholders.begin(), placeholders.end(), [](const auto& entry) {
        return entry.second.isValue ? entry.second.placed > 0 : entry.second.placed == 1;
    });
}

// A placeholder's name: capitals, digits and underscores between two @.
std::string leftPlaceholder(std::string_view text)
{
    const auto isNameCharacter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; };
    for (auto at = text.find('@'); at != std::string_view::npos; at = text.find('@', at + 1)) {
        const auto end = text.find('@', at + 1);
        if (end == std::string_view::npos)
            break;
        if (end > at + 1 && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                        text.begin() + static_cast<std::ptrdiff_t>(end), isNameCharacter))
            return std::string(text.substr(at, end - at + 1));
    }
    return {};
}

}  // namespace web
