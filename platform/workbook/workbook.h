// Editing an existing .xlsx workbook: write cell values into its sheets and save it,
// keeping everything else it holds (styles, merged cells, column widths, other sheets,
// formulas, pictures) as it was.
#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workbook/package.h"

namespace platform::workbook {

class SharedStrings;
class Worksheet;

class Workbook {
public:
  // Reads the workbook at `file`; throws WorkbookError (MissingFile, NotAWorkbook)
  // naming it. Nothing is locked or written until Save.
  static Workbook Open(const std::filesystem::path& file);
  Workbook(Workbook&&) noexcept;
  Workbook& operator=(Workbook&&) noexcept;
  ~Workbook();

  const std::filesystem::path& File() const { return file_; }
  // Sheet names in the order the workbook shows its tabs; sheets are numbered from 1.
  const std::vector<std::string>& SheetNames() const { return sheetNames_; }

  // Row and column count from 1. Both throw WorkbookError: BadCell for a sheet, row or
  // column that does not exist, BadValue for NaN or infinity and for text that is not
  // UTF-8, Unsupported for the anchor of a shared or array formula.
  void WriteNumber(int sheet, int row, int column, double value);
  // Empty text empties the cell (its style stays), as a spreadsheet does.
  void WriteText(int sheet, int row, int column, std::string_view utf8);

  // Writes the workbook back to its file atomically (see Package::Write); a file marked
  // read-only is refused with WorkbookError(ReadOnly) and left as it is.
  void Save();
  // Saves to another file; the workbook's own file is not touched.
  void SaveAs(const std::filesystem::path& file);

private:
  explicit Workbook(Package package);
  Worksheet& Sheet(int sheet, int row, int column);
  std::string CellLabel(int sheet, int row, int column) const;
  void Flush();

  Package package_;
  std::filesystem::path file_;
  std::string workbookPart_;
  std::vector<std::string> sheetNames_, sheetParts_;
  std::vector<std::unique_ptr<Worksheet>> sheets_;  // loaded on first write
  std::unique_ptr<SharedStrings> strings_;          // null when the workbook has none
  std::string stringsPart_;
};

}  // namespace platform::workbook
