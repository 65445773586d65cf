// Convert to sheet metal: a body whose walls are planar and bends cylindrical, of one
// thickness, measured from its base face. The body itself is not changed.
#pragma once
#include <NXOpen/Face.hxx>
#include <NXOpen/Features_SheetMetal_SheetmetalBaseBuilder.hxx>
#include <NXOpen/Sketch.hxx>

typedef unsigned int tag_t;

namespace NXOpen {
namespace Features {
namespace SheetMetal {

class NXOPENCPPEXPORT ConvertToSheetmetalBuilder : public SheetmetalBaseBuilder {
public:
  enum BendReliefTypeOptions { BendReliefTypeOptionsNone, BendReliefTypeOptionsSquare, BendReliefTypeOptionsRound };

  ~ConvertToSheetmetalBuilder() override;
  NXOpen::Face* BaseFace() const { return baseFace_; }
  void SetBaseFace(NXOpen::Face* baseFace) { baseFace_ = baseFace; }
  // Only "no sketch" (null) is supported; a sketch fails at Commit.
  void SetSketch(NXOpen::Sketch* sketch) { sketch_ = sketch; }
  BendReliefTypeOptions BendReliefType() const { return relief_; }
  void SetBendReliefType(BendReliefTypeOptions type) { relief_ = type; }
  bool MaintainZeroBendRadius() const { return zeroRadius_; }
  void SetMaintainZeroBendRadius(bool maintain) { zeroRadius_ = maintain; }

  bool Validate() override;  // a base face of a live body in the work part, no sketch
  // Measures the body from the base face and records a SHEET_METAL feature in the work
  // part; throws NXException naming the body when it cannot be unfolded.
  Features::Feature* Commit() override;

private:
  friend class SheetmetalManager;
  explicit ConvertToSheetmetalBuilder(tag_t part) : part_(part) {}
  tag_t part_;
  NXOpen::Face* baseFace_ = nullptr;
  NXOpen::Sketch* sketch_ = nullptr;
  BendReliefTypeOptions relief_ = BendReliefTypeOptionsNone;
  bool zeroRadius_ = false;
};

}  // namespace SheetMetal
}  // namespace Features
}  // namespace NXOpen
