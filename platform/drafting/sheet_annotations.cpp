#include "platform/drafting/sheet_annotations.h"

#include <cmath>
#include <memory>

#include "platform/drafting/sheets.h"
#include "platform/objects/session.h"

namespace platform::drafting {

void ReplaceAutomaticAnnotations(DrawingSheet& sheet, const std::vector<PlacedDimension>& dimensions,
                                 const std::vector<PlacedMark>& marks, const std::vector<HoleTableGrid>& tables) {
  for (Dimension* old : DimensionsOf(sheet))
    if (old->automatic) Session::Get().Delete(old->GetTag());
  for (PartMark* old : PartMarksOf(sheet))
    if (old->automatic) Session::Get().Delete(old->GetTag());
  for (HoleTable* old : HoleTablesOf(sheet))
    if (old->automatic) Session::Get().Delete(old->GetTag());
  Part& part = *sheet.owner;
  for (const PlacedDimension& d : dimensions) {
    auto dimension = std::make_unique<Dimension>();
    dimension->sheetPid = sheet.pid;
    dimension->viewPid = d.proposal.viewPid;
    dimension->kind = d.proposal.kind;
    dimension->value = std::round(d.proposal.value * 1e6) / 1e6;  // the model's own noise left out
    dimension->count = d.proposal.count;
    dimension->text = d.proposal.text;
    dimension->drawn = d.drawn;
    part.Add(std::move(dimension));
  }
  for (const PlacedMark& m : marks) {
    auto mark = std::make_unique<PartMark>();
    mark->sheetPid = sheet.pid;
    mark->viewPid = m.at.viewPid;
    mark->text = m.target.text;
    mark->drawingNumber = m.target.drawingNumber;
    mark->partName = m.target.partName;
    mark->drawn = m.drawn;
    part.Add(std::move(mark));
  }
  for (const HoleTableGrid& grid : tables) {
    auto table = std::make_unique<HoleTable>();
    table->sheetPid = sheet.pid;
    table->grid = grid;
    part.Add(std::move(table));
  }
}

}  // namespace platform::drafting
