// The block kinds the dialog toolkit knows: their properties with default values and
// how a user works them (set a value, select objects, press).
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/dialog.h"

namespace platform::ui {

struct BlockKind {
  std::string name;                 // as in the dialog file and the toolkit's class name
  bool container = false;           // may hold other blocks
  bool pressable = false;           // a journal may `press` it
  std::string mainProperty;         // what `set BLOCK VALUE` sets; "" for none
  std::vector<std::pair<std::string, Property>> properties;  // besides Label, Show, Enable
};

// The kind, or null when the toolkit has no block of that name.
const BlockKind* FindBlockKind(const std::string& name);
std::vector<std::string> BlockKindNames();
// Gives a new block its kind's properties at their defaults.
void InitBlock(Block& block, const BlockKind& kind);

// Members of a selection block's "MaximumScope" enumeration.
enum SelectionScope { kScopeWorkPart = 0, kScopeWorkPartAndComponents = 1, kScopeDisplayedPart = 2,
                      kScopeEntireAssembly = 3 };

}  // namespace platform::ui
