// The UTF-8 check gives the converter's verdict on every kind of sequence, and on
// random bytes, at a fraction of its cost.
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/text/gbk.h"

namespace {

// The C library's converter as the reference: UTF-8 to UTF-32 succeeds or not.
bool ConverterAccepts(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  std::vector<char> out(bytes.size() * 4 + 4);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size(), outLeft = out.size();
  char* dst = out.data();
  const bool ok = iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1) && inLeft == 0;
  iconv_close(cd);
  return ok;
}

}  // namespace

TEST(Utf8, EveryKindOfSequenceIsJudgedAsTheConverterJudgesIt) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"", true},
      {"plain ASCII; #12=X('a');", true},
      {"\xE6\x9C\xBA\xE6\x9E\xB6-3", true},                   // 机架-3
      {"\xF0\x9F\x98\x80", true},                             // beyond the basic plane
      {"\xF4\x8F\xBF\xBF", true},                             // U+10FFFF, the last
      {std::string("a\0b", 3), true},
      {"\xC0\xAF", false},                                    // overlong '/'
      {"\xE0\x80\xAF", false},                                // overlong, three bytes
      {"\xF0\x80\x80\xAF", false},                            // overlong, four bytes
      {"\xED\xA0\x80", false},                                // a surrogate
      {"\xF4\x90\x80\x80", false},                            // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\x80", false},                                        // a lone continuation
      {"\xE6\x9C", false},                                    // cut short at the end
      {"\xE6\x9C" "a", false},                                // cut short in the middle
      {"\xBB\xFA\xBC\xDC", false},                            // 机架 in GBK
      {"\xFF\xFE", false},
      {"\xC2\x80\xDF\xBF", true},                             // U+0080, U+07FF
      {"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", true},  // U+0800, U+D7FF, U+E000, U+FFFF
      {"\xF0\x90\x80\x80", true},                             // U+10000
      {"\xC1\xBF", false},                                    // overlong U+007F
      {"\xE0\x9F\xBF", false},                                // overlong U+07FF
      {"\xF0\x8F\xBF\xBF", false},                            // overlong U+FFFF
      {"\xED\xBF\xBF", false},                                // surrogate U+DFFF
      {"\xFF", false},
      {"ok\xE6\x9C", false},
      {"\xF0\x90\x80" "\xC2\x80", false},                      // a lead where a continuation belongs
  };
  for (const auto& [bytes, valid] : cases) {
    EXPECT_EQ(platform::text::IsValidUtf8(bytes), valid) << testing::PrintToString(bytes);
    EXPECT_EQ(ConverterAccepts(bytes), valid) << "the reference disagrees: " << testing::PrintToString(bytes);
  }
  // Random text made mostly of valid characters with a few bytes changed.
  std::mt19937 rng(7);
  const std::string pieces[] = {"a", "\xE6\x9C\xBA", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xED\x9F\xBF", "\xEE\x80\x80"};
  for (int n = 0; n < 3000; ++n) {
    std::string bytes;
    for (int i = rng() % 12; i > 0; --i) bytes += pieces[rng() % 6];
    if (!bytes.empty() && n % 2) bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
    ASSERT_EQ(platform::text::IsValidUtf8(bytes), ConverterAccepts(bytes)) << testing::PrintToString(bytes);
  }
}
