// The one error type of the workbook module: what went wrong, and a message naming the
// file (and the cell, where there is one).
#pragma once
#include <stdexcept>
#include <string>

namespace platform::workbook {

enum class WorkbookProblem {
  MissingFile,    // no file at the path
  NotAWorkbook,   // not a zip archive, or a zip without a workbook in it
  Unsupported,    // a workbook feature this editor does not change safely
  ReadOnly,       // the file is marked read-only, or opened for reading only
  InUse,          // another program (or handle) has the file open
  CannotWrite,    // the folder or the disk refused the save
  BadCell,        // no such sheet, or a row or column out of range
  BadValue,       // a value a cell cannot hold (invalid UTF-8, NaN)
};

class WorkbookError : public std::runtime_error {
public:
  WorkbookError(WorkbookProblem problem, const std::string& message)
      : std::runtime_error(message), problem_(problem) {}
  WorkbookProblem Problem() const { return problem_; }

private:
  WorkbookProblem problem_;
};

}  // namespace platform::workbook
