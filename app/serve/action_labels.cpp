#include "app/serve/action_labels.h"

#include <map>

#include "platform/text/gbk.h"
#include "platform/ui/dialog_file.h"

namespace fabdoc::app::serve {
namespace {

struct Label {
  const char* dialogFile;   // the dialog the action shows, or nullptr
  const char* description;  // for a command without a dialog (UTF-8)
};

const std::map<std::string, Label>& Labels() {
  static const std::map<std::string, Label> labels = {
      {"drawing", {"2D.dlx", nullptr}},
      {"attrV2", {"kzt_shuxinV3.0.dlx", nullptr}},
      {"bom_shuchu", {"bom.dlx", nullptr}},
      {"attr_jiancha", {"shuxingjiancha.dlx", nullptr}},
      {"genxinbom", {"zidong-bom.dlx", nullptr}},
      {"wucanku", {"wucanku.dlx", nullptr}},
      {"new_zujianV1", {"zujian.dlx", nullptr}},
      {"bili_yangshi", {nullptr, "图纸比例与标题栏样式"}},
      {"tuceng_xianshi", {nullptr, "图层显示"}},
      {"baijin_heibai", {nullptr, "背景黑白切换"}},
      {"tuhao_xiegai", {"tuhao_xiegai.dlx", nullptr}},
      {"delete_attr", {"delete_attr.dlx", nullptr}},
      {"wrod_lujin", {nullptr, "打开部件所在文件夹"}},
      {"TWO_CYL_tool", {"TWO_CYL_tool.dlx", nullptr}},
      {"boark", {"boark.dlx", nullptr}},
      {"delete_xiantong", {"delete_xiantong.dlx", nullptr}},
      {"yanse_touming", {nullptr, "一键透明"}},
      {"shitu_shichu", {"shitu_shichu.dlx", nullptr}},
      {"2D", {nullptr, "导出DWG"}},
  };
  return labels;
}

}  // namespace

std::string ActionLabel(const std::string& name) {
  const auto it = Labels().find(name);
  if (it == Labels().end()) return name;
  if (it->second.description) return it->second.description;
  // Dialog files do not change while the host runs; each is read once.
  static std::map<std::string, std::string> titles;
  if (auto known = titles.find(name); known != titles.end()) return known->second;
  std::string title = name;  // when the dialog file is missing the action says so when run
  try {
    title = platform::text::ToUtf8Lossy(
        platform::ui::ReadDialogFile(platform::ui::FindDialogFile(it->second.dialogFile))->Title());
  } catch (const std::exception&) {
    return title;
  }
  return titles[name] = title;
}

}  // namespace fabdoc::app::serve
