#include "platform/workbook/shared_strings.h"

#include "platform/workbook/workbook_error.h"
#include "platform/workbook/xml_part.h"

namespace platform::workbook {

SharedStrings::SharedStrings(const std::string& xml, const std::string& part) {
  ParsePart(document_, xml, part);
  table_ = document_.child("sst");
  if (!table_) throw WorkbookError(WorkbookProblem::NotAWorkbook, "part " + part + " is not a shared string table");
  // "count" (references) is optional and would go stale as cells are overwritten.
  table_.remove_attribute("count");
  for (pugi::xml_node item : table_.children("si")) {
    const pugi::xml_node t = item.child("t");
    // Rich-text entries (runs of <r>) keep their index but are never reused for plain text.
    if (t && !item.child("r")) plainIndex_.try_emplace(t.text().get(), count_);
    ++count_;
  }
}

int SharedStrings::Index(const std::string& storedText) {
  if (auto found = plainIndex_.find(storedText); found != plainIndex_.end()) return found->second;
  SetTextElement(table_.append_child("si").append_child("t"), storedText);
  plainIndex_.emplace(storedText, count_);
  changed_ = true;
  ++count_;
  if (auto unique = table_.attribute("uniqueCount")) unique.set_value(count_);
  return count_ - 1;
}

std::string SharedStrings::Xml() const {
  return PartText(document_);
}

}  // namespace platform::workbook
