// A group: objects of one part gathered under one tag, as an imported part's objects
// are. Members are kept by persistent id, so the group survives saving and reopening.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

class Group : public Object {
public:
  Group() : Object(kGroupType, 0) {}
  std::vector<std::uint32_t> memberPids;
};

}  // namespace platform
