// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "model/inputs.h"
#include "runtime/device_pixels.h"

// The window Form1 as data: one row per control, in the designer's units.
// Nothing here is Qt: the window turns the rows into widgets in one loop, and
// the web page is generated from the same rows.
namespace layout {

// The rows are in twips, the runtime's unit.
using runtime::kTwipsPerPixel;

// A layout length in whole pixels, to the nearest (layout lengths are never negative).
constexpr int pixels(int twips)
{
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

inline constexpr std::string_view kCaption = "Indice UV";
inline constexpr int kClientWidthTwips = 11265;
inline constexpr int kClientHeightTwips = 9615;

// The sunken border around a picture box, in pixels on each side; what the box
// shows lies inside it.
inline constexpr int kPictureBoxBorder = 2;

enum class Kind { PictureBox, Label, TextBox, CommandButton, VScrollBar, Line };

// The faces the design names; the window maps each to the nearest installed one.
enum class Face { MsSansSerif, BookmanOldStyle, Arial, ArialNarrow };

struct Font {
    Face face = Face::MsSansSerif;
    double points = 9.75;
    int weight = 400;  // 400 regular, 700 bold
    bool italic = false;
};

inline constexpr Font kWindowFont{};

// A colour of the desktop's scheme, or a fixed RGB one.
struct Colour {
    enum class System { KindDefault, ButtonFace, WindowText, Window, ActiveBorder, Rgb };
    System system = System::KindDefault;
    std::uint32_t rgb = 0;  // 0xRRGGBB, only for System::Rgb

    static constexpr Colour fixed(std::uint32_t rgb) { return {System::Rgb, rgb}; }
    static constexpr Colour scheme(System system) { return {system, 0}; }
};

enum class Alignment { Left, Centre };

// Left, top, width and height of the outer rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A line's two end points.
struct Ends {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// A line's strip in whole pixels: its width across, covering both end points,
// a wider pen centred on the line (an even pen's extra pixel before it, left
// or above), as the desktop draws it, so that the corners of a frame close.
constexpr Rect lineStrip(const Ends& ends, int width)
{
    const int before = width / 2;
    const int left = pixels(std::min(ends.x1, ends.x2)) - before;
    const int top = pixels(std::min(ends.y1, ends.y2)) - before;
    return {left, top, pixels(std::max(ends.x1, ends.x2)) - before + width - left,
            pixels(std::max(ends.y1, ends.y2)) - before + width - top};
}

inline constexpr int kNoTabIndex = -1;

// A scroll bar used as a small integer spinner for one text box: the box it
// writes its value into and its two ends as the window names them, Min the
// value at the top end and Max the one at the bottom end. It starts at the
// number its box shows at design time (startValue), so the box reads the
// same before and after Form_Load.
struct Spinner {
    std::string_view box{};
    int min = 0;  // at the top end
    int max = 0;  // at the bottom end
};

// One control. Fields a row leaves out take the kind's default.
struct Control {
    std::string_view name;
    Kind kind = Kind::Label;
    Rect rect{};                  // twips; not for lines
    Ends ends{};                  // twips; lines only
    std::string_view text{};      // caption of a label or button, text of a text box
    Font font = kWindowFont;
    Colour foreground{};          // text colour, or a line's colour
    Colour background{};
    Alignment alignment = Alignment::Left;
    int tabIndex = kNoTabIndex;
    int lineWidth = 1;            // pixels, lines only
    std::string_view image{};     // file name of the picture, picture boxes only
    bool autoSize = false;        // the picture box takes the image's size plus its border
    bool isDefault = false;       // the button Enter presses
    Spinner spinner{};            // scroll bars only
    // What a screen reader says for the control: its name, then its description.
    // An empty name leaves Qt's own (a label's or button's text).
    std::string_view accessibleName{};
    std::string_view accessibleDescription{};
};

namespace detail {
inline constexpr Font kCaptionFont{Face::BookmanOldStyle, 14.25, 300, true};
inline constexpr Font kBoxFont{Face::MsSansSerif, 12, 400, false};
inline constexpr Font kButtonFont{Face::MsSansSerif, 12, 700, false};
inline constexpr Font kPanelFont{Face::MsSansSerif, 12, 400, false};
inline constexpr Colour kRed = Colour::fixed(0xFF0000);
inline constexpr Colour kDarkRed = Colour::fixed(0x800000);
inline constexpr Colour kActiveBorder = Colour::scheme(Colour::System::ActiveBorder);
inline constexpr Colour kPanelSide = Colour::fixed(0x804040);
}  // namespace detail

// The credit under the logo; it names the program's purpose, nobody's name.
inline constexpr std::string_view kCredit = "Cálculo de exposición solar";

// clang-format off
inline constexpr std::array<Control, 38> kControls = {{
    // Header band: banner, result caption and value in a thin frame, logo, credit.
    {.name = "Picture2", .kind = Kind::PictureBox, .rect = {120, 120, 2655, 1575},
     .tabIndex = 29, .image = "banner.jpg", .accessibleName = "Cartel «Indice UV»",
     .accessibleDescription = "Un sol naciente tras las letras «Indice UV», sobre el lema «Disfruta el sol con cuidado»"},
    {.name = "Label5", .kind = Kind::Label, .rect = {3000, 240, 2175, 1095}, .text = "Exposición: (DEM)",
     .font = {Face::Arial, 20.25, 400, true}, .foreground = detail::kRed, .tabIndex = 10},
    {.name = "Label4", .kind = Kind::Label, .rect = {5400, 360, 1935, 615},
     .font = {Face::Arial, 27.75, 400, false}, .foreground = Colour::fixed(0x0000C0), .tabIndex = 9,
     // Named by its own text, the exposure, so a reader hears each new value.
     .accessibleDescription = "Exposición de la estancia en múltiplos de la dosis eritematógena mínima (DEM) "
                              "del tipo de piel; vacía hasta pulsar «Calcular»"},
    {.name = "Picture1", .kind = Kind::PictureBox, .rect = {7800, 120, 1140, 1470},
     .tabIndex = 11, .image = "crest.jpg", .autoSize = true, .accessibleName = "Escudo",
     .accessibleDescription = "Un escudo con un sol sobre colinas verdes, bajo una franja azul con tres discos blancos"},
    {.name = "Label6", .kind = Kind::Label, .rect = {9000, 360, 2055, 855}, .text = kCredit,
     .font = {Face::ArialNarrow, 15.75, 400, false}, .alignment = Alignment::Centre, .tabIndex = 12},
    {.name = "Line1", .kind = Kind::Line, .ends = {5400, 360, 7320, 360}, .foreground = detail::kActiveBorder},
    {.name = "Line2", .kind = Kind::Line, .ends = {7320, 360, 7320, 1080}, .foreground = detail::kActiveBorder},
    {.name = "Line3", .kind = Kind::Line, .ends = {5400, 1080, 7320, 1080}, .foreground = detail::kActiveBorder},
    {.name = "Line4", .kind = Kind::Line, .ends = {5400, 360, 5400, 1080}, .foreground = detail::kActiveBorder},

    // Input column: caption, box and the bar that drives it, four times; then two commands.
    {.name = "Label1", .kind = Kind::Label, .rect = {240, 2040, 2295, 375}, .text = model::captionOf(model::InputBox::Text1),
     .font = detail::kCaptionFont, .foreground = detail::kRed, .tabIndex = 4},
    {.name = "Text1", .kind = Kind::TextBox, .rect = {840, 2520, 735, 420}, .text = "10",
     .font = detail::kBoxFont, .tabIndex = 0,
     .accessibleName = model::captionOf(model::InputBox::Text1),
     .accessibleDescription = "El índice UV máximo del día, sin corregir; un número, por ejemplo 10"},
    {.name = "VScroll4", .kind = Kind::VScrollBar, .rect = {1560, 2520, 255, 495}, .tabIndex = 18,
     .spinner = {.box = "Text1", .min = 18, .max = 0},
     .accessibleName = "Ajusta «Indice Máximo»",
     .accessibleDescription = "Sube o baja de uno en uno el índice máximo de la casilla «Indice Máximo»"},
    {.name = "Label2", .kind = Kind::Label, .rect = {120, 3240, 2415, 375}, .text = model::captionOf(model::InputBox::Text2),
     .font = detail::kCaptionFont, .foreground = detail::kRed, .tabIndex = 5},
    {.name = "Text2", .kind = Kind::TextBox, .rect = {840, 3720, 735, 420}, .text = "11",
     .font = detail::kBoxFont, .tabIndex = 6,
     .accessibleName = model::captionOf(model::InputBox::Text2),
     .accessibleDescription = "Hora del día a la que empieza la estancia al sol, en horas; 11 son las 11:00"},
    {.name = "VScroll3", .kind = Kind::VScrollBar, .rect = {1560, 3720, 255, 495}, .tabIndex = 17,
     .spinner = {.box = "Text2", .min = 22, .max = 0},
     .accessibleName = "Ajusta «Hora Exposición»",
     .accessibleDescription = "Sube o baja de uno en uno la hora de comienzo de la casilla «Hora Exposición»"},
    {.name = "Label3", .kind = Kind::Label, .rect = {240, 4440, 2055, 375}, .text = model::captionOf(model::InputBox::Text3),
     .font = detail::kCaptionFont, .foreground = detail::kRed, .tabIndex = 7},
    {.name = "Text3", .kind = Kind::TextBox, .rect = {840, 4920, 735, 420}, .text = "2",
     .font = detail::kBoxFont, .tabIndex = 8,
     .accessibleName = model::captionOf(model::InputBox::Text3),
     .accessibleDescription = "Horas que dura la estancia al sol"},
    {.name = "VScroll2", .kind = Kind::VScrollBar, .rect = {1560, 4920, 255, 495}, .tabIndex = 16,
     .spinner = {.box = "Text3", .min = 10, .max = 0},
     .accessibleName = "Ajusta «Duración (hr)»",
     .accessibleDescription = "Sube o baja de uno en uno la duración de la casilla «Duración (hr)»"},
    {.name = "Label7", .kind = Kind::Label, .rect = {360, 5640, 1815, 375}, .text = model::captionOf(model::InputBox::Text4),
     .font = detail::kCaptionFont, .foreground = detail::kRed, .tabIndex = 13},
    {.name = "Text4", .kind = Kind::TextBox, .rect = {840, 6120, 735, 420}, .text = "3",
     .font = detail::kBoxFont, .tabIndex = 14,
     .accessibleName = model::captionOf(model::InputBox::Text4),
     .accessibleDescription = "Tipo de piel, de 1, la más sensible al sol, a 6, la menos sensible"},
    {.name = "VScroll1", .kind = Kind::VScrollBar, .rect = {1560, 6120, 255, 495}, .tabIndex = 15,
     .spinner = {.box = "Text4", .min = 6, .max = 1},
     .accessibleName = "Ajusta «Tipo de piel»",
     .accessibleDescription = "Sube o baja de uno en uno el tipo de piel de la casilla «Tipo de piel»"},
    {.name = "Command1", .kind = Kind::CommandButton, .rect = {600, 6840, 1335, 375}, .text = "Calcular",
     .font = detail::kButtonFont, .tabIndex = 1, .isDefault = true,
     .accessibleDescription = "Calcula la exposición, dibuja la curva del día y guarda datos.dat; también con Intro"},
    {.name = "Command2", .kind = Kind::CommandButton, .rect = {600, 7320, 1335, 375}, .text = "Terminar",
     .font = detail::kButtonFont, .tabIndex = 2, .accessibleDescription = "Cierra el programa"},

    // The chart surface.
    {.name = "Indice", .kind = Kind::PictureBox, .rect = {2640, 1920, 8175, 5775},
     .background = Colour::fixed(0xFFFFFF), .tabIndex = 3, .accessibleName = "Gráfico del índice ultravioleta"},

    // Other-locality panel: a frame of thick lines, its top edge reaching a little further left.
    {.name = "Line5", .kind = Kind::Line, .ends = {1060, 7920, 10800, 7920},
     .foreground = Colour::fixed(0x804000), .lineWidth = 2},
    {.name = "Line6", .kind = Kind::Line, .ends = {1080, 7920, 1080, 9360},
     .foreground = detail::kPanelSide, .lineWidth = 2},
    {.name = "Line7", .kind = Kind::Line, .ends = {10800, 7920, 10800, 9360},
     .foreground = detail::kPanelSide, .lineWidth = 2},
    {.name = "Line8", .kind = Kind::Line, .ends = {1080, 9360, 10800, 9360},
     .foreground = detail::kPanelSide, .lineWidth = 2},
    {.name = "Label8", .kind = Kind::Label, .rect = {2640, 8040, 5535, 375},
     .text = "Cálculo de la exposición en otra localidad", .font = {Face::MsSansSerif, 13.5, 400, false},
     .foreground = Colour::fixed(0x0000FF), .tabIndex = 21},
    {.name = "Command3", .kind = Kind::CommandButton, .rect = {8640, 8040, 1575, 375}, .text = "Reiniciar",
     .tabIndex = 26,
     .accessibleDescription = "Pone a cero las diferencias de altitud y de latitud y vacía el nuevo índice máximo"},
    {.name = "Label9", .kind = Kind::Label, .rect = {1440, 8400, 2535, 255}, .text = model::captionOf(model::InputBox::Text5),
     .font = detail::kPanelFont, .foreground = detail::kDarkRed, .tabIndex = 19},
    {.name = "Text5", .kind = Kind::TextBox, .rect = {1920, 8760, 1300, 420}, .text = "0",
     .font = detail::kBoxFont, .tabIndex = 20,
     .accessibleName = model::captionOf(model::InputBox::Text5),
     .accessibleDescription = "Metros que la otra localidad está por encima de esta; negativo si está más abajo"},
    {.name = "Label10", .kind = Kind::Label, .rect = {4560, 8400, 2655, 255}, .text = model::captionOf(model::InputBox::Text6),
     .font = detail::kPanelFont, .foreground = detail::kDarkRed, .tabIndex = 22},
    {.name = "Text6", .kind = Kind::TextBox, .rect = {4680, 8760, 1300, 420}, .text = "0",
     .font = detail::kBoxFont, .tabIndex = 23,
     .accessibleName = model::captionOf(model::InputBox::Text6),
     .accessibleDescription = "Grados de latitud de la otra localidad respecto de esta: positivo al norte, negativo al sur"},
    {.name = "Label12", .kind = Kind::Label, .rect = {6120, 8640, 1215, 375}, .text = "+ : norte",
     .font = detail::kPanelFont, .foreground = detail::kDarkRed, .tabIndex = 27},
    {.name = "Label13", .kind = Kind::Label, .rect = {6150, 8880, 1215, 255}, .text = "- : sur",
     .font = detail::kPanelFont, .foreground = detail::kDarkRed, .tabIndex = 28},
    {.name = "Label11", .kind = Kind::Label, .rect = {7560, 8400, 3135, 255}, .text = "Nuevo índice máximo (aprox.)",
     .font = detail::kPanelFont, .foreground = detail::kDarkRed, .tabIndex = 24},
    {.name = "Text7", .kind = Kind::TextBox, .rect = {8040, 8760, 1300, 420},
     .font = detail::kBoxFont, .tabIndex = 25, .accessibleName = "Nuevo índice máximo (aprox.)",
     .accessibleDescription = "El índice máximo corregido para la otra localidad; lo escribe «Calcular»"},
}};
// clang-format on

// Top to bottom. Windowed controls always lie above every label and line.
inline constexpr std::array<std::string_view, 17> kWindowedStacking = {
    "Picture2", "Command3", "Text7", "Text6", "Text5", "VScroll4", "VScroll3", "VScroll2", "VScroll1",
    "Text4", "Picture1", "Text3", "Text2", "Indice", "Command2", "Command1", "Text1",
};
inline constexpr std::array<std::string_view, 21> kDecorStacking = {
    "Label13", "Label12", "Label11", "Label10", "Line8", "Line7", "Line6", "Line5", "Label8", "Label9", "Label7",
    "Label6", "Line4", "Line3", "Line2", "Line1", "Label4", "Label5", "Label3", "Label2", "Label1",
};

// Where the control lies in the window, in whole pixels: its rectangle, or
// the strip of a line.
constexpr Rect pixelBox(const Control& row)
{
    if (row.kind == Kind::Line)
        return lineStrip(row.ends, row.lineWidth);
    return {pixels(row.rect.left), pixels(row.rect.top), pixels(row.rect.width), pixels(row.rect.height)};
}

constexpr bool isWindowed(Kind kind)
{
    return kind != Kind::Label && kind != Kind::Line;
}

constexpr const Control* find(std::string_view name)
{
    for (const Control& control : kControls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

namespace detail {
// A text of plain decimal digits as its value; -1 for any other text.
constexpr int wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 5)
        return -1;
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return -1;
        value = 10 * value + (digit - '0');
    }
    return value;
}
}  // namespace detail

// The row of the control called `name`, or -1. An index rather than a
// pointer: GCC's sanitizers make a pointer's null test inside a constant
// expression no constant, and the checks below run at compile time.
constexpr int rowOf(std::string_view name)
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

// Where a bar stands once Form_Load has set it up: the number its box's
// designer text shows. -1 for a row that is not a bar.
constexpr int startValue(const Control& bar)
{
    const int box = bar.kind == Kind::VScrollBar ? rowOf(bar.spinner.box) : -1;
    return box < 0 ? -1 : detail::wholeNumber(kControls[static_cast<std::size_t>(box)].text);
}

// Every bar steps a text box of its own, no other row names one, and each
// start value lies between the bar's 16-bit ends, so Form_Load never clamps it.
constexpr bool spinnersAreSound()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& row = kControls[i];
        if ((row.kind == Kind::VScrollBar) == row.spinner.box.empty())
            return false;
        if (row.kind != Kind::VScrollBar)
            continue;
        const int box = rowOf(row.spinner.box);
        if (box < 0 || kControls[static_cast<std::size_t>(box)].kind != Kind::TextBox)
            return false;
        for (std::size_t j = 0; j < kControls.size(); ++j) {
            if (j != i && kControls[j].spinner.box == row.spinner.box)
                return false;
        }
        const int low = std::min(row.spinner.min, row.spinner.max);
        const int high = std::max(row.spinner.min, row.spinner.max);
        if (low < -32768 || high > 32767 || startValue(row) < low || startValue(row) > high)
            return false;
    }
    return true;
}
static_assert(spinnersAreSound(), "every bar steps a text box of its own whose text is a value between the bar's ends");

}  // namespace layout
