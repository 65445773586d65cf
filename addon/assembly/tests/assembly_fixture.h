// An assembly on disk for the component dialog's tests: 总装-0 holding one component
// whose part holds boxes made to drawing. Journal text is UTF-8; literals are GBK.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "addon/host/tests/journal_fixture.h"
#include "app/example/product.h"
#include "host/attribute_vocabulary.h"
#include "platform/assemblies/located_shape.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/text/host_path.h"
#include "platform/ui/abort.h"

namespace kzt_test {

using namespace platform;
using fabdoc_test::AddBox;

class BatchComponents : public kzt_test::CommandTest {
protected:
  // An assembly 总装-0 in `folder` with one component `parentStem` (at x = 1000) holding
  // boxes named by `names`, each made to drawing with an unnumbered drawing number.
  Part& MakeAssembly(const std::string& parentStem, const std::vector<std::string>& names) {
    Part& parent = session().NewPart(HostPath(parentStem + ".prt"));
    for (size_t i = 0; i < names.size(); ++i) {
      Body& b = AddBox(parent, 100.0 * i, 0, 0, 50, 20 + 10.0 * i, 5, names[i]);
      b.attributes.Set(kzt::kPartName, names[i]);
      b.attributes.Set(kzt::kRemark, kzt::kMadeToDrawing);
      b.attributes.Set(kzt::kPartNo, "1");
    }
    files::SavePart(parent, parent.path);
    root = &session().NewPart(HostPath("总装-0.prt"));
    fabdoc_test::AddInstance(*root, parent.path, parentStem, Transform::Translation(1000, 0, 0));
    files::SavePart(*root, root->path);
    session().SetDisplayed(root);
    return parent;
  }
  // Batch mode once, components not saved.
  void RunBatch() {
    Run(u8R"J(
action new_zujianV1
  set enum0 2
  apply
  cancel
)J");
  }
  bool FileExists(const std::string& gbkName) { return std::filesystem::exists(folder + "/" + text::ToUtf8(gbkName)); }
  // Stems of the components under the first component of the assembly.
  std::vector<std::string> ChildrenOfParent() {
    std::vector<std::string> stems;
    auto parent = occurrences().Children(occurrences().RootOccurrence(*root)).front();
    for (ComponentOccurrence* c : occurrences().Children(*parent)) stems.push_back(HostFileStem(c->partPath));
    return stems;
  }
  // The example product in `folder`, displayed.
  void MakeExampleProduct() {
    root = fabdoc::app::example::BuildProduct(fabdoc::app::example::FrameProduct(), ToHostPath(folder)).front();
    session().SetDisplayed(root);
  }
  // How many solid bodies named `name` the part holds itself.
  static int CountNamed(const Part& part, const std::string& name) {
    int count = 0;
    for (const auto& object : part.Objects())
      if (object->Type() == kSolidType && object->name == name) ++count;
    return count;
  }
  static int SolidCount(const Part& part) {
    int count = 0;
    for (const auto& object : part.Objects()) count += object->Type() == kSolidType;
    return count;
  }
  Part& PartNamed(const std::string& gbkFileName) {
    Part* part = session().FindPartByFileName(gbkFileName);
    if (!part) throw std::runtime_error("no open part " + text::ToUtf8(gbkFileName));
    return *part;
  }
  void TearDown() override {
    ui::RequestAbortAtPoll(0);
    CommandTest::TearDown();
  }
  Part* root = nullptr;
};

}  // namespace kzt_test
