// The drawing sheets of a part.
#pragma once
#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include <NXOpen/Drawings_DrawingSheet.hxx>
#include <NXOpen/Drawings_DrawingSheetBuilder.hxx>

namespace NXOpen {
class Part;
namespace Drawings {

class NXOPENCPPEXPORT DrawingSheetCollection {
public:
  // The part's sheets in creation order, as listed when begin() is called.
  class NXOPENCPPEXPORT iterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = DrawingSheet*;
    using difference_type = std::ptrdiff_t;
    using pointer = DrawingSheet**;
    using reference = DrawingSheet*;
    iterator() = default;
    DrawingSheet* operator*() const;
    iterator& operator++();
    iterator operator++(int);
    bool operator==(const iterator& other) const;
    bool operator!=(const iterator& other) const { return !(*this == other); }

  private:
    friend class DrawingSheetCollection;
    iterator(std::shared_ptr<const std::vector<tag_t>> sheets, std::size_t at);
    std::shared_ptr<const std::vector<tag_t>> sheets_;
    std::size_t at_ = 0;
  };

  ~DrawingSheetCollection() = default;
  iterator begin();
  iterator end();
  // A builder for a new sheet (drawingSheet null); end it with Destroy().
  Drawings::DrawingSheetBuilder* DrawingSheetBuilder(Drawings::DrawingSheet* drawingSheet);
  // The current sheet; null when the part has none.
  DrawingSheet* CurrentDrawingSheet();

private:
  friend class NXOpen::Part;
  explicit DrawingSheetCollection(tag_t part) : part_(part) {}
  tag_t part_;
};

}  // namespace Drawings
}  // namespace NXOpen
