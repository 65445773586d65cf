// A point picked or typed by the user ("Point").
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT SpecifyPoint : public UIBlock {
public:
  ~SpecifyPoint() override;
  Point3d Point();
  void SetPoint(const Point3d& point);
private:
  friend class BlockDialog;
  SpecifyPoint() = default;
};

}  // namespace BlockStyler
}  // namespace NXOpen
