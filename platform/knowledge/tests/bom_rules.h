// Test support: the rules the BOM export creates, in the order and with the texts it
// uses, driven against a rule set; values escaped so that quotes and backslashes survive.
#pragma once
#include <string>
#include <vector>

#include "platform/knowledge/rule_set.h"

namespace fabdoc_test {

struct BomRow {
  std::string drawingNumber, name, stock, material, remark;
  int quantity = 1;
  double massKg = 0;
  int category = 1;
};

// `text` inside a rule's double quotes: \ and " preceded by a backslash.
std::string EscapedForRule(const std::string& text);

// Opens `workingCopy` + ".xlsx", writes `rows` from row 4 rule by rule, closes with save.
// Throws RuleError at the first update that fails, as the host call would return it.
void WriteBomRows(platform::knowledge::RuleSet& rules, const std::string& workingCopy, const std::vector<BomRow>& rows);

}  // namespace fabdoc_test
