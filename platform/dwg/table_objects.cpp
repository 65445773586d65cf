#include "platform/dwg/table_objects.h"

#include <cmath>

#include "platform/dwg/dimension_style.h"

namespace platform::dwg {
namespace {

// Name, "referenced" flag, external-reference index and dependency: the start of every record.
void WriteRecordName(BitWriter& d, const std::string& name) {
  d.TV(name);
  d.Bit(false);
  d.BS(0);
  d.Bit(false);
}

void WriteNoExternalReference(BitWriter& h) { h.H({kHardPointer, 0}); }

constexpr uint16_t kLineweightByBlock = 0xFFFE;

}  // namespace

ObjectRecord ControlObject(ObjectType type, uint32_t handle, const std::vector<uint32_t>& entries,
                           const std::vector<uint32_t>& extra) {
  ObjectBuilder b = ObjectBuilder::Object(type, handle, 0);
  b.Data().BL(static_cast<uint32_t>(entries.size()));
  if (type == ObjectType::DimstyleControl) b.Data().RC(0);  // no further hard-owned handles
  for (uint32_t entry : entries) b.Handles().H({kSoftOwner, entry});
  for (uint32_t entry : extra) b.Handles().H({kHardOwner, entry});
  return b.Finish();
}

ObjectRecord LayerObject(const LayerRecord& layer) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::Layer, layer.handle, layer.control);
  BitWriter& d = b.Data();
  WriteRecordName(d, layer.name);
  // Thawed, on, unlocked, plotted; lineweight index 29 (0x3A0 in bits 5-9) is "default".
  constexpr uint16_t kPlotted = 0x10, kLineweightDefault = 29u << 5;
  d.BS(kPlotted | kLineweightDefault);
  d.CMC(static_cast<uint16_t>(layer.colour));
  BitWriter& h = b.Handles();
  WriteNoExternalReference(h);
  h.H({kHardPointer, 0});  // plot style: the default
  h.H({kHardPointer, layer.linetype});
  return b.Finish();
}

ObjectRecord LinetypeObject(const LinetypeRecord& linetype) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::Linetype, linetype.handle, linetype.control);
  BitWriter& d = b.Data();
  WriteRecordName(d, linetype.name);
  d.TV(linetype.description);
  double patternLength = 0;
  for (double dash : linetype.dashes) patternLength += std::fabs(dash);
  d.BD(patternLength);
  d.RC('A');  // dashes aligned to the ends
  d.RC(static_cast<uint8_t>(linetype.dashes.size()));
  for (double dash : linetype.dashes) {
    d.BD(dash);
    d.BS(0);       // no shape
    d.RD(0);       // x offset
    d.RD(0);       // y offset
    d.BD(1.0);     // scale
    d.BD(0);       // rotation
    d.BS(0);       // shape flags: plain dash or gap
  }
  d.RawBytes(std::vector<uint8_t>(256, 0));  // text area of complex linetypes, unused
  BitWriter& h = b.Handles();
  WriteNoExternalReference(h);
  for (size_t i = 0; i < linetype.dashes.size(); ++i) h.H({kHardPointer, 0});  // no shape file
  return b.Finish();
}

ObjectRecord StyleObject(const StyleRecord& style) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::Style, style.handle, style.control);
  BitWriter& d = b.Data();
  WriteRecordName(d, style.name);
  d.Bit(false);  // not a shape file
  d.Bit(false);  // not vertical
  d.BD(0);       // no fixed height
  d.BD(style.widthFactor);
  d.BD(0);       // oblique angle
  d.RC(0);       // not mirrored
  d.BD(2.5);     // last height used
  d.TV(style.font);
  d.TV(style.bigFont);
  WriteNoExternalReference(b.Handles());
  return b.Finish();
}

ObjectRecord BlockRecordObject(const BlockRecord& block) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::BlockHeader, block.handle, block.control);
  BitWriter& d = b.Data();
  WriteRecordName(d, block.name);
  d.Bit(block.anonymous);
  d.Bit(false);  // no attribute definitions
  d.Bit(false);  // not an external reference
  d.Bit(false);  // not overlaid
  d.Bit(false);  // not a loaded external reference
  d.Point3(0, 0, 0);  // base point
  d.TV("");           // no external reference path
  d.RC(0);            // no inserts
  d.TV("");           // description
  d.BL(0);            // no preview
  BitWriter& h = b.Handles();
  WriteNoExternalReference(h);
  h.H({kHardOwner, block.blockEntity});
  h.H({kSoftPointer, block.firstEntity});
  h.H({kSoftPointer, block.lastEntity});
  h.H({kHardOwner, block.endBlockEntity});
  h.H({kHardPointer, 0});  // no layout
  return b.Finish();
}

ObjectRecord DimstyleObject(uint32_t handle, uint32_t control, const DimensionStyle& style,
                            const std::string& codePageName, uint32_t textStyle) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::Dimstyle, handle, control);
  BitWriter& d = b.Data();
  WriteRecordName(d, codePageName);
  WriteDimensionVariables(d, style);
  d.BS(kLineweightByBlock);  // DIMLWD
  d.BS(kLineweightByBlock);  // DIMLWE
  d.Bit(false);  // flag 70 bit 0, unused
  BitWriter& h = b.Handles();
  WriteNoExternalReference(h);
  h.H({kHardPointer, textStyle});  // DIMTXSTY
  for (int i = 0; i < 4; ++i) h.H({kHardPointer, 0});  // DIMLDRBLK DIMBLK DIMBLK1 DIMBLK2: closed filled
  return b.Finish();
}

ObjectRecord AppIdObject(uint32_t handle, uint32_t control, const std::string& name) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::AppId, handle, control);
  WriteRecordName(b.Data(), name);
  b.Data().RC(0);
  WriteNoExternalReference(b.Handles());
  return b.Finish();
}

ObjectRecord DictionaryObject(uint32_t handle, uint32_t owner, const std::vector<DictionaryEntry>& entries) {
  ObjectBuilder b = ObjectBuilder::Object(ObjectType::Dictionary, handle, owner);
  BitWriter& d = b.Data();
  d.BL(static_cast<uint32_t>(entries.size()));
  d.BS(1);  // duplicate record cloning: keep existing
  d.RC(0);  // soft owner of its entries
  for (const DictionaryEntry& e : entries) d.TV(e.name);
  for (const DictionaryEntry& e : entries) b.Handles().H({kSoftOwner, e.handle});
  return b.Finish();
}

}  // namespace platform::dwg
