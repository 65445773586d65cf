// uf_attr.h: string attributes of objects and parts. An occurrence reads its
// prototype's value until it is given its own (Session::FindAttribute).
#include <uf_attr.h>

#include "platform/api/guard.h"
#include "platform/assemblies/occurrence.h"

using namespace platform;
using namespace platform::api;

namespace {

bool ReadsStrings(int type) { return type == UF_ATTR_string || type == UF_ATTR_any; }

void CheckType(int type) {
  if (type < UF_ATTR_integer || type > UF_ATTR_bool)
    throw HostError(HostStatus::InvalidArgument, "attribute type " + std::to_string(type) + " is not one of the host's (1..8)");
}

std::string Title(const char* title) {
  std::string t = NeedText(title, "title");
  if (t.empty()) throw HostError(HostStatus::InvalidArgument, "the attribute title is empty");
  if (t.size() > UF_ATTR_MAX_TITLE_LEN)
    throw HostError(HostStatus::InvalidArgument, "the attribute title is longer than " +
                                                     std::to_string(UF_ATTR_MAX_TITLE_LEN) + " bytes");
  return t;
}

void MarkModified(Object& object) {
  if (object.owner) object.owner->modified = true;
  if (auto* part = dynamic_cast<Part*>(&object)) part->modified = true;
}

// The attributes an object shows: its own, then its prototype's that it does not override.
std::vector<Attributes::Entry> Visible(Object& object) {
  std::vector<Attributes::Entry> entries = object.attributes.Entries();
  if (auto* bo = dynamic_cast<BodyOccurrence*>(&object))
    if (Object* proto = Session::Get().Find(bo->prototype))
      for (const auto& entry : proto->attributes.Entries())
        if (!object.attributes.Find(entry.first)) entries.push_back(entry);
  return entries;
}

// Fills `value` as a read of `type` does: allocated text for UF_ATTR_any or a NULL
// buffer, else a copy into the caller's buffer.
void PutString(int type, const std::string& text, UF_ATTR_value_p_t value) {
  if (type == UF_ATTR_string && value->value.string)
    CopyOut(value->value.string, UF_ATTR_MAX_STRING_BUFSIZE, text);
  else
    value->value.string = DupString(text);
  value->type = UF_ATTR_string;
}

}  // namespace

extern "C" {

int UF_ATTR_assign(tag_t object, const char* title, UF_ATTR_value_t value) {
  return Guard("UF_ATTR_assign", [&] {
    Object& target = Live(object);
    const std::string t = Title(title);
    if (value.type != UF_ATTR_string)
      throw HostError(HostStatus::NotImplemented,
                      "attribute \"" + t + "\": this host stores string attributes only (type 5), not type " +
                          std::to_string(value.type));
    target.attributes.Set(t, NeedText(value.value.string, "value.value.string"));
    MarkModified(target);
  });
}

int UF_ATTR_read_value(tag_t object, const char* title, int type, UF_ATTR_value_p_t value) {
  return Guard("UF_ATTR_read_value", [&] {
    Need(value, "value");
    Object& target = Live(object);
    const std::string t = Title(title);
    CheckType(type);
    const std::string* found = ReadsStrings(type) ? Session::Get().FindAttribute(target, t) : nullptr;
    if (!found) {
      value->type = 0;
      if (type == UF_ATTR_any) value->value.string = nullptr;
      return;
    }
    PutString(type, *found, value);
  });
}

int UF_ATTR_find_attribute(tag_t object, int type, const char* title, int* title_type) {
  return Guard("UF_ATTR_find_attribute", [&] {
    Need(title_type, "title_type");
    *title_type = 0;
    Object& target = Live(object);
    const std::string t = Title(title);
    CheckType(type);
    if (ReadsStrings(type) && Session::Get().FindAttribute(target, t)) *title_type = UF_ATTR_string;
  });
}

int UF_ATTR_delete(tag_t object, int type, const char* title) {
  return Guard("UF_ATTR_delete", [&] {
    Object& target = Live(object);
    const std::string t = Title(title);
    CheckType(type);
    if (ReadsStrings(type) && target.attributes.Remove(t)) MarkModified(target);
  });
}

int UF_ATTR_delete_all(tag_t object, int type) {
  return Guard("UF_ATTR_delete_all", [&] {
    Object& target = Live(object);
    CheckType(type);
    if (ReadsStrings(type) && !target.attributes.Empty()) {
      target.attributes.Clear();
      MarkModified(target);
    }
  });
}

int UF_ATTR_count_attributes(tag_t object, int type, int* count) {
  return Guard("UF_ATTR_count_attributes", [&] {
    Need(count, "count");
    *count = 0;
    Object& target = Live(object);
    CheckType(type);
    if (ReadsStrings(type)) *count = static_cast<int>(Visible(target).size());
  });
}

int UF_ATTR_cycle(tag_t object, int* indx, int type, char* title, UF_ATTR_value_p_t value) {
  return Guard("UF_ATTR_cycle", [&] {
    Need(indx, "indx");
    Need(value, "value");
    const int position = *indx;
    *indx = 0;
    Object& target = Live(object);
    CheckType(type);
    if (!ReadsStrings(type) || position < 0) return;
    const auto entries = Visible(target);
    if (position >= static_cast<int>(entries.size())) return;
    const auto& [entryTitle, entryValue] = entries[position];
    if (title) CopyOut(title, UF_ATTR_MAX_TITLE_BUFSIZE, entryTitle);
    PutString(type, entryValue, value);
    *indx = position + 1;
  });
}

}  // extern "C"
