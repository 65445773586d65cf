// Coincident bodies by their bounding-box key: two bodies whose axis-aligned boxes print
// equally to whole millimetres are one body placed twice.
#pragma once
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

// "%.0fx%.0fx%.0f-%.0fx%.0fx%.0f" of the body's box (minimum x, y, z, then maximum),
// a value that rounds to zero printed as 0, never "-0"; "" when the host cannot give the box.
std::string bounding_box_key(tag_t body);

// The first body of each key is unique, later ones with the same key are duplicates.
// A body without a key is unique and never matches another.
struct KeyClassification {
  std::vector<tag_t> unique;
  std::vector<tag_t> duplicate;
};
KeyClassification classify_by_key(const std::vector<tag_t>& bodies);

}  // namespace kzt
