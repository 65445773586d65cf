// The attribute check: attributes present, recorded mass against the measured one.
#include "attributes/attribute_check.h"

#include <cmath>

#include <uf.h>
#include <uf_attr.h>
#include <uf_modl.h>

#include "attributes/stock_text.h"
#include "host/attribute_vocabulary.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

constexpr double kSteelDensity = 7.8;  // g/cm^3

bool HasAttribute(tag_t body, const char* title) {
  int titleType = 0;
  UF_ATTR_find_attribute(body, kAttrAny, title, &titleType);
  return titleType != 0;
}

}  // namespace

bool mass_changed(double recordedMass, double currentMass) {
  return std::fabs(recordedMass - currentMass) > kMassChangeBound;
}

double checked_mass(tag_t body) {
  UfSession uf;
  double accuracy[11] = {0.01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  double props[47] = {0};
  double statistics[13] = {0};
  UF_MODL_ask_mass_props_3d(&body, 1, UF_MODL_MASS_SOLID, UF_MODL_MASS_GRAMS_CENTIMETERS, kSteelDensity, 1,
                            accuracy, props, statistics);
  return props[2];
}

AttributeCheck check_attributes(const std::vector<tag_t>& bodies) {
  UfSession uf;
  AttributeCheck check;
  for (tag_t body : bodies) {
    if (!HasAttribute(body, kEnvelope) || !HasAttribute(body, kPartName)) {
      check.bodies_without_attributes.push_back(body);
      continue;
    }
    const double recorded = parse_envelope(得到体的属性(body, kEnvelope)).m;
    if (mass_changed(recorded, checked_mass(body))) check.changed_bodies.push_back(body);
  }
  return check;
}

}  // namespace kzt
