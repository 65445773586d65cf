#pragma once
// The shape section of a part file: OCCT binary B-rep, one stream per body (format 3)
// or one compound holding every body (formats 1 and 2). A section is split into pieces
// that are checked and read one at a time, so that checking and reading can overlap.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <TopoDS_Shape.hxx>

namespace platform::files {

// The first format whose shape section holds one stream per body.
constexpr int kFirstFormatWithPiecePerBody = 3;

// One shape as format 3 stores it (without its length).
std::string WriteShapePiece(const TopoDS_Shape& shape);

// Appends `bytes` to `section` as a piece: its length (u64, little-endian), then itself.
void AppendPiece(std::string& section, std::string_view bytes);

// The section of format 3: for each shape, its length (u64, little-endian) and stream.
std::string WriteShapeSection(const std::vector<TopoDS_Shape>& shapes);

// The pieces of `section` in order; nothing when its lengths do not add up.
std::optional<std::vector<std::string_view>> ShapeSectionPieces(std::string_view section, int version);

// The shapes a piece holds, in order. OCCT's reader trusts its input: a piece must have
// been read and checked in isolation first. Throws Standard_Failure.
std::vector<TopoDS_Shape> ReadShapePiece(std::string_view piece, int version);

}  // namespace platform::files
