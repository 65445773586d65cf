// Compiled into the executable alone: the header it reads changes with every commit,
// and nothing else should be rebuilt for that.
#include "app/version.h"

#include <string_view>

#include "build_commit.h"

namespace fabdoc::app {

std::string VersionText() {
  std::string text = "fabdoc " FABDOC_VERSION "\n";
  const std::string_view state = FABDOC_BUILD_STATE;
  if (state == "nogit") return text + "commit unknown: git was not found when fabdoc was built\n";
  if (state == "outside") return text + "commit unknown: built outside a git checkout\n";
  text += "built from commit " FABDOC_BUILD_COMMIT " (" FABDOC_BUILD_COMMIT_DATE ")";
  if (state == "changed") text += " with uncommitted changes";
  return text + "\n";
}

}  // namespace fabdoc::app
