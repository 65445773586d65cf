// The dimensioning command over a part's sheets (all of them, or those named): each sheet
// is dimensioned on its own, so one that fails leaves the others done.
#pragma once
#include <string>
#include <vector>

#include "platform/objects/part.h"

namespace platform::drafting {

struct DimensionRunReport {
  std::vector<std::string> done;    // one line per sheet dimensioned or skipped, UTF-8
  std::vector<std::string> failed;  // one line per sheet that failed, naming it and why
  int changed = 0;                  // sheets whose dimensions were made again
};

// `sheetNames` are host text (GBK); none means every sheet. HostError(NotFound) naming
// the first name the part has no sheet of, before any sheet is touched.
DimensionRunReport DimensionSheets(Part& part, const std::vector<std::string>& sheetNames);

}  // namespace platform::drafting
