// Drafting objects of a part: drawing sheets, the views on them (and the part's model
// views), and tabular notes. Views and notes refer to their sheet by persistent id.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

class DrawingSheet : public Object {
public:
  DrawingSheet() : Object(kDrawingType, 0) {}
  double scale = 1.0;               // model units per sheet unit, shown as 1:scale
  double width = 297, height = 210; // mm
  std::string templatePath;         // host path of the sheet template it came from
};

class DraftingView : public Object {
public:
  DraftingView() : Object(kViewType, 0) {}
  std::uint32_t sheetPid = 0;       // 0 for a model view of the part
  double scale = 1.0;
  std::array<double, 2> position{}; // centre on the sheet, mm
  std::array<double, 9> orientation{1, 0, 0, 0, 1, 0, 0, 0, 1};  // view X, Y, Z rows
};

class TabularNote : public Object {
public:
  TabularNote() : Object(kTabularNoteType, 0) {}
  std::uint32_t sheetPid = 0;
  std::array<double, 2> position{};
  int rows = 0, columns = 0;
  std::vector<std::string> cells;   // row-major, host text
  std::string& Cell(int row, int column) { return cells.at(row * columns + column); }
};

}  // namespace platform
