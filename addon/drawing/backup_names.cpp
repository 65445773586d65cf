#include "drawing/backup_names.h"

#include <algorithm>

#include "drawing/export_dwg.h"

namespace kzt {

int most_shared_prefix(const std::vector<std::string>& fileNames, std::string& prefix) {
  // A hyphen is never a GBK trail byte, so the plain byte search is safe.
  std::vector<std::string> prefixes;
  for (const auto& name : fileNames)
    if (const auto hyphen = name.find('-'); hyphen != std::string::npos) prefixes.push_back(name.substr(0, hyphen));
  std::size_t most = 0;
  prefix.clear();
  for (const auto& candidate : prefixes) {
    const auto count = static_cast<std::size_t>(std::count(prefixes.begin(), prefixes.end(), candidate));
    if (count >= most) {
      most = count;
      prefix = candidate;
    }
  }
  // most / count >= 0.6 in whole numbers, so that three of five is exactly 60 %.
  return !fileNames.empty() && most * 10 >= fileNames.size() * 6 ? 1 : 2;
}

std::string name_behind_prefix(const std::string& fileName, const std::string& prefix, bool shared) {
  const auto hyphen = fileName.find('-');
  if (!shared || hyphen == std::string::npos || fileName.compare(0, hyphen, prefix) != 0) return fileName;
  return fileName.substr(hyphen + 1);
}

std::string backup_folder(const std::string& folderText, const std::string& fileName) {
  return folderText + fileName + "(备份)";
}

bool usable_file_name(const std::string& name) { return !name.empty() && dwg_file_stem(name) == name; }

}  // namespace kzt
