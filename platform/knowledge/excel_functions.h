// The spreadsheet functions of the rules, ug_excel_open_file, ug_excel_write_range and
// ug_excel_close_file, over an interface so that the evaluator does not depend on how
// workbooks are stored.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/knowledge/functions.h"
#include "platform/knowledge/value.h"

namespace platform::knowledge {

enum class ExcelMode { Read, Write };

struct CellRange {
  int sheet = 1;  // rows, columns and sheets count from 1; first <= last
  int firstRow = 1, firstColumn = 1, lastRow = 1, lastColumn = 1;
};

class ExcelHost {
public:
  virtual ~ExcelHost() = default;
  // Opens the workbook at `path` (as the rule wrote it) and returns its handle.
  virtual std::int64_t Open(const std::string& path, ExcelMode mode) = 0;
  // Writes `values` into `range` row by row; there are exactly as many values as cells.
  virtual void Write(std::int64_t handle, const CellRange& range, const std::vector<Value>& values) = 0;
  // Saves the workbook when `save` is true, then forgets the handle.
  virtual void Close(std::int64_t handle, bool save) = 0;
};

// The three functions, calling `host`; they check their arguments and name what is wrong.
// `host` must outlive the table.
FunctionTable ExcelFunctions(ExcelHost& host);

}  // namespace platform::knowledge
