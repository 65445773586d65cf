// Well-formed UTF-8 is told from what only looks like it; each rejected case is a way
// real bytes go wrong (GBK taken for UTF-8, a cut file, a decoder's forbidden forms).
#include <string>

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

using platform::text::IsValidUtf8;
using platform::text::ToGbk;

TEST(Utf8Check, AcceptsEveryLengthUpToTheLastCodePoint) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8(std::string("a\0b", 3)));  // NUL is a character like any other
  EXPECT_TRUE(IsValidUtf8("\xC2\x80\xDF\xBF"));       // U+0080, U+07FF
  EXPECT_TRUE(IsValidUtf8("机架-3 ⌀"));                // three-byte characters
  EXPECT_TRUE(IsValidUtf8("\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"));  // U+0800, U+D7FF, U+E000, U+FFFF
  EXPECT_TRUE(IsValidUtf8("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"));  // U+10000, U+10FFFF
}

TEST(Utf8Check, RefusesWhatNoDecoderMayAccept) {
  EXPECT_FALSE(IsValidUtf8(ToGbk("机架")));                // GBK bytes
  EXPECT_FALSE(IsValidUtf8("\x80"));                      // a continuation without a lead
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                  // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xC1\xBF"));                  // overlong U+007F
  EXPECT_FALSE(IsValidUtf8("\xE0\x9F\xBF"));              // overlong U+07FF
  EXPECT_FALSE(IsValidUtf8("\xF0\x8F\xBF\xBF"));          // overlong U+FFFF
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));              // surrogate U+D800
  EXPECT_FALSE(IsValidUtf8("\xED\xBF\xBF"));              // surrogate U+DFFF
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));          // U+110000
  EXPECT_FALSE(IsValidUtf8("\xF5\x80\x80\x80"));
  EXPECT_FALSE(IsValidUtf8("\xFF"));
  EXPECT_FALSE(IsValidUtf8("ok\xE6\x9C"));                // cut short at the end
  EXPECT_FALSE(IsValidUtf8("\xE6\x9C" "a"));              // cut short by an ASCII byte
  EXPECT_FALSE(IsValidUtf8("\xF0\x90\x80" "\xC2\x80"));   // a lead where a continuation belongs
}
