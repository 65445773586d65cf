// The style settings of a view being built.
#pragma once
#include <NXOpen/Drawings_ViewStyleBaseBuilder.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewStyleBuilder : public NXOpen::TaggedObject {
public:
  ViewStyleBuilder() : TaggedObject(0) {}
  ~ViewStyleBuilder() override = default;
  ViewStyleBaseBuilder* ViewStyleBase() { return &base_; }

private:
  ViewStyleBaseBuilder base_;
};

}  // namespace Drawings
}  // namespace NXOpen
