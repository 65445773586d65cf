#include "host/host_folder.h"

#include <uf.h>

namespace kzt {

std::string host_file(const std::string& relative) {
  char* base = nullptr;
  UF_translate_variable("UGII_BASE_DIR", &base);
  return std::string(base ? base : "") + relative;
}

}  // namespace kzt
