// An expression's value: one an expression block hands out, or one a builder owns.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler { class ExpressionBlock; }
namespace Features::SheetMetal { class CornerTreatmentBuilder; }

class NXOPENCPPEXPORT Expression {
public:
  virtual ~Expression();
  double Value();
  void SetValue(double value);
  NXString RightHandSide();  // a block's value as text ("%.17g"); a builder's as it was set
  // Sets the value from a number's text ("0.1"); throws NXException when it is not one.
  void SetRightHandSide(const NXString& rightHandSide);

private:
  friend class BlockStyler::ExpressionBlock;
  friend class Features::SheetMetal::CornerTreatmentBuilder;
  explicit Expression(BlockStyler::ExpressionBlock* owner) : owner_(owner) {}
  Expression() : owner_(nullptr) {}
  BlockStyler::ExpressionBlock* owner_;
  double value_ = 0;
  NXString text_ = "0";
};

}  // namespace NXOpen
