// The part file: reading and writing a part, and opening one into the session with
// the component parts it uses.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/objects/part.h"

namespace platform::files {

// Writes `part` to `hostPath` atomically (beside, then rename): the previous file
// survives any failure. Folds the live occurrences of the part into what it stores.
// Throws HostError(FileError) naming the file, also when that file is read-only.
void SavePart(Part& part, const std::string& hostPath);

// Saves each part to its own path as SavePart does, in order; the temporaries killed
// saves left are looked for once in each folder rather than once for each file.
void SaveParts(const std::vector<Part*>& parts);

// Reads a part file without adding it to the session. Throws HostError(BadPartFile)
// naming the file when it is not a part file of ours, is damaged or from a newer version.
std::unique_ptr<Part> ReadPart(const std::string& hostPath);

// The part at `hostPath`: the open one, or read and added to the session together
// with every component part it uses. A missing component file adds a note (UTF-8) to
// `notes` when given; the assembly still opens with those components unloaded.
Part& OpenPart(const std::string& hostPath, std::vector<std::string>* notes = nullptr);

}  // namespace platform::files
