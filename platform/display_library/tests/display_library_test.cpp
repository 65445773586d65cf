// The host's display library as the add-on reaches it: found by UF_load_library under
// its decorated names in UGII_BASE_DIR\NXBIN\libdisp.dll, callable, and silent when
// standard error is not a terminal.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include <uf.h>

#include "platform/text/host_environment.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"

namespace {

const char* const kNames[] = {
    "?MT_ask_progress_cue_context@@YAHXZ",   "?MT_create_progress_bar@@YA_NH_NPEAJ@Z",
    "?MT_show_progress_bar@@YAXPEAJ@Z",      "?MT_set_progress_text@@YAXPEAJPEAD_N@Z",
    "?MT_set_progress_range@@YAXPEAJHH@Z",   "?MT_set_progress_pos@@YAXPEAJH@Z",
    "?MT_delete_progress_bar@@YAXPEAJ@Z",    "?DISPLAY_set_background_type@@YAXHH@Z"};

std::string LibraryHostPath() { return platform::BaseDirHostPath() + "\\NXBIN\\libdisp.dll"; }

// Runs `f` with standard error sent to a file and returns what was written there.
template <class F>
std::string CaptureStderr(F f) {
  const std::string file = fabdoc_test::FreshDir("display_library") + "/stderr.txt";
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  dup2(fd, STDERR_FILENO);
  close(fd);
  f();
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(DisplayLibrary, ExportsEveryDecoratedNameUnderItsExactSpelling) {
  void* library = dlopen(platform::ToLocalPath(LibraryHostPath()).c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  for (const char* name : kNames) EXPECT_NE(dlsym(library, name), nullptr) << name;
  EXPECT_EQ(dlsym(library, "_MT_ask_progress_cue_context__YAHXZ"), nullptr);  // no stand-in is left
  dlclose(library);
}

TEST(DisplayLibrary, ProgressBarRunsThroughTheHostLookupAndPrintsNothingWithoutATerminal) {
  const std::string path = LibraryHostPath();
  auto find = [&](const char* name) {
    UF_load_f_p_t f = nullptr;
    EXPECT_EQ(UF_load_library(path.c_str(), name, &f), 0) << name;
    return f;
  };
  auto context = reinterpret_cast<int (*)()>(find(kNames[0]));
  auto create = reinterpret_cast<bool (*)(int, bool, long*)>(find(kNames[1]));
  auto show = reinterpret_cast<void (*)(long*)>(find(kNames[2]));
  auto text = reinterpret_cast<void (*)(long*, char*, bool)>(find(kNames[3]));
  auto range = reinterpret_cast<void (*)(long*, int, int)>(find(kNames[4]));
  auto pos = reinterpret_cast<void (*)(long*, int)>(find(kNames[5]));
  auto remove = reinterpret_cast<void (*)(long*)>(find(kNames[6]));
  auto background = reinterpret_cast<void (*)(int, int)>(find(kNames[7]));
  ASSERT_TRUE(context && create && show && text && range && pos && remove && background);

  long handle = 0;
  const std::string printed = CaptureStderr([&] {
    EXPECT_TRUE(create(context(), true, &handle));
    EXPECT_NE(handle, 0);
    show(&handle);
    char label[] = "kzt-progress";
    text(&handle, label, true);
    range(&handle, 0, 4);
    for (int i = 0; i <= 4; ++i) pos(&handle, i);
    remove(&handle);
    background(0, 2);
  });
  EXPECT_EQ(printed, "");
  EXPECT_EQ(handle, 0);  // deleting the bar empties the handle
  long unknown = 12345;
  pos(&unknown, 1);  // a handle that was never created is ignored
  for (const char* name : kNames) EXPECT_EQ(UF_unload_library(path.c_str()), 0) << "one release per load: " << name;
}

TEST(DisplayLibrary, ABarOutlivesEveryReleaseOfTheLibraryAroundEachCall) {
  // The add-on loads and releases the library around every call. The host's own library
  // stays loaded throughout, so the bar made by the first call is known to the last: its
  // delete finds it and empties the handle.
  const std::string path = LibraryHostPath();
  auto call = [&](const char* name, auto signature, auto&&... args) {
    UF_load_f_p_t f = nullptr;
    EXPECT_EQ(UF_load_library(path.c_str(), name, &f), 0) << name;
    if (f) reinterpret_cast<decltype(signature)>(f)(args...);
    EXPECT_EQ(UF_unload_library(path.c_str()), 0) << name;
  };
  int context = 0;
  UF_load_f_p_t ask = nullptr;
  ASSERT_EQ(UF_load_library(path.c_str(), kNames[0], &ask), 0);
  context = reinterpret_cast<int (*)()>(ask)();
  EXPECT_EQ(UF_unload_library(path.c_str()), 0);
  long handle = 0;
  call(kNames[1], static_cast<bool (*)(int, bool, long*)>(nullptr), context, true, &handle);
  ASSERT_NE(handle, 0);
  call(kNames[5], static_cast<void (*)(long*, int)>(nullptr), &handle, 1);
  call(kNames[6], static_cast<void (*)(long*)>(nullptr), &handle);
  EXPECT_EQ(handle, 0) << "the bar was gone before its delete arrived";
}

TEST(DisplayLibrary, CreateRefusesAnUnknownContext) {
  const std::string path = LibraryHostPath();
  UF_load_f_p_t f = nullptr;
  ASSERT_EQ(UF_load_library(path.c_str(), kNames[1], &f), 0);
  long handle = 0;
  EXPECT_FALSE(reinterpret_cast<bool (*)(int, bool, long*)>(f)(99, true, &handle));
  EXPECT_EQ(handle, 0);
  UF_unload_library(path.c_str());
}

}  // namespace
