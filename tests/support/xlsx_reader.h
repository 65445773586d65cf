// Test support: reading workbooks back with a reader this project did not write
// (openpyxl), and the BOM template the build makes.
#pragma once
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

namespace fabdoc_test {

// What openpyxl reads from `file` (see read_xlsx.py); fails the test when it cannot.
nlohmann::json ReadWithOpenpyxl(const std::filesystem::path& file);
// The cell's value as openpyxl reads it, or null.
const nlohmann::json& CellValue(const nlohmann::json& book, const std::string& sheet, const std::string& cell);
// The cell's openpyxl data type: "n" number, "s" string, "f" formula.
std::string CellType(const nlohmann::json& book, const std::string& sheet, const std::string& cell);

// data/kzt-1/bom/明细表模版.xlsx as the build wrote it.
std::filesystem::path BomTemplate();
// A fresh empty folder for one test, removed with the object.
class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  const std::filesystem::path& Path() const { return path_; }
  // Copies the BOM template into the folder under `name`.
  std::filesystem::path CopyOfTemplate(const std::string& name = "kzt.xlsx") const;

private:
  std::filesystem::path path_;
};

std::string FileBytes(const std::filesystem::path& file);

}  // namespace fabdoc_test
