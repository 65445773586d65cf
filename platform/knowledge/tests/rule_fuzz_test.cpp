// The parser and evaluator against mutated rule texts: every outcome is a value or a
// RuleError, never a crash, a hang or another exception. A fixed seed, so a failure
// reproduces; a text that breaks something is kept as a case of its own below.
#include <random>

#include <gtest/gtest.h>

#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_set.h"

using namespace platform::knowledge;

namespace {

// Accepts every call so that deep evaluation paths are reached.
struct NullHost : ExcelHost {
  std::int64_t Open(const std::string&, ExcelMode) override { return 1; }
  void Write(std::int64_t, const CellRange&, const std::vector<Value>&) override {}
  void Close(std::int64_t, bool) override {}
};

const char* const kSeeds[] = {
    R"r(ug_excel_open_file("D:\out\kzt.xlsx",Write))r",
    R"r(ug_excel_write_range(open:,{1,4,1,4,1,"1"}))r",
    R"r(ug_excel_write_range(open:,{1,4,3,4,3,"钢板(100*50*8)"}))r",
    R"r(ug_excel_write_range(open:,{1,4,7,4,7,"0.312000"}))r",
    R"r(ug_excel_write_range(open:,{1,4,9,4,9,"say \"hi\" \\ "}))r",
    "{Write0:, Write1:,Write2:, Write3:, Write4:, Write5:, Write6:, Write7:, Write8: }",
    "ug_excel_close_file(open:,True)",
    "{close:}"};

// Bytes that matter to the grammar, plus a few that do not.
const std::string kAlphabet = "{}(),:\"\\ -+.e0123456789aZ_\t\n\xE9\x92\xA2";

std::string Mutate(std::string text, std::mt19937& random) {
  const int edits = 1 + random() % 4;
  for (int k = 0; k < edits; ++k) {
    const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
    const char c = kAlphabet[random() % kAlphabet.size()];
    switch (random() % 4) {
      case 0: text.insert(at, 1, c); break;
      case 1: if (at < text.size()) text.erase(at, 1); break;
      case 2: if (at < text.size()) text[at] = c; break;
      case 3: if (!text.empty()) text.insert(at, text.substr(random() % text.size(), random() % 12)); break;
    }
  }
  return text;
}

// Runs the export's rule names over `texts`; anything but a RuleError escaping fails.
void Exercise(const std::vector<std::string>& texts) {
  NullHost host;
  const FunctionTable functions = ExcelFunctions(host);
  RuleSet rules(functions);
  const char* names[] = {"open", "Write0", "Write1", "Write2", "Write3", "demandvalue", "close", "Write4"};
  const char* types[] = {"Integer Parameter", "Boolean Parameter", "Any", "List Parameter"};
  for (size_t i = 0; i < texts.size(); ++i) {
    try {
      rules.Create(names[i % std::size(names)], types[i % std::size(types)], texts[i]);
    } catch (const RuleError&) {
    }
  }
  try {
    rules.Update();
  } catch (const RuleError&) {
  }
  for (const std::string& name : rules.Names()) {
    try {
      rules.Evaluate(name);
    } catch (const RuleError&) {
    }
  }
}

TEST(RuleFuzz, MutatedRuleTextsGiveValuesOrRuleErrors) {
  constexpr int kRounds = 20000;
  std::mt19937 random(20240611);
  for (int round = 0; round < kRounds; ++round) {
    std::vector<std::string> texts;
    for (const char* seed : kSeeds) texts.push_back(round % 3 == 0 ? seed : Mutate(seed, random));
    std::shuffle(texts.begin(), texts.end(), random);
    ASSERT_NO_FATAL_FAILURE(Exercise(texts)) << "round " << round;
  }
}

TEST(RuleFuzz, EveryNameInACycleAndEachConstructCutShort) {
  Exercise({"{open:}", "{Write0:}", "{Write1:}", "{Write2:}", "{Write3:}", "{demandvalue:}", "{close:}", "{open:}"});
  Exercise({"-", "\"\\", "{", "f(", "1e", "a:b:", "{,}", std::string(70, '{')});
}

}  // namespace
