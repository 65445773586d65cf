// One object of the object data, framed as the file stores it: a modular-short size,
// the type, the bit length of the data, the handle, no extended data, the object's
// fields, its handle references, and a checksum.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/dwg/bit_writer.h"

namespace platform::dwg {

// Fixed object type numbers of this version.
enum class ObjectType : uint16_t {
  Text = 1, Block = 4, EndBlock = 5, Arc = 17, Circle = 18, Line = 19,
  DimensionLinear = 21, DimensionAligned = 22, DimensionAngular3Point = 23,
  DimensionRadius = 25, DimensionDiameter = 26, Solid = 31,
  Dictionary = 42,
  BlockControl = 48, BlockHeader = 49, LayerControl = 50, Layer = 51,
  StyleControl = 52, Style = 53, LinetypeControl = 56, Linetype = 57,
  ViewControl = 60, UcsControl = 62, VportControl = 64, AppIdControl = 66, AppId = 67,
  DimstyleControl = 68, Dimstyle = 69, VxControl = 70, LwPolyline = 77,
};

// Handle reference codes.
constexpr uint8_t kSoftOwner = 2, kHardOwner = 3, kSoftPointer = 4, kHardPointer = 5;

struct ObjectRecord {
  uint32_t handle = 0;
  std::vector<uint8_t> bytes;  // size, data and checksum, ready to be placed in the file
};

// Where an entity sits and what it inherits; colour 256 and a null linetype mean
// "by layer".
struct EntityCommon {
  uint8_t spaceMode = 2;  // 2 model space, 1 paper space, 0 the block record `owner`
  uint32_t layer = 0;
  uint32_t previous = 0, next = 0;  // neighbours in the owning block's chain (0: none)
  uint32_t owner = 0;
};

class ObjectBuilder {
 public:
  // A non-entity object owned by `owner` (0: none), without reactors or extension dictionary.
  static ObjectBuilder Object(ObjectType type, uint32_t handle, uint32_t owner);
  static ObjectBuilder Entity(ObjectType type, uint32_t handle, const EntityCommon& common);

  BitWriter& Data() { return data_; }
  BitWriter& Handles() { return handles_; }
  ObjectRecord Finish() const;

 private:
  ObjectBuilder(ObjectType type, uint32_t handle);
  uint32_t handle_;
  size_t bitSizePosition_ = 0;
  BitWriter data_, handles_;
};

}  // namespace platform::dwg
