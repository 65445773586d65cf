// The host's linked list of tags (uf_list_t). A list is a malloc'd chain; an empty list
// is one node holding NULL_TAG, so that `for (p = list; p; p = p->next)` walks the items.
#pragma once
#include <vector>

#include <uf_defs.h>

namespace platform::api {

uf_list_p_t NewTagList(const std::vector<tag_t>& items);

}  // namespace platform::api
