#include "platform/knowledge/tests/bom_rules.h"

#include <cstdio>

namespace fabdoc_test {

namespace {

constexpr int kFirstRow = 4;

std::string Format(const char* format, int row, const std::string& value) {
  char text[4096];
  std::snprintf(text, sizeof text, format, row, row, value.c_str());
  return text;
}

std::string Number(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string EscapedForRule(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

void WriteBomRows(platform::knowledge::RuleSet& rules, const std::string& workingCopy, const std::vector<BomRow>& rows) {
  rules.Create("open", "Integer Parameter", "ug_excel_open_file(\"" + workingCopy + ".xlsx\",Write)");
  for (size_t i = 0; i < rows.size(); ++i) {
    const BomRow& b = rows[i];
    const int row = kFirstRow + int(i);
    const std::string texts[9] = {
        Format("ug_excel_write_range(open:,{1,%d,1,%d,1,\"%s\"})", row, std::to_string(i + 1)),
        Format("ug_excel_write_range(open:,{1,%d,2,%d,2,\"%s\"})", row, EscapedForRule(b.drawingNumber)),
        Format("ug_excel_write_range(open:,{1,%d,3,%d,3,\"%s\"})", row, EscapedForRule(b.name)),
        Format("ug_excel_write_range(open:,{1,%d,5,%d,5,\"%s\"})", row, std::to_string(b.quantity)),
        Format("ug_excel_write_range(open:,{1,%d,6,%d,6,\"%s\"})", row, EscapedForRule(b.material)),
        Format("ug_excel_write_range(open:,{1,%d,7,%d,7,\"%s\"})", row, Number("%f", b.massKg)),
        Format("ug_excel_write_range(open:,{1,%d,9,%d,9,\"%s\"})", row, EscapedForRule(b.remark)),
        Format("ug_excel_write_range(open:,{1,%d,4,%d,4,\"%s\"})", row, EscapedForRule(b.stock)),
        Format("ug_excel_write_range(open:,{1,%d,10,%d,10,\"%s\"})", row, std::to_string(b.category))};
    for (int k = 0; k < 9; ++k) rules.Create("Write" + std::to_string(k), "Boolean Parameter", texts[k]);
    rules.Create("demandvalue", "List Parameter",
                 "{Write0:, Write1:,Write2:, Write3:, Write4:, Write5:, Write6:, Write7:, Write8: }");
    try {
      rules.Update();
    } catch (...) {
      rules.Delete("demandvalue");
      for (int k = 0; k < 9; ++k) rules.Delete("Write" + std::to_string(k));
      rules.Delete("open");
      throw;
    }
    rules.Delete("demandvalue");
    for (int k = 0; k < 9; ++k) rules.Delete("Write" + std::to_string(k));
  }
  rules.Create("close", "Boolean Parameter", "ug_excel_close_file(open:,True)");
  rules.Create("demandvalue", "List Parameter", "{close:}");
  try {
    rules.Update();
  } catch (...) {
    for (const char* name : {"demandvalue", "open", "close"}) rules.Delete(name);
    throw;
  }
  for (const char* name : {"demandvalue", "open", "close"}) rules.Delete(name);
  rules.Update();
}

}  // namespace fabdoc_test
