#pragma once
// The STEP translator's own load check: unresolved references and syntax faults found
// while the file was read, before any shape is made from it.
#include <optional>
#include <string>
#include <vector>

class XSControl_Reader;

namespace platform::files {

// "line N: #ID: what is wrong" for the first entity the check fails, nothing when the
// file loaded clean. `text` is what the reader read, to find the entity's line.
std::optional<std::string> FirstLoadFault(XSControl_Reader& reader, const std::string& text);

// Every entity the check fails, by its number in the file ("#12" is 12), with why.
struct LoadFault {
  long id = 0;
  std::string why;
};
std::vector<LoadFault> LoadFaults(XSControl_Reader& reader);

}  // namespace platform::files
