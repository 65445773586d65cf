// Makes a drawing sheet in a part from a sheet template part.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace Drawings {

class DrawingSheet;
class DrawingSheetCollection;

class NXOPENCPPEXPORT DrawingSheetBuilder : public NXOpen::Builder {
public:
  ~DrawingSheetBuilder() override;
  // The template part file (a host path): its first sheet gives the new sheet's size,
  // scale, projection angle, frame curves, notes and tabular notes.
  void SetMetricSheetTemplateLocation(const NXString& templateLocation);
  NXString MetricSheetTemplateLocation();
  // Without a name the host names the sheet "SHT<n>", n the first number free in the part.
  void SetName(const NXString& name);
  NXString Name();
  // Makes the sheet and makes it the current sheet; returns it. Throws NXException
  // naming the template when it is missing or holds no sheet, or naming the sheet
  // when the name is taken or holds "/" or "\"; nothing is made then.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class DrawingSheetCollection;
  DrawingSheetBuilder(tag_t part, DrawingSheet* sheet) : part_(part), sheet_(sheet) {}
  tag_t part_;
  DrawingSheet* sheet_;  // null: a new sheet
  NXString templateLocation_;
  NXString name_;
};

}  // namespace Drawings
}  // namespace NXOpen
