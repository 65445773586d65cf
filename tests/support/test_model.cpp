#include "tests/support/test_model.h"

#include <filesystem>

#include <BRepAlgoAPI_Cut.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <gp_Ax2.hxx>

#include "platform/text/host_path.h"

namespace fabdoc_test {

using platform::Body;

static Body& AddShape(platform::Part& part, const TopoDS_Shape& shape, const std::string& name) {
  auto body = std::make_unique<Body>(shape);
  body->name = name;
  return static_cast<Body&>(part.Add(std::move(body)));
}

Body& AddBox(platform::Part& part, double x, double y, double z, double dx, double dy,
             double dz, const std::string& name) {
  return AddShape(part, BRepPrimAPI_MakeBox(gp_Pnt(x, y, z), dx, dy, dz).Shape(), name);
}

platform::Instance& AddInstance(platform::Part& into, const std::string& partPath, const std::string& name,
                                const platform::Transform& at) {
  platform::Instance instance;
  instance.partPath = partPath;
  instance.instanceName = instance.name = name;
  instance.transform = at;
  return into.AddInstance(std::move(instance));
}

Body& AddCylinder(platform::Part& part, double x, double y, double z, double r, double h,
                  const std::string& name) {
  gp_Ax2 axis(gp_Pnt(x, y, z), gp_Dir(0, 0, 1));
  return AddShape(part, BRepPrimAPI_MakeCylinder(axis, r, h).Shape(), name);
}

Body& AddRectTube(platform::Part& part, double w, double d, double t, double l,
                  const std::string& name) {
  TopoDS_Shape outer = BRepPrimAPI_MakeBox(gp_Pnt(0, 0, 0), w, d, l).Shape();
  TopoDS_Shape inner = BRepPrimAPI_MakeBox(gp_Pnt(t, t, -1), w - 2 * t, d - 2 * t, l + 2).Shape();
  return AddShape(part, BRepAlgoAPI_Cut(outer, inner).Shape(), name);
}

Body& AddPipe(platform::Part& part, double od, double t, double l, const std::string& name) {
  gp_Ax2 axis(gp_Pnt(0, 0, 0), gp_Dir(0, 0, 1));
  gp_Ax2 below(gp_Pnt(0, 0, -1), gp_Dir(0, 0, 1));
  TopoDS_Shape outer = BRepPrimAPI_MakeCylinder(axis, od / 2, l).Shape();
  TopoDS_Shape inner = BRepPrimAPI_MakeCylinder(below, od / 2 - t, l + 2).Shape();
  return AddShape(part, BRepAlgoAPI_Cut(outer, inner).Shape(), name);
}

platform::Part& AddFrameAssembly(const std::string& dir) {
  platform::Session& session = platform::Session::Get();
  platform::Part& frame = session.NewPart(platform::ToHostPath(dir + "/frame.prt"));
  AddBox(frame, 0, 0, 0, 100, 50, 8, "plate");
  AddRectTube(frame, 50, 30, 3, 400, "tube").display.color = 6;
  platform::Part& top = session.NewPart(platform::ToHostPath(dir + "/top.prt"));
  AddPipe(top, 48, 3.5, 300, "pipe");
  for (int i = 0; i < 2; ++i)
    AddInstance(top, frame.path, "FRAME-" + std::to_string(i + 1), platform::Transform::Translation(300.0 * i, 0, 0));
  return top;
}

std::string FreshDir(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() / "fabdoc-tests" /
             (name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

void ExpectBox(const platform::Box& box, std::array<double, 3> min, std::array<double, 3> max) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(box.min[i], min[i], 1e-6) << "axis " << i;
    EXPECT_NEAR(box.max[i], max[i], 1e-6) << "axis " << i;
  }
}

}  // namespace fabdoc_test
