// uf_cfi.h: file existence on host paths.
#include <uf_cfi.h>

#include <cstring>
#include <filesystem>

#include "platform/api/guard.h"
#include "platform/text/host_path.h"

using namespace platform;
using namespace platform::api;

extern "C" {

int UF_CFI_ask_file_exist(const char* file_spec, int* status) {
  return Guard("UF_CFI_ask_file_exist", [&] {
    Need(status, "status");
    *status = 1;
    std::error_code ec;
    if (std::filesystem::exists(ToLocalPath(NeedText(file_spec, "file_spec")), ec)) *status = 0;
  });
}

int uc4574(const char* fspec, int ftype, char fname[MAX_FSPEC_BUFSIZE]) {
  return Guard("uc4574", [&] {
    Need(fname, "fname");
    fname[0] = '\0';
    if (ftype != 0) throw HostError(HostStatus::NotImplemented, "uc4574: only file type 0 (any file) is offered");
    const std::string name = HostFileName(NeedText(fspec, "fspec"));
    if (name.size() >= MAX_FSPEC_BUFSIZE) throw HostError(HostStatus::InvalidArgument, "uc4574: the file name is too long");
    std::memcpy(fname, name.c_str(), name.size() + 1);
  });
}

}  // extern "C"
