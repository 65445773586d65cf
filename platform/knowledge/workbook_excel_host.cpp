#include "platform/knowledge/workbook_excel_host.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

#include "platform/workbook/workbook_error.h"

namespace platform::knowledge {

namespace {

// A double holds every decimal of up to 15 significant digits exactly.
constexpr size_t kExactDigits = 15;

}  // namespace

bool IsPlainDecimal(std::string_view text) {
  size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
  const size_t start = i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  // A leading zero is kept as text: drawing numbers such as 007 must not lose it.
  if (digits == 0 || (digits > 1 && text[start] == '0')) return false;
  if (i < text.size() && text[i] == '.') {
    const size_t point = ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (i == point) return false;
  }
  return i == text.size() && digits <= kExactDigits;
}

WorkbookExcelHost::WorkbookExcelHost(PathMap toLocal) : toLocal_(std::move(toLocal)) {}

std::int64_t WorkbookExcelHost::Open(const std::string& path, ExcelMode mode) {
  const std::filesystem::path local = toLocal_ ? toLocal_(path) : std::filesystem::path(path);
  for (const auto& [handle, open] : open_)
    if (mode == ExcelMode::Write && open.mode == ExcelMode::Write && open.book.File() == local)
      throw workbook::WorkbookError(workbook::WorkbookProblem::InUse,
                                    path + ": open for writing already (handle " + std::to_string(handle) + ")");
  open_.emplace(next_, OpenWorkbook{workbook::Workbook::Open(local), mode, path});
  return next_++;
}

WorkbookExcelHost::OpenWorkbook& WorkbookExcelHost::Find(std::int64_t handle) {
  const auto found = open_.find(handle);
  if (found == open_.end()) throw std::runtime_error("no workbook is open with handle " + std::to_string(handle));
  return found->second;
}

void WorkbookExcelHost::Write(std::int64_t handle, const CellRange& range, const std::vector<Value>& values) {
  OpenWorkbook& open = Find(handle);
  if (open.mode != ExcelMode::Write)
    throw workbook::WorkbookError(workbook::WorkbookProblem::ReadOnly, open.path + ": opened with Read, not Write");
  size_t next = 0;
  for (int row = range.firstRow; row <= range.lastRow; ++row)
    for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
      const Value& v = values.at(next++);
      if (v.Is<std::int64_t>()) {
        open.book.WriteNumber(range.sheet, row, column, static_cast<double>(v.As<std::int64_t>()));
      } else if (v.Is<double>()) {
        open.book.WriteNumber(range.sheet, row, column, v.As<double>());
      } else if (v.Is<std::string>()) {
        const std::string& text = v.As<std::string>();
        double number = 0;
        if (IsPlainDecimal(text) && std::from_chars(text.data(), text.data() + text.size(), number).ec == std::errc())
          open.book.WriteNumber(range.sheet, row, column, number);
        else
          open.book.WriteText(range.sheet, row, column, text);
      } else if (v.Is<bool>()) {
        open.book.WriteText(range.sheet, row, column, v.As<bool>() ? "TRUE" : "FALSE");
      } else if (v.Is<Name>()) {
        open.book.WriteText(range.sheet, row, column, v.As<Name>().text);
      } else {
        throw std::runtime_error("a cell cannot hold the list " + Describe(v));
      }
    }
}

void WorkbookExcelHost::Close(std::int64_t handle, bool save) {
  OpenWorkbook& open = Find(handle);
  if (save && open.mode != ExcelMode::Write)
    throw workbook::WorkbookError(workbook::WorkbookProblem::ReadOnly, open.path + ": opened with Read; not saved");
  if (save) open.book.Save();
  open_.erase(handle);
}

}  // namespace platform::knowledge
