#include "platform/dwg/bit_writer.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace platform::dwg {

void BitWriter::Bit(bool value) {
  if (bits_ % 8 == 0) bytes_.push_back(0);
  if (value) bytes_.back() |= static_cast<uint8_t>(0x80u >> (bits_ % 8));
  ++bits_;
}

void BitWriter::Bits(uint64_t value, int count) {
  for (int i = count - 1; i >= 0; --i) Bit((value >> i) & 1u);
}

void BitWriter::RS(uint16_t value) {
  RC(static_cast<uint8_t>(value));
  RC(static_cast<uint8_t>(value >> 8));
}

void BitWriter::RL(uint32_t value) {
  for (int i = 0; i < 4; ++i) RC(static_cast<uint8_t>(value >> (8 * i)));
}

void BitWriter::RD(double value) {
  const auto raw = std::bit_cast<uint64_t>(value);
  for (int i = 0; i < 8; ++i) RC(static_cast<uint8_t>(raw >> (8 * i)));
}

void BitWriter::RawBytes(const std::vector<uint8_t>& bytes) {
  for (uint8_t b : bytes) RC(b);
}

void BitWriter::BS(uint16_t value) {
  if (value == 0) {
    BB(2);
  } else if (value == 256) {
    BB(3);
  } else if (value < 256) {
    BB(1);
    RC(static_cast<uint8_t>(value));
  } else {
    BB(0);
    RS(value);
  }
}

void BitWriter::BL(uint32_t value) {
  if (value == 0) {
    BB(2);
  } else if (value < 256) {
    BB(1);
    RC(static_cast<uint8_t>(value));
  } else {
    BB(0);
    RL(value);
  }
}

void BitWriter::BD(double value) {
  if (value == 0.0 && !std::signbit(value)) {
    BB(2);
  } else if (value == 1.0) {
    BB(1);
  } else {
    BB(0);
    RD(value);
  }
}

void BitWriter::DD(double value, double defaultValue) {
  if (std::bit_cast<uint64_t>(value) == std::bit_cast<uint64_t>(defaultValue)) {
    BB(0);
  } else {
    BB(3);
    RD(value);
  }
}

void BitWriter::BT(double thickness) {
  Bit(thickness == 0.0);
  if (thickness != 0.0) BD(thickness);
}

void BitWriter::BE(double x, double y, double z) {
  const bool isZAxis = x == 0.0 && y == 0.0 && z == 1.0;
  Bit(isZAxis);
  if (!isZAxis) Point3(x, y, z);
}

void BitWriter::TV(std::string_view codePageBytes) {
  // Without a terminating zero: readers that keep the counted bytes as they are
  // would otherwise show it as part of the name.
  if (codePageBytes.size() > 0xFFFF) throw std::length_error("DWG text longer than 65535 bytes");
  BS(static_cast<uint16_t>(codePageBytes.size()));
  for (char c : codePageBytes) RC(static_cast<uint8_t>(c));
}

void BitWriter::H(HandleRef ref) {
  int counter = 0;
  for (uint32_t v = ref.value; v != 0; v >>= 8) ++counter;
  Bits(ref.code, 4);
  Bits(static_cast<uint64_t>(counter), 4);
  for (int i = counter - 1; i >= 0; --i) RC(static_cast<uint8_t>(ref.value >> (8 * i)));
}

void BitWriter::PatchRL(size_t bitPosition, uint32_t value) {
  for (int byte = 0; byte < 4; ++byte) {
    const uint8_t b = static_cast<uint8_t>(value >> (8 * byte));
    for (int i = 0; i < 8; ++i) {
      const size_t at = bitPosition + static_cast<size_t>(byte * 8 + i);
      const uint8_t mask = static_cast<uint8_t>(0x80u >> (at % 8));
      if ((b >> (7 - i)) & 1u) bytes_[at / 8] |= mask;
      else bytes_[at / 8] &= static_cast<uint8_t>(~mask);
    }
  }
}

void BitWriter::Append(const BitWriter& other) {
  for (size_t i = 0; i < other.bits_; ++i)
    Bit((other.bytes_[i / 8] >> (7 - i % 8)) & 1u);
}

void AppendModularChar(std::vector<uint8_t>& out, int64_t value) {
  const bool negative = value < 0;
  uint64_t magnitude = negative ? static_cast<uint64_t>(-value) : static_cast<uint64_t>(value);
  // Seven bits a byte, low group first; the last byte keeps bit 6 for the sign.
  while (magnitude >= 0x40) {
    out.push_back(static_cast<uint8_t>((magnitude & 0x7F) | 0x80));
    magnitude >>= 7;
  }
  out.push_back(static_cast<uint8_t>(magnitude | (negative ? 0x40 : 0)));
}

void AppendUnsignedModularChar(std::vector<uint8_t>& out, uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<uint8_t>((value & 0x7F) | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<uint8_t>(value));
}

void AppendModularShort(std::vector<uint8_t>& out, uint32_t value) {
  // Fifteen bits a little-endian word, low group first; bit 15 says another follows.
  do {
    uint16_t word = static_cast<uint16_t>(value & 0x7FFF);
    value >>= 15;
    if (value != 0) word |= 0x8000;
    out.push_back(static_cast<uint8_t>(word));
    out.push_back(static_cast<uint8_t>(word >> 8));
  } while (value != 0);
}

}  // namespace platform::dwg
