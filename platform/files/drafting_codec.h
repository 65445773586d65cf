// Sheets, views and tabular notes in the part file's description.
#pragma once
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/objects/object.h"

namespace platform::files {

// Fills `j` with the kind and fields of a drafting object; false for any other object.
bool EncodeDraftingObject(const Object& object, nlohmann::json& j);

// The drafting object of an object entry (kind "sheet", "view" or "note"); nullptr for
// any other kind. `version` is the file's format version: version 1 stored views
// without their kind and notes as a bare grid. HostError(BadPartFile) naming `where`.
std::unique_ptr<Object> DecodeDraftingObject(const nlohmann::json& j, int version, const std::string& where);

}  // namespace platform::files

namespace platform {
class Part;
}

namespace platform::files {

// HostError(BadPartFile) naming `where` when a dimension, part mark or hole table names a sheet or
// view the part does not hold.
void CheckDimensionReferences(const Part& part, const std::string& where);

// After a version 1 file is read: sheets numbered in order, the last one current, and
// scales turned into sheet length over model length (version 1 stored the inverse).
void UpgradeDrafting(Part& part);

}  // namespace platform::files
