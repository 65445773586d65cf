#include "platform/workbook/file_refusals.h"

#include <string>
#include <sys/stat.h>

#include "platform/workbook/workbook_error.h"

namespace platform::workbook {

namespace fs = std::filesystem;

void RefuseLockedOrReadOnly(const fs::path& file) {
  const fs::path folder = file.parent_path();
  const std::string name = file.filename().string();
  for (const fs::path& lock : {folder / ("~$" + name), folder / (".~lock." + name + "#")}) {
    std::error_code ec;
    if (fs::exists(lock, ec))
      throw WorkbookError(WorkbookProblem::InUse, file.string() + ": open in another program (lock file " +
                                                      lock.filename().string() + "); close it there and save again");
  }
  // Checked by the permission bit, not by access(), so that root is refused too.
  struct stat status;
  if (::stat(file.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0)
    throw WorkbookError(WorkbookProblem::ReadOnly, file.string() + ": the file is read-only; it was not changed");
}

}  // namespace platform::workbook
