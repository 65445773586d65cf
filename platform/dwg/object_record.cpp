#include "platform/dwg/object_record.h"

#include <stdexcept>
#include <string>

#include "platform/dwg/crc.h"

namespace platform::dwg {
namespace {

constexpr uint8_t kLineweightByLayer = 29;

}  // namespace

ObjectBuilder::ObjectBuilder(ObjectType type, uint32_t handle) : handle_(handle) {
  data_.BS(static_cast<uint16_t>(type));
  bitSizePosition_ = data_.BitCount();
  data_.RL(0);  // bit length up to the handle references, known at Finish
  data_.H({0, handle});
  data_.BS(0);  // no extended data
}

ObjectBuilder ObjectBuilder::Object(ObjectType type, uint32_t handle, uint32_t owner) {
  ObjectBuilder b(type, handle);
  b.data_.BL(0);  // reactors
  b.handles_.H({kSoftPointer, owner});
  b.handles_.H({kHardOwner, 0});  // no extension dictionary
  return b;
}

ObjectBuilder ObjectBuilder::Entity(ObjectType type, uint32_t handle, const EntityCommon& common) {
  ObjectBuilder b(type, handle);
  BitWriter& d = b.data_;
  d.Bit(false);            // no preview graphics
  d.BB(common.spaceMode);  // in model or paper space the owner is implied
  d.BL(0);                 // reactors
  d.Bit(false);            // explicit links to the neighbouring entities follow
  d.CMC(256);              // colour by layer
  d.BD(1.0);               // linetype scale
  d.BB(0);                 // linetype by layer
  d.BB(0);                 // plot style by layer
  d.BS(0);                 // visible
  d.RC(kLineweightByLayer);
  BitWriter& h = b.handles_;
  if (common.spaceMode == 0) h.H({kSoftPointer, common.owner});
  h.H({kHardOwner, 0});  // no extension dictionary
  h.H({kSoftPointer, common.previous});
  h.H({kSoftPointer, common.next});
  h.H({kHardPointer, common.layer});
  return b;
}

ObjectRecord ObjectBuilder::Finish() const {
  BitWriter all = data_;
  all.PatchRL(bitSizePosition_, static_cast<uint32_t>(data_.BitCount()));
  all.Append(handles_);
  const std::vector<uint8_t>& body = all.Bytes();
  ObjectRecord record{handle_, {}};
  AppendModularShort(record.bytes, static_cast<uint32_t>(body.size()));
  record.bytes.insert(record.bytes.end(), body.begin(), body.end());
  const uint16_t crc = Crc16(kCrcSeed, record.bytes.data(), record.bytes.size());
  record.bytes.push_back(static_cast<uint8_t>(crc));
  record.bytes.push_back(static_cast<uint8_t>(crc >> 8));
  return record;
}

}  // namespace platform::dwg
