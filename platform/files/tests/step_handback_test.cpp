// What the guard child of a STEP import hands back: the parts arrive as made (bodies,
// components, placements, what was said), a body the host could not keep is named with
// its product, and bytes that did not arrive whole leave nothing open.
#include <cstdlib>
#include <filesystem>

#include "platform/base/host_error.h"
#include "platform/files/step_handback.h"
#include "platform/geometry/body.h"
#include "platform/text/host_path.h"
#include "tests/support/test_model.h"
#include "tests/support/unchecked_shapes.h"

using namespace platform;
using namespace platform::files;

namespace {

constexpr const char* kStep = "/models/frame.step";

// Each part's file name, body names and volumes, components and their placements.
std::string Described(const StepImport& import) {
  std::string text = "root " + HostFileName(import.root->path) + "\n";
  for (const Part* part : import.parts) {
    text += HostFileName(part->path) + (part->modified ? " (not saved)" : "") + ":";
    for (const auto& object : part->Objects())
      if (auto* body = dynamic_cast<Body*>(object.get()))
        text += " " + body->name + "=" + std::to_string(body->Mass().volume) + "/" + std::to_string(body->display.color);
    for (const auto& instance : part->Instances()) {
      text += " [" + instance.instanceName + " of " + HostFileName(instance.partPath);
      for (double v : instance.transform.translation) text += " " + std::to_string(v);
      text += "]";
    }
    text += "\n";
  }
  for (const auto* said : {&import.notes, &import.warnings, &import.skipped, &import.checkWarnings})
    for (const std::string& line : *said) text += line + "\n";
  return text;
}

}  // namespace

class StepHandBack : public fabdoc_test::SessionTest {};

TEST_F(StepHandBack, PartsArriveAsMadeAndBytesCutShortLeaveNothingOpen) {
  const std::string dir = fabdoc_test::FreshDir("step-handback");
  StepImport made;
  made.root = &fabdoc_test::AddFrameAssembly(dir);
  made.parts = {made.root, session().FindPartByFileName("frame.prt")};
  for (Part* part : made.parts) part->modified = true;
  made.notes = {"product name \"机架\": a note"};
  made.warnings = {"body \"plate\" in part \"frame\": a warning"};
  made.checkWarnings = {"line 3: #1: a flag"};
  const std::string expected = Described(made);
  std::string bytes;
  ASSERT_EQ(HandBackImport(made, kStep, bytes), "");
  session().Reset();

  for (size_t cut : {size_t(0), size_t(7), bytes.size() / 2, bytes.size() - 1}) {
    try {
      ReceiveImport(std::string_view(bytes).substr(0, cut), kStep);
      ADD_FAILURE() << "bytes cut at " << cut << " were taken";
    } catch (const HostError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(std::string(kStep) + ": ", 0), 0u) << e.what();
    }
    EXPECT_TRUE(session().Parts().empty()) << "cut at " << cut;
  }
  const StepImport received = ReceiveImport(bytes, kStep);
  EXPECT_EQ(Described(received), expected);
  EXPECT_EQ(session().Parts().size(), 2u);
}

// A body whose shape would not open again once saved (the part file corpus's) is named
// with its product, as the import's refusal says it.
TEST_F(StepHandBack, ABodyTheHostCouldNotKeepIsNamedWithItsProduct) {
  const char* source = std::getenv("FABDOC_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const auto shapes =
      fabdoc_test::UncheckedShapes(std::filesystem::path(source) / "platform/files/tests/corpus/resave-loses.prt");
  ASSERT_FALSE(shapes.empty());
  const std::string dir = fabdoc_test::FreshDir("step-handback-bad");
  StepImport made;
  made.root = &session().NewPart(ToHostPath(dir + "/bracket.prt"));
  made.parts = {made.root};
  fabdoc_test::AddBox(*made.root, 0, 0, 0, 100, 50, 8, "plate");
  fabdoc_test::AddBox(*made.root, 0, 0, 0, 1, 1, 1, "lug").SetShape(shapes.front());
  std::string bytes;
  const std::string fault = HandBackImport(made, kStep, bytes);
  EXPECT_EQ(fault.rfind(std::string(kStep) + ": body \"lug\" of product \"bracket\": ", 0), 0u) << fault;
  EXPECT_TRUE(fault.ends_with("; nothing was imported")) << fault;
}
