// The views of a part as the display shows them.
#pragma once
#include <NXOpen/View.hxx>

namespace NXOpen {
class Part;

class NXOPENCPPEXPORT ViewCollection {
public:
  ~ViewCollection() = default;
  // The work view (as UF_VIEW_ask_work_view gives it); null when there is none.
  View* WorkView();
  // Redraws the part's views; headless there is no screen to redraw.
  void Regenerate();

private:
  friend class NXOpen::Part;
  explicit ViewCollection(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace NXOpen
