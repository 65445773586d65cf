// A face of a body.
#pragma once
#include <NXOpen/DisplayableObject.hxx>

namespace NXOpen {

class Body;

class NXOPENCPPEXPORT Face : public DisplayableObject {
public:
  ~Face() override;
  Body* GetBody();  // throws NXException when the body's shape changed since the face was handed out

protected:
  friend class NXObjectManager;
  explicit Face(tag_t tag) : DisplayableObject(tag) {}
};

}  // namespace NXOpen
