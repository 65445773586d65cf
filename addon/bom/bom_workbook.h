// Writing the bill of materials through the host's knowledge rules: the template copied
// to a working copy, one rule per cell, evaluated by update, then the working copy
// copied to the result name. Stops at the first failure and tells the user; the result
// name then holds nothing new.
#pragma once
#include <string>

#include "bom/bom_rows.h"

namespace kzt {

struct BomFiles {
  std::string templateFile;  // the template workbook
  std::string workingCopy;   // without ".xlsx": the folder path followed by "kzt"
  std::string result;        // without ".xlsx": the folder path followed by the part's base name
};

// The files of an export into `folder` (taken as typed: no separator is added) for the
// part file `partPath`.
BomFiles bom_files(const std::string& folder, const std::string& partPath);

// The part file's name after its last "\" and before its last ".", else the whole text.
std::string part_base_name(const std::string& partPath);

// Writes one row per kept body into the working copy and copies it to the result name.
// `merge` gives each row the count of its part name. True when the result was written.
bool write_bom_workbook(const BomFiles& files, const BomRows& rows, bool merge);

}  // namespace kzt
