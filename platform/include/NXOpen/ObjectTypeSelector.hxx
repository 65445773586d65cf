// Which kinds of objects a data-exchange builder takes over.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT ObjectTypeSelector {
public:
  bool Curves() const { return curves_; }
  void SetCurves(bool curves) { curves_ = curves; }
  bool Annotations() const { return annotations_; }
  void SetAnnotations(bool annotations) { annotations_ = annotations; }
  bool Structures() const { return structures_; }
  void SetStructures(bool structures) { structures_ = structures; }

private:
  bool curves_ = true, annotations_ = true, structures_ = true;
};

}  // namespace NXOpen
