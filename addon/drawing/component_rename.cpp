#include "drawing/component_rename.h"

#include <memory>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/NXException.hxx>
#include <NXOpen/NXObjectManager.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartCollection.hxx>
#include <NXOpen/Session.hxx>
#include <io.h>
#include <windows.h>

#include "drawing/backup_names.h"
#include "host/message.h"
#include "host/part_file_names.h"

using namespace NXOpen;

namespace kzt {

namespace {

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The part the component shows, found by the name the host shows for it; null when that
// part is not loaded (or a loaded part of that name is another file).
Part* loaded_part(const PartRename& rename) {
  try {
    auto* component = dynamic_cast<Assemblies::Component*>(NXObjectManager::Get(rename.component));
    if (!component) return nullptr;
    auto* part = dynamic_cast<Part*>(Session::GetSession()->Parts()->FindObject(component->DisplayName()));
    return part && same_file(part->FullPath().GetText(), rename.oldPath) ? part : nullptr;
  } catch (const NXException&) {
    return nullptr;
  }
}

}  // namespace

bool same_file(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (static_cast<unsigned char>(a[i]) >= 0x81 && i + 1 < a.size()) {  // a double-byte character, as it is
      if (a.compare(i, 2, b, i, 2) != 0) return false;
      ++i;
    } else if (ascii_lower(a[i]) != ascii_lower(b[i])) {
      return false;
    }
  }
  return true;
}

std::string rename_refusal(const PartRename& rename) {
  const std::string newName = 获取文件名和路径(rename.newPath, 1);
  if (!usable_file_name(newName)) return "新文件名 \"" + newName + "\" 不能用作文件名";
  if (rename.component != NULL_TAG && !loaded_part(rename))
    return "组件 " + 获取文件名和路径(rename.oldPath, 1) + " 的部件未加载: " + rename.oldPath;
  if (same_file(rename.oldPath, rename.newPath)) return "";
  if (_access(rename.newPath.c_str(), 0) == 0)
    return "目标文件 " + rename.newPath + (_access(rename.newPath.c_str(), 2) != 0 ? " 已存在且为只读" : " 已存在");
  // Its old file could not be deleted afterwards: the name would be left twice on disk.
  if (_access(rename.oldPath.c_str(), 0) == 0 && _access(rename.oldPath.c_str(), 2) != 0)
    return "文件 " + rename.oldPath + " 为只读,无法改名";
  return "";
}

std::string save_under_new_name(const PartRename& rename) {
  Part* part = loaded_part(rename);
  if (!part) return "组件 " + 获取文件名和路径(rename.oldPath, 1) + " 的部件未加载: " + rename.oldPath;
  const std::unique_ptr<PartSaveStatus> status(part->SaveAs(rename.newPath));
  if (status->NumberUnsavedParts() == 0) return "";
  return rename.oldPath + " 未能另存为 " + rename.newPath + ": " + status->GetErrorMessage().GetText();
}

std::string save_displayed_assembly() {
  try {
    Part* displayed = Session::GetSession()->Parts()->Display();
    if (!displayed) return "没有显示的装配";
    const std::unique_ptr<PartSaveStatus> status(
        displayed->Save(BasePart::SaveComponentsTrue, BasePart::CloseAfterSaveFalse));
    if (status->NumberUnsavedParts() == 0) return "";
    return std::string("装配 ") + displayed->FullPath().GetText() + " 未能保存: " + status->GetErrorMessage().GetText();
  } catch (const NXException& e) {
    return std::string("装配未能保存: ") + e.Message();
  }
}

std::string delete_old_file(const PartRename& rename) {
  if (same_file(rename.oldPath, rename.newPath) || DeleteFileA(rename.oldPath.c_str())) return "";
  return "旧文件 " + rename.oldPath + " 未能删除" + (GetLastError() == ERROR_ACCESS_DENIED ? "(只读)" : "");
}

void 重命名组件(const std::string& oldPath, const std::string& newPath, tag_t component) {
  const PartRename rename{component, oldPath, newPath};
  if (same_file(oldPath, newPath)) {
    show_message("重命名组件: 新文件名与当前文件名相同,未做更改");
    return;
  }
  if (const std::string refused = rename_refusal(rename); !refused.empty()) {
    show_message("重命名组件: " + refused + "\n未做任何更改");
    return;
  }
  std::string failed = save_under_new_name(rename);
  if (failed.empty()) failed = save_displayed_assembly();
  if (!failed.empty()) {
    show_message("重命名组件: " + failed + "\n旧文件 " + oldPath + " 保留");
    return;
  }
  if (const std::string kept = delete_old_file(rename); !kept.empty()) show_message("重命名组件: " + kept);
}

}  // namespace kzt
