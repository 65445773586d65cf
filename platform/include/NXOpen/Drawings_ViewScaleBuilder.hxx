// A view's scale as numerator over denominator (sheet length over model length).
#pragma once
#include <NXOpen/TaggedObject.hxx>

namespace NXOpen {
namespace Drawings {

class NXOPENCPPEXPORT ViewScaleBuilder : public NXOpen::TaggedObject {
public:
  ViewScaleBuilder() : TaggedObject(0) {}
  ~ViewScaleBuilder() override = default;
  double Numerator() { return numerator_; }
  void SetNumerator(double numerator) { numerator_ = numerator; }
  double Denominator() { return denominator_; }
  void SetDenominator(double denominator) { denominator_ = denominator; }

private:
  double numerator_ = 1.0;
  double denominator_ = 1.0;
};

}  // namespace Drawings
}  // namespace NXOpen
