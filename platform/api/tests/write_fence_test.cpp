// The write fence of a served session, through the host calls that write: whatever path
// a dialog names, nothing lands outside the fenced folder, links and ".." included.
#include <direct.h>
#include <io.h>
#include <uf_cfi.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/base/host_error.h"
#include "platform/files/atomic_file.h"
#include "platform/text/host_path.h"
#include "platform/text/write_fence.h"
#include "tests/support/test_model.h"

namespace {

namespace fs = std::filesystem;

class WriteFence : public ::testing::Test {
protected:
  void SetUp() override {
    root = fs::path(fabdoc_test::FreshDir("write_fence"));
    product = root / "product";
    outside = root / "outside";
    fs::create_directories(product / "sub");
    fs::create_directories(outside);
    fs::create_directory_symlink(outside, product / "link");
    platform::SetWriteFence({product.string()}, [this](const std::string& message) { refusals.push_back(message); });
  }
  void TearDown() override { platform::SetWriteFence({}); }

  static void Write(const fs::path& file) {
    platform::files::WriteFileAtomically(file.string(), file.string(), [](std::ostream& out) { out << "x"; });
  }
  static std::string Host(const fs::path& path) { return platform::ToHostPath(path.string()); }

  fs::path root, product, outside;
  std::vector<std::string> refusals;
};

TEST_F(WriteFence, FilesInsideTheFolderAreWrittenAndNothingLandsOutside) {
  Write(product / "sub" / "a.xlsx");
  EXPECT_TRUE(fs::exists(product / "sub" / "a.xlsx"));
  EXPECT_EQ(_mkdir(Host(product / "backup").c_str()), 0);

  // An absolute folder, the host's "..\..\" form, and a link inside that leads out.
  const std::vector<fs::path> escapes = {outside / "a.xlsx", product / "sub" / ".." / ".." / "outside" / "b.xlsx",
                                         product / "link" / "c.xlsx"};
  for (const fs::path& file : escapes) {
    EXPECT_THROW(Write(file), platform::HostError) << file;
    EXPECT_NE(_mkdir(Host(file.parent_path() / "made").c_str()), 0) << file;
  }
  // The backup's copy and rename out of the folder.
  std::ofstream(product / "part.prt") << "part";
  EXPECT_NE(uc4567(Host(product / "part.prt").c_str(), Host(outside / "part.prt").c_str(), UF_CFI_COPY_MODE_COPY,
                   UF_CFI_ANY_FILE_TYPE, UF_CFI_ANY_FILE_TYPE),
            0);
  EXPECT_NE(rename(Host(product / "part.prt").c_str(), Host(outside / "moved.prt").c_str()), 0);
  EXPECT_TRUE(fs::exists(product / "part.prt"));
  EXPECT_TRUE(fs::is_empty(outside)) << "a file was written outside the product folder";
  ASSERT_FALSE(refusals.empty());
  EXPECT_NE(refusals.front().find("is outside the folder this session may write in (" +
                                  fs::weakly_canonical(product).string() + ")"),
            std::string::npos)
      << refusals.front();
}

TEST_F(WriteFence, WithoutAFenceTheHostWritesWhereTheFileSystemLets) {
  platform::SetWriteFence({});
  Write(outside / "free.txt");
  EXPECT_TRUE(fs::exists(outside / "free.txt"));
  EXPECT_TRUE(refusals.empty());
}

}  // namespace
