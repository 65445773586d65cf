// `fabdoc render PART OUTDIR [--sheet NAME]... [--format pdf|svg|png]`: the part's sheets
// as a person sees them; one PDF of all sheets, or one SVG or PNG file per sheet.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/output_folder.h"
#include "platform/drafting/sheet_drawing_of.h"
#include "platform/drafting/sheet_renderer.h"
#include "platform/drafting/sheets.h"
#include "platform/files/part_file.h"
#include "platform/text/gbk.h"
#include "platform/text/host_path.h"

namespace fabdoc::app {

namespace {

struct RenderRequest {
  std::string part, outDir, format = "pdf";
  std::vector<std::string> sheets;  // UTF-8; none: every sheet
};

RenderRequest ParseRender(const Args& args) {
  RenderRequest r;
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sheet" || args[i] == "--format") {
      if (i + 1 == args.size()) throw UsageError(args[i] + " needs a value");
      if (args[i] == "--sheet") r.sheets.push_back(args[i + 1]);
      else r.format = args[i + 1];
      ++i;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2) throw UsageError("render takes a part file and a folder: render PART OUTDIR");
  if (r.format != "pdf" && r.format != "svg" && r.format != "png")
    throw UsageError("render formats are pdf, svg and png, not \"" + r.format + "\"");
  r.part = positional[0];
  r.outDir = positional[1];
  return r;
}

std::vector<platform::DrawingSheet*> ChosenSheets(const platform::Part& part, const RenderRequest& r) {
  if (r.sheets.empty()) {
    auto all = platform::drafting::SheetsOf(part);
    if (all.empty()) throw std::runtime_error(r.part + " has no drawing sheet to render");
    return all;
  }
  std::vector<platform::DrawingSheet*> chosen;
  for (const std::string& name : r.sheets) {
    platform::DrawingSheet* sheet = platform::drafting::FindSheet(part, platform::text::ToGbk(name));
    if (!sheet) throw std::runtime_error(r.part + " has no sheet named \"" + name + "\"");
    chosen.push_back(sheet);
  }
  return chosen;
}

}  // namespace

int RenderCommand(const Args& args) {
  const RenderRequest r = ParseRender(args);
  std::vector<std::string> notes;
  platform::Part& part = platform::files::OpenPart(platform::ToAbsoluteHostPath(r.part), &notes);
  for (const auto& note : notes) std::fprintf(stderr, "fabdoc: note: %s\n", note.c_str());
  const auto sheets = ChosenSheets(part, r);
  RequireWritableFolder(r.outDir);
  std::vector<platform::drafting::SheetDrawing> drawings;
  for (const platform::DrawingSheet* sheet : sheets) {
    std::vector<std::string> undrawn;
    drawings.push_back(platform::drafting::DrawingOf(*sheet, &undrawn));
    for (const auto& view : undrawn)
      std::fprintf(stderr, "fabdoc: note: view %s on sheet %s was never updated and draws nothing\n", view.c_str(),
                   drawings.back().name.c_str());
  }
  const std::filesystem::path dir(r.outDir);
  if (r.format == "pdf") {
    const std::string file = (dir / "drawings.pdf").string();
    platform::drafting::RenderPdf(drawings, file);
    std::printf("%s (%zu sheets)\n", file.c_str(), drawings.size());
    return 0;
  }
  for (const auto& drawing : drawings) {
    // Sheet names hold no slash or backslash: they make file names as they are.
    const std::string file = (dir / (drawing.name + "." + r.format)).string();
    if (r.format == "svg") platform::drafting::RenderSvg(drawing, file);
    else platform::drafting::RenderPng(drawing, file);
    std::printf("%s\n", file.c_str());
  }
  return 0;
}

}  // namespace fabdoc::app
