// Refusing to replace a workbook that is read-only or open in another program, before
// anything is written: what Save and the host's file copy both check.
#pragma once
#include <filesystem>

namespace platform::workbook {

// Throws WorkbookError: InUse when Excel's "~$name" or LibreOffice's ".~lock.name#"
// lies beside `file`, ReadOnly when `file` exists without its write permission bit.
// A file that does not exist yet passes.
void RefuseLockedOrReadOnly(const std::filesystem::path& file);

}  // namespace platform::workbook
