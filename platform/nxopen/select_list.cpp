// Object lists of builders and the error list of multi-object operations.
#include <algorithm>

#include <NXOpen/ErrorList.hxx>
#include <NXOpen/SelectNXObjectList.hxx>

namespace NXOpen {

SelectNXObjectList::~SelectNXObjectList() = default;

bool SelectNXObjectList::Add(const std::vector<NXObject*>& objects) {
  if (std::find(objects.begin(), objects.end(), nullptr) != objects.end()) return false;
  for (NXObject* object : objects)
    if (std::find(objects_.begin(), objects_.end(), object) == objects_.end()) objects_.push_back(object);
  return true;
}

bool SelectNXObjectList::Add(NXObject* object) { return Add(std::vector<NXObject*>{object}); }

bool SelectNXObjectList::Remove(NXObject* object) { return std::erase(objects_, object) > 0; }

void SelectNXObjectList::Clear() { objects_.clear(); }

ErrorList::~ErrorList() = default;

NXString ErrorList::GetErrorMessage(int index) const {
  return index >= 0 && index < Length() ? NXString(messages_[index]) : NXString();
}

}  // namespace NXOpen
