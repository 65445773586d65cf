// The spreadsheet functions' argument checks, against a host that records what it is asked.
#include <gtest/gtest.h>

#include "platform/knowledge/excel_functions.h"
#include "platform/knowledge/rule_error.h"
#include "platform/knowledge/rule_set.h"

using namespace platform::knowledge;

namespace {

struct RecordingHost : ExcelHost {
  std::vector<std::string> calls;
  std::int64_t Open(const std::string& path, ExcelMode mode) override {
    calls.push_back("open " + path + (mode == ExcelMode::Write ? " write" : " read"));
    return 5;
  }
  void Write(std::int64_t handle, const CellRange& r, const std::vector<Value>& values) override {
    calls.push_back("write " + std::to_string(handle) + " sheet " + std::to_string(r.sheet) + " rows " +
                    std::to_string(r.firstRow) + "-" + std::to_string(r.lastRow) + " columns " +
                    std::to_string(r.firstColumn) + "-" + std::to_string(r.lastColumn) + " " + Describe(Value{values}));
  }
  void Close(std::int64_t handle, bool save) override {
    calls.push_back("close " + std::to_string(handle) + (save ? " save" : " discard"));
  }
};

std::string Outcome(RuleSet& rules, const std::string& text) {
  static int serial = 0;
  const std::string name = "r" + std::to_string(++serial);
  rules.Create(name, "Any", text);
  try {
    return Describe(rules.Evaluate(name));
  } catch (const RuleError& e) {
    return e.Cause();
  }
}

TEST(ExcelFunctions, ArgumentsReachTheHostInOrder) {
  RecordingHost host;
  const FunctionTable functions = ExcelFunctions(host);
  RuleSet rules(functions);
  rules.Create("open", "Integer Parameter", R"(ug_excel_open_file("D:\out\kzt.xlsx",Write))");
  rules.Create("w", "Boolean Parameter", R"(ug_excel_write_range(open:,{1,4,2,5,3,"a",2,"c",4.5}))");
  rules.Create("close", "Boolean Parameter", "ug_excel_close_file(open:,True)");
  rules.Create("demandvalue", "List Parameter", "{w:, close:}");
  rules.Update();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"open D:\\out\\kzt.xlsx write",
                                                  "write 5 sheet 1 rows 4-5 columns 2-3 {\"a\", 2, \"c\", 4.5}",
                                                  "close 5 save"}));
}

TEST(ExcelFunctions, BadArgumentsAreNamed) {
  RecordingHost host;
  const FunctionTable functions = ExcelFunctions(host);
  RuleSet rules(functions);
  EXPECT_EQ(Outcome(rules, R"(ug_excel_open_file("a.xlsx"))"), "ug_excel_open_file takes 2 arguments, not 1");
  EXPECT_EQ(Outcome(rules, R"(ug_excel_open_file("a.xlsx",Append))"),
            "ug_excel_open_file: the mode must be Read or Write, not Append");
  EXPECT_EQ(Outcome(rules, "ug_excel_open_file(3,Write)"), "ug_excel_open_file: the file must be a String, not 3");
  EXPECT_EQ(Outcome(rules, R"(ug_excel_write_range("h",{1,1,1,1,1,2}))"),
            "ug_excel_write_range: the workbook handle must be an Integer, not \"h\"");
  EXPECT_EQ(Outcome(rules, "ug_excel_write_range(1,{1,1,1,1,1})"),
            "ug_excel_write_range: the list needs a sheet, two rows, two columns and values, not {1, 1, 1, 1, 1}");
  EXPECT_EQ(Outcome(rules, "ug_excel_write_range(1,{1,0,1,0,1,2})"),
            "ug_excel_write_range: the first row must be a whole number from 1, not 0");
  EXPECT_EQ(Outcome(rules, "ug_excel_write_range(1,{1,4,1,4,2.0,2})"),
            "ug_excel_write_range: the last column must be a whole number from 1, not 2.0");
  EXPECT_EQ(Outcome(rules, "ug_excel_write_range(1,{1,5,1,4,1,2})"),
            "ug_excel_write_range: the last row and column must not come before the first");
  EXPECT_EQ(Outcome(rules, "ug_excel_write_range(1,{1,4,1,4,2,\"only one\"})"),
            "ug_excel_write_range: the range has 2 cells but 1 values are given");
  EXPECT_EQ(Outcome(rules, "ug_excel_close_file(1,\"yes\")"),
            "ug_excel_close_file: whether to save must be True or False, not \"yes\"");
  EXPECT_TRUE(host.calls.empty());  // nothing half-done reached the host
}

}  // namespace
