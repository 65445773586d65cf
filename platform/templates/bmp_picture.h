// Pictures of the part library: a PNG drawn by the sheet renderer turned into the 24-bit
// Windows bitmap the library's dialog shows.
#pragma once
#include <string>

namespace platform::templates {

// Reads the PNG and writes it as an uncompressed 24-bit BMP (bottom-up rows, each padded
// to four bytes), beside and then renamed into place. Throws HostError(FileError).
void PngToBmp(const std::string& pngPath, const std::string& bmpPath);

}  // namespace platform::templates
