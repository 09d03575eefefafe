#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <locale>
#include <sstream>
#include <vector>

#include "DxfReading.h"
#include "ExportFixtures.h"
#include "InteropOutput.h"
#include "export/DxfExport.h"
#include "support/GoldenFile.h"

namespace umbrix {
namespace {

using testing::EntityCounts;
using testing::ExportFrame;
using testing::GermanNumbers;
using testing::KeepForInterop;
using testing::Tags;

constexpr double kPi = 3.14159265358979323846;
constexpr double kCreation = 45000.25;  // local date-time serial of the export

// A short upright gnomon at the centre: its folded tip stays inside the margin.
DxfCasterGeometry SmallGnomon() {
  DxfCasterGeometry c;
  c.foot = {0, 0};
  c.height = 3;
  c.styleAngle = kPi / 2;
  c.style = false;
  return c;
}

// A style from the foot's tip (40 mm) down to (0, -30) at 10 mm, folded toward +X, lit from +X+Y.
DxfCasterGeometry Style() {
  DxfCasterGeometry c;
  c.foot = {0, 0};
  c.height = 40;
  c.styleAngle = 0;
  c.styleEnd = {0, -30};
  c.styleEndHeight = 10;
  c.style = true;
  c.sun = {0.3, 0.4, std::sqrt(0.75)};
  return c;
}

std::string Dxf(const DxfJob& job, const DxfTracePass& pass) {
  std::ostringstream out;
  WriteDxf(out, job, pass);
  return out.str();
}

// Every primitive once or twice: what a tracing pass may send.
void SyntheticPass(Canvas& c) {
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenWidth(0);
  c.FillSurface(colours::White);
  const std::vector<PointMm> shadow = {{0, 0}, {10, -5}, {20, -5}, {25, 0}, {0, 0.04}};
  c.DrawFilledPolygon(colours::LightGrey, shadow);
  c.DrawFilledQuads(colours::LightGrey, shadow);
  c.DrawSegment(colours::Silver, {0, -50}, {0, 50});
  c.DrawMarker(colours::Black, {0, 0});
  const std::vector<PointMm> arc = {{-50, 12.25}, {0, 20}, {50, 12.35}};
  c.DrawPolyline(colours::Purple, arc);
  c.SetPenStyle(PenStyle::Dotted);
  c.DrawSegment(colours::Black, {0, -10}, {-50, 33.3333});
  c.SetPenStyle(PenStyle::Solid);
  c.DrawSegment(colours::Black, {0, -10}, {50, 33.3333});
  LabelPlacement at;
  at.mm = {-40.5, 38.1};
  c.DrawLabel("9", at);
  at.mm = {52.5, 30};
  at.inPlate = false;
  c.DrawLabel("15", at);
  const std::vector<PointMm> outline = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}, {-50, -50}};
  c.DrawPolyline(colours::Black, outline);
}

TEST(DxfExport, HeaderAndTablesOfAHundredMillimetrePlate) {
  const DxfJob job{ExportFrame(100, 100), SmallGnomon(), kCreation};
  const std::string text = Dxf(job, nullptr);
  // Margin 20 px * 0.25 mm = 5 mm: EXTMIN = (-55, -55); the limits 0.2 margin = 1 mm further.
  const std::string expected = Tags(
      "999|Umbrix dxf 3D;0|SECTION;2|HEADER;9|$ACADVER;1|AC1009;"
      "9|$EXTMIN;10|-55;20|-55;30|0;9|$EXTMAX;10|55;20|55;30|0;"
      "9|$LIMMIN;10|-56;20|-56;9|$LIMMAX;10|56;20|56;"
      "9|$TDCREATE;40|2460019.25;0|ENDSEC;"
      "0|SECTION;2|TABLES;"
      "0|TABLE;2|LTYPE;70|2;"
      "0|LTYPE;2|CONTINUOUS;70|64;3|___;72|65;73|0;40|0.0;"
      "0|LTYPE;2|DASHED;70|64;3|---;72|65;73|2;40|4;49|2;49|-2;0|ENDTAB;"
      "0|TABLE;2|LAYER;70|2;"
      "0|LAYER;2|0;70|0;62|250;6|CONTINUOUS;"
      "0|LAYER;2|STYLE;70|64;62|94;6|CONTINUOUS;"
      "0|LAYER;2|3D;70|64;62|94;6|CONTINUOUS;0|ENDTAB;"
      "0|TABLE;2|STYLE;70|2;"
      "0|STYLE;2|STANDARD;70|64;40|0;41|1;50|0;71|0;42|5;3|txt;4|;0|ENDTAB;0|ENDSEC;"
      "0|SECTION;2|BLOCKS;0|ENDSEC;"
      "0|SECTION;2|ENTITIES;");
  ASSERT_GE(text.size(), expected.size());
  EXPECT_EQ(text.substr(0, expected.size()), expected);
}

TEST(DxfExport, EntitiesOpenWithTheBackgroundAndCloseWithTheGnomonAndItsFoot) {
  const DxfJob job{ExportFrame(100, 100), SmallGnomon(), kCreation};
  const std::string text = Dxf(job, nullptr);
  const std::string entities = Tags(
      "0|SECTION;2|ENTITIES;"
      "0|SOLID;8|3D;62|254;10|-55;20|-55;30|-0.5;11|55;21|-55;31|-0.5;"
      "12|-55;22|55;32|-0.5;13|55;23|55;33|-0.5;"
      // The gnomon folded flat, three pixels wide, then standing as a cylinder 3 mm high.
      "0|POLYLINE;8|STYLE;66|1;40|0.8;41|0.8;"
      "0|VERTEX;8|STYLE;10|0;20|0;30|0;0|VERTEX;8|STYLE;10|0;20|3;30|0;0|SEQEND;"
      "0|CIRCLE;8|3D;39|3;10|0;20|0;30|0;40|0.4;"
      "0|CIRCLE;8|STYLE;10|0;20|0;30|0;40|0.5;"
      "0|ENDSEC;0|EOF");
  const std::size_t at = text.find(Tags("0|SECTION;2|ENTITIES"));
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(text.substr(at), entities);
  KeepForInterop("gnomon-empty-pass.dxf", text, EntityCounts(text));
}

TEST(DxfExport, StyleIsItsFoldedOutlineAndAVerticalFaceTallerOnTheSunnySide) {
  const DxfJob job{ExportFrame(100, 100), Style(), kCreation};
  const std::string text = Dxf(job, nullptr);
  // (E - foot) x S = 0 * 0.4 - (-30) * 0.3 = 9 >= 0: z = (F, 0, G, 0).
  const std::string caster = Tags(
      "0|POLYLINE;8|STYLE;66|1;"
      "0|VERTEX;8|STYLE;10|0;20|0;30|0;0|VERTEX;8|STYLE;10|40;20|0;30|0;"
      "0|VERTEX;8|STYLE;10|10;20|-30;30|0;0|VERTEX;8|STYLE;10|0;20|-30;30|0;"
      "0|VERTEX;8|STYLE;10|0;20|0;30|0;0|SEQEND;"
      "0|SOLID;8|3D;10|0;20|-30;30|10;11|0;21|-30;31|0;12|0;22|0;32|40;13|0;23|0;33|0;"
      "0|CIRCLE;8|STYLE;10|0;20|0;30|0;40|0.5;0|ENDSEC;0|EOF");
  ASSERT_GE(text.size(), caster.size());
  EXPECT_EQ(text.substr(text.size() - caster.size()), caster);

  DxfJob other = job;
  other.caster.sun = {-0.3, 0.4, std::sqrt(0.75)};  // (E - foot) x S = -9 < 0: z = (0, F, 0, G)
  const std::string turned = Dxf(other, nullptr);
  EXPECT_NE(turned.find(Tags("0|SOLID;8|3D;10|0;20|-30;30|0;11|0;21|-30;31|10;"
                             "12|0;22|0;32|0;13|0;23|0;33|40")),
            std::string::npos);
}

TEST(DxfExport, PassEntitiesComeBetweenBackgroundAndCaster) {
  const DxfJob job{ExportFrame(100, 100), Style(), kCreation};
  const std::string text = Dxf(job, SyntheticPass);
  const std::size_t background = text.find(Tags("0|SOLID;8|3D;62|254"));
  const std::size_t shadow = text.find(Tags("0|SOLID;8|3D;62|253"));
  const std::size_t label = text.find(Tags("0|TEXT;8|0;10|51;20|29;30|0;40|2;1|15"));
  const std::size_t face = text.find(Tags("0|SOLID;8|3D;10|0;20|-30"));
  ASSERT_NE(background, std::string::npos);
  ASSERT_NE(shadow, std::string::npos);
  ASSERT_NE(label, std::string::npos);
  ASSERT_NE(face, std::string::npos);
  EXPECT_LT(background, shadow);
  EXPECT_LT(shadow, label);
  EXPECT_LT(label, face);
  const std::map<std::string, int> expected = {
      {"0/CIRCLE", 1}, {"0/LINE", 3},       {"0/POLYLINE", 2},    {"0/TEXT", 2},
      {"3D/SOLID", 4}, {"STYLE/CIRCLE", 1}, {"STYLE/POLYLINE", 1}};
  EXPECT_EQ(EntityCounts(text), expected);
  KeepForInterop("style-synthetic-pass.dxf", text, expected);
}

TEST(DxfExport, CreationDateIsWrittenUnrounded) {
  const DxfJob job{ExportFrame(100, 100), SmallGnomon(), 45123.987654321};
  EXPECT_NE(Dxf(job, nullptr).find(Tags("9|$TDCREATE;40|2460142.98765432")), std::string::npos);
}

TEST(DxfExport, PenLeftDottedOrWideByThePassDoesNotReachTheCaster) {
  const DxfJob job{ExportFrame(100, 100), Style(), kCreation};
  const std::string text = Dxf(job, [](Canvas& c) {
    c.SetPenStyle(PenStyle::Dotted);
    c.SetPenWidth(3);
  });
  EXPECT_EQ(text.find("DASHED"), text.rfind("DASHED"));  // only in the line type table
  EXPECT_EQ(text.find(Tags("40|0.8")), std::string::npos);
}

// Extents.

TEST(DxfExtents, HundredMillimetrePlateWithTheCasterInsideTheMargin) {
  const DxfExtents e = ComputeDxfExtents(SmallGnomon(), ExportFrame(100, 100));
  EXPECT_EQ(e.extMin, (PointMm{-55, -55}));
  EXPECT_EQ(e.extMax, (PointMm{55, 55}));
  EXPECT_EQ(e.limMin, (PointMm{-56, -56}));
  EXPECT_EQ(e.limMax, (PointMm{56, 56}));
}

TEST(DxfExtents, FoldedCasterBeyondTheMarginWidensThem) {
  DxfCasterGeometry c = SmallGnomon();
  c.height = 80;
  c.styleAngle = kPi;  // folded toward -X: tip at (-80, 0)
  const DxfExtents e = ComputeDxfExtents(c, ExportFrame(100, 60));
  EXPECT_NEAR(e.extMin.x, -80, 1e-12);
  EXPECT_NEAR(e.extMin.y, -35, 1e-12);
  EXPECT_NEAR(e.extMax.x, 55, 1e-12);
  EXPECT_NEAR(e.limMin.x, -81, 1e-12);
}

TEST(DxfExtents, StyleLowerEndCountsOnlyForAStyle) {
  DxfCasterGeometry c = Style();
  c.height = 20;
  c.styleEnd = {50, 20};
  c.styleEndHeight = 10;  // folded toward +X: lower end at (60, 20)
  const DrawingFrame frame = ExportFrame(100, 100);
  EXPECT_EQ(ComputeDxfExtents(c, frame).extMax.x, 60);
  c.style = false;
  EXPECT_EQ(ComputeDxfExtents(c, frame).extMax.x, 55);
}

// Locale.

TEST(DxfExport, GermanLocaleWritesTheSameBytes) {
  const DxfJob job{ExportFrame(100, 100), Style(), 45000.123456};
  const std::string plain = Dxf(job, SyntheticPass);
  std::string german;
  {
    GermanNumbers guard;
    std::ostringstream out;  // takes the global locale
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(out.getloc()).decimal_point(), ',');
    WriteDxf(out, job, SyntheticPass);
    german = out.str();
  }
  EXPECT_EQ(german, plain);
  EXPECT_NE(plain.find("\r\n12.2\r\n"), std::string::npos);
}

// Whole layout against the golden files in tests/data/export. To regenerate them on purpose, run
// the test binary with UMBRIX_REGENERATE_GOLDEN=1, then check the diff by hand.

void CheckGolden(const std::string& name, const std::string& text) {
  testing::CheckGoldenFile(std::filesystem::path(UMBRIX_TEST_DATA_DIR) / "export" / name, text);
}

TEST(DxfExport, StyleLayoutMatchesItsGolden) {
  const DxfJob job{ExportFrame(100, 100), Style(), kCreation};
  CheckGolden("synthetic-style.dxf", Dxf(job, SyntheticPass));
}

TEST(DxfExport, GnomonLayoutMatchesItsGolden) {
  DxfJob job{ExportFrame(120, 80), SmallGnomon(), kCreation};
  job.caster.height = 70;
  job.caster.styleAngle = -kPi / 4;
  CheckGolden("synthetic-gnomon.dxf", Dxf(job, SyntheticPass));
}

// The document is made in memory; the program's one writer puts it in a file (tests/files).

TEST(DxfDocument, HoldsTheBytesOfTheStreamWriter) {
  const DxfJob job{ExportFrame(100, 100), Style(), kCreation};
  EXPECT_EQ(DxfDocument(job, SyntheticPass), Dxf(job, SyntheticPass));
  const DxfJob gnomon{ExportFrame(120, 80), SmallGnomon(), kCreation};
  EXPECT_EQ(DxfDocument(gnomon, SyntheticPass), Dxf(gnomon, SyntheticPass));
  EXPECT_NE(DxfDocument(job, SyntheticPass), DxfDocument(gnomon, SyntheticPass));
}

}  // namespace
}  // namespace umbrix
