// Drawing backup, in order:
//   1. the plan: for the displayed part and each distinct component, its file, its copy
//      in the backup folder and its new name behind the new prefix;
//   2. checks before anything is written: a folder and a prefix given, every component's
//      part loaded, no new name taken by another file or given twice;
//   3. the backup folder made when missing, the work part saved, every file copied;
//   4. every component, then the assembly, saved under its new name, and the assembly
//      saved again with the parts whose references followed the new names;
//   5. only then the old files deleted.
// Whatever stops steps 2 to 4 is shown and ends the run with every old file in place.
#include "drawing/drawing_backup.h"

#include <vector>

#include <direct.h>
#include <io.h>
#include <uf_assem.h>
#include <uf_cfi.h>
#include <uf_part.h>

#include "drawing/backup_names.h"
#include "drawing/component_rename.h"
#include "host/message.h"
#include "host/assembly_walks.h"
#include "host/part_file_names.h"
#include "host/uf_session.h"

namespace kzt {

namespace {

struct BackupFile {
  PartRename rename;
  std::string copy;  // in the backup folder, under the old name
};

constexpr const char* kNothingChanged = "\n未做任何更改";
constexpr const char* kOldFilesKept = "\n旧文件均保留";

int stop(const std::string& why) {
  show_message("图纸备份: " + why);
  return 0;
}

bool folder_exists(const std::string& folder) { return _access((folder + "\\.").c_str(), 0) == 0; }

}  // namespace

int 判断图纸是否备份过(DrawingState& state, std::string& prefix) {
  const UfSession uf;
  std::vector<tag_t> components;
  得到所有组件的数组(state.walk, UF_ASSEM_ask_work_part(), components);
  std::vector<std::string> names;
  for (tag_t component : components) names.push_back(获取文件名和路径(得到新建组件的路径(component), 1));
  return most_shared_prefix(names, prefix);
}

int 图纸备份(DrawingState& state, const std::string& folderText, const std::string& newPrefix) {
  const UfSession uf;
  if (folderText.empty()) return stop("请选择备份文件夹");
  if (!usable_file_name(newPrefix)) return stop("备份名前缀 \"" + newPrefix + "\" 不能用作文件名");

  // 1. The plan.
  char displayedPath[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_PART_ask_display_part(), displayedPath);
  const std::string folder = backup_folder(folderText, 获取文件名和路径(displayedPath, 1));
  std::string prefix;
  const bool shared = 判断图纸是否备份过(state, prefix) == 1;
  auto plan = [&](tag_t component, const std::string& path) {
    const std::string name = 获取文件名和路径(path, 1);
    const std::string renamed = newPrefix + "-" + name_behind_prefix(name, prefix, shared);
    return BackupFile{{component, path, 获取文件名和路径(path, 2) + "\\" + renamed + ".prt"}, folder + "\\" + name + ".prt"};
  };
  std::vector<tag_t> components;
  得到所有组件的数组(state.walk, UF_ASSEM_ask_work_part(), components);
  std::vector<BackupFile> files{plan(NULL_TAG, displayedPath)};
  for (tag_t component : components) {
    const std::string path = 得到新建组件的路径(component);
    bool planned = false;  // one part placed under two component names is renamed once
    for (const auto& file : files) planned = planned || same_file(file.rename.oldPath, path);
    if (!planned) files.push_back(plan(component, path));
  }

  // 2. Checks.
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (const std::string refused = rename_refusal(files[i].rename); !refused.empty())
      return stop(refused + kNothingChanged);
    for (std::size_t j = 0; j < i; ++j)
      if (same_file(files[i].rename.newPath, files[j].rename.newPath))
        return stop(files[j].rename.oldPath + " 与 " + files[i].rename.oldPath + " 将得到同一个新文件名 " +
                    files[i].rename.newPath + kNothingChanged);
  }

  // 3. Backup folder, save, copies.
  if (!folder_exists(folder)) _mkdir(folder.c_str());
  if (!folder_exists(folder)) return stop("无法创建备份文件夹 " + folder + kNothingChanged);
  if (!report_host_failure("图纸备份: " + files[0].rename.oldPath + " 未能保存;未做任何更改", UF_PART_save())) return 0;
  for (const auto& file : files)
    if (!report_host_failure("图纸备份: " + file.rename.oldPath + " 未能复制到 " + file.copy + ";工作文件均未改动",
                             uc4567(file.rename.oldPath.c_str(), file.copy.c_str(), UF_CFI_COPY_MODE_COPY,
                                    UF_CFI_PART_FILE_TYPE, UF_CFI_PART_FILE_TYPE)))
      return 0;

  // 4. New names: the components (their assemblies follow), then the assembly itself.
  for (std::size_t i = 1; i < files.size(); ++i)
    if (const std::string failed = save_under_new_name(files[i].rename); !failed.empty())
      return stop(failed + kOldFilesKept);
  const PartRename& assembly = files[0].rename;
  if (!report_host_failure("图纸备份: " + assembly.oldPath + " 未能另存为 " + assembly.newPath + ";旧文件均保留",
                           UF_PART_save_as(assembly.newPath.c_str())))
    return 0;
  if (const std::string failed = save_displayed_assembly(); !failed.empty()) return stop(failed + kOldFilesKept);

  // 5. The old files.
  std::string kept;
  for (const auto& file : files)
    if (const std::string left = delete_old_file(file.rename); !left.empty()) kept += "\n" + left;
  if (!kept.empty()) stop("新文件已保存,但" + kept);
  return 0;
}

}  // namespace kzt
