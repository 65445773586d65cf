// The graphics background of the host's display library. Headless there is no window
// to paint: the call only remembers the type, which no caller reads back.
#include "platform/display_library/decorated_names.h"

namespace {
int backgroundType = 0;
int backgroundShade = 0;
}  // namespace

void SetBackgroundType(int type, int shade) FABDOC_DECORATED("_DISPLAY_set_background_type__YAXHH_Z");

__attribute__((visibility("default"))) void SetBackgroundType(int type, int shade) {
  backgroundType = type;
  backgroundShade = shade;
}
