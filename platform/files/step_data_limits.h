#pragma once
// The translator's reader and load check take time that grows with the square of the
// number of values in one list (each value is appended by walking the list so far): a
// damaged file with a million values in one entity keeps it busy for an hour. Its parser
// also recurses once per level of nested lists, and 100,000 levels overflow its stack.
// Files are measured before the translator sees them.
#include <cstddef>
#include <optional>
#include <string>

namespace platform::files {

// Far beyond any list a real file holds (the longest seen: 2,341 faces of one shell); the
// translator takes about a minute of processor time on 100,000 references in one entity.
constexpr std::size_t kMostValuesInOneStepList = 100000;

// Real files nest lists three or four deep.
constexpr std::size_t kDeepestStepList = 1000;

// A value whose square overflows makes every distance and norm of the modeller infinite:
// the translator's healing of a curve through a point at 1e308 loops until the budget.
// The modeller's own "infinite" is 2e100.
constexpr double kLargestStepValue = 1e150;

// "line N: #ID: a list of more than LIMIT values ..." for the first list of the DATA
// section longer than `limit` or nested deeper than `depth`, or the first number beyond
// kLargestStepValue; nothing when there is none.
std::optional<std::string> UnreadableStepData(const std::string& text, std::size_t limit = kMostValuesInOneStepList,
                                              std::size_t depth = kDeepestStepList);

}  // namespace platform::files
