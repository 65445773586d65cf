#include "platform/drafting/tabular_note.h"

#include <algorithm>

#include "platform/base/host_error.h"
#include "platform/objects/session.h"

namespace platform {

TabularNote::~TabularNote() {
  for (const auto& piece : pieces_) Session::Get().Unregister(piece->GetTag());
}

void TabularNote::CheckCell(int row, int column) const {
  if (row < 0 || row >= Rows() || column < 0 || column >= Columns())
    throw HostError(HostStatus::InvalidArgument,
                    "tabular note " + std::to_string(GetTag()) + " has no cell at row " + std::to_string(row + 1) +
                        ", column " + std::to_string(column + 1) + " (it has " + std::to_string(Rows()) +
                        " rows and " + std::to_string(Columns()) + " columns)");
}

std::string& TabularNote::Cell(int row, int column) {
  CheckCell(row, column);
  return cells[static_cast<size_t>(row) * Columns() + column];
}

const std::string& TabularNote::Cell(int row, int column) const {
  CheckCell(row, column);
  return cells[static_cast<size_t>(row) * Columns() + column];
}

void TabularNote::Resize(int rows, int columns, double rowHeight, double columnWidth) {
  if (rows < 0 || columns < 0)
    throw HostError(HostStatus::InvalidArgument, "a tabular note cannot have a negative number of rows or columns");
  // Pieces name rows and columns by index; they go with the old shape.
  for (const auto& piece : pieces_) Session::Get().Unregister(piece->GetTag());
  pieces_.clear();
  rowHeights.assign(rows, rowHeight);
  columnWidths.assign(columns, columnWidth);
  cells.assign(static_cast<size_t>(rows) * columns, std::string());
}

void TabularNote::AddRow(double height) {
  rowHeights.push_back(height);
  cells.resize(static_cast<size_t>(Rows()) * Columns());
}

Tag TabularNote::PieceTag(int subtype, int row, int column) {
  for (const auto& piece : pieces_)
    if (piece->Subtype() == subtype && piece->row == row && piece->column == column) return piece->GetTag();
  auto piece = std::make_unique<TabularNotePiece>(subtype, *this, row, column);
  const Tag tag = Session::Get().Register(*piece);
  pieces_.push_back(std::move(piece));
  return tag;
}

Tag TabularNote::SectionTag() { return PieceTag(kTabularNoteSectionSubtype, -1, -1); }

Tag TabularNote::RowTag(int row) {
  CheckCell(row, 0);
  return PieceTag(kTabularNoteRowSubtype, row, -1);
}

Tag TabularNote::ColumnTag(int column) {
  CheckCell(0, column);
  return PieceTag(kTabularNoteColumnSubtype, -1, column);
}

Tag TabularNote::CellTag(int row, int column) {
  CheckCell(row, column);
  return PieceTag(kTabularNoteCellSubtype, row, column);
}

}  // namespace platform
