// One worksheet part being edited: finds or makes the cell element for an address and
// sets its value, leaving every other element of the part as it was.
#pragma once
#include <map>
#include <string>

#include <pugixml.hpp>

namespace platform::workbook {

class Worksheet {
public:
  // Parses the part; throws WorkbookError(NotAWorkbook) naming `part`.
  Worksheet(const std::string& xml, const std::string& part);

  // Each setter replaces value and formula of the cell and keeps its style; a new cell
  // takes the style of its row, else of its column, as a spreadsheet does when one types
  // into an empty cell. Throws WorkbookError(Unsupported) for a cell that anchors a
  // shared or array formula, whose other cells would lose their formula.
  void SetNumber(int row, int column, double value);
  void SetSharedText(int row, int column, int index);
  void SetInlineText(int row, int column, const std::string& storedText);
  void SetEmpty(int row, int column);

  bool Changed() const { return changed_; }
  // The part's XML. Cached results of formulas are dropped (written cells may feed them),
  // so that the reading program computes them afresh.
  std::string Xml();

private:
  pugi::xml_node Cell(int row, int column);
  pugi::xml_node Row(int row);
  const char* ColumnStyle(int column) const;
  void Extend(int row, int column);

  std::string part_;
  pugi::xml_document document_;
  pugi::xml_node sheetData_;
  std::map<int, pugi::xml_node> rows_;
  int lastRow_ = 0, lastColumn_ = 0;  // extent of the written cells, for <dimension>
  bool changed_ = false;
};

}  // namespace platform::workbook
