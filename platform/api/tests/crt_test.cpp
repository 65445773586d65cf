// The Windows and C-runtime calls on real folders with Chinese names given as host paths
// (backslashes, GBK): folder listing, access, mkdir, rename, delete, file existence,
// library loading and the shell.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "tests/support/api_fixture.h"
#include "platform/text/gbk.h"
#include "platform/text/host_environment.h"
#include "platform/text/host_path.h"

#include <direct.h>
#include <uf_cfi.h>
#include <windows.h>
// Last: it routes rename() to the host-path version, as in the add-on's sources.
#include <io.h>

using namespace platform;
using namespace fabdoc_test;
namespace fs = std::filesystem;

namespace {

void Touch(const std::string& localPath, const std::string& content = "x") {
  std::ofstream(localPath) << content;
}

std::vector<std::string> List(const std::string& spec) {
  std::vector<std::string> names;
  _finddata64i32_t info;
  const intptr_t handle = _findfirst64i32(spec.c_str(), &info);
  if (handle == -1) return names;
  do names.push_back(info.name);
  while (_findnext64i32(handle, &info) == 0);
  EXPECT_EQ(_findclose(handle), 0);
  return names;
}

}  // namespace

class CrtCalls : public ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    local = FreshDir("crt");
    host = ToHostPath(local);
  }
  std::string local, host;  // the same folder, as this machine and as the host name it
};

TEST_F(CrtCalls, FoldersWithChineseNamesAreMadeListedAndTested) {
  const std::string folder = host + "\\" + Gbk("装配(备份)");
  EXPECT_EQ(_access(folder.c_str(), 0), -1);
  ASSERT_EQ(_mkdir(folder.c_str()), 0);
  EXPECT_TRUE(fs::is_directory(local + "/装配(备份)"));
  EXPECT_EQ(_access(folder.c_str(), 0), 0);
  EXPECT_EQ(_access(folder.c_str(), 6), 0);
  EXPECT_EQ(_mkdir(folder.c_str()), -1);
  EXPECT_EQ(errno, EEXIST);
  EXPECT_EQ(_mkdir((host + "\\a\\b").c_str()), -1) << "one level at a time";
  EXPECT_EQ(errno, ENOENT);

  Touch(local + "/装配(备份)/底板-1-2.prt", "12345");
  Touch(local + "/装配(备份)/B.prt");
  Touch(local + "/装配(备份)/a.dat");
  fs::create_directory(local + "/装配(备份)/sub");
  // Windows lists "." and "..", then names in order, ASCII case ignored.
  EXPECT_EQ(List(folder + "\\*"),
            (std::vector<std::string>{".", "..", "a.dat", "B.prt", "sub", Gbk("底板-1-2.prt")}));
  EXPECT_EQ(List(folder + "\\*.PRT"), (std::vector<std::string>{"B.prt", Gbk("底板-1-2.prt")}));
  EXPECT_EQ(List(folder + "\\" + Gbk("底板") + "-?-2.prt"), std::vector<std::string>{Gbk("底板-1-2.prt")});
  EXPECT_TRUE(List(folder + "\\*.xlsx").empty());

  _finddata64i32_t info;
  const intptr_t handle = _findfirst64i32((folder + "\\" + Gbk("底板-1-2.prt")).c_str(), &info);
  ASSERT_NE(handle, -1);
  EXPECT_EQ(info.size, 5u);
  EXPECT_EQ(info.attrib & _A_SUBDIR, 0u);
  EXPECT_EQ(_findnext64i32(handle, &info), -1);
  _findclose(handle);
  ASSERT_NE(_findfirst64i32((folder + "\\sub").c_str(), &info), -1);
  EXPECT_NE(info.attrib & _A_SUBDIR, 0u);
  EXPECT_EQ(_findfirst64i32((host + "\\nowhere\\*").c_str(), &info), -1);
}

TEST_F(CrtCalls, RenameRefusesToReplaceAndDeleteRemovesFiles) {
  const std::string part = host + "\\" + Gbk("底板-1-2.prt");
  const std::string old = host + "\\" + Gbk("底板-1-2(old).prt");
  Touch(local + "/底板-1-2.prt", "new");
  Touch(local + "/底板-1-2(old).prt", "old");
  // As the component builder: the old version exists, so it is deleted first.
  EXPECT_EQ(rename(part.c_str(), old.c_str()), -1);
  EXPECT_EQ(errno, EEXIST);
  int status = -1;
  ASSERT_EQ(UF_CFI_ask_file_exist(old.c_str(), &status), 0);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(DeleteFileA(old.c_str()));
  ASSERT_EQ(UF_CFI_ask_file_exist(old.c_str(), &status), 0);
  EXPECT_EQ(status, 1);
  ASSERT_EQ(std::rename(part.c_str(), old.c_str()), 0);
  EXPECT_FALSE(fs::exists(local + "/底板-1-2.prt"));
  std::ifstream in(local + "/底板-1-2(old).prt");
  std::string content;
  in >> content;
  EXPECT_EQ(content, "new");
  EXPECT_FALSE(DeleteFileA(part.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileA(host.c_str())) << "a folder is not a file";
}

TEST_F(CrtCalls, ReadOnlyFilesAreNotWritableNorDeletedAsOnWindows) {
  const std::string file = host + "\\" + Gbk("底板-1.prt");
  Touch(local + "/底板-1.prt", "kept");
  ::chmod((local + "/底板-1.prt").c_str(), 0444);
  EXPECT_EQ(_access(file.c_str(), 0), 0);
  EXPECT_EQ(_access(file.c_str(), 2), -1) << "the permission bit decides, even for root";
  EXPECT_EQ(_access(file.c_str(), 4), 0);
  EXPECT_FALSE(DeleteFileA(file.c_str()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_TRUE(fs::exists(local + "/底板-1.prt"));
  EXPECT_EQ(_access(host.c_str(), 2), 0) << "a folder's write access is not its files'";
  ::chmod((local + "/底板-1.prt").c_str(), 0644);
  EXPECT_EQ(_access(file.c_str(), 2), 0);
  EXPECT_TRUE(DeleteFileA(file.c_str()));
}

TEST_F(CrtCalls, LibrariesLoadByHostPathOrPlainNameAndMissingOnesGiveNull) {
  EXPECT_EQ(LoadLibraryA("libnothing.dll"), nullptr) << "no such library anywhere";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryA((host + "\\nothing.dll").c_str()), nullptr);

  fs::create_directories(local + "/NXBIN");
  fs::copy_file("/lib/x86_64-linux-gnu/libm.so.6", local + "/NXBIN/libdisp.dll");
  setenv("UGII_BASE_DIR", local.c_str(), 1);
  HMODULE library = LoadLibraryA("libdisp.dll");
  unsetenv("UGII_BASE_DIR");
  ASSERT_NE(library, nullptr);
  auto cosine = reinterpret_cast<double (*)(double)>(reinterpret_cast<void*>(GetProcAddress(library, "cos")));
  ASSERT_NE(cosine, nullptr);
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(GetProcAddress(library, "?DISPLAY_set_background_type@@YAXHH@Z"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));

  // A plain name is also looked for in the start-up folder.
  SetStartupFolder(local + "/NXBIN");
  library = LoadLibraryA("libdisp");
  SetStartupFolder("");
  ASSERT_NE(library, nullptr) << "\".dll\" is added to a name without extension";
  FreeLibrary(library);
}

TEST_F(CrtCalls, ShellOpenPrintsTheFolderWhenItExists) {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  testing::internal::CaptureStdout();
  const auto opened = reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", host.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  const auto missing = reinterpret_cast<intptr_t>(
      ShellExecuteA(nullptr, "open", (host + "\\nowhere").c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_GT(opened, 32);
  EXPECT_LE(missing, 32);
  EXPECT_EQ(out, "shell: open " + local + "\n") << "the folder as this machine names it";
}

// A desktop is faked by DISPLAY and an xdg-open on PATH that notes what it was given.
TEST_F(CrtCalls, WithADesktopShellOpenHandsTheFolderToXdgOpen) {
  const std::string bin = local + "/bin", noted = local + "/opened.txt";
  fs::create_directories(bin);
  Touch(bin + "/xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > '" + noted + "'\nexit ${FAKE_XDG_EXIT:-0}\n");
  fs::permissions(bin + "/xdg-open", fs::perms::owner_all);
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  setenv("PATH", (bin + ":" + path).c_str(), 1);
  setenv("DISPLAY", ":99", 1);
  testing::internal::CaptureStdout();
  const auto opened = reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", host.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  setenv("FAKE_XDG_EXIT", "3", 1);
  const auto refused = reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", host.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  const std::string out = testing::internal::GetCapturedStdout();
  unsetenv("FAKE_XDG_EXIT");
  unsetenv("DISPLAY");
  setenv("PATH", path.c_str(), 1);
  EXPECT_GT(opened, 32);
  EXPECT_EQ(refused, SE_ERR_NOASSOC) << "the desktop could not open it";
  std::ifstream in(noted);
  std::string given((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(given, local) << "this machine's path of the folder";
  EXPECT_EQ(out, "shell: open " + local + "\nshell: open " + local + "\n");
}
