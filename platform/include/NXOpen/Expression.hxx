// An expression's value, as an expression block hands it out.
#pragma once
#include <NXOpen/libnxopencpp_exports.hxx>
#include <NXOpen/NXString.hxx>

namespace NXOpen {
namespace BlockStyler { class ExpressionBlock; }

class NXOPENCPPEXPORT Expression {
public:
  virtual ~Expression();
  double Value();
  void SetValue(double value);
  NXString RightHandSide();  // the value as text ("%.17g")

private:
  friend class BlockStyler::ExpressionBlock;
  explicit Expression(BlockStyler::ExpressionBlock* owner) : owner_(owner) {}
  BlockStyler::ExpressionBlock* owner_;
};

}  // namespace NXOpen
