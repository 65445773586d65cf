// Makes a drawing sheet in a part from a sheet template part.
#pragma once
#include <NXOpen/Builder.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace Drawings {

class DrawingSheet;
class DrawingSheetCollection;

// Made for a new sheet or for one of the part's sheets; for a sheet, the inputs start
// as the sheet's own and Commit changes what was set (the template then is not read).
class NXOPENCPPEXPORT DrawingSheetBuilder : public NXOpen::Builder {
public:
  // The inch scales of the host's list; a metric sheet keeps the value and its scale.
  enum SheetStandardEnglishScale {
    SheetStandardEnglishScaleCustom,
    SheetStandardEnglishScaleS1,
    SheetStandardEnglishScaleS2,
    SheetStandardEnglishScaleS4,
    SheetStandardEnglishScaleS8,
  };
  ~DrawingSheetBuilder() override;
  // The template part file (a host path): its first sheet gives the new sheet's size,
  // scale, projection angle, frame curves, notes and tabular notes.
  void SetMetricSheetTemplateLocation(const NXString& templateLocation);
  NXString MetricSheetTemplateLocation();
  // Without a name the host names the sheet "SHT<n>", n the first number free in the part.
  void SetName(const NXString& name);
  NXString Name();
  // A whole number above 0 as text ("3"); Commit throws NXException naming another text.
  void SetNumber(const NXString& number);
  NXString Number();
  void SetSecondaryNumber(const NXString& secondaryNumber);
  NXString SecondaryNumber();
  void SetStandardEnglishScale(SheetStandardEnglishScale standardEnglishScale);
  SheetStandardEnglishScale StandardEnglishScale();
  // The drawing scale as numerator : denominator; Commit throws NXException when a term
  // is not above 0.
  void SetScaleNumerator(double scaleNumerator);
  double ScaleNumerator();
  void SetScaleDenominator(double scaleDenominator);
  double ScaleDenominator();
  // Makes the sheet and makes it the current sheet; returns it. Throws NXException
  // naming the template when it is missing or holds no sheet, or naming the sheet
  // when the name is taken or holds "/" or "\"; nothing is made then.
  NXObject* Commit() override;
  bool Validate() override;

private:
  friend class DrawingSheetCollection;
  DrawingSheetBuilder(tag_t part, DrawingSheet* sheet);
  NXObject* CommitEdit();
  tag_t part_;
  DrawingSheet* sheet_;  // null: a new sheet
  NXString templateLocation_;
  NXString name_;
  NXString number_;
  NXString secondaryNumber_;
  SheetStandardEnglishScale englishScale_ = SheetStandardEnglishScaleCustom;
  double scaleNumerator_ = 1, scaleDenominator_ = 1;
  bool numberSet_ = false, secondaryNumberSet_ = false, ratioSet_ = false;
};

}  // namespace Drawings
}  // namespace NXOpen
