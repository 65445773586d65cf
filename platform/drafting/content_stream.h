// A view's content as a compact binary stream, bit for bit: how worker processes hand
// their projections back. Reading checks every length against what is left, so a short
// or damaged stream is an error, never a crash or a partial content.
#pragma once
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/drafting/view_curves.h"

namespace platform::drafting {

class StreamError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Appends plain values to a byte string (host byte order: both ends are one machine).
class StreamWriter {
public:
  void U8(std::uint8_t v) { Raw(&v, sizeof v); }
  void U32(std::uint32_t v) { Raw(&v, sizeof v); }
  void U64(std::uint64_t v) { Raw(&v, sizeof v); }
  void F64(double v) { Raw(&v, sizeof v); }
  void Text(std::string_view text);
  const std::string& Bytes() const { return bytes_; }
  std::string Take() { return std::move(bytes_); }

private:
  void Raw(const void* data, std::size_t size) { bytes_.append(static_cast<const char*>(data), size); }
  std::string bytes_;
};

// Reads them back; StreamError when the bytes run out or a count cannot be right.
class StreamReader {
public:
  explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}
  std::uint8_t U8() { return Get<std::uint8_t>(); }
  std::uint32_t U32() { return Get<std::uint32_t>(); }
  std::uint64_t U64() { return Get<std::uint64_t>(); }
  double F64() { return Get<double>(); }
  std::string Text();
  // A count of items of at least `itemBytes` each, refused when the rest cannot hold them.
  std::uint32_t Count(std::size_t itemBytes);
  bool AtEnd() const { return at_ == bytes_.size(); }

private:
  template <class T>
  T Get() {
    static_assert(std::is_trivially_copyable_v<T>);
    if (bytes_.size() - at_ < sizeof(T)) throw StreamError("view content stream: cut short");
    T value;
    std::memcpy(&value, bytes_.data() + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  std::string_view bytes_;
  std::size_t at_ = 0;
};

void WriteContent(StreamWriter& out, const ViewContent& content);
ViewContent ReadContent(StreamReader& in);

}  // namespace platform::drafting
