// Parts and the part collection of the object interface: lookup, iteration, the
// displayed and work part, saving and closing.
#include <algorithm>
#include <filesystem>

#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>

#include "platform/assemblies/close_parts.h"
#include "platform/assemblies/occurrence.h"
#include "platform/assemblies/work_part.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/nxopen/host_calls.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

using platform::HostError;
using platform::HostStatus;
using platform::nxopen::Call;
using platform::nxopen::LivePart;
using platform::nxopen::Throw;

namespace NXOpen {

namespace {

Part* AsPart(platform::Part* part) {
  return part ? dynamic_cast<Part*>(NXObjectManager::Get(part->GetTag())) : nullptr;
}

bool OnDisk(const platform::Part& part) {
  std::error_code ec;
  return std::filesystem::exists(platform::ToLocalPath(part.path), ec);
}

// Every component part below `part` that is modified or not yet written, each once,
// parents before children; unchanged parts are walked through, not saved.
void ChangedBelow(const platform::Part& part, std::vector<const platform::Part*>& seen,
                  std::vector<platform::Part*>& out) {
  for (const auto& instance : part.Instances()) {
    platform::Part* child = platform::Session::Get().FindPartByPath(instance.partPath);
    if (!child || std::find(seen.begin(), seen.end(), child) != seen.end()) continue;
    seen.push_back(child);
    if (child->modified || !OnDisk(*child)) out.push_back(child);
    ChangedBelow(*child, seen, out);
  }
}

}  // namespace

BasePart::~BasePart() = default;
Part::~Part() = default;
PartSaveStatus::~PartSaveStatus() = default;

NXString BasePart::FullPath() { return NXString(LivePart(Tag()).path); }
NXString BasePart::Leaf() { return NXString(platform::HostFileStem(LivePart(Tag()).path)); }

PartSaveStatus* BasePart::Save(SaveComponents saveChildComponents, CloseAfterSave close) {
  Call([] { platform::CheckHostCall("BasePart::Save"); });
  platform::Part& part = LivePart(Tag());
  std::vector<platform::Part*> toSave{&part};
  std::vector<const platform::Part*> seen{&part};
  if (saveChildComponents == SaveComponentsTrue) ChangedBelow(part, seen, toSave);
  int unsaved = 0;
  std::string firstError;
  for (platform::Part* p : toSave) {
    try {
      platform::files::SavePart(*p, p->path);
    } catch (const HostError& e) {
      if (unsaved++ == 0) firstError = platform::nxopen::HostText(e.what());
    }
  }
  if (close == CloseAfterSaveTrue && unsaved == 0) platform::Session::Get().ClosePart(part);
  return new PartSaveStatus(unsaved, NXString(firstError));
}

PartSaveStatus* BasePart::SaveAs(const NXString& newFileName) {
  platform::Part& part = LivePart(Tag());
  try {
    platform::files::SavePartAs(part, newFileName.GetText());
  } catch (const HostError& e) {
    return new PartSaveStatus(1, NXString(platform::nxopen::HostText(e.what())));
  }
  return new PartSaveStatus(0, NXString(""));
}

void BasePart::Close(CloseWholeTree wholeTree, CloseModified closeModified, PartCloseResponses* responses) {
  platform::Part& part = LivePart(Tag());
  if (closeModified == CloseModifiedDontCloseModified && part.modified) return;
  Call([&] { platform::CloseParts(part, wholeTree == CloseWholeTreeTrue); });
}

PartCloseResponses::~PartCloseResponses() = default;
PartLoadStatus::~PartLoadStatus() = default;

// ---- iteration

PartCollection::iterator::iterator(std::shared_ptr<const std::vector<tag_t>> parts, std::size_t at)
    : parts_(std::move(parts)), at_(at) {
  SkipClosed();
}

void PartCollection::iterator::SkipClosed() {
  while (parts_ && at_ < parts_->size() && !platform::Session::Get().FindAs<platform::Part>((*parts_)[at_])) ++at_;
}

Part* PartCollection::iterator::operator*() const {
  if (!parts_ || at_ >= parts_->size())
    Throw(HostStatus::InvalidArgument, "part collection: the iterator is past the last part");
  return AsPart(&LivePart((*parts_)[at_]));
}

PartCollection::iterator& PartCollection::iterator::operator++() {
  if (parts_ && at_ < parts_->size()) ++at_;
  SkipClosed();
  return *this;
}

PartCollection::iterator PartCollection::iterator::operator++(int) {
  iterator before = *this;
  ++*this;
  return before;
}

bool PartCollection::iterator::operator==(const iterator& other) const {
  auto atEnd = [](const iterator& it) {
    if (!it.parts_) return true;
    const_cast<iterator&>(it).SkipClosed();  // a part may have closed since the last step
    return it.at_ >= it.parts_->size();
  };
  const bool endA = atEnd(*this), endB = atEnd(other);
  if (endA || endB) return endA == endB;
  return parts_ == other.parts_ && at_ == other.at_;
}

PartCollection::iterator PartCollection::begin() {
  auto parts = std::make_shared<std::vector<tag_t>>();
  for (const auto& part : platform::Session::Get().Parts()) parts->push_back(part->GetTag());
  return iterator(std::move(parts), 0);
}

PartCollection::iterator PartCollection::end() { return iterator(); }

// ---- lookups and the displayed and work parts

PartCollection::~PartCollection() {
  for (NXOpen::FileNew* settings : std::set<NXOpen::FileNew*>(fileNews_)) settings->Destroy();
}

Part* PartCollection::Work() { return AsPart(platform::Session::Get().Work()); }
Part* PartCollection::Display() { return AsPart(platform::Session::Get().Displayed()); }

BasePart* PartCollection::FindObject(const NXString& name) {
  const std::string wanted = name.GetText();
  if (platform::Part* part = platform::Session::Get().FindPartByAnyName(wanted)) return AsPart(part);
  Throw(HostStatus::NotFound, "no open part is named " + platform::text::ToUtf8Lossy(wanted));
}

void PartCollection::SetWork(Part* part) {
  if (!part) Throw(HostStatus::InvalidArgument, "SetWork: no part is given");
  platform::Session& session = platform::Session::Get();
  platform::Part& target = LivePart(part->Tag());
  if (&target != session.Displayed() && session.Displayed() && platform::OccurrenceInDisplayed(target) == platform::kNullTag)
    Throw(HostStatus::InvalidArgument,
          platform::text::ToUtf8Lossy(target.path) + " is not a component of the displayed part");
  platform::SetWorkPart(target);
}

PartCollection::SdpsStatus PartCollection::SetDisplay(BasePart* display, bool useLastView, bool fitAll,
                                                      PartLoadStatus** loadStatus) {
  if (loadStatus) *loadStatus = nullptr;
  if (!display) Throw(HostStatus::InvalidArgument, "SetDisplay: no part is given");
  platform::Session::Get().SetDisplayed(&LivePart(display->Tag()));
  if (loadStatus) *loadStatus = new PartLoadStatus();
  return SdpsStatusSuccess;
}

void PartCollection::SetWorkComponent(Assemblies::Component* component, RefsetOption refsetOption,
                                      WorkComponentOption visibility, PartLoadStatus** loadStatus) {
  SetWorkComponent(component, loadStatus);
}

void PartCollection::SetWorkComponent(Assemblies::Component* component, PartLoadStatus** loadStatus) {
  if (loadStatus) *loadStatus = nullptr;
  platform::Session& session = platform::Session::Get();
  if (!component) {  // the host's way back to the displayed part
    if (!session.Displayed()) Throw(HostStatus::NoWorkPart, "SetWorkComponent: no part is displayed");
    session.SetDisplayed(session.Displayed());
  } else {
    auto& occurrence = platform::nxopen::LiveAs<platform::ComponentOccurrence>(component->Tag(), "a component");
    if (occurrence.owner != session.Displayed())
      Throw(HostStatus::InvalidArgument, "component " + std::to_string(component->Tag()) +
                                             " is not in the displayed assembly");
    Call([&] { platform::SetWorkComponent(occurrence); });
  }
  if (loadStatus) *loadStatus = new PartLoadStatus();
}

}  // namespace NXOpen
