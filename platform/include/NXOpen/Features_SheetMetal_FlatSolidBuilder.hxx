// Flat as solid: the body of a sheet-metal conversion unfolded into the plane of its
// stationary face, as a new body of the work part.
#pragma once
#include <memory>

#include <NXOpen/Features_SheetMetal_CornerTreatmentBuilder.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalBaseBuilder.hxx>
#include <NXOpen/SelectFace.hxx>

typedef unsigned int tag_t;

namespace NXOpen {
namespace Features {
namespace SheetMetal {

class NXOPENCPPEXPORT FlatSolidBuilder : public SheetmetalBaseBuilder {
public:
  ~FlatSolidBuilder() override;
  NXOpen::SelectFace* StationaryFace() { return &stationary_; }
  CornerTreatmentBuilder* OuterCornerTreatment() { return outer_.get(); }
  CornerTreatmentBuilder* InnerCornerTreatment() { return inner_.get(); }

  bool Validate() override;  // a stationary face of a converted body in the work part
  // Unfolds the stationary face's body and records a FLAT_SOLID feature that owns the
  // new body; throws NXException naming the body when it is not converted or cannot be unfolded.
  Features::Feature* Commit() override;

private:
  friend class SheetmetalManager;
  explicit FlatSolidBuilder(tag_t part);
  tag_t part_;
  NXOpen::SelectFace stationary_;
  std::unique_ptr<CornerTreatmentBuilder> outer_, inner_;
};

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
