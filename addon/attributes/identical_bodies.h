// Identical bodies (the same part used several times) and the colouring of bodies.
#pragma once
#include <vector>

#include <uf_defs.h>

namespace kzt {

// Every solid body of the work part (occurrences included) with the same face and edge
// counts as `body`, a volume within 5.0 mm^3 and a mass within 3.0 g; `body` itself is
// among them when it belongs to the work part. Their highlight is switched off.
// Returns 0 when any was found, else 1.
int find_identical_bodies(tag_t body, std::vector<tag_t>& identical);

// Gives a body a colour through the session's display manager (an occurrence its own).
void colour_body(int color, tag_t body);

// Colours the coincident copies among the bodies red and reports how many there are,
// unless the work part holds component-mode drawings.
void mark_overlapping_bodies(const std::vector<tag_t>& bodies);

}  // namespace kzt
