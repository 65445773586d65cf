// String attributes and the display layer of objects, and the occurrence-or-prototype
// rule the attribute writers follow.
#pragma once
#include <string>

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

}  // namespace kzt
