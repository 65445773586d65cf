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
  AddInstance(*t.sub, "\\p\\leaf.prt", "LEAF", Transform::Translation(0, 10, 0));

  t.root = &s.NewPart("\\p\\root.prt");
  t.frame = &AddBox(*t.root, -50, -50, -50, 1, 1, 1, "frame");
  // x' = -y + 100, y' = x: 90 degrees about Z, then 100 along X.
  Transform turned = Transform::Translation(100, 0, 0);
  turned.rotation = {0, -1, 0, 1, 0, 0, 0, 0, 1};
  AddInstance(*t.root, "\\p\\sub.prt", "SUB", turned);
  AddInstance(*t.root, "\\p\\leaf.prt", "LEAF2", Transform::Translation(0, 0, 1000));
  s.SetDisplayed(t.root);
  return t;
}

std::string Gbk(const std::string& utf8) { return text::ToGbk(utf8); }

}  // namespace fabdoc_test
