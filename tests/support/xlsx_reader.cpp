#include "tests/support/xlsx_reader.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace fabdoc_test {

namespace fs = std::filesystem;

namespace {

fs::path SourceDir() {
  const char* dir = std::getenv("FABDOC_SOURCE_DIR");  // set by CTest
  if (!dir) ADD_FAILURE() << "FABDOC_SOURCE_DIR is not set";
  return dir ? fs::path(dir) : fs::path(".");
}

// Debian's interpreter: python3-openpyxl installs for it, whatever else is on PATH.
std::string Python() {
  const char* python = std::getenv("FABDOC_PYTHON");
  return python ? python : "/usr/bin/python3";
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

nlohmann::json ReadWithOpenpyxl(const fs::path& file) {
  const fs::path script = SourceDir() / "platform/workbook/tests/read_xlsx.py";
  const std::string command = Python() + " " + Quoted(script.string()) + " " + Quoted(file.string()) + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) {
    ADD_FAILURE() << "cannot run " << command;
    return {};
  }
  std::string output;
  std::array<char, 65536> chunk;
  while (size_t n = std::fread(chunk.data(), 1, chunk.size(), pipe)) output.append(chunk.data(), n);
  const int status = ::pclose(pipe);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    ADD_FAILURE() << "openpyxl could not read " << file << ":\n" << output;
    return {};
  }
  return nlohmann::json::parse(output);
}

const nlohmann::json& CellValue(const nlohmann::json& book, const std::string& sheet, const std::string& cell) {
  static const nlohmann::json kNone;
  const auto& cells = book["sheet"][sheet]["cells"];
  return cells.contains(cell) ? cells[cell]["v"] : kNone;
}

std::string CellType(const nlohmann::json& book, const std::string& sheet, const std::string& cell) {
  const auto& cells = book["sheet"][sheet]["cells"];
  return cells.contains(cell) ? cells[cell]["t"].get<std::string>() : "";
}

fs::path BomTemplate() { return SourceDir() / "data/kzt-1/bom/明细表模版.xlsx"; }

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "fabdoc-xlsx-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path ScratchFolder::CopyOfTemplate(const std::string& name) const {
  const fs::path copy = path_ / name;
  fs::copy_file(BomTemplate(), copy, fs::copy_options::overwrite_existing);
  return copy;
}

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fabdoc_test
