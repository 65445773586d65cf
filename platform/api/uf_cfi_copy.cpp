// uc4567: the host's file copy on host paths, with the file-type convention of part
// files and workbooks (a name without ".prt" or ".xlsx" gets it).
#include <uf_cfi.h>

#include <algorithm>
#include <cctype>

#include "platform/api/guard.h"
#include "platform/files/file_copy.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using namespace platform;
using namespace platform::api;

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& end) {
  return text.size() >= end.size() &&
         std::equal(end.begin(), end.end(), text.end() - end.size(),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    });
}

// The file a name stands for under a file type.
std::string FileOfType(const std::string& name, int type, const char* what) {
  if (type == UF_CFI_ANY_FILE_TYPE) return name;
  if (type == UF_CFI_WORKBOOK_FILE_TYPE) return EndsWithNoCase(name, ".xlsx") ? name : name + ".xlsx";
  if (type == UF_CFI_PART_FILE_TYPE) return EndsWithNoCase(name, ".prt") ? name : name + ".prt";
  throw HostError(HostStatus::NotImplemented, std::string(what) + " file type " + std::to_string(type) +
                                                  ": this host copies part files (2), workbooks (254) and any file (-1)");
}

}  // namespace

extern "C" int uc4567(const char* srcspc, const char* dstspc, int cmode, int stype, int dtype) {
  return Guard("uc4567", [&] {
    if (cmode != UF_CFI_COPY_MODE_COPY && cmode != UF_CFI_COPY_MODE_COPY_REPLACE)
      throw HostError(HostStatus::NotImplemented,
                      "copy mode " + std::to_string(cmode) + ": this host copies with modes 1 and 33 (replacing)");
    const std::string source = FileOfType(NeedText(srcspc, "srcspc"), stype, "source");
    const std::string target = FileOfType(NeedText(dstspc, "dstspc"), dtype, "destination");
    files::CopyFileAtomically(ToLocalPath(source), ToLocalPath(target), text::ToUtf8Lossy(source),
                              text::ToUtf8Lossy(target));
  });
}
