#include "platform/dwg/header_variables.h"

#include <chrono>
#include <cmath>

#include "platform/dwg/bit_writer.h"
#include "platform/dwg/object_record.h"

namespace platform::dwg {
namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr uint16_t kInsertUnitsMillimetres = 4;
constexpr uint16_t kLinearUnitsDecimal = 2;
// Lineweight by layer (29) in bits 0-4, extended symbol names (Chinese layer names)
// 0x800, colour-dependent plot styles 0x2000.
constexpr uint32_t kHeaderFlags = 29u | 0x800u | 0x2000u;

void Null(BitWriter& w, uint8_t code = kHardPointer) { w.H({code, 0}); }

void Point3(BitWriter& w, double x, double y, double z = 0) { w.Point3(x, y, z); }

void Date(BitWriter& w, double julianDay) {
  const double day = std::floor(julianDay);
  w.BL(static_cast<uint32_t>(day));
  w.BL(static_cast<uint32_t>(std::lround((julianDay - day) * 86400000.0)));
}

// A coordinate system at the origin along the world axes: origin, X and Y directions.
void WorldAxes(BitWriter& w) {
  Point3(w, 0, 0);
  Point3(w, 1, 0);
  Point3(w, 0, 1);
}

// The named and orthographic coordinate systems and the six orthographic origins.
void UcsSettings(BitWriter& w) {
  Null(w);      // named UCS
  Null(w);      // orthographic reference
  w.BS(0);      // not orthographic
  Null(w);      // base UCS
  for (int i = 0; i < 6; ++i) Point3(w, 0, 0);
}

}  // namespace

double JulianDayNow() {
  using namespace std::chrono;
  const double seconds = duration<double>(system_clock::now().time_since_epoch()).count();
  return kUnixEpochJulianDay + seconds / 86400.0;
}

std::vector<uint8_t> HeaderVariablesData(const HeaderSettings& s) {
  const HeaderHandles& h = s.handles;
  BitWriter w;
  w.BD(412148564080.0);  // unit conversion ratios, always these values
  w.BD(1.0);
  w.BD(1.0);
  w.BD(1.0);
  w.TV("m");
  w.TV("");
  w.TV("");
  w.TV("");
  w.BL(24);
  w.BL(0);
  Null(w);  // current viewport entity header
  // DIMASO DIMSHO PLINEGEN ORTHOMODE REGENMODE FILLMODE QTEXTMODE PSLTSCALE LIMCHECK
  for (bool b : {true, true, false, false, true, true, false, true, false}) w.Bit(b);
  // USRTIMER SKPOLY ANGDIR SPLFRAME MIRRTEXT WORLDVIEW TILEMODE PLIMCHECK VISRETAIN DISPSILH PELLIPSE
  for (bool b : {true, false, false, false, false, true, true, false, true, false, false}) w.Bit(b);
  w.BS(1);     // PROXYGRAPHICS
  w.BS(3020);  // TREEDEPTH
  w.BS(kLinearUnitsDecimal);  // LUNITS
  w.BS(2);     // LUPREC
  w.BS(0);     // AUNITS: degrees
  w.BS(0);     // AUPREC
  w.BS(1);     // ATTMODE
  w.BS(0);     // PDMODE
  for (int i = 0; i < 5; ++i) w.BS(0);  // USERI1-5
  // SPLINESEGS SURFU SURFV SURFTYPE SURFTAB1 SURFTAB2 SPLINETYPE SHADEDGE SHADEDIF
  // UNITMODE MAXACTVP ISOLINES CMLJUST TEXTQLTY
  for (int v : {8, 6, 6, 6, 6, 6, 6, 3, 70, 0, 64, 4, 0, 50}) w.BS(static_cast<uint16_t>(v));
  w.BD(1.0);   // LTSCALE
  w.BD(3.5);   // TEXTSIZE
  w.BD(1.0);   // TRACEWID
  w.BD(1.0);   // SKETCHINC
  w.BD(0);     // FILLETRAD
  w.BD(0);     // THICKNESS
  w.BD(0);     // ANGBASE
  w.BD(0);     // PDSIZE
  w.BD(0);     // PLINEWID
  for (int i = 0; i < 5; ++i) w.BD(0);  // USERR1-5
  for (int i = 0; i < 4; ++i) w.BD(0);  // CHAMFERA-D
  w.BD(0.5);   // FACETRES
  w.BD(20.0);  // CMLSCALE
  w.BD(1.0);   // CELTSCALE
  w.TV("acad");  // MENU
  Date(w, s.createdJulianDay);  // TDCREATE
  Date(w, s.createdJulianDay);  // TDUPDATE
  Date(w, 0);  // TDINDWG
  Date(w, 0);  // TDUSRTIMER
  w.CMC(256);  // CECOLOR: by layer
  w.H({0, h.nextHandle});  // HANDSEED
  w.H({kHardPointer, h.currentLayer});
  w.H({kHardPointer, h.textStyle});
  w.H({kHardPointer, h.linetypeByLayer});  // CELTYPE
  w.H({kHardPointer, h.dimensionStyle});
  Null(w);  // CMLSTYLE
  w.BD(0);  // PSVPSCALE
  // Paper space: insertion base, extents, limits, elevation, coordinate system.
  Point3(w, 0, 0);
  Point3(w, 0, 0);
  Point3(w, 0, 0);
  w.Raw2D(0, 0);
  w.Raw2D(s.limits.x, s.limits.y);
  w.BD(0);
  WorldAxes(w);
  UcsSettings(w);
  // Model space, where the sheet is drawn 1:1 in millimetres.
  Point3(w, 0, 0);  // INSBASE
  Point3(w, s.extents.min.x, s.extents.min.y);
  Point3(w, s.extents.max.x, s.extents.max.y);
  w.Raw2D(0, 0);    // LIMMIN
  w.Raw2D(s.limits.x, s.limits.y);
  w.BD(0);          // ELEVATION
  WorldAxes(w);
  UcsSettings(w);
  WriteDimensionVariables(w, s.dimensionStyle);
  w.H({kHardPointer, h.textStyle});  // DIMTXSTY
  for (int i = 0; i < 4; ++i) Null(w);  // DIMLDRBLK DIMBLK DIMBLK1 DIMBLK2: default arrows
  w.BS(0xFFFE);  // DIMLWD: by block
  w.BS(0xFFFE);  // DIMLWE
  for (uint32_t control : {h.blockControl, h.layerControl, h.styleControl, h.linetypeControl,
                           h.viewControl, h.ucsControl, h.vportControl, h.appIdControl,
                           h.dimstyleControl, h.vxControl})
    w.H({kHardOwner, control});
  w.H({kHardPointer, h.groupDictionary});
  w.H({kHardPointer, h.mlineStyleDictionary});
  w.H({kHardPointer, h.namedObjects});
  w.BS(1);   // TSTACKALIGN
  w.BS(70);  // TSTACKSIZE
  w.TV("");  // HYPERLINKBASE
  w.TV("");  // STYLESHEET
  Null(w);   // layouts dictionary
  Null(w);   // plot settings dictionary
  Null(w);   // plot style names dictionary
  w.BL(kHeaderFlags);
  w.BS(kInsertUnitsMillimetres);
  w.BS(0);   // CEPSNTYPE: by layer
  w.TV("");  // FINGERPRINTGUID
  w.TV("");  // VERSIONGUID
  w.H({kHardPointer, h.paperSpace});
  w.H({kHardPointer, h.modelSpace});
  w.H({kHardPointer, h.linetypeByLayer});
  w.H({kHardPointer, h.linetypeByBlock});
  w.H({kHardPointer, h.linetypeContinuous});
  for (int i = 0; i < 4; ++i) w.BS(0);  // reserved
  return w.Bytes();
}

}  // namespace platform::dwg
