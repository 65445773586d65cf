#include "platform/dwg/crc.h"

#include <array>

namespace platform::dwg {
namespace {

// The reflected form of the polynomial x^16 + x^15 + x^2 + 1.
constexpr std::array<uint16_t, 256> MakeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) ? (crc >> 1) ^ 0xA001u : crc >> 1;
    table[i] = static_cast<uint16_t>(crc);
  }
  return table;
}

constexpr auto kTable = MakeTable();

}  // namespace

uint16_t Crc16(uint16_t seed, const uint8_t* data, size_t size) {
  uint16_t crc = seed;
  for (size_t i = 0; i < size; ++i)
    crc = static_cast<uint16_t>((crc >> 8) ^ kTable[(crc ^ data[i]) & 0xFF]);
  return crc;
}

}  // namespace platform::dwg
