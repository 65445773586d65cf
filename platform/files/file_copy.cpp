#include "platform/files/file_copy.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/base/host_error.h"
#include "platform/files/atomic_file.h"
#include "platform/files/read_all.h"
#include "platform/workbook/file_refusals.h"
#include "platform/workbook/workbook_error.h"

namespace platform::files {

namespace fs = std::filesystem;

void CopyFileAtomically(const std::string& sourceLocal, const std::string& targetLocal,
                        const std::string& sourceDisplay, const std::string& targetDisplay) {
  std::error_code ec;
  if (!fs::is_regular_file(sourceLocal, ec))
    throw HostError(HostStatus::NotFound, sourceDisplay + ": no such file; nothing was copied");
  std::ifstream in(sourceLocal, std::ios::binary);
  std::string bytes;
  if (!in.is_open() || !ReadAll(in, bytes))
    throw HostError(HostStatus::FileError, sourceDisplay + ": cannot be read; nothing was copied");
  try {
    workbook::RefuseLockedOrReadOnly(targetLocal);
  } catch (const workbook::WorkbookError& refused) {
    throw HostError(HostStatus::FileError, targetDisplay + ": " +
                                               (refused.Problem() == workbook::WorkbookProblem::InUse
                                                    ? "open in another program; close it there and try again"
                                                    : "the file is read-only") +
                                               "; it was not replaced");
  }
  WriteFileAtomically(targetLocal, targetDisplay, [&](std::ostream& out) { out.write(bytes.data(), bytes.size()); });
}

}  // namespace platform::files
