// Copying a file so that the copy appears whole or not at all, and the source is only
// read: the host's file copy.
#pragma once
#include <string>

namespace platform::files {

// Copies `sourceLocal` to `targetLocal` (this machine's paths) through a temporary file
// and a rename. Throws HostError naming the file (display paths, UTF-8): NotFound when
// the source is missing or not a regular file; FileError when the target is read-only,
// open in another program (an Office lock file beside it) or its folder cannot be
// written. On failure the target is left as it was.
void CopyFileAtomically(const std::string& sourceLocal, const std::string& targetLocal,
                        const std::string& sourceDisplay, const std::string& targetDisplay);

}  // namespace platform::files
