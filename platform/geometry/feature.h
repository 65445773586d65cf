// A modelling feature: what made (or links) a body, kept so the body can be traced
// back and the feature removed. Parameters are kept as the text the caller gave.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

class Feature : public Object {
public:
  Feature() : Object(kFeatureType, 0) {}
  std::string kind;                          // "CYLINDER", "BLOCK", "LINKED_BODY", ...
  std::vector<std::uint32_t> bodyPids;       // bodies of this part the feature made
  std::map<std::string, std::string> parameters;
};

}  // namespace platform
