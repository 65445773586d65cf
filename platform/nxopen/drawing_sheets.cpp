// Drawing sheets through the object interface: the part's sheet collection, the sheet
// builder (a sheet from a template part) and the drafting manager.
#include <NXOpen/DraftingManager.hxx>
#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>
#include <NXOpen/Drawings_DrawingSheetCollection.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>

#include "platform/files/sheet_template.h"
#include "platform/drafting/sheets.h"
#include "platform/nxopen/host_calls.h"

using platform::nxopen::Call;
using platform::nxopen::LivePart;

namespace NXOpen {
namespace Drawings {

DrawingSheet::~DrawingSheet() = default;

// ---- the collection


DrawingSheetCollection::iterator::iterator(std::shared_ptr<const std::vector<tag_t>> sheets, std::size_t at)
    : sheets_(std::move(sheets)), at_(at) {}

DrawingSheet* DrawingSheetCollection::iterator::operator*() const {
  return dynamic_cast<DrawingSheet*>(NXObjectManager::Get((*sheets_)[at_]));
}

DrawingSheetCollection::iterator& DrawingSheetCollection::iterator::operator++() {
  ++at_;
  return *this;
}

DrawingSheetCollection::iterator DrawingSheetCollection::iterator::operator++(int) {
  iterator before = *this;
  ++at_;
  return before;
}

bool DrawingSheetCollection::iterator::operator==(const iterator& other) const {
  const std::size_t mine = sheets_ ? sheets_->size() - at_ : 0, theirs = other.sheets_ ? other.sheets_->size() - other.at_ : 0;
  return mine == theirs;  // end() has nothing left, like a finished walk
}

DrawingSheetCollection::iterator DrawingSheetCollection::begin() {
  auto tags = std::make_shared<std::vector<tag_t>>();
  for (platform::DrawingSheet* sheet : platform::drafting::SheetsOf(LivePart(part_))) tags->push_back(sheet->GetTag());
  return iterator(std::move(tags), 0);
}

DrawingSheetCollection::iterator DrawingSheetCollection::end() { return iterator(); }

Drawings::DrawingSheetBuilder* DrawingSheetCollection::DrawingSheetBuilder(Drawings::DrawingSheet* drawingSheet) {
  LivePart(part_);
  if (drawingSheet)
    platform::nxopen::Throw(platform::HostStatus::NotImplemented,
                            "editing an existing sheet with a builder is not supported; rename it instead");
  return new Drawings::DrawingSheetBuilder(part_, drawingSheet);
}

DrawingSheet* DrawingSheetCollection::CurrentDrawingSheet() {
  platform::DrawingSheet* sheet = platform::drafting::CurrentSheet(LivePart(part_));
  return sheet ? dynamic_cast<DrawingSheet*>(NXObjectManager::Get(sheet->GetTag())) : nullptr;
}

// ---- the builder

DrawingSheetBuilder::~DrawingSheetBuilder() = default;

void DrawingSheetBuilder::SetMetricSheetTemplateLocation(const NXString& templateLocation) {
  templateLocation_ = templateLocation;
}
NXString DrawingSheetBuilder::MetricSheetTemplateLocation() { return templateLocation_; }
void DrawingSheetBuilder::SetName(const NXString& name) { name_ = name; }
NXString DrawingSheetBuilder::Name() { return name_; }

bool DrawingSheetBuilder::Validate() { return !std::string(templateLocation_.GetText()).empty(); }

NXObject* DrawingSheetBuilder::Commit() {
  platform::Part& part = LivePart(part_);
  const std::string location = templateLocation_.GetText();
  if (location.empty())
    platform::nxopen::Throw(platform::HostStatus::InvalidArgument, "no sheet template location is set");
  const tag_t made = Call([&] {
    return platform::drafting::AddSheetFromTemplate(part, location, name_.GetText()).GetTag();
  });
  return dynamic_cast<NXObject*>(NXObjectManager::Get(made));
}

}  // namespace Drawings

// ---- the drafting manager


// The template's content is copied into the part when the sheet is made, so it is the
// part's own from the start; the flag is only remembered.
void DraftingManager::SetTemplateInstantiationIsComplete(bool templateInstantiationStatus) {
  LivePart(part_);
  complete_ = templateInstantiationStatus;
}

bool DraftingManager::GetTemplateInstantiationIsComplete() { return complete_; }

// ---- the part's accessors

Drawings::DrawingSheetCollection* Part::DrawingSheets() {
  if (!drawingSheets_) drawingSheets_.reset(new Drawings::DrawingSheetCollection(Tag()));
  return drawingSheets_.get();
}

DraftingManager* Part::Drafting() {
  if (!drafting_) drafting_.reset(new DraftingManager(Tag()));
  return drafting_.get();
}

}  // namespace NXOpen
