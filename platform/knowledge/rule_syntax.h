// A parsed rule text: a tree of literals, references to other rules, lists and calls.
#pragma once
#include <string>
#include <vector>

#include "platform/knowledge/value.h"

namespace platform::knowledge {

struct Expression {
  enum class Kind { Literal, Reference, List, Call };
  Kind kind = Kind::Literal;
  Value literal;                  // Literal
  std::string name;               // Reference: the rule; Call: the function
  std::vector<Expression> items;  // List: the items; Call: the arguments
};

}  // namespace platform::knowledge
