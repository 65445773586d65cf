// The values knowledge rules compute: whole numbers, numbers, booleans, strings, names
// (bare words such as Write) and lists of values.
#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace platform::knowledge {

struct Name {
  std::string text;
  bool operator==(const Name&) const = default;
};

struct Value;
using List = std::vector<Value>;

struct Value {
  std::variant<std::int64_t, double, bool, std::string, Name, List> data;

  bool operator==(const Value&) const = default;
  template <class T> bool Is() const { return std::holds_alternative<T>(data); }
  template <class T> const T& As() const { return std::get<T>(data); }
};

// "Integer", "Number", "Boolean", "String", "Name" or "List".
const char* TypeName(const Value& value);
// The value written as a rule would write it: 3, 0.5, True, "text", Write, {1, "a"}.
std::string Describe(const Value& value);

}  // namespace platform::knowledge
