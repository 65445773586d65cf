// What batch component creation asks of the assembly: the parents to split, the bodies
// that become parts, the sub-components, the part names that have a component, files.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

// Multi-body components of the displayed assembly whose file names end in "-" and a
// number, in ascending order of that number.
int 得到组件的tag(std::vector<tag_t>& parents);
// Bodies of a component made to drawing, with a drawing number without "-", one per
// part name (the first met).
int 得到出图的体(tag_t component, std::vector<tag_t>& bodies);
// The direct sub-components of a component, one per object name.
int 得到组件下的组件(tag_t component, std::vector<tag_t>& components);
// The part names that have a component anywhere in the displayed assembly.
int 得到所有组件的名称(std::vector<std::string>& names);
// Full paths of every file under a folder, sub-folders where they are met.
void 得到目录下所有文件名(const std::string& folder, std::vector<std::string>& files);
// What 遍历内存 answers: a part of that file name is open, or none is.
inline constexpr int kPartOpen = 10;
inline constexpr int kPartNotOpen = 100;
// Sets `status` to kPartOpen when a part of that file name (ending included, no folder)
// is open, else to kPartNotOpen.
int 遍历内存(const std::string& fileName, int& status);

// A component's part file name without folder and ".prt".
std::string component_stem(tag_t component);

}  // namespace kzt
