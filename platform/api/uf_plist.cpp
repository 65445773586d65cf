// uf_plist.h: parts lists of the work part.
#include <uf_plist.h>

#include "platform/api/guard.h"
#include "platform/drafting/parts_list.h"

using namespace platform;
using namespace platform::api;

extern "C" int UF_PLIST_update_all_plists(void) {
  return Guard("UF_PLIST_update_all_plists", [&] { drafting::UpdateAllPartsLists(WorkPart()); });
}
