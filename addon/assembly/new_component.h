// Making a component part from bodies with the fixed settings of every new component
// part, saving it, and moving a component under its parent.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

// A new part at `path` (from the millimetre template) holding copies of `bodies`, added
// to the work part as component `name`. Returns the new component's tag.
tag_t create_component(const std::string& name, const std::string& path, const std::vector<tag_t>& bodies);

// Saves the open part of that file name (with or without ".prt") and its components;
// a failure is shown under "新模装配树".
void 保存组件(const std::string& name, const std::string& path);

// Moves the new component (by identifier) under its parent (by identifier), both found
// under the work part's root component, in the parent's part named `parentStem`.
void 移动组件(const std::string& parentStem, const std::string& newIdentifier, const std::string& parentIdentifier);

// Moves `component` under `parent`, both given as what they are (a name can differ from
// the file after a rename), in the parent's part named `parentStem`. The moved component,
// or NULL_TAG when the host refused, which is shown. The host's exceptions go on.
tag_t move_under_parent(const std::string& parentStem, tag_t component, tag_t parent);

// Takes a component made by this batch out of the assembly again and closes its part,
// so that a body whose new part could not be placed is found once, in its parent.
void remove_new_component(tag_t component);

// "COMPONENT <name> 1".
std::string component_identifier(const std::string& name);

}  // namespace kzt
