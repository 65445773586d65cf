// The DWG bit stream: values packed most significant bit first, with the format's
// compressed codes (bit short, bit long, bit double, handles, modular chars).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform::dwg {

// A handle reference: a 4-bit code saying how the object refers to the target
// (2 soft owner, 3 hard owner, 4 soft pointer, 5 hard pointer) and its value.
struct HandleRef {
  uint8_t code = 0;
  uint32_t value = 0;
};

class BitWriter {
 public:
  void Bit(bool value);
  void Bits(uint64_t value, int count);  // the low `count` bits, high bit first

  // Raw values, little-endian bytes.
  void RC(uint8_t value) { Bits(value, 8); }
  void RS(uint16_t value);
  void RL(uint32_t value);
  void RD(double value);
  void RawBytes(const std::vector<uint8_t>& bytes);

  // Compressed codes.
  void BB(unsigned value) { Bits(value, 2); }
  void BS(uint16_t value);
  void BL(uint32_t value);
  void BD(double value);
  void DD(double value, double defaultValue);  // double stored against a default
  void BT(double thickness);                   // 0 as a single bit
  void BE(double x, double y, double z);       // (0,0,1) as a single bit
  void Point3(double x, double y, double z) { BD(x); BD(y); BD(z); }
  void Raw2D(double x, double y) { RD(x); RD(y); }
  void CMC(uint16_t colourIndex) { BS(colourIndex); }
  void TV(std::string_view codePageBytes);  // length-prefixed, in the drawing's code page
  void H(HandleRef ref);

  size_t BitCount() const { return bits_; }
  // Overwrites 32 bits written earlier (a size known only later).
  void PatchRL(size_t bitPosition, uint32_t value);
  void Append(const BitWriter& other);
  // The bytes so far; a last partial byte is padded with zero bits.
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t bits_ = 0;
};

// Byte-aligned modular codes of the object map and object sizes.
void AppendModularChar(std::vector<uint8_t>& out, int64_t value);          // signed
void AppendUnsignedModularChar(std::vector<uint8_t>& out, uint64_t value);
void AppendModularShort(std::vector<uint8_t>& out, uint32_t value);

}  // namespace platform::dwg
