// The host's cycling calls hand back one object at a time: "the next one after this".
// A cycle's sequence is built when it starts (NULL_TAG) and followed while the caller
// passes back the object it got last, so a walk over n objects costs O(n) even in an
// assembly, and deleting the object just returned does not lose the place.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/objects/tag.h"

namespace platform {
class Object;
class Part;
}

namespace platform::api {

// Next live tag after `current` in the sequence `key` names; NULL_TAG at the end or
// when `current` is not in it.
Tag CycleNext(const std::string& key, Tag current, const std::function<std::vector<Tag>()>& build);

// A part's own objects of `type` (-1: any) in creation order, its model views, then, for an assembly,
// the occurrences below it of that type, depth first.
std::vector<Tag> PartSequence(Part& part, int type);
// What is below a component occurrence: its body occurrences, then each child component
// followed by what is below it. The root occurrence lists its part's own bodies first.
std::vector<Tag> ComponentSequence(Object& component);

}  // namespace platform::api
