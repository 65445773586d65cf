// The style settings of a view being built.
#pragma once
#include <NXOpen/Drawings_ViewStyleBaseBuilder.hxx>
#include <NXOpen/Drawings_ViewStyleHiddenLinesBuilder.hxx>
#include <NXOpen/Drawings_ViewStyleShadingBuilder.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewStyleBuilder : public NXOpen::TaggedObject {
public:
  ViewStyleBuilder() : TaggedObject(0) {}
  ~ViewStyleBuilder() override = default;
  ViewStyleBaseBuilder* ViewStyleBase() { return &base_; }
  ViewStyleHiddenLinesBuilder* ViewStyleHiddenLines() { return &hiddenLines_; }
  ViewStyleShadingBuilder* ViewStyleShading() { return &shading_; }

private:
  ViewStyleBaseBuilder base_;
  ViewStyleHiddenLinesBuilder hiddenLines_;
  ViewStyleShadingBuilder shading_;
};

}  // namespace Drawings
}  // namespace NXOpen
