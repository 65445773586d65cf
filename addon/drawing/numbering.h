// Drawing numbers and quantities: the mode decision, component-mode preparation, the
// two renumbering passes and the quantity and total of a part.
#pragma once
#include <map>
#include <string>
#include <vector>

#include <uf_defs.h>

#include "drawing/drawing_names.h"
#include "drawing/drawing_state.h"

namespace kzt {

// Components of the work assembly, one per distinct name: one body under it makes a
// part, any other count a sub-assembly. Appends to both lists.
int 得到组件及零件的tag(DrawingState& state, std::vector<tag_t>& subassemblies, std::vector<tag_t>& parts);
// 1 (component mode) with two or more parts, else 2 (layer mode).
int 判断模式(DrawingState& state);
// Component mode needs the drawing parts visible: layer 171 leaves the work layer, and
// when the part has no sheets yet, components and bodies on 171 move to layer 1.
// Returns 1 when the part already has sheets, else 0.
int 组件出图初始化(DrawingState& state);

ParsedName 得到路径名称部件(tag_t component);
ParsedName 得到路径名称零件(tag_t component);

// Component mode: the work part gets the product's number and name; sub-assemblies and
// parts get numbers from their file names.
int 批量修改零件图号(DrawingState& state, const std::string& prefix, const std::string& productName);
// Layer mode: the same for the work part and sub-assemblies; every made-to-drawing
// body's number gets the product prefix in place of its own.
int 批量修改零件图号_图层出图(DrawingState& state, const std::string& prefix, const std::string& productName);

// Quantity: bodies under the component with the body's part name. Total: the work
// part's bodies with that name, coincident copies counted once.
int 得到数量及总数(tag_t body, tag_t component, int& quantity, int& total);
// The work part's solid bodies (得到工作部件所有的实体) by their part name, each list
// in the order the host gives them.
std::map<std::string, std::vector<tag_t>> 工作部件实体按名称();
// How many of the bodies remain when coincident copies count once.
int 找重叠体(const std::vector<tag_t>& bodies);

}  // namespace kzt
