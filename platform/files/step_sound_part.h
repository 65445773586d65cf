#pragma once
// The sound part of a damaged STEP file: the products (and the components placing them)
// none of whose entities is faulty, as a STEP text of their own, and what was left out.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/files/step_entities.h"

namespace platform::files {

struct SoundStepPart {
  std::string text;                  // a STEP file holding only what is sound
  std::vector<long> keptProducts;    // the product definitions kept
  std::vector<std::string> skipped;  // UTF-8, one line for each thing left out and why
};

// `faults`: entities the translator's load check failed, with its reason; the faults the
// statements show themselves and references to missing entities are added. Products in
// `alsoSkip` are left out too ("would not translate").
SoundStepPart SoundPartOf(const StepEntities& entities, const std::map<long, std::string>& faults,
                          const std::set<long>& alsoSkip = {});

// Every product definition of the file.
std::vector<long> ProductsOf(const StepEntities& entities);

}  // namespace platform::files
