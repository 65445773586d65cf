#include "platform/drafting/sheet_renderer.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include "platform/drafting/sheet_painter.h"
#include "platform/objects/host_error.h"
#include "platform/text/gbk.h"

namespace platform::drafting {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

void Require(bool ok, const SheetDrawing& sheet, const std::string& what) {
  if (!ok) throw HostError(HostStatus::InvalidArgument, "sheet \"" + sheet.name + "\": " + what);
}

void Validate(const SheetDrawing& sheet) {
  Require(sheet.widthMm > 0 && sheet.heightMm > 0, sheet,
          "size " + std::to_string(sheet.widthMm) + " x " + std::to_string(sheet.heightMm) + " mm is not positive");
  for (const SheetText& text : sheet.texts) {
    Require(text::IsValidUtf8(text.utf8), sheet, "a text is not UTF-8: \"" + text::ToUtf8Lossy(text.utf8) + "\"");
    Require(text.heightMm > 0, sheet, "text \"" + text.utf8 + "\" has a height that is not positive");
  }
}

void CheckSurface(cairo_surface_t* surface, const std::string& path) {
  const cairo_status_t status = cairo_surface_status(surface);
  if (status == CAIRO_STATUS_SUCCESS) return;
  cairo_surface_destroy(surface);
  throw HostError(HostStatus::FileError, "cannot write drawing " + path + ": " + cairo_status_to_string(status));
}

void PaintPage(cairo_surface_t* surface, const SheetDrawing& sheet, const RenderStyle& style,
               double unitsPerMm, bool whiteBackground) {
  cairo_t* cr = cairo_create(surface);
  if (whiteBackground) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
  }
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  PaintSheet(cr, sheet, style);
  cairo_show_page(cr);
  cairo_destroy(cr);
}

// Renders into a file beside `path`, then renames it over `path`; on failure the
// partial file is removed and `path` keeps whatever it held.
void WriteBeside(const std::string& path, const std::function<void(const std::string&)>& render) {
  const std::string temporary = path + ".writing";
  try {
    render(temporary);
  } catch (...) {
    std::remove(temporary.c_str());
    throw;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::remove(temporary.c_str());
    throw HostError(HostStatus::FileError, "cannot write drawing " + path + ": " + error.message());
  }
}

void FinishVector(cairo_surface_t* surface, const std::string& path) {
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS)
    throw HostError(HostStatus::FileError, "cannot write drawing " + path + ": " + cairo_status_to_string(status));
}

}  // namespace

void RenderPdf(const std::vector<SheetDrawing>& sheets, const std::string& path, const RenderStyle& style) {
  if (sheets.empty()) throw HostError(HostStatus::InvalidArgument, "no sheet to draw into " + path);
  for (const SheetDrawing& sheet : sheets) Validate(sheet);
  WriteBeside(path, [&](const std::string& file) {
    cairo_surface_t* surface = cairo_pdf_surface_create(
        file.c_str(), sheets.front().widthMm * kPointsPerMm, sheets.front().heightMm * kPointsPerMm);
    CheckSurface(surface, path);
    for (const SheetDrawing& sheet : sheets) {
      cairo_pdf_surface_set_size(surface, sheet.widthMm * kPointsPerMm, sheet.heightMm * kPointsPerMm);
      PaintPage(surface, sheet, style, kPointsPerMm, false);
    }
    FinishVector(surface, path);
  });
}

void RenderSvg(const SheetDrawing& sheet, const std::string& path, const RenderStyle& style) {
  Validate(sheet);
  WriteBeside(path, [&](const std::string& file) {
    // The SVG's user unit is the millimetre: width="420mm" with a viewBox of 420 units.
    cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), sheet.widthMm, sheet.heightMm);
    CheckSurface(surface, path);
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
    PaintPage(surface, sheet, style, 1, false);
    FinishVector(surface, path);
  });
}

void RenderPng(const SheetDrawing& sheet, const std::string& path, const RenderStyle& style) {
  Validate(sheet);
  const double pixelsPerMm = style.pngDotsPerInch / 25.4;
  WriteBeside(path, [&](const std::string& file) {
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(sheet.widthMm * pixelsPerMm + 0.5),
        static_cast<int>(sheet.heightMm * pixelsPerMm + 0.5));
    CheckSurface(surface, path);
    PaintPage(surface, sheet, style, pixelsPerMm, true);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
      throw HostError(HostStatus::FileError, "cannot write drawing " + path + ": " + cairo_status_to_string(status));
  });
}

}  // namespace platform::drafting
