// The drawing sheets of a part: listing, finding, the current sheet, naming, deleting,
// and what lies on a sheet.
#pragma once
#include <string>
#include <vector>

#include "platform/drafting/dimension.h"
#include "platform/drafting/drawing.h"
#include "platform/drafting/hole_table.h"
#include "platform/drafting/part_mark.h"
#include "platform/objects/part.h"

namespace platform::drafting {

std::vector<DrawingSheet*> SheetsOf(const Part& part);  // in creation order
DrawingSheet* FindSheet(const Part& part, const std::string& name);  // exact bytes
// The current sheet; nullptr when the part has none.
DrawingSheet* CurrentSheet(const Part& part);
void SetCurrentSheet(Part& part, DrawingSheet& sheet);

// HostError(InvalidArgument) naming the text when it cannot name a sheet: empty, with a
// slash or a backslash (a sheet name becomes a file name on export), or used by
// another sheet of the part.
void CheckSheetName(const Part& part, const std::string& name, const DrawingSheet* renamed = nullptr);
void RenameSheet(DrawingSheet& sheet, const std::string& name);

// An empty sheet of the given size, numbered after the part's other sheets; it becomes
// the current sheet. The name is checked as above.
DrawingSheet& AddSheet(Part& part, const std::string& name, double width, double height);

// The sheet with its views and notes.
void DeleteSheet(DrawingSheet& sheet);

// The sheet's drawing views and tabular notes (parts lists included), in creation order.
std::vector<DraftingView*> ViewsOf(const DrawingSheet& sheet);
std::vector<TabularNote*> NotesOf(const DrawingSheet& sheet);
std::vector<Dimension*> DimensionsOf(const DrawingSheet& sheet);
std::vector<PartMark*> PartMarksOf(const DrawingSheet& sheet);
std::vector<HoleTable*> HoleTablesOf(const DrawingSheet& sheet);
// The sheet a drawing view or note is on; HostError(WrongObjectType) for a model view.
DrawingSheet& SheetOf(const Object& viewOrNote);

// The part's sheet of a sheet id; HostError(NotFound) naming `what` when it is gone.
DrawingSheet& SheetByPid(const Part& part, std::uint32_t pid, const std::string& what);

}  // namespace platform::drafting
