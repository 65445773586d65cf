#include "tests/support/api_fixture.h"

#include "platform/text/gbk.h"

namespace fabdoc_test {

using namespace platform;

ThreeLevels MakeThreeLevels() {
  Session& s = Session::Get();
  ThreeLevels t{};
  t.leaf = &s.NewPart("\\p\\leaf.prt");
  t.plate = &AddBox(*t.leaf, 0, 0, 0, 10, 20, 30, "plate");
  t.sub = &s.NewPart("\\p\\sub.prt");
  t.beam = &AddBox(*t.sub, 0, 0, 0, 5, 5, 5, "beam");
  Instance leafInSub;
  leafInSub.partPath = "\\p\\leaf.prt";
  leafInSub.instanceName = "LEAF";
  leafInSub.name = "LEAF";
  leafInSub.transform = Transform::Translation(0, 10, 0);
  t.sub->AddInstance(leafInSub);

  t.root = &s.NewPart("\\p\\root.prt");
  t.frame = &AddBox(*t.root, -50, -50, -50, 1, 1, 1, "frame");
  Instance subInRoot;
  subInRoot.partPath = "\\p\\sub.prt";
  subInRoot.instanceName = "SUB";
  subInRoot.name = "SUB";
  // x' = -y + 100, y' = x: 90 degrees about Z, then 100 along X.
  subInRoot.transform.rotation = {0, -1, 0, 1, 0, 0, 0, 0, 1};
  subInRoot.transform.translation = {100, 0, 0};
  t.root->AddInstance(subInRoot);
  Instance leafInRoot;
  leafInRoot.partPath = "\\p\\leaf.prt";
  leafInRoot.instanceName = "LEAF2";
  leafInRoot.name = "LEAF2";
  leafInRoot.transform = Transform::Translation(0, 0, 1000);
  t.root->AddInstance(leafInRoot);
  s.SetDisplayed(t.root);
  return t;
}

std::string Gbk(const std::string& utf8) { return text::ToGbk(utf8); }

}  // namespace fabdoc_test
