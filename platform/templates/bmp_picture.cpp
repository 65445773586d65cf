#include "platform/templates/bmp_picture.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <cairo.h>

#include "platform/base/host_error.h"

namespace platform::templates {
namespace {

void Put16(std::vector<unsigned char>& out, std::uint16_t v) {
  out.push_back(v & 0xff);
  out.push_back(v >> 8);
}
void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

}  // namespace

void PngToBmp(const std::string& pngPath, const std::string& bmpPath) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(pngPath.c_str());
  if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(png);
    throw HostError(HostStatus::FileError, pngPath + ": not a readable PNG");
  }
  cairo_surface_flush(png);
  const int width = cairo_image_surface_get_width(png), height = cairo_image_surface_get_height(png);
  const int stride = cairo_image_surface_get_stride(png);
  const unsigned char* data = cairo_image_surface_get_data(png);
  const cairo_format_t format = cairo_image_surface_get_format(png);
  const std::uint32_t rowBytes = (3 * width + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * height;
  std::vector<unsigned char> out;
  out.push_back('B'), out.push_back('M');
  Put32(out, 54 + pixelBytes), Put32(out, 0), Put32(out, 54);                       // file header
  Put32(out, 40), Put32(out, width), Put32(out, height), Put16(out, 1), Put16(out, 24);  // info header
  Put32(out, 0), Put32(out, pixelBytes), Put32(out, 2835), Put32(out, 2835), Put32(out, 0), Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      // Premultiplied ARGB over white.
      const std::uint32_t p = row[x];
      const unsigned alpha = format == CAIRO_FORMAT_RGB24 ? 255 : p >> 24;
      for (int shift : {0, 8, 16}) out.push_back(((p >> shift) & 0xff) + (255 - alpha));
    }
    out.resize(out.size() + (rowBytes - 3 * width), 0);
  }
  cairo_surface_destroy(png);
  const std::string temporary = bmpPath + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  bool written = file && std::fwrite(out.data(), 1, out.size(), file) == out.size();
  if (file && std::fclose(file) != 0) written = false;
  std::error_code ec;
  if (written) std::filesystem::rename(temporary, bmpPath, ec);
  if (!written || ec) {
    std::filesystem::remove(temporary, ec);
    throw HostError(HostStatus::FileError, bmpPath + ": could not be written");
  }
}

}  // namespace platform::templates
