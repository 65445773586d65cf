// A rule that cannot be created or evaluated: the message names the rule.
#pragma once
#include <stdexcept>
#include <string>

namespace platform::knowledge {

class RuleError : public std::runtime_error {
public:
  RuleError(const std::string& rule, const std::string& cause)
      : std::runtime_error("rule " + rule + ": " + cause), rule_(rule), cause_(cause) {}
  const std::string& Rule() const { return rule_; }
  const std::string& Cause() const { return cause_; }

private:
  std::string rule_, cause_;
};

}  // namespace platform::knowledge
