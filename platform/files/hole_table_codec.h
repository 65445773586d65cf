// Hole tables in the part file's description: record kind "holeTable" (format 4).
#pragma once
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/drafting/hole_table.h"

namespace platform::files {

nlohmann::json EncodeHoleTable(const HoleTable& table);

// Every size above 0 and finite, one cell per row and column, texts UTF-8: a damaged
// record is refused (HostError(BadPartFile) naming `where`) rather than drawn off the sheet.
std::unique_ptr<HoleTable> DecodeHoleTable(const nlohmann::json& j, const std::string& where);

}  // namespace platform::files
