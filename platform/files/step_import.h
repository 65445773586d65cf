// Reading a STEP assembly from any CAD system into parts: one part per STEP product,
// components as in the STEP structure, solids as bodies with their names and colours.
#pragma once
#include <string>
#include <vector>

#include "platform/objects/part.h"

namespace platform::files {

struct StepImport {
  Part* root = nullptr;              // the top product (or an assembly of the top products)
  std::vector<Part*> parts;          // every part made, root first, then depth first
  std::vector<std::string> notes;    // UTF-8: what could not be carried over exactly
  std::vector<std::string> skipped;  // UTF-8: what a damaged file lost; empty when whole
};

// A damaged file is refused whole, or, when the user asks for it, the products and
// components whose entities are all sound are imported and the rest is listed as skipped.
enum class DamagedStep { Refuse, ImportSoundPart };

// Reads `stepHostPath` into new session parts whose files will be `hostFolder`\NAME.prt,
// NAME the product's name made fit for a file name. Nothing is saved. Throws HostError
// naming the file when it is missing, unreadable, not STEP or holds no shapes, and
// naming the part when one of that path is already open.
StepImport ReadStep(const std::string& stepHostPath, const std::string& hostFolder,
                    DamagedStep damaged = DamagedStep::Refuse);

// ReadStep, then saves every part; returns the host paths written, root first.
std::vector<std::string> ImportStep(const std::string& stepHostPath, const std::string& hostFolder,
                                    std::vector<std::string>* notes = nullptr,
                                    DamagedStep damaged = DamagedStep::Refuse,
                                    std::vector<std::string>* skipped = nullptr);

// A product name made fit for a file name on the host (GBK in and out).
std::string PartFileStem(const std::string& gbkName);

}  // namespace platform::files
