// The shapes of a part file as OCCT alone reads them, with none of the reader's checks:
// how a damaged body would get into a session if the reader let it through.
#pragma once
#include <filesystem>
#include <vector>

#include <TopoDS_Shape.hxx>

namespace fabdoc_test {

// The shapes of a format-3 part file's section, in order. Only for files known to read.
std::vector<TopoDS_Shape> UncheckedShapes(const std::filesystem::path& file);

}  // namespace fabdoc_test
