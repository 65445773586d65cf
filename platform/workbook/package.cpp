#include "platform/workbook/package.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <zip.h>

#include "platform/base/host_error.h"
#include "platform/text/write_fence.h"
#include "platform/base/stale_temporaries.h"
#include "platform/workbook/workbook_error.h"

namespace platform::workbook {

namespace fs = std::filesystem;

namespace {

// 2024-01-01 00:00 local time: a constant stamp keeps generated files reproducible.
constexpr time_t kEntryTime = 1704067200;

// Far above any sheet a BOM holds (Excel's own sheets stay well below it).
constexpr zip_uint64_t kLargestPart = zip_uint64_t(256) << 20;

std::string ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

void SyncToDisk(const fs::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

Package Package::Read(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec))
    throw WorkbookError(WorkbookProblem::MissingFile, file.string() + ": no such file");
  if (fs::is_directory(file, ec))
    throw WorkbookError(WorkbookProblem::NotAWorkbook, file.string() + ": is a folder, not a workbook");
  int code = 0;
  zip_t* zip = zip_open(file.c_str(), ZIP_RDONLY, &code);
  if (!zip)
    throw WorkbookError(WorkbookProblem::NotAWorkbook,
                        file.string() + ": not a workbook (" + ZipErrorText(code) + ")");
  Package package;
  const zip_int64_t count = zip_get_num_entries(zip, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t stat;
    zip_file_t* entry = nullptr;
    if (zip_stat_index(zip, i, 0, &stat) != 0 || !(entry = zip_fopen_index(zip, i, 0))) {
      std::string why = zip_strerror(zip);
      zip_discard(zip);
      throw WorkbookError(WorkbookProblem::NotAWorkbook, file.string() + ": damaged archive (" + why + ")");
    }
    // The name lives in the archive's memory: copied before the archive is let go.
    const std::string name = (stat.valid & ZIP_STAT_NAME) && stat.name ? stat.name : "#" + std::to_string(i);
    // The size is the archive's word: a damaged or hostile one must not claim the memory.
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > kLargestPart) {
      zip_fclose(entry);
      zip_discard(zip);
      throw WorkbookError(WorkbookProblem::NotAWorkbook,
                          file.string() + ": damaged archive (part " + name + " claims more than " +
                              std::to_string(kLargestPart >> 20) + " MB)");
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t got = zip_fread(entry, bytes.data(), bytes.size());
    zip_fclose(entry);
    if (got != static_cast<zip_int64_t>(stat.size)) {
      zip_discard(zip);
      throw WorkbookError(WorkbookProblem::NotAWorkbook,
                          file.string() + ": damaged archive (part " + name + " cannot be read)");
    }
    package.parts_.emplace_back(name, std::move(bytes));
  }
  zip_discard(zip);
  return package;
}

bool Package::Has(const std::string& part) const {
  return std::any_of(parts_.begin(), parts_.end(), [&](const auto& p) { return p.first == part; });
}

std::vector<std::string> Package::PartNames() const {
  std::vector<std::string> names;
  for (const auto& p : parts_) names.push_back(p.first);
  return names;
}

const std::string& Package::Get(const std::string& part) const {
  for (const auto& p : parts_)
    if (p.first == part) return p.second;
  throw WorkbookError(WorkbookProblem::NotAWorkbook, "part " + part + " is missing");
}

void Package::Put(const std::string& part, std::string bytes) {
  for (auto& p : parts_)
    if (p.first == part) {
      p.second = std::move(bytes);
      return;
    }
  parts_.emplace_back(part, std::move(bytes));
}

void Package::Remove(const std::string& part) {
  std::erase_if(parts_, [&](const auto& p) { return p.first == part; });
}

void Package::Write(const fs::path& file) const {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const fs::path temp = TemporaryBeside(file);
  std::error_code ec;
  auto fail = [&](const std::string& why) {
    fs::remove(temp, ec);
    throw WorkbookError(WorkbookProblem::CannotWrite,
                        file.string() + ": cannot save (" + why + "); the previous file is unchanged");
  };
  try {
    CheckWrite(file.string());
  } catch (const HostError& e) {
    throw WorkbookError(WorkbookProblem::CannotWrite, e.what());
  }
  if (!fs::is_directory(folder, ec)) fail("folder " + folder.string() + " does not exist");
  int code = 0;
  zip_t* zip = zip_open(temp.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!zip) fail(ZipErrorText(code));
  for (const auto& [name, bytes] : parts_) {
    zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
    const zip_int64_t index = source ? zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (source) zip_source_free(source);
      std::string why = zip_strerror(zip);
      zip_discard(zip);
      fail(why);
    }
    zip_file_set_mtime(zip, index, kEntryTime, 0);
  }
  // zip_close writes the archive; it fails for an unwritable folder or a full disk.
  if (zip_close(zip) != 0) {
    std::string why = zip_strerror(zip);
    zip_discard(zip);
    fail(why);
  }
  SyncToDisk(temp);
  if (std::rename(temp.c_str(), file.c_str()) != 0) fail(std::strerror(errno));
  SyncToDisk(folder);
  // Saves killed before their rename, zip_close's own temporary included.
  RemoveStaleTemporaries(file);
}

}  // namespace platform::workbook
