// How component part files are named: "NAME-N", "NAME-PARENT-N", and how the part name,
// the parent number and the running numbers are read back from such names. GBK text.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace kzt {

// The text after the last "-" (all of it when there is none).
std::string tail_after_dash(const std::string& name);
// True when every byte is an ASCII digit (an empty text counts, as it holds no other).
bool all_digits(const std::string& text);
// The decimal value of the leading digits; 0 when there are none; INT_MAX when too long.
int leading_value(const std::string& text);
// The number a component's name ends in: the digits after its last "-" (or the whole
// name when it is digits only); none when that tail is empty or holds anything else.
std::optional<int> component_number(const std::string& stem);
// The part name a component file stem was made from: 底板-3-1 and 底板-1 give 底板.
std::string part_name_of_component(const std::string& stem);

// Which parents batch creation processes and with which number suffix.
struct ParentNumber {
  bool processed = false;
  std::string suffix;  // "" for an assembly ("装配") parent
};
ParentNumber parent_number(const std::string& parentStem);

// The component name of a new body: "%s-%d" under an assembly parent, else "%s-%s-%d".
std::string batch_component_name(const std::string& partName, const std::string& parentStem,
                                 const std::string& suffix, int number);

}  // namespace kzt
