#include "platform/files/shape_section.h"

#include <sstream>
#include <streambuf>

#include <BinTools.hxx>
#include <Standard_Failure.hxx>
#include <TopoDS_Iterator.hxx>

#include "platform/files/shape_sanity.h"

namespace platform::files {

namespace {

// Reads straight from the file's bytes: a section is not copied to be read.
class ViewBuffer : public std::streambuf {
public:
  explicit ViewBuffer(std::string_view bytes) {
    char* begin = const_cast<char*>(bytes.data());  // only ever read
    setg(begin, begin, begin + bytes.size());
  }

protected:
  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    const off_type size = egptr() - eback();
    const off_type base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? gptr() - eback() : size;
    if (off < -base || off > size - base) return pos_type(off_type(-1));
    setg(eback(), eback() + base + off, egptr());
    return pos_type(base + off);
  }
  pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
    return seekoff(off_type(pos), std::ios_base::beg, which);
  }
};

}  // namespace

void AppendPiece(std::string& section, std::string_view bytes) {
  for (int i = 0; i < 8; ++i) section.push_back(static_cast<char>((std::uint64_t(bytes.size()) >> (8 * i)) & 0xff));
  section += bytes;
}

std::string WriteShapePiece(const TopoDS_Shape& shape) {
  std::ostringstream stream(std::ios::binary);
  BinTools::Write(shape, stream, false, false, BinTools_FormatVersion_CURRENT);
  return stream.str();
}

std::string WriteShapeSection(const std::vector<TopoDS_Shape>& shapes) {
  std::string section;
  for (const TopoDS_Shape& shape : shapes) AppendPiece(section, WriteShapePiece(shape));
  return section;
}

std::optional<std::vector<std::string_view>> ShapeSectionPieces(std::string_view section, int version) {
  if (version < kFirstFormatWithPiecePerBody) return std::vector<std::string_view>{section};
  std::vector<std::string_view> pieces;
  while (!section.empty()) {
    if (section.size() < 8) return std::nullopt;
    std::uint64_t length = 0;
    for (int i = 0; i < 8; ++i) length |= std::uint64_t(static_cast<unsigned char>(section[i])) << (8 * i);
    section.remove_prefix(8);
    if (length > section.size()) return std::nullopt;
    pieces.push_back(section.substr(0, length));
    section.remove_prefix(length);
  }
  return pieces;
}

std::vector<TopoDS_Shape> ReadShapePiece(std::string_view piece, int version) {
  ViewBuffer buffer(piece);
  std::istream stream(&buffer);
  // Read in place: a shape is not copied before its orientation has been checked.
  std::vector<TopoDS_Shape> shapes(1);
  BinTools::Read(shapes.front(), stream);
  if (version >= kFirstFormatWithPiecePerBody) return shapes;
  const TopoDS_Shape& compound = shapes.front();  // the bodies are its children
  if (std::string fault = TopologyFault(compound); !fault.empty())
    throw Standard_Failure(fault.c_str());
  std::vector<TopoDS_Shape> children;
  for (TopoDS_Iterator it(compound, false, false); it.More(); it.Next()) children.push_back(it.Value());
  return children;
}

}  // namespace platform::files
