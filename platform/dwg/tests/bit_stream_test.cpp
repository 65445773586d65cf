// The bit codes and checksums, checked bit by bit against the format's definitions.
#include <gtest/gtest.h>

#include <string>

#include "platform/dwg/bit_writer.h"
#include "platform/dwg/crc.h"

using namespace platform::dwg;

namespace {

std::string BitsOf(const BitWriter& w) {
  std::string s;
  for (size_t i = 0; i < w.BitCount(); ++i) s += ((w.Bytes()[i / 8] >> (7 - i % 8)) & 1) ? '1' : '0';
  return s;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (uint8_t b : bytes) {
    if (!s.empty()) s += ' ';
    s += digits[b >> 4];
    s += digits[b & 15];
  }
  return s;
}

}  // namespace

TEST(BitCodes, ShortsAndLongsUseTheShortestOfTheirFourForms) {
  // 2-bit prefix: 10 zero, 11 the value 256 (shorts only), 01 one unsigned byte, 00 the full value.
  BitWriter zero, two56, five, big;
  zero.BS(0);
  two56.BS(256);
  five.BS(5);
  big.BS(0x1234);  // little-endian bytes 34 12
  EXPECT_EQ(BitsOf(zero), "10");
  EXPECT_EQ(BitsOf(two56), "11");
  EXPECT_EQ(BitsOf(five), "0100000101");
  EXPECT_EQ(BitsOf(big), "00" "00110100" "00010010");
  BitWriter longZero, longByte, longFull;
  longZero.BL(0);
  longByte.BL(200);
  longFull.BL(256);  // a long has no short form for 256: bytes 00 01 00 00
  EXPECT_EQ(BitsOf(longZero), "10");
  EXPECT_EQ(BitsOf(longByte), "01" "11001000");
  EXPECT_EQ(BitsOf(longFull), "00" "00000000" "00000001" "00000000" "00000000");
}

TEST(BitCodes, DoublesStoreZeroAndOneInTwoBitsAndDefaultsInTwo) {
  BitWriter one, zero, other, same, differs;
  one.BD(1.0);
  zero.BD(0.0);
  other.BD(2.0);  // IEEE 754: 0x4000000000000000, little-endian bytes
  same.DD(12.5, 12.5);
  differs.DD(3.0, 12.5);
  EXPECT_EQ(BitsOf(one), "01");
  EXPECT_EQ(BitsOf(zero), "10");
  EXPECT_EQ(other.BitCount(), 66u);
  EXPECT_EQ(BitsOf(other).substr(0, 2), "00");
  EXPECT_EQ(BitsOf(other).substr(58), "01000000");  // the last byte holds sign and exponent
  EXPECT_EQ(BitsOf(same), "00");
  EXPECT_EQ(differs.BitCount(), 66u);
  EXPECT_EQ(BitsOf(differs).substr(0, 2), "11");
}

TEST(BitCodes, HandlesCarryCodeCounterAndBigEndianValue) {
  BitWriter w;
  w.H({5, 0x1A2});  // code 5, two bytes: 0x52 then 01 A2
  w.H({4, 0});      // a null soft pointer is a single byte 0x40
  EXPECT_EQ(Hex(w.Bytes()), "52 01 A2 40");
}

TEST(BitCodes, TextsAreCountedBytesWithoutTerminator) {
  BitWriter w;
  w.TV("\xC2\xD6");  // GBK for 轮
  EXPECT_EQ(BitsOf(w), "01" "00000010" "11000010" "11010110");
}

TEST(BitCodes, PatchedSizeLandsOnUnalignedBits) {
  BitWriter w;
  w.BB(3);
  const size_t at = w.BitCount();
  w.RL(0);
  w.Bit(true);
  w.PatchRL(at, 0x01020304);
  EXPECT_EQ(BitsOf(w), "11" "00000100" "00000011" "00000010" "00000001" "1");
}

TEST(ModularCodes, SignedCharsKeepBitSixOfTheLastByteForTheSign) {
  std::vector<uint8_t> out;
  AppendModularChar(out, 63);   // fits one byte
  AppendModularChar(out, 64);   // would set the sign bit: C0 00
  AppendModularChar(out, -5);   // 0x05 | 0x40
  AppendModularChar(out, 300);  // 300 = 2 * 128 + 44: AC 02
  EXPECT_EQ(Hex(out), "3F C0 00 45 AC 02");
  std::vector<uint8_t> u;
  AppendUnsignedModularChar(u, 127);
  AppendUnsignedModularChar(u, 128);  // 80 01
  EXPECT_EQ(Hex(u), "7F 80 01");
}

TEST(ModularCodes, ShortsAreFifteenBitWords) {
  std::vector<uint8_t> out;
  AppendModularShort(out, 100);
  AppendModularShort(out, 40000);  // 40000 = 1 * 32768 + 7232 (0x1C40): 40 9C 01 00
  EXPECT_EQ(Hex(out), "64 00 40 9C 01 00");
}

TEST(Checksum, MatchesTheStandardCheckValueAndBothFileHeaderFormulas) {
  // CRC-16 with this polynomial over "123456789" from seed 0 is 0xBB3D by definition.
  const std::string check = "123456789";
  EXPECT_EQ(Crc16(0, reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0xBB3D);
  // One reader checks the file header from the seed 0xC0C1, another from 0 and then XORs
  // a constant per number of section locators (0xA598 for three); both must agree.
  std::vector<uint8_t> header(0x19 + 3 * 9);
  for (size_t i = 0; i < header.size(); ++i) header[i] = static_cast<uint8_t>(i * 37 + 11);
  EXPECT_EQ(Crc16(kCrcSeed, header.data(), header.size()),
            Crc16(0, header.data(), header.size()) ^ 0xA598);
}
