// An expression field ("Value": double); Value() hands out its expression.
#pragma once
#include <NXOpen/BlockStyler_UIBlock.hxx>
#include <memory>

#include <NXOpen/Expression.hxx>

namespace NXOpen {
namespace BlockStyler {

class NXOPENCPPEXPORT ExpressionBlock : public UIBlock {
public:
  ~ExpressionBlock() override;
  NXOpen::Expression* Value();
private:
  friend class BlockDialog;
  ExpressionBlock();
  std::unique_ptr<NXOpen::Expression> expression_;
};

}  // namespace BlockStyler
}  // namespace NXOpen
