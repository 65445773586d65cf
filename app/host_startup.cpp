// Host start-up for `fabdoc run`.
#include "app/host_startup.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "platform/text/host_environment.h"
#include "platform/ui/dialog_file.h"

namespace fabdoc::app {
namespace {

namespace fs = std::filesystem;
using Ufsta = void (*)(char* param, int* retcode, int paramLen);

}  // namespace

std::string ResolveBaseDir() { return platform::ExportBaseDir(); }

std::string DefaultStartupDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) throw std::runtime_error("cannot find the fabdoc executable's folder: " + ec.message());
  return (exe.parent_path() / "startup").string();
}

void LoadAddOns(const std::string& startupDir) {
  std::error_code ec;
  if (!fs::is_directory(startupDir, ec))
    throw std::runtime_error("start-up folder " + startupDir + " is not a folder");
  std::vector<fs::path> libraries;
  for (const auto& entry : fs::directory_iterator(startupDir, ec))
    if (entry.is_regular_file() && entry.path().extension() == ".so") libraries.push_back(entry.path());
  if (ec) throw std::runtime_error("cannot list the start-up folder " + startupDir + ": " + ec.message());
  std::sort(libraries.begin(), libraries.end());
  for (const auto& library : libraries) {
    // Add-ons stay loaded for the life of the process, as on the real host.
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error("cannot load add-on " + library.string() + ": " + dlerror());
    auto ufsta = reinterpret_cast<Ufsta>(dlsym(handle, "ufsta"));
    if (!ufsta) throw std::runtime_error("add-on " + library.string() + " exports no ufsta");
    char param[1] = "";
    int retcode = 0;
    ufsta(param, &retcode, 0);
  }
}

void StartHost(const std::string& startupDir) {
  ResolveBaseDir();
  // Plain library names (LoadLibraryA, UF_load_library) are looked for here too.
  platform::SetStartupFolder(startupDir);
  platform::ui::SetDialogFolders({(fs::path(startupDir).parent_path() / "application").string()});
  LoadAddOns(startupDir);
}

}  // namespace fabdoc::app
