// Creating, evaluating and deleting rules: each once, what it uses first, faults named.
#include <gtest/gtest.h>

#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_set.h"

using namespace platform::knowledge;

namespace {

// Functions that record their calls: note(x) returns x; write(...) returns True;
// fail() throws.
struct Recorder {
  std::vector<std::string> calls;
  int failures = 0;
  FunctionTable table{
      {"note", [this](const std::vector<Value>& a) { calls.push_back("note " + Describe(a.at(0))); return a.at(0); }},
      {"write", [this](const std::vector<Value>& a) { calls.push_back("write " + Describe(Value{a})); return Value{true}; }},
      {"fail", [this](const std::vector<Value>&) -> Value { ++failures; throw std::runtime_error("disk on fire"); }}};
};

template <class Action>
std::string ErrorOf(Action action) {
  try {
    action();
  } catch (const RuleError& e) {
    return e.what();
  }
  return "no error";
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A rule set on the recording functions.
class Rules : public ::testing::Test {
protected:
  Recorder r;
  RuleSet rules{r.table};
};

TEST_F(Rules, ARuleIsEvaluatedOnceAfterTheRulesItUses) {
  rules.Create("open", "Integer Parameter", "note(7)");
  rules.Create("Write0", "Boolean Parameter", "write(open:, 1)");
  rules.Create("Write1", "Boolean Parameter", "write(open:, 2)");
  rules.Create("demandvalue", "List Parameter", "{Write1:, Write0: }");
  EXPECT_EQ(rules.Evaluate("demandvalue"), (Value{List{Value{true}, Value{true}}}));
  // open first, once, although both writes use it; then the writes in the list's order.
  EXPECT_EQ(r.calls, (std::vector<std::string>{"note 7", "write {7, 2}", "write {7, 1}"}));
  rules.Evaluate("demandvalue");
  rules.Update();
  EXPECT_EQ(r.calls.size(), 3u);
}

TEST_F(Rules, UpdateEvaluatesWhatIsPendingInCreationOrder) {
  rules.Create("b", "Any", "write(\"b\")");
  rules.Create("a", "Any", "write(\"a\")");
  rules.Update();
  rules.Create("c", "Any", "write(\"c\")");
  rules.Update();
  EXPECT_EQ(r.calls, (std::vector<std::string>{"write {\"b\"}", "write {\"a\"}", "write {\"c\"}"}));
}

TEST_F(Rules, DeletingARuleMakesItsUsersEvaluateAgain) {
  rules.Create("open", "Integer", "note(7)");
  rules.Create("w", "Boolean", "write(open:)");
  rules.Update();
  rules.Delete("open");
  EXPECT_FALSE(rules.Has("open"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("w"); }), "rule open: there is no rule"));
  rules.Delete("w");
  rules.Create("open", "Integer", "note(8)");
  rules.Create("w", "Boolean", "write(open:)");
  rules.Update();
  EXPECT_EQ(r.calls.back(), "write {8}");
  EXPECT_EQ(rules.Names(), (std::vector<std::string>{"open", "w"}));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Delete("nothing"); }), "rule nothing: there is no rule"));
}

TEST_F(Rules, CircularReferencesAreFoundNotFollowed) {
  rules.Create("a", "List", "{b:}");
  rules.Create("b", "List", "{c:}");
  rules.Create("c", "List", "{note(1), a:}");
  rules.Create("self", "List", "{self:}");
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("a"); }), "circular reference a: -> b: -> c: -> a:"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("self"); }), "circular reference self: -> self:"));
}

TEST_F(Rules, EvaluationFaultsNameTheRuleAndAreRemembered) {
  rules.Create("lost", "Any", "{missing:}");
  rules.Create("typo", "Any", "ug_excel_opn_file(1)");
  rules.Create("open", "Integer Parameter", "True");
  rules.Create("broken", "Boolean Parameter", "fail()");
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("lost"); }), "rule missing: there is no rule"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("typo"); }), "rule typo: unknown function ug_excel_opn_file"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("open"); }), "rule open: the value True is a Boolean; the rule's type is Integer"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("broken"); }), "rule broken: disk on fire"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("broken"); }), "rule broken: disk on fire"));
  EXPECT_EQ(r.failures, 1);  // evaluated once, failure included
}

TEST_F(Rules, UpdateTriesEveryRuleThenReportsTheFirstFailure) {
  rules.Create("x", "Any", "fail()");
  rules.Create("y", "Any", "write(1)");
  rules.Create("z", "Any", "{x:}");
  const std::string error = ErrorOf([&] { rules.Update(); });
  EXPECT_TRUE(Has(error, "rule x: disk on fire (2 rules failed)")) << error;
  EXPECT_EQ(r.calls, std::vector<std::string>{"write {1}"});
  EXPECT_EQ(ErrorOf([&] { rules.Update(); }), "no error");  // reported once, not again
}

TEST_F(Rules, CreatingRefusesBadNamesTypesAndTexts) {
  const std::string parse = ErrorOf([&] { rules.Create("Write2", "Boolean Parameter", R"(write({1,4,3,4,3,"a"b"}))"); });
  EXPECT_TRUE(Has(parse, "rule Write2: cannot parse column 21")) << parse;
  EXPECT_TRUE(Has(parse, R"(of the text: write({1,4,3,4,3,"a"b"}))")) << parse;
  EXPECT_FALSE(rules.Has("Write2"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Create("1x", "Any", "1"); }), "rule 1x: a rule name is"));
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Create("f", "Float Parameter", "1"); }), "unknown rule type \"Float Parameter\""));
  rules.Create("open", "Integer Parameter", "1");
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Create("open", "Integer Parameter", "2"); }), "exists already"));
}

TEST_F(Rules, LongReferenceChainsAreRefusedBeforeTheStackRunsOut) {
  constexpr int kRules = 5000;
  for (int i = 0; i < kRules; ++i)
    rules.Create("r" + std::to_string(i), "Any", i + 1 < kRules ? "{r" + std::to_string(i + 1) + ":}" : "1");
  EXPECT_TRUE(Has(ErrorOf([&] { rules.Evaluate("r0"); }), "nested deeper than 1000 rules"));
}

TEST(RuleTypes, ParameterSuffixAndCaseAreOptional) {
  EXPECT_EQ(ParseRuleType("Integer Parameter"), RuleType::Integer);
  EXPECT_EQ(ParseRuleType("boolean parameter"), RuleType::Boolean);
  EXPECT_EQ(ParseRuleType("List"), RuleType::List);
  EXPECT_EQ(ParseRuleType("Number"), RuleType::Number);
  EXPECT_FALSE(ParseRuleType("Parameter"));
  EXPECT_FALSE(ParseRuleType("Integer Parameters"));
}

}  // namespace
