// uf_part.h: new, open, save, close; the displayed part; names and lookups.
#include <uf_part.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/api/guard.h"
#include "platform/assemblies/close_parts.h"
#include "platform/assemblies/occurrence.h"
#include "platform/files/part_file.h"
#include "platform/files/save_part_as.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"
#include "platform/text/shown_path.h"
#include "platform/ui/messages.h"

using namespace platform;
using namespace platform::api;

namespace {

// A part name as the host keeps it: a full host path (relative names are taken against
// the working folder).
std::string FullName(const char* name) {
  std::string path = NeedText(name, "part name");
  if (path.empty()) throw HostError(HostStatus::InvalidArgument, "the part name is empty");
  const bool absolute = path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':');
  return absolute ? path : ToAbsoluteHostPath(ToLocalPath(path));
}

std::string Shown(const std::string& hostPath) { return ShownPath(hostPath); }

}  // namespace

extern "C" {

int UF_PART_new(const char* part_name, int units, tag_t* part) {
  return Guard("UF_PART_new", [&] {
    Need(part, "part");
    *part = NULL_TAG;
    if (units != UF_PART_METRIC)
      throw HostError(HostStatus::NotImplemented, "this host makes metric parts only (units 1)");
    const std::string path = FullName(part_name);
    Session& session = Session::Get();
    if (session.FindPartByPath(path))
      throw HostError(HostStatus::InvalidArgument, "part " + Shown(path) + " is already open");
    std::error_code ec;
    if (std::filesystem::exists(ToLocalPath(path), ec))
      throw HostError(HostStatus::FileError, "file " + Shown(path) + " already exists; a new part needs a new file");
    Part& made = session.NewPart(path);
    session.SetDisplayed(&made);
    *part = made.GetTag();
  });
}

int UF_PART_open(const char* part_name, tag_t* part, UF_PART_load_status_p_t error_status) {
  if (error_status) *error_status = {false, 0, nullptr, nullptr};
  const int code = Guard("UF_PART_open", [&] {
    Need(part, "part");
    *part = NULL_TAG;
    std::vector<std::string> notes;
    Part& opened = files::OpenPart(FullName(part_name), &notes);
    for (const auto& note : notes) ui::WriteSyslog(text::ToGbk("warning: " + note + "\n"));
    Session::Get().SetDisplayed(&opened);
    *part = opened.GetTag();
  });
  if (code && error_status) {
    error_status->failed = true;
    error_status->n_parts = 1;
    error_status->file_names = static_cast<char**>(std::malloc(sizeof(char*)));
    error_status->statuses = static_cast<int*>(std::malloc(sizeof(int)));
    if (error_status->file_names && error_status->statuses) {
      error_status->file_names[0] = DupString(part_name ? part_name : "");
      error_status->statuses[0] = code;
    } else {
      error_status->n_parts = 0;
    }
  }
  return code;
}

void UF_PART_free_load_status(UF_PART_load_status_p_t status) {
  if (!status) return;
  for (int i = 0; i < status->n_parts; ++i) std::free(status->file_names ? status->file_names[i] : nullptr);
  std::free(status->file_names);
  std::free(status->statuses);
  *status = {false, 0, nullptr, nullptr};
}

int UF_PART_save(void) {
  return Guard("UF_PART_save", [&] {
    Part& part = WorkPart();
    files::SavePart(part, part.path);
  });
}

int UF_PART_save_as(const char* new_part_name) {
  return Guard("UF_PART_save_as", [&] {
    files::SavePartAs(WorkPart(), FullName(new_part_name));
  });
}

int UF_PART_close(tag_t part, int scope, int mode) {
  return Guard("UF_PART_close", [&] { CloseParts(NeedPart(part), scope == UF_PART_close_scope_whole_tree); });
}

int UF_PART_close_all(void) {
  Session::Get().CloseAll();
  return 0;
}

int UF_PART_cleanup(int cleanup_options) { return 0; }

tag_t UF_PART_ask_display_part(void) {
  Part* displayed = Session::Get().Displayed();
  return displayed ? displayed->GetTag() : NULL_TAG;
}

int UF_PART_set_display_part(tag_t part) {
  return Guard("UF_PART_set_display_part", [&] { Session::Get().SetDisplayed(&NeedPart(part)); });
}

int UF_PART_ask_part_name(tag_t part, char part_fspec[MAX_FSPEC_BUFSIZE]) {
  return Guard("UF_PART_ask_part_name", [&] {
    Need(part_fspec, "part_fspec");
    part_fspec[0] = '\0';
    CopyOut(part_fspec, MAX_FSPEC_BUFSIZE, NeedPart(part).path);
  });
}

tag_t UF_PART_ask_part_tag(const char* part_name) {
  return GuardValue("UF_PART_ask_part_tag", NULL_TAG, [&] {
    const std::string name = NeedText(part_name, "part_name");
    Session& session = Session::Get();
    const bool bare = HostFolder(name).empty();
    Part* found = bare ? session.FindPartByFileName(name) : session.FindPartByPath(name);
    return found ? found->GetTag() : NULL_TAG;
  });
}

int UF_PART_is_loaded(const char* part_name) { return UF_PART_ask_part_tag(part_name) != NULL_TAG ? 1 : 0; }

int UF_PART_ask_units(tag_t part, int* part_units) {
  return Guard("UF_PART_ask_units", [&] {
    Need(part_units, "part_units");
    NeedPart(part);
    *part_units = UF_PART_METRIC;
  });
}

int UF_PART_ask_num_parts(void) { return static_cast<int>(Session::Get().Parts().size()); }

tag_t UF_PART_ask_nth_part(int part_index) {
  const auto& parts = Session::Get().Parts();
  if (part_index < 0 || part_index >= static_cast<int>(parts.size())) return NULL_TAG;
  return parts[part_index]->GetTag();
}

}  // extern "C"
