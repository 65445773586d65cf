// Writing a file so that readers see the old content or the new, never a mixture:
// the bytes go to a temporary file beside the target, are flushed, then renamed over it.
#pragma once
#include <functional>
#include <ostream>
#include <string>

namespace platform::files {

// Calls `write` with a stream on a temporary file beside `localPath`, then renames it
// into place. On any failure (the callback throws, the disk is full, the folder cannot
// be written) the temporary file is removed, the target is untouched, and a HostError
// naming `displayPath` (UTF-8) is thrown.
// `verify`, when given, is called with the temporary file's path once it is on disk and
// before the rename; what it throws fails the write the same way. Once the file is in
// place, temporaries that killed saves of it left are removed, unless the caller, saving
// many files, `Leave`s that to one sweep of its own (base/stale_temporaries.h).
enum class StaleTemporaries { Remove, Leave };
void WriteFileAtomically(const std::string& localPath, const std::string& displayPath,
                         const std::function<void(std::ostream&)>& write,
                         const std::function<void(const std::string&)>& verify = {},
                         StaleTemporaries stale = StaleTemporaries::Remove);

}  // namespace platform::files
