#include "platform/files/read_all.h"

namespace platform::files {

bool ReadAll(std::istream& in, std::string& bytes) {
  // Blocks this large go from the file to the string without the stream's own buffer.
  constexpr std::size_t kBlock = std::size_t(1) << 20;
  while (in) {
    const std::size_t at = bytes.size();
    bytes.resize(at + kBlock);
    in.read(bytes.data() + at, static_cast<std::streamsize>(kBlock));
    bytes.resize(at + static_cast<std::size_t>(in.gcount()));
  }
  return in.eof() && !in.bad();
}

}  // namespace platform::files
