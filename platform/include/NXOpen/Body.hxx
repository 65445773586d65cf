// A body of a part (or an occurrence of one in an assembly).
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Body : public NXObject {
public:
  ~Body() override;
  bool IsSolidBody();
  bool IsSheetBody();
  // Its value as seen in its own part: the prototype of an occurrence, else itself.
  Body* Prototype();

protected:
  friend class NXObjectManager;
  explicit Body(tag_t tag) : NXObject(tag) {}
};

}  // namespace NXOpen
