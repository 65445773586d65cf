// Paths in messages: the local path where the host path maps to one, the host path as it
// is where it does not, and no failure either way.
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/text/gbk.h"
#include "platform/text/shown_path.h"

using platform::ShownPath;
using platform::text::ToGbk;

TEST(ShownPath, MappedPathsAreShownAsThisMachineWritesThem) {
  EXPECT_EQ(ShownPath("\\tmp\\out\\frame.prt"), "/tmp/out/frame.prt");
  EXPECT_EQ(ShownPath("C:\\tmp\\a.dwg"), "/tmp/a.dwg");
  EXPECT_EQ(ShownPath("a.prt"), "a.prt");
  // 乗 in GBK ends in 0x5C, the byte of a backslash: it stays one character.
  EXPECT_EQ(ShownPath(ToGbk("\\tmp\\1-1-立柱乗\\x.dwg")), "/tmp/1-1-立柱乗/x.dwg");
  setenv("FABDOC_DRIVE_Q", "/srv/q/", 1);
  EXPECT_EQ(ShownPath("Q:\\jobs\\a.prt"), "/srv/q/jobs/a.prt");
  unsetenv("FABDOC_DRIVE_Q");
}

TEST(ShownPath, PathsWithoutALocalFormAreShownAsTheHostGivesThem) {
  unsetenv("FABDOC_DRIVE_Q");
  EXPECT_EQ(ShownPath("Q:\\jobs\\a.prt"), "Q:\\jobs\\a.prt") << "an unmapped drive";
  EXPECT_EQ(ShownPath("\\tmp\\\xFF\xFF.prt"), "\\tmp\\??.prt") << "bytes that are not GBK";
}
