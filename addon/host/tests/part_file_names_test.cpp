// The name and folder parts of a host path.
// Compiled like the add-on: string literals here are GBK.
#include <gtest/gtest.h>

#include "host/part_file_names.h"

TEST(PartFileNames, NameAndFolderOfAHostPath) {
  EXPECT_EQ(kzt::获取文件名和路径("D:\\a\\b\\P-001.prt", 1), "P-001");
  EXPECT_EQ(kzt::获取文件名和路径("D:\\a\\b\\P-001.prt", 2), "D:\\a\\b");
  EXPECT_EQ(kzt::获取文件名和路径("P-001.prt", 1), "P-001");
  EXPECT_EQ(kzt::获取文件名和路径("P-001.prt", 2), "");
  EXPECT_EQ(kzt::获取文件名和路径("D:\\a\\readme", 1), "readme");
  // "乗" ends in the byte 0x5C in GBK; it is a character, not a separator.
  EXPECT_EQ(kzt::获取文件名和路径("D:\\乗\\机架-1.prt", 2), "D:\\乗");
  EXPECT_EQ(kzt::获取文件名和路径("D:\\x\\乗-1.prt", 1), "乗-1");
}
