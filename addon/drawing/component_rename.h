// A component's part file under a new name, in steps that a caller can stop between:
// the checks, the save under the new name, and only then the old file's deletion.
// Each step gives "" on success, else GBK text naming the component or file.
#pragma once
#include <string>

#include <uf_defs.h>

namespace kzt {

struct PartRename {
  tag_t component = NULL_TAG;  // NULL_TAG: the displayed part itself
  std::string oldPath;
  std::string newPath;
};

// True when both paths name the same file (ASCII case ignored, as on Windows).
bool same_file(const std::string& a, const std::string& b);

// Why the rename cannot be done: a new name that cannot be a file name, a component
// whose part is not loaded, a new name already taken by another file (read-only or not),
// an old file that is read-only and could not be deleted.
std::string rename_refusal(const PartRename& rename);

// The component's part saved under the new name (the host's save-as); the assemblies
// open in the session refer to it from then on. The old file stays.
std::string save_under_new_name(const PartRename& rename);

// The displayed assembly saved with every modified part below it, so that the files on
// disk refer to the new names before any old file goes.
std::string save_displayed_assembly();

// The old file deleted, when it is not the new one.
std::string delete_old_file(const PartRename& rename);

// Job 2: one component's part file renamed. A refusal or failure is shown and nothing
// is deleted; the old file goes only once the new one and the assembly are saved.
void 重命名组件(const std::string& oldPath, const std::string& newPath, tag_t component);

}  // namespace kzt
