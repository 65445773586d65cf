// A view of a part: a model view ("Front", "Isometric", ...), a sheet's own view or a
// drafting view placed on a sheet.
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT View : public NXObject {
public:
  ~View() override;

protected:
  friend class NXObjectManager;
  explicit View(tag_t tag) : NXObject(tag) {}
};

}  // namespace NXOpen
