// A tabular note on a sheet: rows and columns of cells holding text. The note hands out
// tags for its section, rows, columns and cells on request (as a body does for its
// faces); they live as long as the note. A parts list is a tabular note of its own
// subtype whose rows list the objects added to it.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/objects/host_types.h"
#include "platform/objects/object.h"

namespace platform {

constexpr int kTabularNoteSectionSubtype = 0;
constexpr int kTabularNoteSubtype = 1;
constexpr int kTabularNoteRowSubtype = 2;
constexpr int kTabularNoteColumnSubtype = 3;
constexpr int kTabularNoteCellSubtype = 4;
constexpr int kPartsListSubtype = 11;

class TabularNote;

// A section, row, column or cell of a tabular note, by index (0-based).
class TabularNotePiece : public Object {
public:
  TabularNotePiece(int subtype, TabularNote& note, int row, int column)
      : Object(kTabularNoteType, subtype), note(&note), row(row), column(column) {}
  TabularNote* note;
  int row, column;  // -1 where it does not apply
};

class TabularNote : public Object {
public:
  explicit TabularNote(int subtype = kTabularNoteSubtype) : Object(kTabularNoteType, subtype) {}
  ~TabularNote() override;
  std::uint32_t HolderPid() const override { return sheetPid; }

  std::uint32_t sheetPid = 0;
  std::array<double, 2> position{};   // upper left corner on the sheet, mm
  std::vector<double> rowHeights;     // mm, top to bottom
  std::vector<double> columnWidths;   // mm, left to right
  std::vector<std::string> cells;     // row-major, host text (GBK)

  int Rows() const { return static_cast<int>(rowHeights.size()); }
  int Columns() const { return static_cast<int>(columnWidths.size()); }
  // HostError(InvalidArgument) naming the note for a cell outside it.
  std::string& Cell(int row, int column);
  const std::string& Cell(int row, int column) const;
  void Resize(int rows, int columns, double rowHeight, double columnWidth);
  void AddRow(double height);  // at the bottom, cells empty

  // Tags of its pieces, made on first request.
  Tag SectionTag();
  Tag RowTag(int row);
  Tag ColumnTag(int column);
  Tag CellTag(int row, int column);

private:
  Tag PieceTag(int subtype, int row, int column);
  void CheckCell(int row, int column) const;
  std::vector<std::unique_ptr<TabularNotePiece>> pieces_;
};

// A parts list: one row per distinct object added (PC NO, PART NAME, QTY), below a
// header row. Members are kept by tag for the session and by key in the file.
class PartsList : public TabularNote {
public:
  PartsList() : TabularNote(kPartsListSubtype) {}
  std::vector<std::string> memberKeys;  // how the part file names each member
};

}  // namespace platform
