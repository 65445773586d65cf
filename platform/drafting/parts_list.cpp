#include "platform/drafting/parts_list.h"

#include <map>

#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/occurrences.h"
#include "platform/text/host_path.h"
#include "platform/geometry/body.h"
#include "platform/base/host_error.h"
#include "platform/objects/session.h"

namespace platform::drafting {

namespace {

constexpr double kRowHeight = 8;
constexpr std::array<double, 3> kColumnWidths{15, 60, 15};

// Members are remembered by what survives a save: a component by its instance path,
// a body by its id in the part.
std::string KeyOf(Part& part, Object& member) {
  if (auto* occ = dynamic_cast<ComponentOccurrence*>(&member); occ && occ->owner == &part && occ->parent)
    return "component:" + occ->key;
  if (auto* body = dynamic_cast<Body*>(&member); body && body->owner == &part) return "body:" + std::to_string(body->pid);
  throw HostError(HostStatus::InvalidArgument, "object " + std::to_string(member.GetTag()) +
                                                   " is neither a component nor a body of the parts list's part");
}

// The part name a member is listed under; empty when the member is gone.
std::string PartNameOf(Part& part, const std::string& key) {
  Session& session = Session::Get();
  if (key.rfind("body:", 0) == 0) {
    Object* body = part.FindByPid(static_cast<std::uint32_t>(std::stoul(key.substr(5))));
    return body ? session.NameOf(*body) : std::string();
  }
  const std::string path = key.substr(key.find(':') + 1);
  for (Object* object : Occurrences::Get().AllOccurrences(part))
    if (auto* occ = dynamic_cast<ComponentOccurrence*>(object); occ && occ->key == path)
      return HostFileStem(occ->partPath);
  return {};
}

}  // namespace

PartsList& AddPartsList(DrawingSheet& sheet, std::array<double, 2> upperLeft) {
  auto list = std::make_unique<PartsList>();
  list->sheetPid = sheet.pid;
  list->position = upperLeft;
  auto& added = static_cast<PartsList&>(sheet.owner->Add(std::move(list)));
  UpdatePartsList(added);
  return added;
}

void AddToPartsList(PartsList& list, Object& member) {
  list.memberKeys.push_back(KeyOf(*list.owner, member));
  list.owner->modified = true;
}

void UpdatePartsList(PartsList& list) {
  Part& part = *list.owner;
  std::vector<std::string> names, keys;
  std::map<std::string, int> quantity;
  for (const std::string& key : list.memberKeys) {
    const std::string name = PartNameOf(part, key);
    if (name.empty()) continue;
    keys.push_back(key);
    if (quantity[name]++ == 0) names.push_back(name);
  }
  list.memberKeys = keys;
  list.Resize(static_cast<int>(names.size()) + 1, 3, kRowHeight, 0);
  list.columnWidths.assign(kColumnWidths.begin(), kColumnWidths.end());
  list.Cell(0, 0) = "PC NO";
  list.Cell(0, 1) = "PART NAME";
  list.Cell(0, 2) = "QTY";
  for (size_t i = 0; i < names.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    list.Cell(row, 0) = std::to_string(row);
    list.Cell(row, 1) = names[i];
    list.Cell(row, 2) = std::to_string(quantity[names[i]]);
  }
  part.modified = true;
}

void UpdateAllPartsLists(Part& part) {
  for (const auto& object : part.Objects())
    if (auto* list = dynamic_cast<PartsList*>(object.get())) UpdatePartsList(*list);
}

}  // namespace platform::drafting
