// Rewriting the leading segment of drawing numbers, and marking components with the
// part name and drawing number their names carry. GBK text, split byte-wise at "-".
#pragma once
#include <optional>
#include <string>

namespace kzt {

// Why a pair of texts cannot rewrite numbers ("" when they can): the new leading
// segment must not be empty, and neither text may hold "-", which ends the segment.
std::string rewrite_input_fault(const std::string& oldText, const std::string& newText);

// The number with its leading segment (before the first "-") replaced by `newText`, when
// that segment contains `oldText` (an empty one matches every segment); none otherwise,
// and none for a number without "-".
std::optional<std::string> rewritten_number(const std::string& number, const std::string& oldText,
                                            const std::string& newText);

// A component name split at its first "-": 底板-3-1 gives 底板 and 3-1; a name without
// "-" is all part name, with an empty number.
struct NameAndNumber {
  std::string partName;
  std::string number;
};
NameAndNumber split_component_name(const std::string& name);

// The work part's bodies whose drawing numbers match, rewritten (prototype first for an
// occurrence). Returns how many bodies were rewritten.
int rewrite_drawing_numbers(const std::string& oldText, const std::string& newText);

// The first component met of each name, among the parents of the work part's bodies,
// gets DB_PART_NO and DB_PART_NAME from its name.
void mark_components_from_names();

}  // namespace kzt
