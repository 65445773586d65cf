#include "platform/knowledge/excel_functions.h"

#include <limits>
#include <stdexcept>

namespace platform::knowledge {

namespace {

void ExpectCount(const char* function, const std::vector<Value>& arguments, size_t count) {
  if (arguments.size() != count)
    throw std::runtime_error(std::string(function) + " takes " + std::to_string(count) + " arguments, not " +
                             std::to_string(arguments.size()));
}

std::int64_t Handle(const char* function, const Value& argument) {
  if (!argument.Is<std::int64_t>())
    throw std::runtime_error(std::string(function) + ": the workbook handle must be an Integer, not " +
                             Describe(argument));
  return argument.As<std::int64_t>();
}

// A sheet, row or column number: a whole number from 1.
int Position(const char* what, const Value& v) {
  if (!v.Is<std::int64_t>() || v.As<std::int64_t>() < 1 || v.As<std::int64_t>() > std::numeric_limits<int>::max())
    throw std::runtime_error(std::string("ug_excel_write_range: the ") + what + " must be a whole number from 1, not " +
                             Describe(v));
  return static_cast<int>(v.As<std::int64_t>());
}

Value Open(ExcelHost& host, const std::vector<Value>& arguments) {
  ExpectCount("ug_excel_open_file", arguments, 2);
  if (!arguments[0].Is<std::string>())
    throw std::runtime_error("ug_excel_open_file: the file must be a String, not " + Describe(arguments[0]));
  const Value& mode = arguments[1];
  if (!mode.Is<Name>() || (mode.As<Name>().text != "Read" && mode.As<Name>().text != "Write"))
    throw std::runtime_error("ug_excel_open_file: the mode must be Read or Write, not " + Describe(mode));
  return Value{host.Open(arguments[0].As<std::string>(), mode.As<Name>().text == "Read" ? ExcelMode::Read : ExcelMode::Write)};
}

Value WriteRange(ExcelHost& host, const std::vector<Value>& arguments) {
  ExpectCount("ug_excel_write_range", arguments, 2);
  const std::int64_t handle = Handle("ug_excel_write_range", arguments[0]);
  if (!arguments[1].Is<List>())
    throw std::runtime_error("ug_excel_write_range: the second argument must be a list {sheet, first row, first column, "
                             "last row, last column, values...}, not " + Describe(arguments[1]));
  const List& list = arguments[1].As<List>();
  if (list.size() < 6)
    throw std::runtime_error("ug_excel_write_range: the list needs a sheet, two rows, two columns and values, not " +
                             Describe(arguments[1]));
  CellRange range{Position("sheet", list[0]), Position("first row", list[1]), Position("first column", list[2]),
                  Position("last row", list[3]), Position("last column", list[4])};
  if (range.lastRow < range.firstRow || range.lastColumn < range.firstColumn)
    throw std::runtime_error("ug_excel_write_range: the last row and column must not come before the first");
  const std::int64_t cells = std::int64_t(range.lastRow - range.firstRow + 1) * (range.lastColumn - range.firstColumn + 1);
  const std::vector<Value> values(list.begin() + 5, list.end());
  if (static_cast<std::int64_t>(values.size()) != cells)
    throw std::runtime_error("ug_excel_write_range: the range has " + std::to_string(cells) + " cells but " +
                             std::to_string(values.size()) + " values are given");
  host.Write(handle, range, values);
  return Value{true};
}

Value Close(ExcelHost& host, const std::vector<Value>& arguments) {
  ExpectCount("ug_excel_close_file", arguments, 2);
  const std::int64_t handle = Handle("ug_excel_close_file", arguments[0]);
  if (!arguments[1].Is<bool>())
    throw std::runtime_error("ug_excel_close_file: whether to save must be True or False, not " + Describe(arguments[1]));
  host.Close(handle, arguments[1].As<bool>());
  return Value{true};
}

}  // namespace

FunctionTable ExcelFunctions(ExcelHost& host) {
  FunctionTable table;
  table["ug_excel_open_file"] = [&host](const std::vector<Value>& a) { return Open(host, a); };
  table["ug_excel_write_range"] = [&host](const std::vector<Value>& a) { return WriteRange(host, a); };
  table["ug_excel_close_file"] = [&host](const std::vector<Value>& a) { return Close(host, a); };
  return table;
}

}  // namespace platform::knowledge
