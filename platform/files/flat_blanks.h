// The cutting files of a product: one DXF flat blank for each drawing number among the
// bodies made to drawing (REMARK 按图制作) whose stock type is plate or flat bar, bent
// or not (guige 钢板…, 扁钢…), in every part open in the session.
#pragma once
#include <string>
#include <vector>

namespace platform::files {

struct FlatBlankFile {
  std::string drawingNumber;  // UTF-8
  std::string path;           // local path written; empty when the body was refused
  double width = 0, height = 0, thickness = 0;
  int holes = 0, bends = 0;
  std::string problem;        // why no file was written (UTF-8), or a note on its name
};

// Writes into the existing folder `localFolder`; a body that cannot be developed is
// reported in its entry and the others are still written.
std::vector<FlatBlankFile> WriteFlatBlanks(const std::string& localFolder);

}  // namespace platform::files
