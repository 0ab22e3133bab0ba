// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "layout/layout.h"

// The order of the page's controls: how a phone shows them, top to bottom,
// which is also their order in the page and so the order of Tab and of a
// screen reader on every screen. The wide layout places each control where
// the window has it, whatever its place in this order.
namespace web {

inline constexpr std::array<std::string_view, 38> kReadingOrder = {
    // The header band: banner, crest, credit.
    "Picture2", "Picture1", "Label6",
    // The result.
    "Label5", "Label4",
    // The four inputs, each caption before its box, each bar after it.
    "Label1", "Text1", "VScroll4",
    "Label2", "Text2", "VScroll3",
    "Label3", "Text3", "VScroll2",
    "Label7", "Text4", "VScroll1",
    "Command1",
    "Indice",
    // The other locality: its title, the three fields, the hints on the sign, "Reiniciar".
    "Label8", "Label9", "Text5", "Label10", "Text6", "Label12", "Label13", "Label11", "Text7", "Command3",
    "Command2",
    // The window's frames, drawn only where the window's layout is.
    "Line1", "Line2", "Line3", "Line4", "Line5", "Line6", "Line7", "Line8",
};

// The label that names a text box: the one whose caption is the box's
// accessible name (the caption above it in the window). None for other rows.
// The name of the label that captions a box, empty for none. By name, so
// that the check below compares no pointers, which GCC's sanitizing builds
// cannot evaluate at compile time.
constexpr std::string_view captionNameOf(const layout::Control& box)
{
    if (box.kind != layout::Kind::TextBox)
        return {};
    for (const layout::Control& row : layout::kControls) {
        if (row.kind == layout::Kind::Label && row.text == box.accessibleName)
            return row.name;
    }
    return {};
}

constexpr const layout::Control* captionOf(const layout::Control& box)
{
    const std::string_view name = captionNameOf(box);
    return name.empty() ? nullptr : layout::find(name);
}

constexpr int readingPosition(std::string_view name)
{
    const auto* at = std::find(kReadingOrder.begin(), kReadingOrder.end(), name);
    return at == kReadingOrder.end() ? -1 : static_cast<int>(at - kReadingOrder.begin());
}

// Every control once; every box right after its caption, every bar right
// after the box it steps, so a caption, its box and its steppers read as one.
constexpr bool readingOrderIsSound()
{
    for (const layout::Control& row : layout::kControls) {
        if (std::count(kReadingOrder.begin(), kReadingOrder.end(), row.name) != 1)
            return false;
        const int at = readingPosition(row.name);
        if (row.kind == layout::Kind::TextBox) {
            const std::string_view caption = captionNameOf(row);
            if (caption.empty() || readingPosition(caption) != at - 1)
                return false;
        }
        if (row.kind == layout::Kind::VScrollBar && readingPosition(row.spinner.box) != at - 1)
            return false;
    }
    return true;
}
static_assert(readingOrderIsSound(), "every control once, each box after its caption and each bar after its box");

}  // namespace web
