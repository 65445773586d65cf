#include "platform/objects/attributes.h"

#include <algorithm>

namespace platform {

void Attributes::Set(const std::string& title, const std::string& value) {
  for (auto& entry : entries_)
    if (entry.first == title) {
      entry.second = value;
      return;
    }
  entries_.emplace_back(title, value);
}

const std::string* Attributes::Find(const std::string& title) const {
  for (const auto& entry : entries_)
    if (entry.first == title) return &entry.second;
  return nullptr;
}

bool Attributes::Remove(const std::string& title) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return e.first == title; });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

}  // namespace platform
