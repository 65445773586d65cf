// What a part holds, as the stable JSON of `fabdoc info --json` and as plain text.
#pragma once
#include <string>

#include <nlohmann/json.hpp>

#include "platform/objects/part.h"

namespace fabdoc::app {

nlohmann::json PartReport(platform::Part& part);
std::string PartReportText(const nlohmann::json& report);

}  // namespace fabdoc::app
