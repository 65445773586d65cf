// Host paths are Windows paths in GBK ("D:\jobs\A12\frame.prt"). This maps them to
// this machine's UTF-8 paths and back:
//   "\tmp\a.prt"      <-> "/tmp/a.prt"       (no drive: the machine's root)
//   "C:\tmp\a.prt"    ->  "/tmp/a.prt"       (C: is the machine's root)
//   "D:\jobs\a.prt"   ->  "$FABDOC_DRIVE_D/jobs/a.prt" (other drives must be mapped)
//   "a.prt"           ->  "a.prt"            (relative to the working folder)
#pragma once
#include <string>
#include <string_view>

namespace platform {

// Throws HostError naming the path when it is not GBK or its drive is not mapped.
std::string ToLocalPath(std::string_view hostPath);
// A local UTF-8 path as the host shows it; throws when it has no GBK form.
std::string ToHostPath(std::string_view localPath);
// The local path made absolute (against the working folder) then shown as a host path.
std::string ToAbsoluteHostPath(std::string_view localPath);

// Host-path helpers on GBK bytes; either separator is accepted, case is ignored for ASCII.
bool SameHostPath(std::string_view a, std::string_view b);
// What SameHostPath compares: ASCII lower case, backslashes; double-byte characters as they are.
std::string HostPathKey(std::string_view hostPath);
std::string HostFileName(std::string_view hostPath);   // after the last separator
std::string HostFileStem(std::string_view hostPath);   // file name without its extension
std::string HostFolder(std::string_view hostPath);     // before the last separator

}  // namespace platform
