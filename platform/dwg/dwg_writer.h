// Writes one drawing sheet as an AutoCAD 2000 (AC1015) DWG file, 1:1 in sheet
// millimetres, texts in code page ANSI_936 (GBK).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dwg/drawing.h"

namespace platform::dwg {

// The whole file in memory. Throws std::invalid_argument for a drawing that
// Validate refuses or text GBK cannot hold.
std::vector<uint8_t> EncodeDwg(const Drawing& drawing);

// Encodes first, then writes beside `path`, flushes to disk and renames, so that
// `path` holds either its previous content or the complete new file. Throws
// std::invalid_argument for a bad drawing and HostError(FileError) naming the file
// when it cannot be written.
void WriteDwgFile(const Drawing& drawing, const std::string& path);

}  // namespace platform::dwg
