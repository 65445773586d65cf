#include "platform/knowledge/value.h"

#include <charconv>

namespace platform::knowledge {

const char* TypeName(const Value& value) {
  static constexpr const char* kNames[] = {"Integer", "Number", "Boolean", "String", "Name", "List"};
  return kNames[value.data.index()];
}

std::string Describe(const Value& value) {
  struct Writer {
    std::string operator()(std::int64_t n) const { return std::to_string(n); }
    std::string operator()(double x) const {
      char digits[32];
      std::string text(digits, std::to_chars(digits, digits + sizeof digits, x).ptr);
      // A Number that happens to be whole still reads as a Number: 2.0, not 2.
      if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
      return text;
    }
    std::string operator()(bool b) const { return b ? "True" : "False"; }
    std::string operator()(const std::string& s) const {
      std::string out = "\"";
      for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
      }
      return out + "\"";
    }
    std::string operator()(const Name& n) const { return n.text; }
    std::string operator()(const List& items) const {
      std::string out = "{";
      for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + Describe(items[i]);
      return out + "}";
    }
  };
  return std::visit(Writer{}, value.data);
}

}  // namespace platform::knowledge
