#pragma once
// The translator's reader and load check take time that grows with the square of the
// number of values in one list (each value is appended by walking the list so far): a
// damaged file with a million values in one entity keeps it busy for an hour. Files are
// measured before the translator sees them.
#include <cstddef>
#include <optional>
#include <string>

namespace platform::files {

// Far beyond any list a real file holds (the longest seen: 2,341 faces of one shell); the
// translator takes about a minute of processor time on 100,000 references in one entity.
constexpr std::size_t kMostValuesInOneStepList = 100000;

// "line N: #ID: a list of more than LIMIT values ..." for the first list of the DATA
// section longer than `limit`, nothing when there is none.
std::optional<std::string> OverlongStepList(const std::string& text, std::size_t limit = kMostValuesInOneStepList);

}  // namespace platform::files
