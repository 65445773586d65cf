// Drawings with dimensions for the DWG tests: each kind once, on views at two scales,
// with pictures drawn the way a drafting module draws them (extension and dimension
// lines, filled arrowheads, arcs, the text).
#pragma once
#include <string>

#include "platform/dwg/drawing.h"

namespace dwg_test {

inline constexpr const char* kDimensionLayer = "尺寸";

// A dimension of `value` model mm between `from` and `to` (model mm from the view's
// origin on the sheet `origin`), its line `offset` sheet mm away, measured along
// `rotationDeg` (Linear) or along the two points (Aligned).
platform::dwg::Dimension LengthDimension(platform::dwg::DimensionKind kind, platform::dwg::Point origin, double scale,
                                         platform::dwg::Point from, platform::dwg::Point to, double rotationDeg,
                                         double offset, const std::string& text);

// A3, views at 1:2 and 1:1: a horizontal and a vertical linear dimension ("3×150=450"),
// an aligned one, a diameter ("4×⌀36"), a radius and a 45° angle, on layer 尺寸.
platform::dwg::Drawing DimensionedSheet();

// `count` linear dimensions in rows at 1:5, each with its own figure.
platform::dwg::Drawing ManyDimensionsSheet(int count);

}  // namespace dwg_test
