// Removes the parameters of bodies: each body stays as it is, the features that made
// or link it are removed, so a linked body no longer depends on its source.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/SelectNXObjectList.hxx>

namespace NXOpen {
namespace Features {

class FeatureCollection;

class NXOPENCPPEXPORT RemoveParametersBuilder : public NXOpen::Builder {
public:
  ~RemoveParametersBuilder() override;
  // Bodies of the collection's part, or body occurrences whose prototype is one of them.
  SelectNXObjectList* Objects() { return &objects_; }
  // Removes the parameters; returns null (no feature is made). Throws NXException naming
  // an object that is not a body of the part; nothing is changed then.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class FeatureCollection;
  explicit RemoveParametersBuilder(tag_t part) : part_(part) {}
  tag_t part_;
  SelectNXObjectList objects_;
};

}  // namespace Features
}  // namespace NXOpen
