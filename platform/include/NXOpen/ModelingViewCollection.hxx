// The model views of a part.
#pragma once
#include <NXOpen/ModelingView.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
class Part;

class NXOPENCPPEXPORT ModelingViewCollection {
public:
  ~ModelingViewCollection() = default;
  // The model view of that name ("Front", ...); throws NXException naming the view and
  // the part when the part has none.
  ModelingView* FindObject(const NXString& journalIdentifier);
  // The part's work view while it shows a model view; throws NXException while a drawing
  // sheet is shown.
  ModelingView* WorkView();

private:
  friend class NXOpen::Part;
  explicit ModelingViewCollection(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace NXOpen
