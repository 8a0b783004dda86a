// The race grid on screen: the columns' start widths in pixels, the row heights and the heading
// row's background.
#pragma once

#include <array>

#include "predict/grid_layout.h"

namespace zv::ui {

inline constexpr std::array<int, kGridColumns> kGridColumnWidths{20, 20, 135, 50, 120, 120, 120, 21, 21, 40, 23, 26};
inline constexpr int kGridHeaderHeight = 18;
inline constexpr int kGridRowHeight = 41;
inline constexpr unsigned kGridHeaderBackground = 0xEEEEEE;

}  // namespace zv::ui
