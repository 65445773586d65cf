#include "tests/support/dialog_actions.h"

#include <cstring>

namespace fabdoc_test {

namespace {

constexpr DialogAction kDialogActions[] = {
    {"drawing", "2D.dlx"},
    {"attrV2", "kzt_shuxinV3.0.dlx"},
    {"bom_shuchu", "bom.dlx"},
    {"attr_jiancha", "shuxingjiancha.dlx"},
    {"genxinbom", "zidong-bom.dlx"},
    {"wucanku", "wucanku.dlx"},
    {"new_zujianV1", "zujian.dlx"},
    {"tuhao_xiegai", "tuhao_xiegai.dlx"},
    {"delete_attr", "delete_attr.dlx"},
    {"TWO_CYL_tool", "TWO_CYL_tool.dlx"},
    {"boark", "boark.dlx"},
    {"delete_xiantong", "delete_xiantong.dlx"},
    {"shitu_shichu", "shitu_shichu.dlx"},
};

}  // namespace

std::span<const DialogAction> DialogActions() { return kDialogActions; }

const DialogAction* ActionOfDialogFile(const char* file) {
  for (const DialogAction& dialog : kDialogActions)
    if (std::strcmp(dialog.file, file) == 0) return &dialog;
  return nullptr;
}

}  // namespace fabdoc_test
