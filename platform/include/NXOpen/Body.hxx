// A body of a part (or an occurrence of one in an assembly).
#pragma once
#include <vector>

#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {

class Face;

class NXOPENCPPEXPORT Body : public DisplayableObject {
public:
  ~Body() override;
  bool IsSolidBody();
  bool IsSheetBody();
  // Its value as seen in its own part: the prototype of an occurrence, else itself.
  Body* Prototype();
  // The faces of the body (of its prototype for an occurrence), in the modeller's order.
  std::vector<Face*> GetFaces();

protected:
  friend class NXObjectManager;
  explicit Body(tag_t tag) : DisplayableObject(tag) {}
};

}  // namespace NXOpen
