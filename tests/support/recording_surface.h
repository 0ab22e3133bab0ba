// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/drawing_surface.h"

namespace test_support {

enum class OpKind { Cls, DrawWidth, ForeColor, FontSize, FontBold, CurrentX, CurrentY, Line, PSet, Print };

// The settings in force on the surface.
struct SurfaceState {
    runtime::Rgb colour{};
    int drawWidth = 1;
    float fontSize = 9.75f;  // the picture box's design font
    bool bold = false;
    float currentX = 0;
    float currentY = 0;
};

// One call on the surface, with the settings in force right after it. Lines
// use x1..y2, a point x1, y1; Print keeps the text and its position in x1, y1.
struct Op {
    OpKind kind;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    std::string text;
    SurfaceState state;
};

// A drawing surface that draws nothing and remembers every call in order,
// so a test can ask what was drawn, where, in which colour and width.
class RecordingSurface final : public runtime::DrawingSurface {
public:
    RecordingSurface(float scaleWidth = 8115, float scaleHeight = 5715)
        : width_(scaleWidth), height_(scaleHeight)
    {
        ops_.reserve(2048);
    }

    void Cls() override
    {
        state_.currentX = 0;
        state_.currentY = 0;
        record(OpKind::Cls);
    }
    float ScaleWidth() const override { return width_; }
    float ScaleHeight() const override { return height_; }

    void setDrawWidth(int pixels) override
    {
        state_.drawWidth = pixels;
        record(OpKind::DrawWidth);
    }
    void setForeColor(runtime::Rgb colour) override
    {
        state_.colour = colour;
        record(OpKind::ForeColor);
    }
    void setFontSize(float points) override
    {
        state_.fontSize = points;
        record(OpKind::FontSize);
    }
    void setFontBold(bool bold) override
    {
        state_.bold = bold;
        record(OpKind::FontBold);
    }
    void setCurrentX(float x) override
    {
        state_.currentX = x;
        record(OpKind::CurrentX);
    }
    void setCurrentY(float y) override
    {
        state_.currentY = y;
        record(OpKind::CurrentY);
    }
    float CurrentX() const override { return state_.currentX; }
    float CurrentY() const override { return state_.currentY; }

    void Line(float x1, float y1, float x2, float y2) override { record(OpKind::Line, x1, y1, x2, y2); }
    void PSet(float x, float y) override { record(OpKind::PSet, x, y); }
    void Print(std::string_view text) override
    {
        record(OpKind::Print, state_.currentX, state_.currentY);
        ops_.back().text = text;
    }

    const std::vector<Op>& ops() const { return ops_; }
    const SurfaceState& state() const { return state_; }
    void clearRecord() { ops_.clear(); }

    std::vector<Op> opsOf(OpKind kind) const
    {
        std::vector<Op> found;
        for (const Op& op : ops_) {
            if (op.kind == kind)
                found.push_back(op);
        }
        return found;
    }

private:
    void record(OpKind kind, float x1 = 0, float y1 = 0, float x2 = 0, float y2 = 0)
    {
        ops_.push_back(Op{kind, x1, y1, x2, y2, {}, state_});
    }

    float width_;
    float height_;
    SurfaceState state_;
    std::vector<Op> ops_;
};

}  // namespace test_support
