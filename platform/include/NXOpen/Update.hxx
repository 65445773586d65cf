// The update manager: objects queued for deletion, deleted together at DoUpdate.
#pragma once
#include <vector>

#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Update {
public:
  void AddToDeleteList(TaggedObject* objectToDelete);
  void AddToDeleteList(const std::vector<TaggedObject*>& objects);
  // Deletes what was queued (a feature with the bodies it made) and empties the list.
  // Objects already gone are skipped. Returns the number of errors (always 0).
  int DoUpdate(unsigned int undoMark);

private:
  friend class Session;
  Update() = default;
  std::vector<tag_t> queued_;
};

}  // namespace NXOpen
