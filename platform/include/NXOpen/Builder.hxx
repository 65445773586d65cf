// Base of the builders: set inputs, Validate, Commit, then Destroy (which deletes it).
#pragma once
#include <NXOpen/NXObject.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT Builder : public TaggedObject {
public:
  ~Builder() override;
  // Makes what the inputs describe; throws NXException naming what is wrong.
  virtual NXObject* Commit() = 0;
  // Whether Commit would have what it needs (it may still fail on the geometry).
  virtual bool Validate() = 0;
  void Destroy();  // deletes the builder; do not use it afterwards

protected:
  Builder() : TaggedObject(0) {}
};

}  // namespace NXOpen
