// Quantities and totals of drawing parts. A batch asks for every part of the product,
// so each component's bodies and the work part's bodies are walked once and their part
// names read once, not once per sheet. Making sheets adds no bodies and changes no part
// name, so one count serves a whole batch.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <uf_defs.h>

namespace kzt {

class QuantityCount {
public:
  // Quantity: the bodies under `component` (at any depth) with the part name of `body`.
  // Total: the work part's bodies with that name, coincident copies counted once.
  void Of(tag_t body, tag_t component, int& quantity, int& total);

private:
  const std::map<std::string, int>& names_under(tag_t component);
  int total_named(const std::string& name);

  std::map<tag_t, std::map<std::string, int>> namesUnder_;
  std::optional<std::map<std::string, std::vector<tag_t>>> workPartByName_;
  std::map<std::string, int> totals_;
};

}  // namespace kzt
