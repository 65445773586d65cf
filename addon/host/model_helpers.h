// Part, body and assembly helpers shared by the dialog classes. Each class that carries
// one of these as a member forwards to the single implementation here; where classes'
// versions differ, the difference is a parameter the caller can see.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

// Writes one string attribute; a failure is shown to the user, naming the object and
// the title, and gives false.
bool assign_string_attribute(tag_t object, const std::string& title, const std::string& value);

// The object's display layer; 0 when the host does not know the object.
int display_layer(tag_t object);

// The object's attribute as text; "" when it has none.
std::string 得到体的属性(tag_t object, const char* title);

// Which of the two kinds an object list has met so far (occurrences, plain objects).
struct OccurrenceFlags {
  bool metOccurrence = false;
  bool metPlain = false;
};

// Writes one string attribute on a body, following an occurrence to its prototype:
// prototype first, then the occurrence; a plain body once. `colour` > 0 also colours
// each body written (through `colourBody`), as the attribute writer does.
using ColourBodyFn = void (*)(int colour, tag_t body);
void 所有实体写属性(OccurrenceFlags& flags, tag_t body, const std::string& value,
                   const std::string& title, int colour = 0, ColourBodyFn colourBody = nullptr);

// The body to act on: an occurrence's prototype, else the object itself. Always
// resolves, whatever the flags say, so a list mixing kinds is never short-changed.
int 得到装配下的boy(OccurrenceFlags& flags, tag_t object, tag_t& body);

// Solid bodies (type 70/0, body type 5601) of the work part, without layer 171.
int 得到工作部件所有的实体(std::vector<tag_t>& bodies);
// Solid bodies of a part, every layer; the list is cleared first. 1 when any was found.
int 得到工作所有的体(tag_t part, std::vector<tag_t>& bodies);

// Bodies under a component. Direct: its own body occurrences. Deep: those, then the
// prototype bodies of every sub-component at every level below.
enum class ComponentBodies { Direct, Deep };
int 得到组件下所有的实体(tag_t component, std::vector<tag_t>& bodies, ComponentBodies depth);

// A depth-first walk of an assembly, each child recorded after its own descendants.
struct ComponentWalk {
  bool skipReservedAndRepeated = false;  // leave out layer 171 and tags already recorded
  std::vector<tag_t> tags;
  std::vector<std::string> instanceNames;
};
void ASSEM_cycle_all_part(ComponentWalk& walk, tag_t partOccurrence);
// The first-recorded component of each distinct component name below the root part
// occurrence of `part`.
int 得到所有组件的数组(ComponentWalk& walk, tag_t part, std::vector<tag_t>& components);

// Full path of a component's part file.
std::string 得到新建组件的路径(tag_t component);
// Mode 1: file name without folder, cut before the first ".prt"; mode 2: the folder
// without its trailing backslash ("" when there is none).
std::string 获取文件名和路径(const std::string& path, int mode);
// How many bytes of the text are ASCII digits (GBK double-byte characters never count).
int 得到字符数字个数(const std::string& text);
// Free drawing numbers: the gaps between the used numbers (ascending, at least one),
// then the numbers after the last one up to the count of used numbers plus 20.
int 查找连续图号(const std::vector<int>& used, std::vector<int>& free);

// A linked body of `source` in the work part, placed by `xform`: the new feature, or
// false after showing why the host refused.
bool link_body(tag_t source, tag_t xform, tag_t workPart, tag_t& feature);

// Brings a body of another component into the work part as a linked body. Returns the
// new linked-body feature and sets `linkedBody` to its body; when the body already sits
// in the work occurrence, returns NULL_TAG and `linkedBody` is the body itself. When the
// link fails, the failure is shown and both are NULL_TAG.
tag_t 抽取实体(tag_t body, tag_t& linkedBody);

}  // namespace kzt
