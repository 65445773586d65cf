// The header variables section: drawing settings and the handles of the tables,
// in the fixed order of this version.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/dwg/dimension_style.h"
#include "platform/dwg/drawing.h"

namespace platform::dwg {

// Handles of the objects the header points at (0 where the drawing has none).
struct HeaderHandles {
  uint32_t blockControl = 0, layerControl = 0, styleControl = 0, linetypeControl = 0,
           viewControl = 0, ucsControl = 0, vportControl = 0, appIdControl = 0,
           dimstyleControl = 0, vxControl = 0;
  uint32_t namedObjects = 0, groupDictionary = 0, mlineStyleDictionary = 0;
  uint32_t currentLayer = 0, textStyle = 0, dimensionStyle = 0, linetypeByLayer = 0, linetypeByBlock = 0,
           linetypeContinuous = 0;
  uint32_t modelSpace = 0, paperSpace = 0;
  uint32_t nextHandle = 0;
};

struct Extents {
  Point min, max;
};

struct HeaderSettings {
  HeaderHandles handles;
  Extents extents;        // of everything drawn
  Point limits;           // the sheet: from (0,0) to this corner
  DimensionStyle dimensionStyle;  // the current one, `handles.dimensionStyle`
  double createdJulianDay = 0;
};

// The section's bit data (without sentinels, size or checksum).
std::vector<uint8_t> HeaderVariablesData(const HeaderSettings& settings);

// Julian day number with fraction, as the format stores dates.
double JulianDayNow();

}  // namespace platform::dwg
