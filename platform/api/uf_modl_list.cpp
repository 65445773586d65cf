// uf_modl.h, lists of tags: UF_MODL_create_list and friends.
#include <uf_modl.h>

#include <cstdlib>

#include "platform/api/guard.h"
#include "platform/api/tag_list.h"

using namespace platform;
using namespace platform::api;

namespace {

uf_list_p_t NewNode(tag_t item) {
  auto* node = static_cast<uf_list_p_t>(std::malloc(sizeof(uf_list_t)));
  if (!node) throw std::bad_alloc();
  node->eid = item;
  node->next = nullptr;
  return node;
}

bool IsEmpty(uf_list_p_t list) { return list->eid == NULL_TAG && !list->next; }

}  // namespace

namespace platform::api {

uf_list_p_t NewTagList(const std::vector<tag_t>& items) {
  uf_list_p_t head = NewNode(NULL_TAG);
  for (tag_t item : items) UF_MODL_put_list_item(head, item);
  return head;
}

}  // namespace platform::api

extern "C" {

int UF_MODL_create_list(uf_list_p_t* list) {
  return Guard("UF_MODL_create_list", [&] { *Need(list, "list") = NewNode(NULL_TAG); });
}

int UF_MODL_put_list_item(uf_list_p_t list, tag_t obj_id) {
  return Guard("UF_MODL_put_list_item", [&] {
    Need(list, "list");
    if (obj_id == NULL_TAG) throw HostError(HostStatus::InvalidArgument, "NULL_TAG cannot be put in a list");
    if (IsEmpty(list)) {
      list->eid = obj_id;
      return;
    }
    uf_list_p_t last = list;
    while (last->next) last = last->next;
    last->next = NewNode(obj_id);
  });
}

int UF_MODL_ask_list_count(uf_list_p_t list, int* count) {
  return Guard("UF_MODL_ask_list_count", [&] {
    Need(count, "count");
    *count = 0;
    if (!list || IsEmpty(list)) return;
    for (uf_list_p_t p = list; p; p = p->next) ++*count;
  });
}

int UF_MODL_ask_list_item(uf_list_p_t list, int list_index, tag_t* object) {
  return Guard("UF_MODL_ask_list_item", [&] {
    Need(object, "object");
    *object = NULL_TAG;
    int i = 0;
    for (uf_list_p_t p = list; p && !IsEmpty(list); p = p->next, ++i)
      if (i == list_index) {
        *object = p->eid;
        return;
      }
    throw HostError(HostStatus::InvalidArgument, "list index " + std::to_string(list_index) + " is out of range");
  });
}

int UF_MODL_delete_list_item(uf_list_p_t* list, tag_t object) {
  return Guard("UF_MODL_delete_list_item", [&] {
    uf_list_p_t head = *Need(list, "list");
    if (!head) return;
    if (head->eid == object) {
      if (head->next) {
        uf_list_p_t next = head->next;
        *head = *next;  // the caller's pointer keeps naming the list
        std::free(next);
      } else {
        head->eid = NULL_TAG;
      }
      return;
    }
    for (uf_list_p_t p = head; p->next; p = p->next)
      if (p->next->eid == object) {
        uf_list_p_t doomed = p->next;
        p->next = doomed->next;
        std::free(doomed);
        return;
      }
  });
}

int UF_MODL_delete_list(uf_list_p_t* list) {
  return Guard("UF_MODL_delete_list", [&] {
    uf_list_p_t p = *Need(list, "list");
    while (p) {
      uf_list_p_t next = p->next;
      std::free(p);
      p = next;
    }
    *list = nullptr;
  });
}

}  // extern "C"
