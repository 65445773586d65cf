// uf_cfi.h: file existence on host paths.
#include <uf_cfi.h>

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

}  // extern "C"
