// The export, step by step:
//   1. copy the template to the working copy (uc4567, workbook type 254);
//   2. prepare the work part's rules and create "open", the workbook handle;
//   3. per row: nine cell rules and "demandvalue" naming them, one update, then delete;
//   4. "close" saves the workbook; the rules are deleted;
//   5. copy the working copy to the result name.
// A failure stops the export: the rules made so far are deleted, the workbook is closed
// unsaved, the message names what failed, and nothing is copied to the result name.
#include "bom/bom_workbook.h"

#include <cstdio>
#include <vector>

#include <uf.h>
#include <uf_assem.h>
#include <uf_attr.h>
#include <uf_cfi.h>
#include <uf_kf.h>
#include <uf_modl.h>

#include "bom/rule_text.h"
#include "host/attribute_vocabulary.h"
#include "host/gbk_text.h"
#include "host/host_folder.h"
#include "host/message.h"
#include "host/object_attributes.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

constexpr const char* kRoot = "Root:";
constexpr int kFirstRow = 4;  // rows 1 to 3 are the template's title and header

// The rules of one export on the work part; whatever is left is deleted at the end.
class BomRules {
public:
  // 0, or the host's code of the first failure (later calls then do nothing).
  int create(const char* name, const char* type, const std::string& text) {
    if (failure_ == 0) failure_ = UF_KF_create_rule_no_update(kRoot, name, type, text.c_str(), nullptr);
    if (failure_ == 0) names_.push_back(name);
    return failure_;
  }
  int update() {
    if (failure_ == 0) failure_ = UF_MODL_update();
    return failure_;
  }
  // Deletes every rule made, newest first, "open" last.
  void delete_all() {
    for (auto name = names_.rbegin(); name != names_.rend(); ++name) UF_KF_delete_instance_rule(kRoot, name->c_str());
    names_.clear();
  }
  // Deletes the rules made after "open".
  void delete_row() {
    while (names_.size() > 1) {
      UF_KF_delete_instance_rule(kRoot, names_.back().c_str());
      names_.pop_back();
    }
  }
  int failure() const { return failure_; }
  // After a failure: closes the workbook unsaved, so that the next export can open it.
  void abandon() {
    delete_row();
    if (!names_.empty()) {
      UF_KF_create_rule_no_update(kRoot, "close", "Boolean Parameter", "ug_excel_close_file(open:,False)", nullptr);
      UF_KF_create_rule_no_update(kRoot, "demandvalue", "List Parameter", "{close:}", nullptr);
      UF_MODL_update();
      UF_KF_delete_instance_rule(kRoot, "demandvalue");
      UF_KF_delete_instance_rule(kRoot, "close");
    }
    delete_all();
    UF_MODL_update();
  }

private:
  std::vector<std::string> names_;
  int failure_ = 0;
};

std::string attribute(tag_t body, const char* title) { return 得到体的属性(body, title); }

std::string format_int(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

// Mass in kilograms: the host's grams (units code 3) over 1000, as "%f".
std::string mass_kg_text(tag_t body) {
  double accuracy[11] = {0.01};
  double props[47] = {};
  double statistics[13] = {};
  UF_MODL_ask_mass_props_3d(&body, 1, 1, 3, 0.0, 1, accuracy, props, statistics);
  char text[64];
  std::snprintf(text, sizeof text, "%f", props[2] / 1000);
  return text;
}

// The nine cells of one row, in the rule order Write0 to Write8.
void create_row_rules(BomRules& rules, int index, tag_t body, int quantity) {
  const int row = index + kFirstRow;
  const std::string cells[9] = {
      write_cell_rule(row, 1, format_int(index + 1)),
      write_cell_rule(row, 2, attribute(body, kPartNo)),
      write_cell_rule(row, 3, attribute(body, kPartName)),
      write_cell_rule(row, 5, format_int(quantity)),
      write_cell_rule(row, 6, attribute(body, kMaterial)),
      write_cell_rule(row, 7, mass_kg_text(body)),
      write_cell_rule(row, 9, attribute(body, kRemark)),
      write_cell_rule(row, 4, attribute(body, kStockSpec)),
      write_cell_rule(row, 10, format_int(stock_kind_code(attribute(body, kStockSpec)))),
  };
  for (int i = 0; i < 9; ++i) rules.create(("Write" + std::to_string(i)).c_str(), "Boolean Parameter", cells[i]);
  rules.create("demandvalue", "List Parameter",
               "{Write0:, Write1:,Write2:, Write3:, Write4:, Write5:, Write6:, Write7:, Write8: }");
}

bool fail(BomRules& rules, const char* doing) {
  const int code = rules.failure();
  rules.abandon();
  report_host_failure(doing, code);
  return false;
}

}  // namespace

std::string part_base_name(const std::string& partPath) {
  const auto slash = LastBackslash(partPath);
  const std::string file = slash == std::string::npos ? partPath : partPath.substr(slash + 1);
  return file.substr(0, file.rfind('.'));
}

BomFiles bom_files(const std::string& folder, const std::string& partPath) {
  return {host_file("\\kzt-1\\bom\\明细表模版.xlsx"), folder + "kzt", folder + part_base_name(partPath)};
}

bool write_bom_workbook(const BomFiles& files, const BomRows& rows, bool merge) {
  UfSession uf;
  int missing = 1;
  UF_CFI_ask_file_exist(files.templateFile.c_str(), &missing);
  if (missing != 0) {
    show_message("数据库文件不存在\n" + files.templateFile);
    return false;
  }
  if (!report_host_failure("明细表模版无法复制:",
                           uc4567(files.templateFile.c_str(), files.workingCopy.c_str(), 1, 254, 254)))
    return false;

  UF_KF_init_part(UF_ASSEM_ask_work_part());
  BomRules rules;
  rules.create("open", "Integer Parameter",
               "ug_excel_open_file(\"" + escape_rule_string(files.workingCopy + ".xlsx") + "\",Write)");
  for (size_t i = 0; i < rows.kept_bodies.size() && rules.failure() == 0; ++i) {
    const tag_t body = rows.kept_bodies[i];
    create_row_rules(rules, static_cast<int>(i), body, merge ? count_of_name(rows, attribute(body, kPartName)) : 1);
    rules.update();
    rules.delete_row();
  }
  if (rules.failure() != 0) return fail(rules, "明细表写入失败:");
  rules.create("close", "Boolean Parameter", "ug_excel_close_file(open:,True)");
  rules.create("demandvalue", "List Parameter", "{close:}");
  if (rules.update() != 0) return fail(rules, "明细表保存失败:");
  rules.delete_all();
  UF_MODL_update();

  return report_host_failure("明细表无法保存:",
                             uc4567(files.workingCopy.c_str(), files.result.c_str(), 33, 254, 254));
}

}  // namespace kzt
