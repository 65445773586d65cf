#include "platform/api/layers.h"

#include <unordered_map>

#include "platform/objects/part.h"
#include "platform/objects/session.h"

namespace platform::api {

LayerTable::LayerTable() {
  status.fill(kSelectableStatus);
  status[work] = kWorkLayerStatus;
}

LayerTable& LayersOf(Part& part) {
  // Tags are never reused in a session, so a closed part's table is only forgotten.
  static std::unordered_map<Tag, LayerTable> tables;
  if (tables.size() > 64)
    std::erase_if(tables, [](const auto& entry) { return !Session::Get().FindAs<Part>(entry.first); });
  return tables[part.GetTag()];
}

}  // namespace platform::api
