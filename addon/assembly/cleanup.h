// Keeping the session and the geometry clean around component creation: closing parts
// the displayed assembly does not use, removing parameters, and linking bodies of other
// components into the work part.
#pragma once
#include <uf_defs.h>

namespace kzt {

void 关闭内存未显示部件();
// Strips the feature parameters of all bodies of a component (made the work component).
int 去除参数(tag_t component);
// Removes the parameters of one body of the work part.
void remove_parameters(tag_t body);

}  // namespace kzt
