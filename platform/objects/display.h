// Display properties every displayable host object carries.
#pragma once

namespace platform {

constexpr int kMinLayer = 1;
constexpr int kMaxLayer = 256;
constexpr int kColorCount = 216;
constexpr int kDefaultBodyColor = 87;   // the host's default solid grey-blue
constexpr int kRedColor = 186;

struct Display {
  int layer = 1;
  int color = kDefaultBodyColor;
  bool blanked = false;
  int translucency = 0;  // percent, 0..100
  bool highlighted = false;
  bool operator==(const Display&) const = default;
};

}  // namespace platform
