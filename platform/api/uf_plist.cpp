// uf_plist.h: parts lists of the work part.
#include <uf_plist.h>

#include "platform/api/guard.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/parts_list.h"

using namespace platform;
using namespace platform::api;

namespace {

PartsList& ListOf(tag_t partsList) {
  return Session::Get().RequireAs<PartsList>(partsList, "a parts list");
}

}  // namespace

extern "C" {

int UF_PLIST_update_all_plists(void) {
  return Guard("UF_PLIST_update_all_plists", [&] { drafting::UpdateAllPartsLists(WorkPart()); });
}

int UF_PLIST_add_object(tag_t parts_list, logical add_components_as_subassemblies, tag_t object) {
  return Guard("UF_PLIST_add_object", [&] {
    PartsList& list = ListOf(parts_list);
    Object& member = Live(object);
    if (add_components_as_subassemblies && dynamic_cast<ComponentOccurrence*>(&member))
      throw HostError(HostStatus::NotImplemented,
                      TagText(object) + ": this host adds components as themselves, not as subassemblies");
    drafting::AddToPartsList(list, member);
  });
}

int UF_PLIST_update(tag_t parts_list) {
  return Guard("UF_PLIST_update", [&] { drafting::UpdatePartsList(ListOf(parts_list)); });
}

}  // extern "C"
