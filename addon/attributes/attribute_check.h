// The attribute check: which bodies carry no attributes yet and which have changed mass
// since their attributes were written.
#pragma once
#include <vector>

#include <uf_defs.h>

namespace kzt {

// How far the current mass may lie from the recorded one before a body counts as changed.
inline constexpr double kMassChangeBound = 3.0;

// True when the mass moved by more than the bound (the bound itself is no change).
bool mass_changed(double recordedMass, double currentMass);

// Mass (g) of one solid body at 7.8 g/cm^3, as the check measures it.
double checked_mass(tag_t body);

struct AttributeCheck {
  std::vector<tag_t> bodies_without_attributes;  // no part name or no envelope text
  std::vector<tag_t> changed_bodies;             // mass changed since the envelope was written
};
// Sorts the bodies, in their order, into the two kinds; changes nothing.
AttributeCheck check_attributes(const std::vector<tag_t>& bodies);

}  // namespace kzt
