// The standard parts of the part library a welding shop keeps (data/kzt-1/wucanku): their
// sub-folders, file names, titles and solid bodies at the dimensions of their standards
// (docs/standard-parts.md lists the standards and the figures).
#pragma once
#include <string>
#include <vector>

#include <TopoDS_Shape.hxx>

namespace platform::templates {

struct StandardPart {
  std::string folder;    // sub-folder of the library (UTF-8)
  std::string fileName;  // without ".prt" (UTF-8)
  std::string title;     // the body's part name (UTF-8)
  std::string standard;  // the standard it follows (UTF-8)
  TopoDS_Shape shape;    // millimetres; the axis along +Z, the bearing face at Z = 0
};

std::vector<StandardPart> StandardParts();

}  // namespace platform::templates
