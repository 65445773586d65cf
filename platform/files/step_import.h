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
  std::vector<std::string> warnings;       // UTF-8: what the user must look at (a solid without volume)
  std::vector<std::string> checkWarnings;  // UTF-8: entities the load check failed that lose nothing
};

// A damaged file is refused whole, or, when the user asks for it, the products and
// components whose entities are all sound are imported and the rest is listed as skipped.
enum class DamagedStep { Refuse, ImportSoundPart };

// The axis that points up in the file's system; the import turns it to the host's Z.
enum class UpAxis { Z, Y };

// Reads `stepHostPath` into new session parts whose files will be `hostFolder`\NAME.prt,
// NAME the product's name made fit for a file name. Nothing is saved. Throws HostError
// naming the file when it is missing, unreadable, not STEP or holds no shapes, and
// naming the part when one of that path is already open.
StepImport ReadStep(const std::string& stepHostPath, const std::string& hostFolder,
                    DamagedStep damaged = DamagedStep::Refuse, UpAxis up = UpAxis::Z);

// ReadStep, then saves every part: the host paths written (root first) and what was said.
struct ImportedStep {
  std::vector<std::string> written, notes, warnings, checkWarnings, skipped;
};
ImportedStep ImportStep(const std::string& stepHostPath, const std::string& hostFolder,
                        DamagedStep damaged = DamagedStep::Refuse, UpAxis up = UpAxis::Z);

// A product name made fit for a file name on the host (GBK in and out).
std::string PartFileStem(const std::string& gbkName);

}  // namespace platform::files
