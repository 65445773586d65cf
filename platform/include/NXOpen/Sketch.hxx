// A sketch. This host makes none; builders accept only "no sketch" (null).
#pragma once
#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Sketch : public DisplayableObject {
protected:
  explicit Sketch(tag_t tag) : DisplayableObject(tag) {}
};

}  // namespace NXOpen
