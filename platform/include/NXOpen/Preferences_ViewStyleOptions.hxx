// Values of a view's style settings, as the host numbers them.
#pragma once

namespace NXOpen {
namespace Preferences {

enum Font { FontInvisible, FontSolid, FontDashed, FontPhantom, FontCenterline, FontDotted, FontLongDashed, FontDottedDashed };
enum ShadingRenderingStyleOption {
  ShadingRenderingStyleOptionFullyShaded,
  ShadingRenderingStyleOptionPartiallyShaded,
  ShadingRenderingStyleOptionWireframe,
};

}  // namespace Preferences
}  // namespace NXOpen
