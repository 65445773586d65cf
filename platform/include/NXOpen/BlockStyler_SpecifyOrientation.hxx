// A coordinate system the user places ("Origin", "XAxis", "YAxis").
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT SpecifyOrientation : public UIBlock {
public:
  ~SpecifyOrientation() override;
  Point3d Origin();
  void SetOrigin(const Point3d& origin);
  Vector3d XAxis();
  void SetXAxis(const Vector3d& axis);
  Vector3d YAxis();
  void SetYAxis(const Vector3d& axis);
private:
  friend class BlockDialog;
  SpecifyOrientation() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
