// Importing a part file into the work part at a coordinate system, as one group, and
// moving the group with the classic transformation routine.
#include <uf.h>
#include <uf_mtx.h>
#include <uf_obj.h>
#include <uf_part.h>
#include <uf_trns.h>

#include <fstream>

#include "platform/files/part_file.h"
#include "platform/objects/group.h"
#include "platform/text/host_path.h"
#include "tests/support/api_fixture.h"

using namespace platform;
using namespace fabdoc_test;

class PartImport : public ApiTest {
protected:
  void SetUp() override {
    ApiTest::SetUp();
    dir = FreshDir("part-import");
    Part& source = session().NewPart(ToAbsoluteHostPath(dir + "/plate.prt"));
    Body& plate = AddBox(source, 0, 0, 0, 10, 20, 30, "plate");
    plate.display.layer = 7;
    plate.attributes.Set("MATERIALS", "Q235");
    files::SavePart(source, source.path);
    session().ClosePart(source);
    work = &session().NewPart(ToAbsoluteHostPath(dir + "/work.prt"));
    session().SetDisplayed(work);
    work->layers.work = 40;
  }
  std::vector<Body*> Bodies() {
    std::vector<Body*> bodies;
    for (const auto& object : work->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get())) bodies.push_back(body);
    return bodies;
  }
  int Import(const std::string& local, int layerMode, double csys[6], double point[3], double scale, tag_t* group) {
    UF_import_part_modes_t modes{};
    modes.layer_mode = layerMode;
    modes.group_mode = 1;
    return UF_PART_import(ToAbsoluteHostPath(local).c_str(), &modes, csys, point, scale, group);
  }
  std::string dir;
  Part* work = nullptr;
};

TEST_F(PartImport, BodiesArePlacedAtTheSystemKeepingTheirAttributesAndLayers) {
  double csys[6] = {0, 1, 0, -1, 0, 0}, point[3] = {100, 0, 0};
  tag_t group = NULL_TAG;
  ASSERT_EQ(Import(dir + "/plate.prt", 0, csys, point, 1.0, &group), 0);
  ASSERT_EQ(Bodies().size(), 1u);
  Body& body = *Bodies()[0];
  // Local X along Y, local Y along -X: 10 x 20 x 30 becomes x 80..100, y 0..10.
  ExpectBox(body.AxisBox(), {80, 0, 0}, {100, 10, 30});
  EXPECT_EQ(body.display.layer, 7);
  ASSERT_NE(body.attributes.Find("MATERIALS"), nullptr);
  EXPECT_EQ(*body.attributes.Find("MATERIALS"), "Q235");
  EXPECT_EQ(body.name, "plate");
  auto* made = session().FindAs<Group>(group);
  ASSERT_NE(made, nullptr);
  int type = 0, subtype = 0;
  UF_OBJ_ask_type_and_subtype(group, &type, &subtype);
  EXPECT_EQ(type, 15);
  EXPECT_EQ(made->memberPids, std::vector<std::uint32_t>{body.pid});
}

TEST_F(PartImport, LayerModeOneUsesTheWorkLayerAndScaleScales) {
  double csys[6] = {1, 0, 0, 0, 1, 0}, point[3] = {0, 0, 0};
  tag_t group = NULL_TAG;
  ASSERT_EQ(Import(dir + "/plate.prt", 1, csys, point, 2.0, &group), 0);
  ExpectBox(Bodies()[0]->AxisBox(), {0, 0, 0}, {20, 40, 60});
  EXPECT_EQ(Bodies()[0]->display.layer, 40);
}

TEST_F(PartImport, AFileThatIsNotAPartIsRefusedAndTheWorkPartIsUnchanged) {
  std::ofstream(dir + "/broken.prt") << "garbage";
  AddBox(*work, 0, 0, 0, 1, 1, 1, "mine");
  double csys[6] = {1, 0, 0, 0, 1, 0}, point[3] = {0, 0, 0};
  tag_t group = 99;
  const int code = Import(dir + "/broken.prt", 0, csys, point, 1.0, &group);
  EXPECT_NE(code, 0);
  char message[133] = "";
  UF_get_fail_message(code, message);
  EXPECT_NE(std::string(message).find("broken.prt"), std::string::npos) << message;
  EXPECT_EQ(group, NULL_TAG);
  EXPECT_EQ(work->Objects().size(), 1u);
  double parallel[6] = {1, 0, 0, 2, 0, 0};
  EXPECT_NE(Import(dir + "/plate.prt", 0, parallel, point, 1.0, &group), 0);
  EXPECT_NE(Import(dir + "/plate.prt", 0, csys, point, 0.0, &group), 0);
  EXPECT_EQ(work->Objects().size(), 1u);
}

TEST_F(PartImport, GroupMovesCsysToCsysAndDeletingItDeletesItsBodies) {
  double csys[6] = {1, 0, 0, 0, 1, 0}, point[3] = {0, 0, 0};
  tag_t group = NULL_TAG;
  ASSERT_EQ(Import(dir + "/plate.prt", 0, csys, point, 1.0, &group), 0);
  // From the absolute system to one at (50, 0, 0) turned 90 degrees about Z.
  const double o1[3] = {0, 0, 0}, x1[3] = {1, 0, 0}, y1[3] = {0, 1, 0};
  const double o2[3] = {50, 0, 0}, x2[3] = {0, 1, 0}, y2[3] = {-1, 0, 0};
  double matrix[16];
  UF_MTX4_csys_to_csys(o1, x1, y1, o2, x2, y2, matrix);
  const int one = 1, move = 1, keep = 0, noTrace = 2;
  int status = -1;
  uf5947(matrix, &group, &one, &move, &keep, &noTrace, nullptr, nullptr, &status);
  ASSERT_EQ(status, 0);
  ExpectBox(Bodies()[0]->AxisBox(), {30, 0, 0}, {50, 10, 30});
  EXPECT_EQ(Bodies()[0]->display.layer, 7) << "layer 0 keeps the layers";

  const int copy = 2;
  uf5947(matrix, &group, &one, &copy, &keep, &noTrace, nullptr, nullptr, &status);
  EXPECT_NE(status, 0) << "copying is not offered";
  ExpectBox(Bodies()[0]->AxisBox(), {30, 0, 0}, {50, 10, 30});

  // Saved and read back, the group still holds its body.
  files::SavePart(*work, work->path);
  auto reread = files::ReadPart(work->path);
  int groups = 0;
  for (const auto& object : reread->Objects())
    if (auto* g = dynamic_cast<Group*>(object.get())) groups += g->memberPids.size() == 1;
  EXPECT_EQ(groups, 1);

  ASSERT_EQ(UF_OBJ_delete_object(group), 0);
  EXPECT_TRUE(work->Objects().empty());
}
