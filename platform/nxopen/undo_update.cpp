// Undo marks and the update manager's delete list. Marks only name points in the
// session's history; nothing rolls back to them.
#include <NXOpen/NXException.hxx>
#include <NXOpen/Session.hxx>
#include <NXOpen/Update.hxx>

#include "platform/drafting/delete_object.h"
#include "platform/nxopen/host_calls.h"
#include "platform/objects/session.h"

using platform::HostStatus;
using platform::nxopen::Call;

namespace NXOpen {

Session::UndoMarkId Session::SetUndoMark(MarkVisibility markVisibility, const NXString& name) {
  const UndoMarkId id = nextMark_++;
  marks_[id] = name.GetText();
  return id;
}

void Session::DeleteUndoMark(UndoMarkId markId, const NXString& markName) {
  if (marks_.erase(markId) == 0)
    throw NXException(static_cast<int>(HostStatus::NotFound), "undo mark " + std::to_string(markId) + " is not set");
}

NXOpen::Update* Session::UpdateManager() { return &update_; }

void Update::AddToDeleteList(TaggedObject* objectToDelete) {
  if (!objectToDelete) throw NXException(static_cast<int>(HostStatus::InvalidArgument), "update: null object for the delete list");
  queued_.push_back(objectToDelete->Tag());
}

void Update::AddToDeleteList(const std::vector<TaggedObject*>& objects) {
  for (TaggedObject* object : objects) AddToDeleteList(object);
}

int Update::DoUpdate(unsigned int undoMark) {
  std::vector<tag_t> doomed;
  doomed.swap(queued_);
  platform::Session& session = platform::Session::Get();
  // A feature deleted earlier in the list may already have taken a later entry with it.
  for (tag_t tag : doomed)
    if (platform::Object* object = session.Find(tag))
      Call([&] { platform::drafting::DeleteWithDependants(*object); });
  return 0;
}

}  // namespace NXOpen
