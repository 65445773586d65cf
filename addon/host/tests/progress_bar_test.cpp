// The progress bar finds the display library's functions when the library is there and
// does nothing, harmlessly, when it is not.
#include <cstdlib>

#include "addon/host/tests/framework_fixture.h"
#include "host/progress_bar.h"

class ProgressBar : public kzt_test::HostTest {
protected:
  void TearDown() override {
    unsetenv("UGII_BASE_DIR");
    HostTest::TearDown();
  }
};

TEST_F(ProgressBar, LibraryInTheDataFolderGivesAHandle) {
  setenv("UGII_BASE_DIR", (std::string(FABDOC_TEST_SOURCE_DIR) + "/data").c_str(), 1);
  const long handle = kzt::progress_create();
  EXPECT_NE(handle, 0) << "the library's create call fills the handle";
  kzt::progress_show(handle);
  kzt::progress_set_range(handle, 0, 10);
  kzt::progress_set_pos(handle, 5);
  kzt::progress_delete(handle);
}

TEST_F(ProgressBar, WithoutTheLibraryEveryCallIsSilentAndTheBatchStillFinishes) {
  const std::string empty = fabdoc_test::FreshDir("no-display-library");
  setenv("UGII_BASE_DIR", empty.c_str(), 1);
  testing::internal::CaptureStderr();
  const long handle = kzt::progress_create();
  EXPECT_EQ(handle, 0);
  kzt::progress_show(handle);
  kzt::progress_set_range(handle, 0, 10);
  kzt::progress_set_pos(handle, 5);
  kzt::progress_delete(handle);
  kzt::finish_batch_display();
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(Shown("status"), std::vector<std::string>{Utf8("kzt-1制作")}) << err;
}
