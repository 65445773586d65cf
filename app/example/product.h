// An example product as data: an assembly of numbered multi-body components whose
// bodies are cut from stock, and how to build it into parts and part files.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "app/example/stock.h"
#include "platform/objects/part.h"

namespace fabdoc::app::example {

// Where a body or component goes: its own frame's origin and X and Z axes (unit,
// perpendicular) in the parent's coordinates.
struct Placement {
  std::array<double, 3> origin{0, 0, 0};
  std::array<double, 3> xAxis{1, 0, 0};
  std::array<double, 3> zAxis{0, 0, 1};
};

struct BodySpec {
  std::string name;  // UTF-8; repeated only by bodies of identical shape
  StockSpec stock;
  Placement at;
  int layer = 1;
};

struct ComponentSpec {
  std::string partName;  // UTF-8 file stem, "NAME-N"
  Placement at;
  std::vector<BodySpec> bodies;
};

struct ProductSpec {
  std::string assemblyName;  // UTF-8 file stem of the top part
  std::vector<ComponentSpec> components;
};

// The welded frame of docs/example-product.md.
const ProductSpec& FrameProduct();

// Makes the product's parts in the session with files in `hostFolder`, top part first.
// Throws HostError when a part of one of those paths is already open.
std::vector<platform::Part*> BuildProduct(const ProductSpec& product, const std::string& hostFolder);

// Builds the product and saves every part into `localDir` (which must exist); returns
// the local paths written, top part first.
std::vector<std::string> WriteProduct(const ProductSpec& product, const std::string& localDir);

}  // namespace fabdoc::app::example
