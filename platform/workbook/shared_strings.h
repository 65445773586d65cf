// The workbook's shared string table (xl/sharedStrings.xml): texts stored once, cells
// refer to them by index.
#pragma once
#include <string>
#include <unordered_map>

#include <pugixml.hpp>

namespace platform::workbook {

class SharedStrings {
public:
  // Parses the table's XML; throws WorkbookError(NotAWorkbook) naming `part` when it is
  // not a table.
  SharedStrings(const std::string& xml, const std::string& part);

  // The index of the stored (already encoded) text, adding it when new.
  int Index(const std::string& storedText);
  bool Changed() const { return changed_; }
  std::string Xml() const;

private:
  pugi::xml_document document_;
  pugi::xml_node table_;
  std::unordered_map<std::string, int> plainIndex_;  // only entries that are one plain run
  int count_ = 0;
  bool changed_ = false;
};

}  // namespace platform::workbook
