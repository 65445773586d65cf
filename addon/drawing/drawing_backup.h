// Job 1 of the drawing dialog: the displayed assembly and its component part files
// copied into a backup folder, then renamed under a new prefix.
#pragma once
#include <string>

#include "drawing/drawing_state.h"

namespace kzt {

// The prefix before the first hyphen most shared by the file names of the work
// assembly's distinct components; 1 when at least 60 % of them share it, else 2.
int 判断图纸是否备份过(DrawingState& state, std::string& prefix);

// Copies the displayed part and its distinct components' files into the folder
// "<folderText><name>(备份)", then saves each under "<newPrefix>-<rest>" beside its old
// file and deletes the old file. Anything that stops it is shown naming the file or
// component; no old file is deleted before its copy, its new file and the assembly
// referring to it are on disk. Returns 0.
int 图纸备份(DrawingState& state, const std::string& folderText, const std::string& newPrefix);

}  // namespace kzt
