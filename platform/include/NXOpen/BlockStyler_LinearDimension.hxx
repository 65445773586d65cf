// A length with a drag handle ("Value", "HandleOrigin", "HandleOrientation",
// "ShowHandle").
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT LinearDimension : public UIBlock {
public:
  ~LinearDimension() override;
  double Value();
  void SetValue(double value);
  Point3d HandleOrigin();
  void SetHandleOrigin(const Point3d& origin);
  Vector3d HandleOrientation();
  void SetHandleOrientation(const Vector3d& direction);
  bool ShowHandle();
  void SetShowHandle(bool show);
private:
  friend class BlockDialog;
  LinearDimension() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
