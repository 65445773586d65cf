// A workbook file as a zip package: its parts held in memory by name, in their original
// order, and written back whole and atomically. Knows nothing about what the parts mean.
#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace platform::workbook {

class Package {
public:
  // Reads every part of the zip at `file`; throws WorkbookError (MissingFile,
  // NotAWorkbook) naming the file.
  static Package Read(const std::filesystem::path& file);

  bool Has(const std::string& part) const;
  // The part names in the order of the zip.
  std::vector<std::string> PartNames() const;
  // The bytes of `part`; throws WorkbookError(NotAWorkbook) when it is absent.
  const std::string& Get(const std::string& part) const;
  // Replaces `part`, or adds it at the end.
  void Put(const std::string& part, std::string bytes);
  void Remove(const std::string& part);

  // Writes the package to a temporary file beside `file`, flushes it to disk and renames
  // it over `file`; on failure the temporary file is removed, `file` is untouched and a
  // WorkbookError(CannotWrite) naming `file` is thrown. Entries get a fixed time stamp,
  // so equal content gives equal bytes.
  void Write(const std::filesystem::path& file) const;

private:
  std::vector<std::pair<std::string, std::string>> parts_;
};

}  // namespace platform::workbook
