// The drafting state of a part.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>

typedef unsigned int tag_t;

namespace NXOpen {
class Part;

class NXOPENCPPEXPORT DraftingManager {
public:
  ~DraftingManager() = default;
  // Marks the instantiation of a sheet template as finished; the sheet's template
  // content is then the part's own, as after any edit.
  void SetTemplateInstantiationIsComplete(bool templateInstantiationStatus);
  bool GetTemplateInstantiationIsComplete();

private:
  friend class NXOpen::Part;
  explicit DraftingManager(tag_t part) : part_(part) {}
  tag_t part_;
  bool complete_ = false;
};

}  // namespace NXOpen
