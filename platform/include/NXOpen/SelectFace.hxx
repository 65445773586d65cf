// The face a builder's selection holds (one face, or none).
#pragma once
#include <NXOpen/Face.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT SelectFace {
public:
  virtual ~SelectFace();
  Face* Value() const { return value_; }
  void SetValue(Face* face) { value_ = face; }

private:
  Face* value_ = nullptr;
};

}  // namespace NXOpen
