// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "layout/layout.h"

namespace chart {

namespace detail {
inline constexpr layout::Rect kChartBox = layout::find("Indice")->rect;
inline constexpr int kChartBorderTwips = 2 * layout::kPictureBoxBorder * layout::kTwipsPerPixel;
}  // namespace detail

// The window's chart: the inner area of its picture box, in twips, and the
// window's inner height, which sets the tick length. Every front end draws
// with these, so a chart drawn anywhere is the window's own.
inline constexpr float kChartWidthTwips = static_cast<float>(detail::kChartBox.width - detail::kChartBorderTwips);
inline constexpr float kChartHeightTwips = static_cast<float>(detail::kChartBox.height - detail::kChartBorderTwips);
inline constexpr float kFormScaleHeight = static_cast<float>(layout::kClientHeightTwips);

}  // namespace chart
