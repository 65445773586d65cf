#include "fuzz/part_workout.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "app/host_startup.h"
#include "app/info/part_report.h"
#include "app/journal/journal.h"
#include "app/journal/runner.h"
#include "app/journal/selectors.h"
#include "platform/base/host_error.h"
#include "platform/drafting/hidden_line_projection.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/geometry/body.h"
#include "platform/objects/session.h"
#include "platform/text/host_path.h"

namespace fuzz {

namespace fs = std::filesystem;
using namespace platform;

namespace {

// Every body of the part gets a stock type, a name and a drawing number, applied at once.
std::string AttributeJournal() {
  std::string selectors;
  for (Tag tag : fabdoc::app::journal::DisplayedBodies()) {
    try {
      selectors += " \"" + fabdoc::app::journal::SelectorFor(tag) + "\"";
    } catch (const std::runtime_error&) {
      // a body no selector reaches (an unnamed one among equals) is left out
    }
  }
  if (selectors.empty()) return {};
  return "action attrV2\n  select blockxuanzhe" + selectors +
         "\n  set blockgunge \"钢板\"\n  set blockPartName \"件\"\n  set blockPartNo \"A1-1-1\"\n  apply\n  cancel\n";
}

void Draw(Part& part) {
  std::vector<drafting::PlacedBody> bodies;
  for (const auto& object : part.Objects())
    if (const auto* body = dynamic_cast<const Body*>(object.get()); body && !body->Shape().IsNull())
      bodies.push_back({body->Shape(), gp_Trsf()});
  if (bodies.empty()) return;
  for (const char* view : {"Front", "Isometric"}) {
    drafting::HiddenLineProjection projection(bodies, drafting::StandardModelView(view), 1.0);
    projection.Perform();  // a failure is reported by the view, not a crash
  }
}

}  // namespace

void StartAddOn() {
  static bool started = false;
  if (started) return;
  // The worker's output would bury the driver's: what the add-on shows is not read.
  std::fflush(stdout);
  const int sink = ::open("/dev/null", O_WRONLY);
  ::dup2(sink, STDOUT_FILENO);
  ::close(sink);
  fabdoc::app::StartHost(fabdoc::app::DefaultStartupDir());
  started = true;
}

void RunJournal(const std::string& utf8Text, const std::string& folder) {
  const auto journal = fabdoc::app::journal::ParseJournal(utf8Text, folder + "/workout.journal", folder);
  fabdoc::app::journal::Runner runner(journal);
  runner.Run();
}

void WorkOutPart(const std::string& localPath, const std::string& workFolder) {
  Session& session = Session::Get();
  session.Reset();
  Part& part = files::OpenPart(ToHostPath(localPath));
  session.SetDisplayed(&part);
  // Each step may refuse the part (an error the host reports); the next still runs.
  try {
    fabdoc::app::PartReport(part);
  } catch (const HostError&) {
  }
  if (const std::string journal = AttributeJournal(); !journal.empty()) {
    try {
      RunJournal(journal, workFolder);
    } catch (const std::runtime_error&) {
    }
  }
  Draw(part);
  const std::string saved = workFolder + "/saved.prt";
  fs::remove(saved);
  try {
    files::SavePartAs(part, ToHostPath(saved));
  } catch (const HostError&) {
    return;  // refused, the previous file kept: what a damaged body must get
  }
  session.Reset();
  try {
    files::ReadPart(ToHostPath(saved));
  } catch (const HostError& e) {
    std::fprintf(stderr, "a saved part does not open again: %s\n", e.what());
    std::abort();
  }
}

}  // namespace fuzz
