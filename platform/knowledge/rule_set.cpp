#include "platform/knowledge/rule_set.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_parser.h"

namespace platform::knowledge {

namespace {

// A chain of references longer than this is refused rather than risking the stack.
constexpr size_t kMaxReferenceDepth = 1000;

bool IsRuleName(const std::string& name) {
  if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool Fits(RuleType type, const Value& v) {
  switch (type) {
    case RuleType::Integer: return v.Is<std::int64_t>();
    case RuleType::Number: return v.Is<std::int64_t>() || v.Is<double>();
    case RuleType::Boolean: return v.Is<bool>();
    case RuleType::String: return v.Is<std::string>();
    case RuleType::List: return v.Is<List>();
    case RuleType::Any: return true;
  }
  return false;
}

const char* TypeText(RuleType type) {
  static constexpr const char* kTexts[] = {"Integer", "Number", "Boolean", "String", "List", "Any"};
  return kTexts[static_cast<int>(type)];
}

}  // namespace

std::optional<RuleType> ParseRuleType(std::string_view text) {
  constexpr std::string_view kSuffix = " Parameter";
  if (text.size() > kSuffix.size() && strncasecmp(text.data() + text.size() - kSuffix.size(), kSuffix.data(), kSuffix.size()) == 0)
    text.remove_suffix(kSuffix.size());
  for (RuleType type : {RuleType::Integer, RuleType::Number, RuleType::Boolean, RuleType::String, RuleType::List, RuleType::Any}) {
    const std::string_view name = TypeText(type);
    if (text.size() == name.size() && strncasecmp(text.data(), name.data(), name.size()) == 0) return type;
  }
  return std::nullopt;
}

void RuleSet::Create(const std::string& name, std::string_view type, const std::string& text) {
  if (!IsRuleName(name)) throw RuleError(name, "a rule name is a letter or \"_\" followed by letters, digits or \"_\"");
  if (Has(name)) throw RuleError(name, "a rule of this name exists already");
  const std::optional<RuleType> ruleType = ParseRuleType(type);
  if (!ruleType) throw RuleError(name, "unknown rule type \"" + std::string(type) + "\"");
  Rule rule;
  rule.type = *ruleType;
  rule.text = text;
  try {
    rule.expression = ParseRule(text);
  } catch (const SyntaxError& e) {
    throw RuleError(name, "cannot parse " + std::string(e.what()) + " of the text: " + text);
  }
  rules_.emplace(name, std::move(rule));
  order_.push_back(name);
}

void RuleSet::Delete(const std::string& name) {
  if (!Has(name)) throw RuleError(name, "there is no rule of this name");
  rules_.erase(name);
  std::erase(order_, name);
  ForgetUsersOf(name);
}

void RuleSet::ForgetUsersOf(const std::string& name) {
  for (auto& [userName, user] : rules_)
    if (user.uses.count(name) && user.state != State::Pending) {
      user.state = State::Pending;
      user.uses.clear();
      ForgetUsersOf(userName);
    }
}

const Value& RuleSet::Evaluate(const std::string& name) {
  const auto found = rules_.find(name);
  if (found == rules_.end()) throw RuleError(name, "there is no rule of this name");
  Rule& rule = found->second;
  switch (rule.state) {
    case State::Done: return rule.value;
    case State::Failed: throw RuleError(name, rule.failure);
    case State::Evaluating: {
      std::string loop;
      for (auto it = std::find(running_.begin(), running_.end(), name); it != running_.end(); ++it) loop += *it + ": -> ";
      throw RuleError(name, "circular reference " + loop + name + ":");
    }
    case State::Pending: break;
  }
  if (running_.size() >= kMaxReferenceDepth)
    throw RuleError(name, "references nested deeper than " + std::to_string(kMaxReferenceDepth) + " rules");
  rule.state = State::Evaluating;
  running_.push_back(name);
  try {
    Value value = Compute(name, rule, rule.expression);
    if (!Fits(rule.type, value))
      throw RuleError(name, std::string("the value ") + Describe(value) + " is a " + TypeName(value) +
                                "; the rule's type is " + TypeText(rule.type));
    rule.value = std::move(value);
    rule.state = State::Done;
  } catch (const RuleError& e) {
    running_.pop_back();
    rule.state = State::Failed;
    rule.failure = e.Rule() == name ? e.Cause() : e.what();
    throw RuleError(name, rule.failure);
  }
  running_.pop_back();
  return rule.value;
}

Value RuleSet::Compute(const std::string& ruleName, Rule& rule, const Expression& e) {
  switch (e.kind) {
    case Expression::Kind::Literal: return e.literal;
    case Expression::Kind::Reference: rule.uses.insert(e.name); return Evaluate(e.name);
    case Expression::Kind::List: {
      List items;
      for (const Expression& item : e.items) items.push_back(Compute(ruleName, rule, item));
      return Value{std::move(items)};
    }
    case Expression::Kind::Call: {
      const auto function = functions_.find(e.name);
      if (function == functions_.end()) throw RuleError(ruleName, "unknown function " + e.name);
      std::vector<Value> arguments;
      for (const Expression& item : e.items) arguments.push_back(Compute(ruleName, rule, item));
      try {
        return function->second(arguments);
      } catch (const std::runtime_error& failure) {
        throw RuleError(ruleName, failure.what());
      }
    }
  }
  return {};
}

void RuleSet::Update() {
  std::optional<RuleError> first;
  size_t failures = 0;
  for (const std::string& name : std::vector<std::string>(order_)) {
    if (!Has(name) || rules_.at(name).state != State::Pending) continue;
    try {
      Evaluate(name);
    } catch (const RuleError& e) {
      if (!first) first = e;
      ++failures;
    }
  }
  if (first && failures > 1)
    throw RuleError(first->Rule(), first->Cause() + " (" + std::to_string(failures) + " rules failed)");
  if (first) throw *first;
}

}  // namespace platform::knowledge
