// Drawing entities as object records: lines, arcs, circles, light-weight polylines,
// single-line texts, filled triangles and dimensions, plus the block begin and end
// markers of a block record.
#pragma once
#include <cstdint>
#include <string>

#include "platform/dwg/drawing.h"
#include "platform/dwg/object_record.h"

namespace platform::dwg {

ObjectRecord LineEntity(uint32_t handle, const EntityCommon& common, const Line& line);
ObjectRecord ArcEntity(uint32_t handle, const EntityCommon& common, const Arc& arc);
ObjectRecord CircleEntity(uint32_t handle, const EntityCommon& common, const Circle& circle);
ObjectRecord PolylineEntity(uint32_t handle, const EntityCommon& common, const Polyline& polyline);

// `codePageText` is the text already converted to the drawing's code page.
ObjectRecord TextEntity(uint32_t handle, const EntityCommon& common, const Text& text,
                        const std::string& codePageText, uint32_t style, double widthFactor);

ObjectRecord SolidEntity(uint32_t handle, const EntityCommon& common, const Solid& solid);

// `codePageText` is the dimension's text override (empty: the measured value),
// `dimensionStyle` its DIMSTYLE record and `block` the record of its block *Dn.
ObjectRecord DimensionEntity(uint32_t handle, const EntityCommon& common, const Dimension& dimension,
                             const std::string& codePageText, uint32_t dimensionStyle, uint32_t block);

ObjectRecord BlockBeginEntity(uint32_t handle, const EntityCommon& common, const std::string& blockName);
ObjectRecord BlockEndEntity(uint32_t handle, const EntityCommon& common);

}  // namespace platform::dwg
