// String attributes of an object or part, in the order they were first assigned.
// Titles and values are host text (GBK bytes).
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace platform {

class Attributes {
public:
  using Entry = std::pair<std::string, std::string>;

  void Set(const std::string& title, const std::string& value);
  const std::string* Find(const std::string& title) const;
  bool Remove(const std::string& title);
  void Clear() { entries_.clear(); }
  bool Empty() const { return entries_.empty(); }
  const std::vector<Entry>& Entries() const { return entries_; }

private:
  std::vector<Entry> entries_;
};

}  // namespace platform
