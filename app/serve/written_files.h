// Which files the user takes away (workbooks, DWG and DXF files, PDFs) a line wrote in the
// product folder: the folder's deliverables before the line, compared with after it.
#pragma once
#include <filesystem>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fabdoc::app::serve {

class FileSnapshot {
public:
  // The deliverables below `folder` with their sizes and times; an unreadable folder is empty.
  static FileSnapshot Take(const std::filesystem::path& folder);
  // The files new or changed since `before`, relative to the folder, in path order.
  std::vector<std::string> WrittenSince(const FileSnapshot& before) const;

private:
  std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>> files_;
};

}  // namespace fabdoc::app::serve
