// Checks a command's output folder before any work is done.
#include "app/output_folder.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fabdoc::app {

namespace fs = std::filesystem;

void RequireWritableFolder(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir))
    throw std::runtime_error(dir + ": cannot create the folder" + (ec ? " (" + ec.message() + ")" : ""));
  const fs::path probe = fs::path(dir) / ".fabdoc-write-test";
  if (!std::ofstream(probe)) throw std::runtime_error(dir + ": the folder cannot be written");
  fs::remove(probe, ec);
}

}  // namespace fabdoc::app
