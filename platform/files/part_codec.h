// A part as a JSON document plus an ordered list of shapes: what the part file stores.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>
#include <TopoDS_Shape.hxx>

#include "platform/objects/part.h"

namespace platform::files {

// The format version part files are written in.
constexpr int kPartFormatVersion = 4;

struct EncodedPart {
  nlohmann::json document;            // UTF-8 text throughout
  std::vector<TopoDS_Shape> shapes;   // bodies refer to these by index
};

// Throws HostError when the part holds an object kind the file cannot store, so that
// nothing is silently dropped.
EncodedPart EncodePart(const Part& part);
// `version` is the file's format version; `where` names the file in error messages. Throws HostError(BadPartFile) on a
// document that does not describe a part.
std::unique_ptr<Part> DecodePart(const nlohmann::json& document,
                                 const std::vector<TopoDS_Shape>& shapes, int version,
                                 const std::string& hostPath, const std::string& where);

}  // namespace platform::files
