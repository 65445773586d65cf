// The eight model views every part has, oriented as the host orients them: for each,
// the direction towards the viewer and the model directions of the screen's X and Y.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include <gp_Ax2.hxx>
#include <gp_Dir.hxx>

namespace platform::drafting {

struct ModelView {
  std::string_view name;
  gp_Dir towardsViewer;  // the screen's Z: from the model towards the eye
  gp_Dir screenX;        // model direction drawn to the right
  gp_Dir ScreenY() const { return towardsViewer.Crossed(screenX); }
  // The projection frame at the model origin: X right, Y up, Z towards the viewer.
  gp_Ax2 Frame() const { return gp_Ax2(gp::Origin(), towardsViewer, screenX); }
};

// "Front", "Top", "Right", "Left", "Back", "Bottom", "Isometric", "Trimetric".
const std::array<ModelView, 8>& StandardModelViews();

// The standard view of that name (exact, case-sensitive, as the host names them);
// nullptr when there is none.
const ModelView* FindStandardModelView(std::string_view name);

// As FindStandardModelView; throws HostError(NotFound) naming the view when unknown.
const ModelView& StandardModelView(std::string_view name);

}  // namespace platform::drafting
