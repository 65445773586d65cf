#pragma once
// The STEP translator's own load check: unresolved references and syntax faults found
// while the file was read, before any shape is made from it.
#include <optional>
#include <string>
#include <vector>

class XSControl_Reader;

namespace platform::files {

// Every entity the check fails, by its number in the file ("#12" is 12), with why.
// `unsetValue`: the failed attribute is written "$" (unset) or "*" (derived). Exporters
// write that where the standard wants a value that no shape depends on (a name, a unit's
// dimensions), so the fault costs the import nothing and is only a warning.
struct LoadFault {
  long id = 0;
  int line = 0;  // of "#id" in the file, 0 when not found
  std::string why;
  bool unsetValue = false;

  std::string Describe() const;  // "line N: #ID: why"
};

// What the check says of the file the reader read; `text` is what it read.
struct LoadCheck {
  std::vector<LoadFault> faults;
  std::optional<std::string> fileFault;  // a fault of no one entity

  // The first fault that loses data, described; nothing when the file may be imported.
  std::optional<std::string> Damage() const;
  // The faults that only break the letter of the standard, described.
  std::vector<std::string> Warnings() const;
};
LoadCheck CheckLoad(XSControl_Reader& reader, const std::string& text);

}  // namespace platform::files
