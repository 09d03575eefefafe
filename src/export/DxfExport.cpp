#include "export/DxfExport.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "export/DxfCanvas.h"
#include "model/Numbers.h"
#include "model/Report.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

void WriteHeader(DxfTagWriter& t, const DxfExtents& e, double creationSerial) {
  t.Text(999, UMBRIX_FILE_TEXT("Umbrix dxf 3D"));
  t.Text(0, "SECTION");
  t.Text(2, "HEADER");
  t.Text(9, "$ACADVER");
  t.Text(1, "AC1009");
  t.Text(9, "$EXTMIN");
  t.Mm(10, e.extMin.x);
  t.Mm(20, e.extMin.y);
  t.Mm(30, 0);
  t.Text(9, "$EXTMAX");
  t.Mm(10, e.extMax.x);
  t.Mm(20, e.extMax.y);
  t.Mm(30, 0);
  t.Text(9, "$LIMMIN");
  t.Mm(10, e.limMin.x);
  t.Mm(20, e.limMin.y);
  t.Text(9, "$LIMMAX");
  t.Mm(10, e.limMax.x);
  t.Mm(20, e.limMax.y);
  t.Text(9, "$TDCREATE");
  t.Exact(40, creationSerial + kJulianDayOfSerialZero);
  t.Text(0, "ENDSEC");
}

void WriteTables(DxfTagWriter& t) {
  t.Text(0, "SECTION");
  t.Text(2, "TABLES");

  t.LineTypeTable({.flags = 64,
                   .continuousText = "___",
                   .continuousLength = "0.0",
                   .dashedText = "---",
                   .dash = 2,
                   .gap = 2});

  // The table's count says 2 although three layers follow; readers take the entries as listed.
  t.TableHead("LAYER", 2);
  t.LayerEntry("0", 0, 250);
  t.LayerEntry("STYLE", 64, 94);
  t.LayerEntry("3D", 64, 94);
  t.Text(0, "ENDTAB");

  // The table's count says 2 although one style follows.
  t.StyleTable({.tableCount = 2, .flags = 64, .lastHeight = 5});
  t.Text(0, "ENDSEC");

  t.Text(0, "SECTION");
  t.Text(2, "BLOCKS");
  t.Text(0, "ENDSEC");
}

// The plate widened by the margin as four corners, for a filled area over the whole drawing.
std::vector<PointMm> FrameCorners(const DrawingFrame& frame) {
  const PlateWindow f = frame.FrameWindow();
  return {{f.XMin, f.YMin}, {f.XMax, f.YMin}, {f.XMax, f.YMax}, {f.XMin, f.YMax}};
}

void WriteCaster(DxfCanvas& canvas, const DxfCasterGeometry& c, const DrawingFrame& frame) {
  DxfTagWriter& t = canvas.Tags();
  const PointMm u{std::cos(c.styleAngle), std::sin(c.styleAngle)};
  const PointMm foot = c.foot;
  const PointMm E = c.styleEnd;
  const double G = c.height;
  const double F = c.styleEndHeight;
  if (c.style) {
    const std::vector<PointMm> outline = {
        foot, {foot.x + G * u.x, foot.y + G * u.y}, {E.x + F * u.x, E.y + F * u.y}, E, foot};
    canvas.DrawPolyline(colours::Green, outline);
    // The style's vertical face, its taller end toward the lit side.
    const bool lit = (E.x - foot.x) * c.sun.Y - (E.y - foot.y) * c.sun.X >= 0;
    const double z1 = lit ? F : 0.0;
    const double z2 = lit ? 0.0 : F;
    const double z3 = lit ? G : 0.0;
    const double z4 = lit ? 0.0 : G;
    t.Text(0, "SOLID");
    t.Text(8, "3D");
    t.Mm(10, E.x);
    t.Mm(20, E.y);
    t.Mm(30, z1);
    t.Mm(11, E.x);
    t.Mm(21, E.y);
    t.Mm(31, z2);
    t.Mm(12, foot.x);
    t.Mm(22, foot.y);
    t.Mm(32, z3);
    t.Mm(13, foot.x);
    t.Mm(23, foot.y);
    t.Mm(33, z4);
  } else {
    canvas.SetPenWidth(3);
    canvas.DrawSegment(colours::Green, foot, {foot.x + G * u.x, foot.y + G * u.y});
    canvas.SetPenWidth(0);
    // The upright rod as a cylinder: a circle extruded by its thickness.
    t.Text(0, "CIRCLE");
    t.Text(8, "3D");
    t.Mm(39, G);
    t.Mm(10, foot.x);
    t.Mm(20, foot.y);
    t.Mm(30, 0);
    t.Mm(40, 1.5 * frame.MmPerPixelX);
  }
}

}  // namespace

DxfCasterGeometry DxfCasterGeometryOf(const DialProject& project, const Orientation& orientation,
                                      const StyleGeometry& style) {
  DxfCasterGeometry c;
  c.foot = style.caster.foot;
  c.height = style.caster.height;
  c.styleAngle = style.StyleAngle;
  c.styleEnd = style.StyleEnd;
  c.styleEndHeight = style.StyleEndHeight;
  c.style = project.Options.Style1.checked;
  const ClockPlace place{project.Locc, project.FusHor.given ? project.FusHor.value : 0.0};
  c.sun = SunInPlate(orientation, place, project.Mijou || project.Locc, project.Dadiur.value,
                     (project.Hediur.value + project.TypeHeure) * 24);
  return c;
}

DxfExtents ComputeDxfExtents(const DxfCasterGeometry& c, const DrawingFrame& frame) {
  const PlateWindow f = frame.FrameWindow();
  const double ca = std::cos(c.styleAngle);
  const double sa = std::sin(c.styleAngle);
  const double tipX = c.foot.x + c.height * ca;  // the folded caster's tip
  const double tipY = c.foot.y + c.height * sa;
  DxfExtents e;
  e.extMin = {std::min(tipX, f.XMin), std::min(tipY, f.YMin)};
  e.extMax = {std::max(tipX, f.XMax), std::max(tipY, f.YMax)};
  if (c.style) {
    // The folded style's lower end.
    const double endX = c.styleEnd.x + c.styleEndHeight * ca;
    const double endY = c.styleEnd.y + c.styleEndHeight * sa;
    e.extMin = {std::min(e.extMin.x, endX), std::min(e.extMin.y, endY)};
    e.extMax = {std::max(e.extMax.x, endX), std::max(e.extMax.y, endY)};
  }
  const double mx = frame.MarginMmX();
  const double my = frame.MarginMmY();
  e.limMin = {e.extMin.x - 0.2 * mx, e.extMin.y - 0.2 * my};
  e.limMax = {e.extMax.x + 0.2 * mx, e.extMax.y + 0.2 * my};
  return e;
}

DxfTracePass DialTracePass(const DialProject& project, const Orientation& orientation,
                           const HourLimits& hourLimits, const DrawingFrame& frame) {
  return [project, orientation, hourLimits, frame](Canvas& canvas) {
    TraceOptions options;
    options.visibleOverride = false;
    Report unused;  // no report is composed
    TraceDial(project, orientation, hourLimits, frame, canvas, options, unused);
  };
}

void WriteDxf(std::ostream& out, const DxfJob& job, const DxfTracePass& tracePass) {
  DxfCanvas canvas(out, job.frame);
  DxfTagWriter& t = canvas.Tags();
  WriteHeader(t, ComputeDxfExtents(job.caster, job.frame), job.creationSerial);
  WriteTables(t);
  t.Text(0, "SECTION");
  t.Text(2, "ENTITIES");
  canvas.DrawFilledQuads(colours::White, FrameCorners(job.frame));
  if (tracePass) tracePass(canvas);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenWidth(0);
  WriteCaster(canvas, job.caster, job.frame);
  canvas.DrawMarker(colours::Green, job.caster.foot);
  t.Text(0, "ENDSEC");
  t.Text(0, "EOF");
}

std::string DxfDocument(const DxfJob& job, const DxfTracePass& tracePass) {
  std::ostringstream out;
  WriteDxf(out, job, tracePass);
  return std::move(out).str();
}

}  // namespace umbrix
