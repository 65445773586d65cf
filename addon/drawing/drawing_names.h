// Drawing numbers and sheet names read back from the component file names that
// assembly building gives: ...-NAME-N for a sub-assembly, NAME-N or NAME-G-N for a part.
#pragma once
#include <string>

namespace kzt {

// The parsed-name record: part name, number, sheet name, the part file's full path and
// its name without folder and ".prt".
struct ParsedName {
  std::string name;
  std::string number;
  std::string sheetName;
  std::string path;
  std::string fileName;
};

// True when every byte is an ASCII digit; the empty text counts as all digits.
bool is_all_digits(const std::string& text);

// Sub-assembly ...-NAME-N: number N (empty unless all digits), sheet "N-0组件-NAME".
ParsedName parse_subassembly_name(const std::string& fileName, const std::string& path);
// Part NAME-N: sheet "000-N-NAME"; part NAME-G-N: number "G-N", sheet "G-N-NAME".
// Without any hyphen only the path and file name are set.
ParsedName parse_part_name(const std::string& fileName, const std::string& path);

// Layer mode: the drawing number with the product prefix replaced; the suffix after the
// first hyphen is kept up to (hyphen position + 20) bytes, never cutting a character.
// Empty when the number has no hyphen (it is left for layer-mode numbering).
std::string replace_product_prefix(const std::string& prefix, const std::string& number);

}  // namespace kzt
