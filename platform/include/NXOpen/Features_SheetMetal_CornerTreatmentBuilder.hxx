// Corner treatment of a flat solid. Headless, only its settings are kept: the flat
// solid's corners stay sharp whatever is set here.
#pragma once
#include <memory>

#include <NXOpen/Expression.hxx>
#include <NXOpen/libnxopencpp_exports.hxx>

namespace NXOpen {
namespace Features {
namespace SheetMetal {

class NXOPENCPPEXPORT CornerTreatmentBuilder {
public:
  enum CornerTreatmentType { CornerTreatmentTypeNone, CornerTreatmentTypeChamfer, CornerTreatmentTypeRadius };

  virtual ~CornerTreatmentBuilder();
  CornerTreatmentType TreatmentType() const { return type_; }
  void SetTreatmentType(CornerTreatmentType treatmentType) { type_ = treatmentType; }
  bool UseGlobal() const { return useGlobal_; }
  void SetUseGlobal(bool useGlobal) { useGlobal_ = useGlobal; }
  NXOpen::Expression* Value() { return value_.get(); }  // chamfer size or radius

private:
  friend class FlatSolidBuilder;
  CornerTreatmentBuilder();
  CornerTreatmentType type_ = CornerTreatmentTypeNone;
  bool useGlobal_ = false;
  std::unique_ptr<NXOpen::Expression> value_;
};

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
