// The knowledge rules of one part instance: created by name with a type and a text,
// evaluated on demand (each once, the rules it refers to first), deleted by name.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/knowledge/functions.h"
#include "platform/knowledge/rule_syntax.h"
#include "platform/knowledge/value.h"

namespace platform::knowledge {

enum class RuleType { Integer, Number, Boolean, String, List, Any };

// "Integer Parameter" or "Integer" (case-insensitive), likewise Number, Boolean, String,
// List and Any; nothing for another text.
std::optional<RuleType> ParseRuleType(std::string_view text);

class RuleSet {
public:
  // `functions` must outlive the rule set.
  explicit RuleSet(const FunctionTable& functions) : functions_(functions) {}

  // Parses `text` now; throws RuleError naming the rule for a bad name, a name in use, an
  // unknown type or a text that cannot be parsed (with the column and the text).
  void Create(const std::string& name, std::string_view type, const std::string& text);
  // Throws RuleError when there is no such rule. Rules that used it will be evaluated
  // again when next demanded.
  void Delete(const std::string& name);
  bool Has(const std::string& name) const { return rules_.count(name) != 0; }
  std::vector<std::string> Names() const { return order_; }

  // The rule's value, evaluating it and what it refers to first, unless done already.
  // Throws RuleError naming the rule: unknown rule or function, a circular reference, a
  // function's failure, or a value not of the rule's type. A failure is remembered too.
  const Value& Evaluate(const std::string& name);
  // Evaluates every rule not evaluated yet, in creation order. All are tried; then the
  // first new failure is thrown, saying how many rules failed.
  void Update();

private:
  enum class State { Pending, Evaluating, Done, Failed };
  struct Rule {
    RuleType type = RuleType::Any;
    std::string text;
    Expression expression;
    State state = State::Pending;
    Value value;
    std::string failure;
    std::set<std::string> uses;
  };

  Value Compute(const std::string& ruleName, Rule& rule, const Expression& e);
  void ForgetUsersOf(const std::string& name);

  const FunctionTable& functions_;
  std::map<std::string, Rule> rules_;
  std::vector<std::string> order_;    // creation order
  std::vector<std::string> running_;  // rules being evaluated, outermost first
};

}  // namespace platform::knowledge
