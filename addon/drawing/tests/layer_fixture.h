// Layer mode's test fixture: an assembly of numbered multi-body components whose bodies
// get their attributes from the attribute writer's journal lines, the run of the drawing
// dialog in layer mode, and the host's view of layers, masks and sheets afterwards.
// Names in these tests are GBK literals; journals are converted to UTF-8 when run.
#pragma once
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "addon/drawing/tests/drawing_fixture.h"
#include "platform/assemblies/occurrence.h"
#include "platform/drafting/sheets.h"
#include "platform/drafting/view_content.h"
#include "platform/text/gbk.h"

namespace kzt_test {

// One box of a component: its object name, place and size, and what the attribute
// writer is told for it (no part name: left alone, as an identical twin of one written).
struct Piece {
  std::string body;
  double x, dx, dy, dz;
  std::string partName;
  std::string number = "1";
};

class LayerDrawings : public DrawingProduction {
protected:
  void SetUp() override {
    DrawingProduction::SetUp();
    root = &session().NewPart(HostPath("总装-0.prt"));
  }
  // A multi-body component STEM.prt placed in the root at (offsetX, 0, 0).
  void AddComponent(const std::string& stem, const std::vector<Piece>& pieces, double offsetX) {
    Part& part = session().NewPart(HostPath(stem + ".prt"));
    for (const Piece& p : pieces) AddBox(part, p.x, 0, 0, p.dx, p.dy, p.dz, p.body);
    files::SavePart(part, part.path);
    Place(stem, offsetX);
    written_.push_back({stem, pieces});
  }
  // Saves and displays the root, then writes every piece's attributes with the attribute
  // writer, one Apply per part name.
  void Finish() {
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    std::string journal = "action attrV2\n";
    for (const auto& [stem, pieces] : written_)
      for (const Piece& p : pieces) {
        if (p.partName.empty()) continue;
        journal += "  select blockxuanzhe body:" + stem + "/" + p.body + "\n";
        journal += "  set blockgunge \"钢板\"\n";
        journal += "  set blockPartName \"" + p.partName + "\"\n";
        journal += "  set blockPartNo \"" + p.number + "\"\n";
        journal += "  apply\n";
      }
    journal += "  cancel\n";
    RunGbk(journal);
  }
  void RunGbk(const std::string& gbkJournal) {
    const std::string utf8 = text::ToUtf8(gbkJournal);
    Run(reinterpret_cast<const char8_t*>(utf8.c_str()));
  }
  // The drawing dialog in layer mode with the product prefix XJ01.
  void RunLayerMode() {
    Run(u8R"J(
action drawing
  set tuhao "XJ01"
  set ming "产品"
  apply
  expect message "图层模式"
  cancel
)J");
  }

  // The body occurrence of the root whose body is named `bodyName` in component `stem`.
  Object& Occurrence(const std::string& stem, const std::string& bodyName) {
    for (Object* o : occurrences().AllOccurrences(*root)) {
      auto* body = dynamic_cast<BodyOccurrence*>(o);
      if (!body || session().NameOf(*o) != bodyName) continue;
      if (session().NameOf(*session().Find(body->component)) == stem) return *o;
    }
    throw std::runtime_error("no body " + text::ToUtf8(bodyName) + " in " + text::ToUtf8(stem));
  }
  Object& ComponentNamed(const std::string& stem) {
    for (Object* o : occurrences().AllOccurrences(*root))
      if (dynamic_cast<ComponentOccurrence*>(o) && session().NameOf(*o) == stem) return *o;
    throw std::runtime_error("no component " + text::ToUtf8(stem));
  }
  int LayerOf(Object& o) { return session().DisplayOf(o).layer; }
  std::string NumberOf(Object& o) { return kzt::得到体的属性(o.GetTag(), kzt::kPartNo); }
  // The layers a view shows; every layer when it has no mask.
  static std::vector<int> MaskOf(const DraftingView& view) {
    std::vector<int> layers;
    for (int i = 0; i < 256; ++i)
      if (!view.layers || (*view.layers)[i]) layers.push_back(i + 1);
    return layers;
  }
  static std::vector<int> Range(int first, int last) {
    std::vector<int> layers;
    for (int l = first; l <= last; ++l) layers.push_back(l);
    return layers;
  }
  DrawingSheet& SheetNamed(const std::string& name) {
    DrawingSheet* sheet = drafting::FindSheet(*root, name);
    if (!sheet) throw std::runtime_error("no sheet " + text::ToUtf8(name));
    return *sheet;
  }
  // The bodies every view of the sheet shows, by tag, the same for all four views.
  std::set<Tag> ShownBy(const std::string& sheetName) {
    std::set<Tag> shown;
    for (const DraftingView* view : drafting::ViewsOf(SheetNamed(sheetName))) {
      std::set<Tag> mine;
      for (Object* o : drafting::ShownBodies(*view)) mine.insert(o->GetTag());
      if (!shown.empty()) {
        EXPECT_EQ(mine, shown) << view->name;
      }
      shown = mine;
    }
    return shown;
  }

private:
  std::vector<std::pair<std::string, std::vector<Piece>>> written_;
};

}  // namespace kzt_test
