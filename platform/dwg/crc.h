// The 16-bit checksum that guards every section, page and object of the file.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform::dwg {

// Seed of all checksums this writer stores.
constexpr uint16_t kCrcSeed = 0xC0C1;

uint16_t Crc16(uint16_t seed, const uint8_t* data, size_t size);

}  // namespace platform::dwg
