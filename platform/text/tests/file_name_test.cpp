// File names a Windows file system accepts, on GBK text.
#include <gtest/gtest.h>

#include "platform/text/file_name.h"
#include "platform/text/gbk.h"

using namespace platform::text;

TEST(SafeFileName, ReplacesWhatAFileNameCannotHoldAndKeepsDoubleByteCharacters) {
  EXPECT_EQ(SafeFileName(ToGbk("P-机架-1")), ToGbk("P-机架-1"));
  EXPECT_EQ(SafeFileName("a<b>c:d\"e/f\\g|h?i*j"), "a_b_c_d_e_f_g_h_i_j");
  EXPECT_EQ(SafeFileName("tab\there"), "tab_here");
  EXPECT_EQ(SafeFileName("end. "), "end__");
  EXPECT_EQ(SafeFileName(""), "_");
  // Trail bytes 0x5C and 0x7C belong to their character.
  EXPECT_EQ(SafeFileName("\x81\x5C" "\x81\x7C" "x"), "\x81\x5C" "\x81\x7C" "x");
  EXPECT_TRUE(FitsFileName(ToGbk("1-1-立柱")));
  EXPECT_FALSE(FitsFileName("a:b"));
}
