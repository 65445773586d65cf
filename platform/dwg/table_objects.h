// The symbol tables and dictionaries every drawing needs: the control objects, their
// records (layers, linetypes, text styles, block records, the application id) and
// the named object dictionary. Names are bytes in the drawing's code page.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dwg/dimension_style.h"
#include "platform/dwg/object_record.h"

namespace platform::dwg {

// A control object listing its records; `extra` follows the entries (the model and
// paper space records of the block table, ByBlock and ByLayer of the linetype table).
ObjectRecord ControlObject(ObjectType type, uint32_t handle, const std::vector<uint32_t>& entries,
                           const std::vector<uint32_t>& extra = {});

struct LayerRecord {
  uint32_t handle = 0, control = 0, linetype = 0;
  std::string name;
  int colour = 7;
};
ObjectRecord LayerObject(const LayerRecord& layer);

struct LinetypeRecord {
  uint32_t handle = 0, control = 0;
  std::string name, description;
  std::vector<double> dashes;  // dash lengths in mm, gaps negative
};
ObjectRecord LinetypeObject(const LinetypeRecord& linetype);

struct StyleRecord {
  uint32_t handle = 0, control = 0;
  std::string name, font, bigFont;
  double widthFactor = 1.0;
};
ObjectRecord StyleObject(const StyleRecord& style);

struct BlockRecord {
  uint32_t handle = 0, control = 0;
  std::string name;
  uint32_t blockEntity = 0, endBlockEntity = 0;
  uint32_t firstEntity = 0, lastEntity = 0;
  bool anonymous = false;  // a dimension's block *Dn
};
ObjectRecord BlockRecordObject(const BlockRecord& block);

// `codePageName` is the style's name in the drawing's code page.
ObjectRecord DimstyleObject(uint32_t handle, uint32_t control, const DimensionStyle& style,
                            const std::string& codePageName, uint32_t textStyle);

ObjectRecord AppIdObject(uint32_t handle, uint32_t control, const std::string& name);

struct DictionaryEntry {
  std::string name;
  uint32_t handle = 0;
};
ObjectRecord DictionaryObject(uint32_t handle, uint32_t owner, const std::vector<DictionaryEntry>& entries);

}  // namespace platform::dwg
