// A modelling part.
#pragma once
#include <NXOpen/BasePart.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Part : public BasePart {
public:
  ~Part() override;

protected:
  friend class NXObjectManager;
  explicit Part(tag_t tag) : BasePart(tag) {}
};

}  // namespace NXOpen
