// The welded frame: data, and the builder that turns any product description into
// parts. docs/example-product.md lists every body; keep the two in step.
#include "app/example/product.h"

#include <cmath>
#include <memory>

#include <BRepBuilderAPI_Transform.hxx>
#include <gp_Ax3.hxx>
#include <gp_Trsf.hxx>

#include "platform/base/host_error.h"
#include "platform/files/part_file.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"

namespace fabdoc::app::example {

namespace {

using platform::text::ToGbk;

// Layer the add-on leaves out of body lists and drawing walks.
constexpr int kReferenceLayer = 171;

Placement At(double x, double y, double z) { return {{x, y, z}, {1, 0, 0}, {0, 0, 1}}; }
Placement At(std::array<double, 3> origin, std::array<double, 3> x, std::array<double, 3> z) {
  return {origin, x, z};
}

// Square tube standing on the floor with its corner at (x, y).
BodySpec Column(double x, double y) {
  return {"立柱", SquareTube(50, 2, 1200), At({x + 50, y, 0}, {0, 0, 1}, {-1, 0, 0})};
}

BodySpec CoverPlate(double x, double y, double z) { return {"盖板", Plate(2, 100, 300), At(x, y, z)}; }

ProductSpec MakeFrame() {
  ProductSpec p;
  p.assemblyName = "P-总装-0";

  ComponentSpec frame{"P-机架-1", At(0, 0, 0), {}};
  for (double x : {0.0, 850.0})
    for (double y : {0.0, 550.0}) frame.bodies.push_back(Column(x, y));
  frame.bodies.push_back(Column(0, 0));  // the copy left in place by mistake
  frame.bodies.push_back({"横梁", RectTube(40, 80, 3, 900), At(0, 0, 1200)});
  frame.bodies.push_back({"横梁", RectTube(40, 80, 3, 900), At(0, 560, 1200)});
  frame.bodies.push_back({"横档", Angle(50, 50, 5, 700), At(100, 0, 600)});
  frame.bodies.push_back({"辅助块", Plate(10, 50, 50), At(425, 275, 1300), kReferenceLayer});
  p.components.push_back(frame);

  // Turned a quarter about Z, beside the frame.
  ComponentSpec base{"P-底座-2", At({2000, 0, 0}, {0, 1, 0}, {0, 0, 1}), {}};
  base.bodies.push_back({"底板", Plate(10, 200, 400), At(0, 0, 0)});
  base.bodies.push_back(CoverPlate(50, 0, 10));
  base.bodies.push_back(CoverPlate(50, 100, 10));
  base.bodies.push_back({"压条", FlatBar(8, 50, 600), At(-100, 250, 0)});
  base.bodies.push_back({"拉杆", RoundBar(30, 500), At(0, 400, 15)});
  base.bodies.push_back({"无缝管", SeamlessPipe(48, 3.5, 600), At(0, 500, 24)});
  base.bodies.push_back({"焊管", WeldedPipe(60, 3, 800), At({600, 0, 30}, {0, 1, 0}, {0, 0, 1})});
  p.components.push_back(base);

  // Turned half a turn about Z, in front of the frame.
  ComponentSpec guard{"P-护罩-3", At({900, -300, 0}, {-1, 0, 0}, {0, 0, 1}), {}};
  guard.bodies.push_back({"角板", BentPlate(300, {3, 3, {100, 150}, {90}}), At(0, 0, 0)});
  guard.bodies.push_back({"槽板", BentPlate(400, {3, 3, {60, 200, 60}, {90, 90}}), At(0, 350, 0)});
  guard.bodies.push_back({"卷边板", BentPlate(500, {2, 2, {20, 50, 150, 50}, {90, 90, 90}}), At(200, 800, 0)});
  guard.bodies.push_back({"C型板", BentPlate(600, {2, 2, {20, 50, 120, 50, 20}, {90, 90, 90, 90}}), At(200, 1350, 0)});
  guard.bodies.push_back({"弯扁钢", BentFlatBar(50, {8, 8, {150, 300}, {90}}), At(0, 2000, 0)});
  guard.bodies.push_back(CoverPlate(0, 2100, 0));
  p.components.push_back(guard);

  // Single-body component, turned a quarter about X so the handle lies flat.
  ComponentSpec handle{"P-把手-4", At({300, 700, 800}, {1, 0, 0}, {0, -1, 0}), {}};
  handle.bodies.push_back({"把手", BentRoundBar({12, 12, {60, 300, 60}, {90, 90}}), At(0, 0, 0)});
  p.components.push_back(handle);
  return p;
}

std::array<double, 3> Cross(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

platform::Transform ToTransform(const Placement& at) {
  // The columns of the rotation are the frame's axes.
  const std::array<std::array<double, 3>, 3> axes{at.xAxis, Cross(at.zAxis, at.xAxis), at.zAxis};
  platform::Transform t;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t.rotation[i * 3 + j] = axes[j][i];
  t.translation = at.origin;
  return t;
}

TopoDS_Shape Place(const TopoDS_Shape& shape, const Placement& at) {
  const gp_Ax3 frame(gp_Pnt(at.origin[0], at.origin[1], at.origin[2]),
                     gp_Dir(at.zAxis[0], at.zAxis[1], at.zAxis[2]),
                     gp_Dir(at.xAxis[0], at.xAxis[1], at.xAxis[2]));
  gp_Trsf toParent;
  toParent.SetTransformation(frame);  // parent -> frame coordinates
  toParent.Invert();
  // Copy, so that every body owns its geometry and no two share a solid.
  return BRepBuilderAPI_Transform(shape, toParent, true).Shape();
}

std::string JoinHost(const std::string& folder, const std::string& gbkName) {
  const bool endsWithSeparator = !folder.empty() && platform::HostFileName(folder).empty();
  return folder + (endsWithSeparator || folder.empty() ? "" : "\\") + gbkName;
}

}  // namespace

const ProductSpec& FrameProduct() {
  static const ProductSpec product = MakeFrame();
  return product;
}

std::vector<platform::Part*> BuildProduct(const ProductSpec& product, const std::string& hostFolder) {
  platform::Session& session = platform::Session::Get();
  auto pathOf = [&](const std::string& stem) { return JoinHost(hostFolder, ToGbk(stem) + ".prt"); };
  std::vector<std::string> paths{pathOf(product.assemblyName)};
  for (const auto& component : product.components) paths.push_back(pathOf(component.partName));
  for (const auto& path : paths)
    if (session.FindPartByPath(path))
      throw platform::HostError(platform::HostStatus::InvalidArgument,
                                platform::ShownPath(path) + ": a part of this name is already open");

  // Build every shape before the first part joins the session: a failure leaves nothing.
  std::vector<std::vector<TopoDS_Shape>> shapes;
  for (const auto& component : product.components) {
    shapes.emplace_back();
    for (const auto& body : component.bodies) shapes.back().push_back(Place(BuildStock(body.stock), body.at));
  }

  std::vector<platform::Part*> parts{&session.NewPart(paths[0])};
  platform::Part& top = *parts[0];
  for (size_t c = 0; c < product.components.size(); ++c) {
    const ComponentSpec& component = product.components[c];
    platform::Part& part = session.NewPart(paths[c + 1]);
    parts.push_back(&part);
    for (size_t b = 0; b < component.bodies.size(); ++b) {
      auto body = std::make_unique<platform::Body>(shapes[c][b]);
      body->name = ToGbk(component.bodies[b].name);
      body->display.layer = component.bodies[b].layer;
      part.Add(std::move(body));
    }
    platform::Instance instance;
    instance.partPath = part.path;
    instance.name = instance.instanceName = ToGbk(component.partName);
    instance.transform = ToTransform(component.at);
    top.AddInstance(std::move(instance));
  }
  return parts;
}

std::vector<std::string> WriteProduct(const ProductSpec& product, const std::string& localDir) {
  const auto parts = BuildProduct(product, platform::ToAbsoluteHostPath(localDir));
  std::vector<std::string> written;
  for (platform::Part* part : parts) {
    platform::files::SavePart(*part, part->path);
    written.push_back(platform::ToLocalPath(part->path));
  }
  return written;
}

}  // namespace fabdoc::app::example
