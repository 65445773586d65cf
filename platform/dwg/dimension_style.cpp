#include "platform/dwg/dimension_style.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace platform::dwg {
namespace {

// Arrow length, extension beyond the dimension line, gap between text and line,
// spacing of stacked dimension lines (mm on the sheet).
constexpr double kArrowSize = 3.0, kExtensionBeyond = 2.0, kTextGap = 1.0, kLineSpacing = 7.0;
constexpr uint16_t kTextAbove = 1, kNoTrailingZeros = 8, kAngleNoTrailingZeros = 2;
constexpr uint16_t kDecimalUnits = 2, kDecimalPlaces = 2, kFitBest = 3;

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b)); }

DimensionStyle StyleOf(const Dimension& d) { return {"", d.textHeight, 1.0 / d.scale}; }

bool SameSettings(const DimensionStyle& a, const DimensionStyle& b) {
  return Same(a.textHeight, b.textHeight) && Same(a.lengthFactor, b.lengthFactor);
}

}  // namespace

void WriteDimensionVariables(BitWriter& w, const DimensionStyle& s) {
  w.TV("");  // DIMPOST
  w.TV("");  // DIMAPOST
  // DIMSCALE DIMASZ DIMEXO DIMDLI DIMEXE DIMRND DIMDLE DIMTP DIMTM
  for (double v : {1.0, kArrowSize, 0.0, kLineSpacing, kExtensionBeyond, 0.0, 0.0, 0.0, 0.0}) w.BD(v);
  for (int i = 0; i < 6; ++i) w.Bit(false);  // DIMTOL DIMLIM DIMTIH DIMTOH DIMSE1 DIMSE2
  w.BS(kTextAbove);               // DIMTAD
  w.BS(kNoTrailingZeros);         // DIMZIN
  w.BS(kAngleNoTrailingZeros);    // DIMAZIN
  // DIMTXT DIMCEN DIMTSZ DIMALTF DIMLFAC DIMTVP DIMTFAC DIMGAP DIMALTRND
  for (double v : {s.textHeight, 0.0, 0.0, 25.4, s.lengthFactor, 0.0, 1.0, kTextGap, 0.0}) w.BD(v);
  w.Bit(false);  // DIMALT
  w.BS(3);       // DIMALTD
  w.Bit(true);   // DIMTOFL: a dimension line between the extension lines always
  w.Bit(false);  // DIMSAH
  w.Bit(false);  // DIMTIX
  w.Bit(false);  // DIMSOXD
  for (int i = 0; i < 3; ++i) w.CMC(0);  // DIMCLRD DIMCLRE DIMCLRT: by block
  // DIMADEC DIMDEC DIMTDEC DIMALTU DIMALTTD DIMAUNIT DIMFRAC DIMLUNIT DIMDSEP DIMTMOVE DIMJUST
  for (int v : {int{kDecimalPlaces}, int{kDecimalPlaces}, int{kDecimalPlaces}, int{kDecimalUnits}, 2, 0, 0,
                int{kDecimalUnits}, int{'.'}, 0, 0})
    w.BS(static_cast<uint16_t>(v));
  w.Bit(false);  // DIMSD1
  w.Bit(false);  // DIMSD2
  w.BS(1);       // DIMTOLJ
  w.BS(0);       // DIMTZIN
  w.BS(0);       // DIMALTZ
  w.BS(0);       // DIMALTTZ
  w.Bit(false);  // DIMUPT
  w.BS(kFitBest);  // DIMATFIT
}

DimensionStyles::DimensionStyles(const Drawing& drawing) {
  for (const Entity& e : drawing.entities) {
    const auto* d = std::get_if<Dimension>(&e.geometry);
    if (!d) continue;
    const DimensionStyle key = StyleOf(*d);
    if (std::none_of(styles_.begin(), styles_.end(), [&](const DimensionStyle& s) { return SameSettings(s, key); }))
      styles_.push_back(key);
  }
  if (styles_.empty()) styles_.push_back({"", 3.5, 1.0});
  for (size_t i = 0; i < styles_.size(); ++i) {
    DimensionStyle& s = styles_[i];
    s.name = "GB" + Number(s.textHeight) + (Same(s.lengthFactor, 1.0) ? "" : " x" + Number(s.lengthFactor));
    for (size_t j = 0; j < i; ++j)
      if (styles_[j].name == s.name) s.name += " (" + std::to_string(i + 1) + ")";
  }
}

size_t DimensionStyles::IndexOf(const Dimension& d) const {
  const DimensionStyle key = StyleOf(d);
  for (size_t i = 0; i < styles_.size(); ++i)
    if (SameSettings(styles_[i], key)) return i;
  throw std::logic_error("DWG writer: a dimension without its style");
}

}  // namespace platform::dwg
