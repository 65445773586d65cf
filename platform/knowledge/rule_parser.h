// Reading rule texts: literals 3, -2.5, "text" (with \" and \\ for a quote and a
// backslash), True and False, bare names, references name:, lists {a, b} and calls f(a, b).
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/knowledge/rule_syntax.h"

namespace platform::knowledge {

class SyntaxError : public std::runtime_error {
public:
  SyntaxError(size_t column, const std::string& what)
      : std::runtime_error("column " + std::to_string(column) + ": " + what), column_(column) {}
  size_t Column() const { return column_; }  // from 1, in bytes

private:
  size_t column_;
};

// Parses a whole rule text (UTF-8); throws SyntaxError at the first fault.
Expression ParseRule(std::string_view text);

}  // namespace platform::knowledge
