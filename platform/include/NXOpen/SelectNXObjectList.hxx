// The list of objects a builder works on (the objects of a new component, the bodies
// whose parameters are removed). Holds objects of the object interface, in order.
#pragma once
#include <vector>

#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT SelectNXObjectList {
public:
  SelectNXObjectList() = default;
  virtual ~SelectNXObjectList();
  // Appends the objects not yet in the list; false when one is null (nothing is added then).
  bool Add(const std::vector<NXObject*>& objects);
  bool Add(NXObject* object);
  bool Remove(NXObject* object);  // false when it was not in the list
  void Clear();
  int Size() const { return static_cast<int>(objects_.size()); }
  std::vector<NXObject*> GetArray() const { return objects_; }

private:
  std::vector<NXObject*> objects_;
};

}  // namespace NXOpen
