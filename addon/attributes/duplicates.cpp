// Coincident bodies by bounding-box key.
#include "attributes/duplicates.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <uf.h>
#include <uf_modl.h>

#include "host/uf_session.h"

namespace kzt {

std::string bounding_box_key(tag_t body) {
  double box[6];
  if (UF_MODL_ask_bounding_box(body, box) != 0) return std::string();
  // -0.3 would print "-0" and 0.3 "0": copies straddling an axis must share the key.
  for (double& value : box)
    if (std::nearbyint(value) == 0.0) value = 0.0;
  char key[256];
  std::snprintf(key, sizeof key, "%.0fx%.0fx%.0f-%.0fx%.0fx%.0f", box[0], box[1], box[2], box[3], box[4], box[5]);
  return key;
}

KeyClassification classify_by_key(const std::vector<tag_t>& bodies) {
  UfSession uf;
  KeyClassification result;
  std::vector<std::string> seen;
  for (tag_t body : bodies) {
    const std::string key = bounding_box_key(body);
    if (key.empty() || std::find(seen.begin(), seen.end(), key) == seen.end()) {
      if (!key.empty()) seen.push_back(key);
      result.unique.push_back(body);
    } else {
      result.duplicate.push_back(body);
    }
  }
  return result;
}

}  // namespace kzt
