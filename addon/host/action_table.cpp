// The action table: each row binds a menu action name (exactly as the host's menu file
// spells it) to the command it runs.
#include "host/action_table.h"

#include "attributes/delete_attr.hpp"
#include "attributes/delete_xiantong.hpp"
#include "attributes/shuxingjiancha.hpp"
#include "assembly/tuhao_xiegai.hpp"
#include "assembly/wucanku.hpp"
#include "bom/bom.hpp"
#include "bom/zidongbom.hpp"
#include "assembly/zujian.hpp"
#include "drawing/BlockStyler2D.hpp"
#include "attributes/kzt_shuxinV30.hpp"
#include "drawing/export_dwg.h"
#include "drawing/sheet_tools.h"
#include "drawing/shitu_shichu.hpp"
#include "host/display_commands.h"
#include "modelling/TWO_CYL_tool.hpp"
#include "modelling/boark.hpp"

namespace {

// The row order is the menu file's; names are matched exactly and case-sensitively.
constexpr const char* kActionNames[] = {
    "drawing",      "attrV2",         "bom_shuchu",    "attr_jiancha", "genxinbom",
    "wucanku",      "new_zujianV1",   "bili_yangshi",  "tuceng_xianshi", "baijin_heibai",
    "tuhao_xiegai", "delete_attr",    "wrod_lujin",    "TWO_CYL_tool", "boark",
    "delete_xiantong", "yanse_touming", "shitu_shichu", "2D",
};

template <int (*Run)()>
UF_MB_cb_status_t menu_callback(UF_MB_widget_t, UF_MB_data_t, UF_MB_activated_button_p_t) {
  Run();
  return UF_MB_CB_CONTINUE;
}

template <int (*Run)()>
constexpr UF_MB_action_t Row(int index) {
  return {const_cast<char*>(kActionNames[index]), {menu_callback<Run>, nullptr}};
}

UF_MB_action_t table[] = {
    Row<launch_BlockStyler2D>(0),  // drawing: automatic drawing production
    Row<launch_kzt_shuxinV30>(1),  // attrV2: body attribute writer
    Row<launch_bom>(2),          // bom_shuchu: BOM export to Excel
    Row<launch_shuxingjiancha>(3),  // attr_jiancha: attribute check
    Row<launch_zidongbom>(4),    // genxinbom: BOM update
    Row<launch_wucanku>(5),      // wucanku: standard-part library
    Row<launch_zujian>(6),       // new_zujianV1: components from bodies
    Row<renumber_sheets>(7),     // bili_yangshi: sheet numbers in name order
    Row<show_sheet_layers>(8),   // tuceng_xianshi: layer display
    Row<toggle_background>(9),   // baijin_heibai: background black/white
    Row<launch_tuhao_xiegai>(10),  // tuhao_xiegai: drawing-number rewrite
    Row<launch_delete_attr>(11),  // delete_attr: attribute removal and restore
    Row<open_part_folder>(12),   // wrod_lujin: open the displayed part's folder
    Row<launch_TWO_CYL_tool>(13),  // TWO_CYL_tool: cylinder between two points
    Row<launch_boark>(14),       // boark: block with drag handles
    Row<launch_delete_xiantong>(15),  // delete_xiantong: duplicate and overlapping bodies
    Row<toggle_transparency>(16),  // yanse_touming: one-click transparency
    Row<launch_shitu_shichu>(17),  // shitu_shichu: view erase and shading
    Row<export_dwg>(18),         // 2D: DWG export
    {nullptr, {nullptr, nullptr}},
};

static_assert(sizeof table / sizeof table[0] == 20, "19 actions and the terminating row");

}  // namespace

UF_MB_action_t* action_table() { return table; }
