// uf.h: initialisation, memory, failure messages, system log, environment variables
// and run-time library loading.
#include <uf.h>

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <map>

#include "platform/api/guard.h"
#include "platform/text/gbk.h"
#include "platform/text/host_environment.h"
#include "platform/ui/messages.h"

using namespace platform;
using namespace platform::api;

namespace {

int& InitCount() {
  static int count = 0;
  return count;
}

// Failure texts are UTF-8 (or carry host text); the caller reads GBK.
std::string AsHostText(const std::string& text) {
  if (!text::IsValidUtf8(text)) return text;
  try {
    return text::ToGbk(text);
  } catch (const HostError&) {
    return text;
  }
}

// Libraries loaded by UF_load_library, by the name the caller used. As in the host's
// loader, every load that hands out a function counts and every release gives one back;
// the library is closed when the last load is given back.
struct LoadedLibrary {
  void* handle = nullptr;
  int loads = 0;
};
std::map<std::string, LoadedLibrary>& Loaded() {
  static std::map<std::string, LoadedLibrary> libraries;
  return libraries;
}

}  // namespace

extern "C" {

int UF_initialize(void) {
  ++InitCount();
  return 0;
}

int UF_terminate(void) {
  if (InitCount() > 0) --InitCount();
  return 0;
}

logical UF_is_initialized(void) { return InitCount() > 0; }

void UF_free(void* data) { std::free(data); }

void UF_free_string_array(int n_strings, char** string_array) {
  if (!string_array) return;
  for (int i = 0; i < n_strings; ++i) std::free(string_array[i]);
  std::free(string_array);
}

int UF_get_fail_message(int fail_code, char fail_message[UF_UI_MAX_STRING_LEN + 1]) {
  return Guard("UF_get_fail_message", [&] {
    Need(fail_message, "fail_message");
    const Failure& last = LastFailure();
    const std::string text = fail_code != 0 && last.code == fail_code ? AsHostText(last.text)
                                                                      : std::string(StatusText(fail_code));
    CopyOut(fail_message, UF_UI_MAX_STRING_LEN + 1, text);
  });
}

int UF_print_syslog(const char* message, logical date_flag) {
  return Guard("UF_print_syslog", [&] {
    std::string text = NeedText(message, "message");
    if (date_flag) {
      const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
      char stamp[32];
      std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S ", std::localtime(&now));
      text = stamp + text;
    }
    ui::WriteSyslog(text);
  });
}

int UF_translate_variable(const char* variable, char** translation) {
  return Guard("UF_translate_variable", [&] {
    Need(translation, "translation");
    *translation = nullptr;
    const std::string name = NeedText(variable, "variable");
    // Values live as long as the session: callers keep the pointer and never free it.
    static std::map<std::string, std::string> values;
    std::string value;
    if (name == "UGII_BASE_DIR") {
      value = BaseDirHostPath();
    } else {
      const char* raw = std::getenv(name.c_str());
      if (!raw) return;
      value = text::ToGbk(raw);
    }
    std::string& stored = values[name];
    stored = value;
    *translation = stored.data();
  });
}

int UF_load_library(const char* library_name, const char* symbol_name, UF_load_f_p_t* function_ptr) {
  return Guard("UF_load_library", [&] {
    Need(function_ptr, "function_ptr");
    *function_ptr = nullptr;
    const std::string name = NeedText(library_name, "library_name");
    const std::string symbol = NeedText(symbol_name, "symbol_name");
    void* handle = nullptr;
    if (auto it = Loaded().find(name); it != Loaded().end()) {
      handle = it->second.handle;
    } else {
      const std::string local = FindLibrary(name);
      if (local.empty())
        throw HostError(HostStatus::NotFound, "library " + text::ToUtf8Lossy(name) + " was not found");
      // The host's own libraries stay mapped when their last load is given back, so what
      // they hold (a progress bar) outlives an add-on's load and release around each call.
      handle = dlopen(local.c_str(), RTLD_NOW | RTLD_LOCAL | (IsHostLibrary(local) ? RTLD_NODELETE : 0));
      if (!handle)
        throw HostError(HostStatus::FileError, "library " + text::ToUtf8Lossy(name) + " could not be loaded: " + dlerror());
    }
    void* function = dlsym(handle, symbol.c_str());
    if (!function) {
      if (!Loaded().contains(name)) dlclose(handle);  // no load is out: nothing to keep it for
      throw HostError(HostStatus::NotFound,
                      "library " + text::ToUtf8Lossy(name) + " has no function " + text::ToUtf8Lossy(symbol));
    }
    LoadedLibrary& loaded = Loaded()[name];
    loaded.handle = handle;
    ++loaded.loads;
    *function_ptr = reinterpret_cast<UF_load_f_p_t>(function);
  });
}

int UF_unload_library(const char* library_name) {
  return Guard("UF_unload_library", [&] {
    const std::string name = NeedText(library_name, "library_name");
    auto it = Loaded().find(name);
    if (it == Loaded().end())
      throw HostError(HostStatus::NotFound, "library " + text::ToUtf8Lossy(name) + " is not loaded");
    if (--it->second.loads > 0) return;
    dlclose(it->second.handle);
    Loaded().erase(it);
  });
}

}  // extern "C"
