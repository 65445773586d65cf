// Bent plate and bent flat bar are cut as flat blanks: they are measured unfolded.
#pragma once
#include <string>

#include <NXOpen/Features_Feature.hxx>
#include <uf_defs.h>

namespace kzt {

// Converts the body of `face` to sheet metal with the face as base face; returns the
// new feature. Throws when the host cannot convert it.
NXOpen::Features::Feature* 转换为钣金(tag_t face);

// The envelope text of a bent body ("t,d1-d2-t,mass" of its flat blank). Every feature
// and linked body made for it is removed again and the work coordinate system restored,
// also when the unfolding fails (the failure is then thrown on).
std::string bent_envelope(tag_t selectedBody);

}  // namespace kzt
