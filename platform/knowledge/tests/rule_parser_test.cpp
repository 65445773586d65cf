// Reading rule texts: every form the add-on writes, and faults named by column.
#include <gtest/gtest.h>

#include "platform/knowledge/rule_parser.h"

using namespace platform::knowledge;

namespace {

Value Literal(const std::string& text) {
  const Expression e = ParseRule(text);
  EXPECT_EQ(e.kind, Expression::Kind::Literal) << text;
  return e.literal;
}

size_t FaultColumn(const std::string& text) {
  try {
    ParseRule(text);
  } catch (const SyntaxError& e) {
    return e.Column();
  }
  ADD_FAILURE() << "parsed: " << text;
  return 0;
}

TEST(RuleParser, LiteralsOfEachType) {
  EXPECT_EQ(Literal("42"), Value{std::int64_t{42}});
  EXPECT_EQ(Literal(" -7 "), Value{std::int64_t{-7}});
  EXPECT_EQ(Literal("+3"), Value{std::int64_t{3}});
  EXPECT_EQ(Literal("0.312000"), Value{0.312});
  EXPECT_EQ(Literal("1e3"), Value{1000.0});
  EXPECT_EQ(Literal("True"), Value{true});
  EXPECT_EQ(Literal("FALSE"), Value{false});
  EXPECT_EQ(Literal("Write"), Value{Name{"Write"}});
  EXPECT_EQ(Literal("\"钢板(100*50*8)\""), Value{std::string("钢板(100*50*8)")});
}

TEST(RuleParser, StringEscapesKeepQuotesAndBackslashes) {
  EXPECT_EQ(Literal(R"("say \"hi\"")"), Value{std::string("say \"hi\"")});
  EXPECT_EQ(Literal(R"("a\\b")"), Value{std::string("a\\b")});
  EXPECT_EQ(Literal(R"("\\\"")"), Value{std::string("\\\"")});
  // A lone backslash is itself: Windows paths need no escaping.
  EXPECT_EQ(Literal(R"("D:\bom\kzt.xlsx")"), Value{std::string("D:\\bom\\kzt.xlsx")});
  EXPECT_EQ(Literal(R"("")"), Value{std::string()});
}

TEST(RuleParser, TheAddOnsRuleForms) {
  const Expression open = ParseRule(R"(ug_excel_open_file("D:\out\kzt.xlsx",Write))");
  ASSERT_EQ(open.kind, Expression::Kind::Call);
  EXPECT_EQ(open.name, "ug_excel_open_file");
  ASSERT_EQ(open.items.size(), 2u);
  EXPECT_EQ(open.items[1].literal, Value{Name{"Write"}});

  const Expression write = ParseRule(R"(ug_excel_write_range(open:,{1,4,7,4,7,"0.312000"}))");
  ASSERT_EQ(write.items.size(), 2u);
  EXPECT_EQ(write.items[0].kind, Expression::Kind::Reference);
  EXPECT_EQ(write.items[0].name, "open");
  ASSERT_EQ(write.items[1].kind, Expression::Kind::List);
  ASSERT_EQ(write.items[1].items.size(), 6u);
  EXPECT_EQ(write.items[1].items[5].literal, Value{std::string("0.312000")});

  const Expression demand = ParseRule("{Write0:, Write1:,Write2:, Write3:, Write4:, Write5:, Write6:, Write7:, Write8: }");
  ASSERT_EQ(demand.items.size(), 9u);
  EXPECT_EQ(demand.items[8].name, "Write8");

  const Expression close = ParseRule("ug_excel_close_file(open:,True)");
  EXPECT_EQ(close.items[1].literal, Value{true});
  EXPECT_TRUE(ParseRule("{}").items.empty());
  EXPECT_TRUE(ParseRule("f()").items.empty());
}

TEST(RuleParser, FaultsAreReportedAtTheirColumn) {
  EXPECT_EQ(FaultColumn(""), 1u);
  EXPECT_EQ(FaultColumn("   "), 4u);
  EXPECT_EQ(FaultColumn(R"("open)"), 6u);        // no closing quote: at the end
  EXPECT_EQ(FaultColumn("{1,,2}"), 4u);
  EXPECT_EQ(FaultColumn("{1 2}"), 4u);
  EXPECT_EQ(FaultColumn("f(1"), 4u);
  EXPECT_EQ(FaultColumn("1 2"), 3u);
  EXPECT_EQ(FaultColumn("12ab"), 3u);
  EXPECT_EQ(FaultColumn("-"), 2u);
  EXPECT_EQ(FaultColumn("1."), 3u);
  EXPECT_EQ(FaultColumn("1e"), 3u);
  EXPECT_EQ(FaultColumn("@"), 1u);
  EXPECT_EQ(FaultColumn("{1,}"), 4u);
  EXPECT_EQ(FaultColumn("99999999999999999999"), 21u);  // past the largest whole number
  // A value holding an unescaped quote breaks the text: the fault is found, not skipped.
  EXPECT_GT(FaultColumn(R"(ug_excel_write_range(open:,{1,4,3,4,3,"12" pipe"}))"), 0u);
}

TEST(RuleParser, NestingIsBounded) {
  EXPECT_NO_THROW(ParseRule(std::string(60, '{') + std::string(60, '}')));
  EXPECT_GT(FaultColumn(std::string(100000, '{')), 0u);
}

}  // namespace
