#include "platform/workbook/worksheet.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "platform/workbook/cell_reference.h"
#include "platform/workbook/workbook_error.h"
#include "platform/workbook/xml_part.h"

namespace platform::workbook {

namespace {

// A row without a number follows the one before it.
int RowNumber(pugi::xml_node row, int previous, const std::string& part) {
  const long long number = row.attribute("r").as_llong(0);
  const long long resolved = number > 0 ? number : previous + 1LL;
  if (resolved > kMaxRow)
    throw WorkbookError(WorkbookProblem::NotAWorkbook,
                        "part " + part + " has row " + std::to_string(resolved) + ", outside the sheet");
  return static_cast<int>(resolved);
}

int ColumnNumber(pugi::xml_node cell, int previous) {
  if (auto address = ParseCellName(cell.attribute("r").value())) return address->column;
  return previous + 1;
}

}  // namespace

Worksheet::Worksheet(const std::string& xml, const std::string& part) : part_(part) {
  ParsePart(document_, xml, part);
  sheetData_ = document_.child("worksheet").child("sheetData");
  if (!sheetData_)
    throw WorkbookError(WorkbookProblem::NotAWorkbook,
                        "part " + part + " is not a worksheet (no <worksheet><sheetData> in the default namespace)");
  int previous = 0;
  for (pugi::xml_node row : sheetData_.children("row")) {
    previous = RowNumber(row, previous, part);
    rows_[previous] = row;
  }
}

pugi::xml_node Worksheet::Row(int row) {
  auto next = rows_.lower_bound(row);
  if (next != rows_.end() && next->first == row) return next->second;
  pugi::xml_node node = next == rows_.end() ? sheetData_.append_child("row")
                                            : sheetData_.insert_child_before("row", next->second);
  node.append_attribute("r") = row;
  rows_.emplace_hint(next, row, node);
  return node;
}

const char* Worksheet::ColumnStyle(int column) const {
  for (pugi::xml_node col : document_.child("worksheet").child("cols").children("col"))
    if (col.attribute("min").as_int() <= column && column <= col.attribute("max").as_int())
      return col.attribute("style").value();
  return "";
}

pugi::xml_node Worksheet::Cell(int row, int column) {
  pugi::xml_node rowNode = Row(row);
  pugi::xml_node before;
  int previous = 0;
  for (pugi::xml_node cell : rowNode.children("c")) {
    previous = ColumnNumber(cell, previous);
    if (previous == column) return cell;
    if (previous > column) {
      before = cell;
      break;
    }
  }
  pugi::xml_node cell = before ? rowNode.insert_child_before("c", before) : rowNode.append_child("c");
  cell.append_attribute("r") = CellName(row, column).c_str();
  const char* style = rowNode.attribute("customFormat").as_bool() ? rowNode.attribute("s").value() : ColumnStyle(column);
  if (*style) cell.append_attribute("s") = style;
  rowNode.remove_attribute("spans");  // a hint of the cell range, now possibly wrong
  return cell;
}

void Worksheet::Extend(int row, int column) {
  lastRow_ = std::max(lastRow_, row);
  lastColumn_ = std::max(lastColumn_, column);
  changed_ = true;
}

namespace {

// Empties the cell for a new value; refuses the anchor of a formula spanning other cells.
void ClearValue(pugi::xml_node cell, const std::string& part) {
  const pugi::xml_node formula = cell.child("f");
  const std::string kind = formula.attribute("t").value();
  if (formula && formula.attribute("ref") && (kind == "shared" || kind == "array"))
    throw WorkbookError(WorkbookProblem::Unsupported,
                        "cell " + std::string(cell.attribute("r").value()) + " of " + part + " anchors a " + kind +
                            " formula over " + formula.attribute("ref").value() + "; it is not overwritten");
  while (pugi::xml_node child = cell.first_child()) cell.remove_child(child);
  cell.remove_attribute("t");
  cell.remove_attribute("vm");
}

}  // namespace

void Worksheet::SetNumber(int row, int column, double value) {
  pugi::xml_node cell = Cell(row, column);
  ClearValue(cell, part_);
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  cell.append_child("v").text().set(std::string(digits, end).c_str());
  Extend(row, column);
}

void Worksheet::SetSharedText(int row, int column, int index) {
  pugi::xml_node cell = Cell(row, column);
  ClearValue(cell, part_);
  cell.append_attribute("t") = "s";
  cell.append_child("v").text().set(index);
  Extend(row, column);
}

void Worksheet::SetInlineText(int row, int column, const std::string& storedText) {
  pugi::xml_node cell = Cell(row, column);
  ClearValue(cell, part_);
  cell.append_attribute("t") = "inlineStr";
  SetTextElement(cell.append_child("is").append_child("t"), storedText);
  Extend(row, column);
}

void Worksheet::SetEmpty(int row, int column) {
  ClearValue(Cell(row, column), part_);
  Extend(row, column);
}

std::string Worksheet::Xml() {
  for (auto& [number, row] : rows_)
    for (pugi::xml_node cell : row.children("c"))
      if (cell.child("f")) {
        cell.remove_child("v");
        cell.remove_attribute("t");
      }
  if (pugi::xml_attribute ref = document_.child("worksheet").child("dimension").attribute("ref")) {
    const std::string text = ref.value();
    const auto colon = text.find(':');
    const auto first = ParseCellName(text.substr(0, colon));
    const auto last = ParseCellName(colon == std::string::npos ? text : text.substr(colon + 1));
    if (first && last)
      ref.set_value((CellName(first->row, first->column) + ":" +
                     CellName(std::max(last->row, lastRow_), std::max(last->column, lastColumn_)))
                        .c_str());
  }
  return PartText(document_);
}

}  // namespace platform::workbook
