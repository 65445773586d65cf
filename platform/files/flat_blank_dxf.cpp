#include "platform/files/flat_blank_dxf.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>

#include <dxflib/dl_dxf.h>

#include "platform/base/host_error.h"
#include "platform/files/atomic_file.h"

namespace platform::files {

namespace {

using namespace sheet_metal;

DL_Attributes OnLayer(const char* layer) { return DL_Attributes(layer, 256, -1, "BYLAYER", 1.0); }

void WriteCurve(DL_Dxf& dxf, DL_WriterA& out, const BlankCurve& curve, const char* layer) {
  if (const auto* line = std::get_if<BlankLine>(&curve)) {
    dxf.writeLine(out, DL_LineData(line->start.x, line->start.y, 0, line->end.x, line->end.y, 0), OnLayer(layer));
  } else if (const auto* arc = std::get_if<BlankArc>(&curve)) {
    if (arc->full)
      dxf.writeCircle(out, DL_CircleData(arc->centre.x, arc->centre.y, 0, arc->radius), OnLayer(layer));
    else
      dxf.writeArc(out, DL_ArcData(arc->centre.x, arc->centre.y, 0, arc->radius, arc->startDeg, arc->endDeg),
                   OnLayer(layer));
  } else {
    const auto& points = std::get<BlankPolyline>(curve).points;
    dxf.writePolyline(out, DL_PolylineData(static_cast<int>(points.size()), 0, 0, 0), OnLayer(layer));
    for (BlankPoint p : points) dxf.writeVertex(out, DL_VertexData(p.x, p.y, 0, 0));
    dxf.writePolylineEnd(out);
  }
}

void WriteTables(DL_Dxf& dxf, DL_WriterA& out) {
  out.sectionTables();
  dxf.writeVPort(out);
  out.tableLinetypes(3);
  dxf.writeLinetype(out, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
  dxf.writeLinetype(out, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
  out.tableEnd();
  const std::pair<const char*, int> layers[] = {
      {"0", 7}, {kBlankOuterLayer, 7}, {kBlankHoleLayer, 4}, {kBlankBendLayer, 1}};
  out.tableLayers(std::size(layers));
  for (const auto& [name, colour] : layers)
    dxf.writeLayer(out, DL_LayerData(name, 0), DL_Attributes("", colour, 0, "CONTINUOUS", 1.0));
  out.tableEnd();
  out.tableStyle(1);
  dxf.writeStyle(out, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  out.tableEnd();
  dxf.writeView(out);
  dxf.writeUcs(out);
  out.tableAppid(1);
  dxf.writeAppid(out, "ACAD");
  out.tableEnd();
  dxf.writeDimStyle(out, 2.5, 1.25, 0.625, 0.625, 2.5);
  dxf.writeBlockRecord(out);
  out.tableEnd();
  out.sectionEnd();
  out.sectionBlocks();
  for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(out, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(out, block);
  }
  out.sectionEnd();
}

void WriteDxf(const FlatBlank& blank, const std::string& path) {
  DL_Dxf dxf;
  std::unique_ptr<DL_WriterA> out(dxf.out(path.c_str(), DL_Codes::AC1015));
  if (!out) throw HostError(HostStatus::FileError, "cannot write " + path);
  dxf.writeHeader(*out);
  out->dxfString(9, "$INSUNITS");
  out->dxfInt(70, 4);  // millimetres
  out->dxfString(9, "$EXTMIN");
  out->dxfReal(10, 0.0);
  out->dxfReal(20, 0.0);
  out->dxfReal(30, 0.0);
  out->dxfString(9, "$EXTMAX");
  out->dxfReal(10, blank.width);
  out->dxfReal(20, blank.height);
  out->dxfReal(30, 0.0);
  out->sectionEnd();
  WriteTables(dxf, *out);
  out->sectionEntities();
  for (const BlankCurve& curve : blank.outer) WriteCurve(dxf, *out, curve, kBlankOuterLayer);
  for (const BlankLoop& hole : blank.holes)
    for (const BlankCurve& curve : hole) WriteCurve(dxf, *out, curve, kBlankHoleLayer);
  const double textHeight = std::clamp(std::min(blank.width, blank.height) / 20, 2.5, 10.0);
  for (const BlankBend& bend : blank.bends) {
    WriteCurve(dxf, *out, bend.line, kBlankBendLayer);
    const BlankPoint a = bend.line.start, b = bend.line.end;
    double angle = std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi;
    if (angle > 90.0001 || angle < -89.9999) angle += angle > 0 ? -180 : 180;  // readable from below or the right
    const double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
    // Centred on the line's middle, just beside it.
    dxf.writeText(*out,
                  DL_TextData(mx, my, 0, mx, my + 0, 0, textHeight, 1.0, 0, 1, 1, BendLabel(bend), "Standard", angle),
                  OnLayer(kBlankBendLayer));
  }
  out->sectionEnd();
  dxf.writeObjects(*out);
  dxf.writeObjectsEnd(*out);
  out->dxfEOF();
  out->close();
}

}  // namespace

std::string BendLabel(const BlankBend& bend) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4g%%%%d R%.4g", bend.angleDeg, bend.innerRadius);
  return text;
}

void WriteFlatBlankDxf(const FlatBlank& blank, const std::string& localPath, const std::string& displayPath) {
  // dxflib writes to a named file; the bytes then go into place like every other save.
  char scratch[] = "/tmp/fabdoc-blank-XXXXXX";
  const int fd = mkstemp(scratch);
  if (fd < 0) throw HostError(HostStatus::FileError, "cannot write " + displayPath + ": no scratch file");
  close(fd);
  struct Remove {
    const char* path;
    ~Remove() { std::remove(path); }
  } remove{scratch};
  WriteDxf(blank, scratch);
  std::ifstream in(scratch, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) throw HostError(HostStatus::FileError, "cannot write " + displayPath);
  WriteFileAtomically(localPath, displayPath, [&](std::ostream& os) { os.write(bytes.data(), bytes.size()); });
}

}  // namespace platform::files
