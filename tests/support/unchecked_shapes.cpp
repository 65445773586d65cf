#include "tests/support/unchecked_shapes.h"

#include <cstdint>
#include <fstream>
#include <string>

#include "platform/files/shape_section.h"

namespace fabdoc_test {

std::vector<TopoDS_Shape> UncheckedShapes(const std::filesystem::path& file) {
  using namespace platform::files;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u64 = [&](size_t at) {
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return v;
  };
  // Magic line, description (length and bytes), then the shape section (length and bytes).
  const size_t descAt = bytes.find('\n') + 1;
  const size_t shapesAt = descAt + 8 + u64(descAt) + 8;
  const auto pieces = ShapeSectionPieces(std::string_view(bytes).substr(shapesAt, u64(shapesAt - 8)),
                                         kFirstFormatWithPiecePerBody);
  std::vector<TopoDS_Shape> shapes;
  for (const auto piece : pieces.value())
    for (const TopoDS_Shape& shape : ReadShapePiece(piece, kFirstFormatWithPiecePerBody)) shapes.push_back(shape);
  return shapes;
}

}  // namespace fabdoc_test
