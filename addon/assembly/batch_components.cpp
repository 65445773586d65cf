// The three component-making modes of the component dialog. Bodies that did not reach
// a new component are never deleted.
#include <algorithm>
#include <cstdio>
#include <string>

#include <uf.h>
#include <uf_abort.h>
#include <uf_assem.h>
#include <uf_obj.h>
#include <uf_part.h>

#include "assembly/cleanup.h"
#include "assembly/component_names.h"
#include "assembly/component_queries.h"
#include "assembly/new_component.h"
#include "assembly/part_file_rotation.h"
#include "assembly/running_numbers.h"
#include "assembly/zujian.hpp"
#include "host/attribute_vocabulary.h"
#include "host/batch_guard.h"
#include "host/block_values.h"
#include "host/gbk_text.h"
#include "host/message.h"
#include "host/progress_bar.h"
#include "host/uf_session.h"

namespace {

constexpr int kNameNumbers = 19;

// Formats one text and one number; patterns here hold one %s and at most one %d.
std::string Format(const char* pattern, const std::string& a, int n) {
  char text[600];
  std::snprintf(text, sizeof text, pattern, a.c_str(), n);
  return text;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The new component from bodies brought into the work part. When the host refuses it,
// the links made for it go too, so the work part is as before, and the refusal goes on.
tag_t CreateComponentOrUnlink(const std::string& name, const std::string& path, const std::vector<tag_t>& inWork,
                              const std::vector<tag_t>& sources) {
  try {
    return kzt::create_component(name, path, inWork);
  } catch (...) {
    kzt::UfSession uf;
    for (size_t i = 0; i < inWork.size() && i < sources.size(); ++i)
      if (inWork[i] != sources[i]) UF_OBJ_delete_object(inWork[i]);
    throw;
  }
}

}  // namespace

std::string zujian::DisplayFolder() {
  char path[MAX_FSPEC_BUFSIZE] = "";
  UF_PART_ask_part_name(UF_PART_ask_display_part(), path);
  return kzt::获取文件名和路径(path, 2);
}

int zujian::创建单实体部件(const std::string& name, const std::string& path, tag_t body) {
  return NewSingleBodyComponent(name, path, body) == NULL_TAG ? 1 : 0;
}

tag_t zujian::NewSingleBodyComponent(const std::string& name, const std::string& path, tag_t body) {
  // A part open under this name, with or without its ending, would be made twice.
  int status = kzt::kPartNotOpen, statusWithEnding = kzt::kPartNotOpen;
  遍历内存(name, status);
  遍历内存(name + ".prt", statusWithEnding);
  if (status == kzt::kPartOpen || statusWithEnding == kzt::kPartOpen) {
    kzt::show_message(Format("%s\n 部件已存在请重新输入名称", name, 0));
    return NULL_TAG;
  }
  const tag_t inWork = 抽取实体(body);
  if (inWork == NULL_TAG) return NULL_TAG;  // the link failed and was reported; the body stays
  const tag_t component = CreateComponentOrUnlink(name, path, {inWork}, {body});
  if (kzt::get_toggle(toggle0)) 保存组件(name, path);
  return component;
}

void zujian::DeleteSources(const std::vector<tag_t>& bodies, long progress, int offset) {
  const tag_t work = UF_ASSEM_ask_work_occurrence();
  for (size_t i = 0; i < bodies.size(); ++i) {
    if (UF_ASSEM_ask_parent_component(bodies[i]) == work) {
      UF_OBJ_delete_object(bodies[i]);
    } else {
      bool metOccurrence = false, metPlain = false;
      tag_t source = NULL_TAG;
      得到装配下的boy(metOccurrence, metPlain, bodies[i], source);
      UF_OBJ_delete_object(source);
    }
    kzt::progress_set_pos(progress, offset + static_cast<int>(i));
  }
}

void zujian::创建多实体部件() {
  kzt::BatchGuard batch(kzt::BatchGuard::RestoreWorkPart::Always);
  const long progress = batch.progress();
  const std::vector<tag_t> selected = kzt::get_selected(selection0);
  kzt::progress_show(progress);
  kzt::progress_set_range(progress, 0, 2 * static_cast<int>(selected.size()));
  batch.enable_abort();

  const std::string base = kzt::get_text(moldno);
  const std::string folder = DisplayFolder();
  std::vector<std::string> files;
  得到目录下所有文件名(folder, files);
  std::string name;
  for (int n = 1; n <= kNameNumbers && name.empty(); ++n) {
    const std::string candidate = Format("%s-00%d.prt", base, n);
    int status = kzt::kPartNotOpen;
    遍历内存(candidate, status);
    if (!Contains(files, folder + "\\" + candidate) && status != kzt::kPartOpen) name = candidate;
  }
  if (name.empty()) {
    // All nineteen names are taken: refused, nothing changes.
    kzt::show_message(Format("%s-001.prt ~ -0019.prt 均已存在,请重新输入名称", base, 0));
    return;
  }

  std::vector<tag_t> gathered, sources;
  for (size_t i = 0; i < selected.size(); ++i) {
    const tag_t inWork = 抽取实体(selected[i]);
    // A body linked before the abort is seen joins the component; left out, its link
    // would stay in the work part on top of its source.
    if (inWork != NULL_TAG) {
      gathered.push_back(inWork);
      sources.push_back(selected[i]);
      kzt::progress_set_pos(progress, static_cast<int>(i));
    }
    logical aborted = false;
    UF_ABORT_ask_flag_status(&aborted);
    if (inWork == NULL_TAG || aborted) {
      UF_ABORT_clear_abort();
      break;
    }
  }
  if (gathered.empty()) return;
  const tag_t component = CreateComponentOrUnlink(name, folder + "\\" + name, gathered, sources);
  if (kzt::get_toggle(toggle0)) 保存组件(name, folder + "\\" + name);
  // An abort is not honoured from here on: the new part holds every gathered body, so
  // stopping would leave the rest twice, there and in their parents.
  DeleteSources(sources, progress, static_cast<int>(selected.size()) + 1);
  if (component != NULL_TAG) 去除参数(component);
}

void zujian::创建单实体部件枚举2() {
  kzt::BatchGuard batch(kzt::BatchGuard::RestoreWorkPart::Always);
  const long progress = batch.progress();
  const std::vector<tag_t> selected = kzt::get_selected(selection0);
  kzt::progress_show(progress);
  kzt::progress_set_range(progress, 0, 2 * static_cast<int>(selected.size()));

  const std::string base = kzt::get_text(moldno);
  const std::string folder = DisplayFolder();
  std::vector<std::string> files;
  得到目录下所有文件名(folder, files);
  std::vector<std::string> names;
  for (int n = 1; n <= kNameNumbers; ++n) {
    const std::string candidate = Format("%s-%d.prt", base, n);
    int status = kzt::kPartNotOpen;
    遍历内存(candidate, status);
    if (!Contains(files, folder + "\\" + candidate) && status != kzt::kPartOpen) names.push_back(candidate);
  }
  if (selected.size() > names.size()) {
    // Not enough free names: nothing is made and nothing deleted.
    kzt::show_message(Format("%s: 可用名称不足,未创建组件", base, 0));
    return;
  }
  std::vector<tag_t> made;
  for (size_t i = 0; i < selected.size(); ++i) {
    const tag_t inWork = 抽取实体(selected[i]);
    if (inWork == NULL_TAG) continue;  // the link failed and was reported; the body stays
    CreateComponentOrUnlink(names[i], folder + "\\" + names[i], {inWork}, {selected[i]});
    made.push_back(selected[i]);
    if (kzt::get_toggle(toggle0)) 保存组件(names[i], folder + "\\" + names[i]);
    kzt::progress_set_pos(progress, static_cast<int>(i));
  }
  DeleteSources(made, progress, static_cast<int>(selected.size()));
}

kzt::RunningNumbers zujian::NumbersUnder(tag_t parent, const std::string& suffix) {
  std::vector<tag_t> subComponents;
  得到组件下的组件(parent, subComponents);
  std::vector<int> used;
  for (tag_t sub : subComponents) {
    const std::string subStem = kzt::component_stem(sub);
    const std::string tail = kzt::tail_after_dash(subStem);
    if (kzt::contains_gbk(subStem, suffix) && kzt::all_digits(tail)) used.push_back(kzt::leading_value(tail));
  }
  return kzt::RunningNumbers(used);
}

bool zujian::MakeSubComponent(const std::string& name, const std::string& path, tag_t body,
                              const std::string& parentStem, tag_t parent) {
  const tag_t made = NewSingleBodyComponent(name, path, body);
  if (made == NULL_TAG) return false;  // the body stays where it is
  // Until the new part sits under the parent, the source is the body's only placed copy
  // (the parent may be placed more than once): it goes last, and if the new part cannot
  // be placed, the new part goes instead.
  tag_t placed = NULL_TAG;
  try {
    placed = kzt::move_under_parent(parentStem, made, parent);
  } catch (...) {
    kzt::remove_new_component(made);
    throw;
  }
  if (placed == NULL_TAG) {
    kzt::remove_new_component(made);
    return false;
  }
  kzt::UfSession uf;
  bool metOccurrence = false, metPlain = false;
  tag_t source = NULL_TAG;
  得到装配下的boy(metOccurrence, metPlain, body, source);
  if (!kzt::report_host_failure(Format("%s: 源体未能从父组件中删除,新零件已撤回:", name, 0), UF_OBJ_delete_object(source))) {
    kzt::remove_new_component(placed);
    return false;
  }
  return true;
}

void zujian::SplitParent(tag_t parent, long progress) {
  const std::string parentPath = 得到新建组件的路径(parent);
  const std::string folder = 获取文件名和路径(parentPath, 2);
  const std::string stem = 获取文件名和路径(parentPath, 1);
  const kzt::ParentNumber number = kzt::parent_number(stem);
  if (!number.processed) return;
  kzt::RunningNumbers numbers = NumbersUnder(parent, number.suffix);

  std::vector<tag_t> bodies;
  得到出图的体(parent, bodies);
  if (bodies.empty()) return;
  kzt::progress_set_range(progress, 0, static_cast<int>(bodies.size()));
  for (size_t k = 0; k < bodies.size(); ++k) {
    const std::string partName = 得到体的属性(bodies[k], kzt::kPartName);
    std::vector<std::string> existing;
    得到所有组件的名称(existing);
    if (Contains(existing, partName)) continue;
    const std::string name = kzt::batch_component_name(partName, stem, number.suffix, numbers.take());
    const std::string path = folder + "\\" + name + ".prt";
    const std::string oldPath = folder + "\\" + name + "(old).prt";
    if (!kzt::keep_previous_version(folder, path, oldPath)) break;
    if (!MakeSubComponent(name, path, bodies[k], stem, parent)) continue;
    kzt::progress_set_pos(progress, static_cast<int>(k));
  }
  kzt::UfSession uf;
  UF_ASSEM_set_work_part(UF_PART_ask_display_part());
}

void zujian::批量创建组件() {
  kzt::BatchGuard batch(kzt::BatchGuard::RestoreWorkPart::OnFailure);
  kzt::progress_show(batch.progress());
  关闭内存未显示部件();
  std::vector<tag_t> parents;
  得到组件的tag(parents);
  if (parents.empty()) kzt::show_message("未找到父组件\n无法创建组件");
  for (tag_t parent : parents) SplitParent(parent, batch.progress());
}
