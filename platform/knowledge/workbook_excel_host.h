// The spreadsheet functions of the rules acting on real .xlsx files through the
// workbook editor.
#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/knowledge/excel_functions.h"
#include "platform/workbook/workbook.h"

namespace platform::knowledge {

class WorkbookExcelHost : public ExcelHost {
public:
  // Maps the path a rule names to this machine's path (identity when empty).
  using PathMap = std::function<std::filesystem::path(const std::string&)>;
  explicit WorkbookExcelHost(PathMap toLocal = {});

  // Throws WorkbookError for a missing or damaged file, and for opening with Write a file
  // this host has open with Write already.
  std::int64_t Open(const std::string& path, ExcelMode mode) override;
  // Whole numbers and numbers go into numeric cells, and so does a string written as a
  // plain decimal of at most 15 digits ("3", "-0.312000"); any other string, "007" or
  // "1e5" included, stays text. Booleans are written as the texts TRUE and FALSE.
  void Write(std::int64_t handle, const CellRange& range, const std::vector<Value>& values) override;
  // Saving a workbook opened with Read is refused; a failed save keeps the handle open.
  void Close(std::int64_t handle, bool save) override;

  size_t OpenCount() const { return open_.size(); }

private:
  struct OpenWorkbook {
    workbook::Workbook book;
    ExcelMode mode;
    std::string path;
  };
  OpenWorkbook& Find(std::int64_t handle);

  PathMap toLocal_;
  std::map<std::int64_t, OpenWorkbook> open_;
  std::int64_t next_ = 1;
};

// Whether a text is a plain decimal that a numeric cell holds exactly as written.
bool IsPlainDecimal(std::string_view text);

}  // namespace platform::knowledge
