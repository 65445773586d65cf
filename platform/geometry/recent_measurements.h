// Answers of costly measurements kept by the shapes they were asked of. A shape of the
// modeller never changes (a changed body gets a new shape), and the cache holds the shapes
// of its keys, so an answer stays right for as long as it is kept. Asking again about the
// same faces (the attribute writer measures a body on selection, on each stock-type edit
// and for the remark) then costs a look-up instead of a projection.
#pragma once
#include <array>
#include <cstddef>
#include <unordered_map>
#include <utility>

#include <TopoDS_Shape.hxx>

namespace platform {

// A shape as a key: what it is and where, by value. Two placements built apart from the
// same transform are the same key (the modeller's own equality compares them by identity).
struct ShapeKey {
  explicit ShapeKey(const TopoDS_Shape& shape);
  TopoDS_Shape unplaced;         // kept, so its identity is not reused while it is a key
  std::array<double, 12> place;  // the placement's matrix and translation
  bool operator==(const ShapeKey& other) const;
};
struct ShapeKeyHash {
  std::size_t operator()(const ShapeKey& key) const;
};
using ShapePairKey = std::pair<ShapeKey, ShapeKey>;
struct ShapePairKeyHash {
  std::size_t operator()(const ShapePairKey& key) const {
    return ShapeKeyHash()(key.first) * 31 + ShapeKeyHash()(key.second);
  }
};

// Answers by key, forgotten all at once when `capacity` is reached (a body of 500 faces
// asks a few thousand questions; memory stays bounded across a session of many bodies).
template <class Key, class Value, class Hash>
class RecentMeasurements {
public:
  explicit RecentMeasurements(std::size_t capacity) : capacity_(capacity) {}

  // The kept answer for `key`, else `measure()` kept and returned. `measure` may throw:
  // nothing is kept then.
  template <class Measure>
  const Value& Get(const Key& key, Measure&& measure) {
    if (auto it = answers_.find(key); it != answers_.end()) return it->second;
    Value value = measure();
    if (answers_.size() >= capacity_) answers_.clear();
    return answers_.emplace(key, std::move(value)).first->second;
  }

private:
  std::size_t capacity_;
  std::unordered_map<Key, Value, Hash> answers_;
};

}  // namespace platform
