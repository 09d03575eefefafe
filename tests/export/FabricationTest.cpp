// The workshop drawing of a real tracing pass: every figure on its role's layer, nothing of the
// screen (background, shadow, frame, margin labels), outlines closed, nothing drawn twice,
// numerals inside the plate, and the two files that carry it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "export/Fabrication.h"
#include "model/CodePage.h"
#include "model/Numbers.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::FrameFor;
using testing::SquareDial;
using testing::TypedOrientation;

constexpr HourLimits kWallLimits{5.5, 18.5, 0, 0};
using L = FabricationLayer;

// A wall dial at 45 N with every figure on, the shadow and the folded caster included.
DialProject BusyDial() {
  DialProject p = SquareDial(100, 30, 45);
  p.Options.SignArcs = 7;
  p.Options.HourSubdivisions = 2;
  p.Options.MenDat.checked = true;
  p.Options.EteAutomne2.checked = true;
  p.Options.HiverPrintemps2.checked = true;
  p.Options.Horizon1.checked = true;
  p.Options.Ombre1.checked = true;
  p.Options.Axes1.checked = true;
  p.Options.Carreaux1.checked = true;
  p.Options.N2points1.checked = true;
  p.Options.Visible1.checked = true;
  p.Mesx1 = testing::Given(10);
  p.Mesy1 = testing::Given(-20);
  p.Hediur = testing::Given(0.4);  // 9:36, the shadow falls on the plate
  return p;
}

const Orientation kWall = TypedOrientation(45, 20, 90, 5);

FabricationDrawing Build(const DialProject& p, double height = 0) {
  return BuildFabricationDrawing(p, kWall, kWallLimits, {height, {"Essai", "Lieu : ici"}});
}

std::vector<const FabricationPath*> On(const FabricationDrawing& d, L layer) {
  std::vector<const FabricationPath*> out;
  for (const FabricationPath& p : d.paths)
    if (p.layer == layer) out.push_back(&p);
  return out;
}

TEST(FabricationDrawing, ThePlateOutlineIsTheOneClosedPathToCut) {
  const FabricationDrawing d = Build(BusyDial());
  const auto cut = On(d, L::Cut);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_TRUE(cut[0]->closed);
  const std::vector<PointMm> corners = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}};
  EXPECT_EQ(cut[0]->points, corners) << "each corner once, no frame around it";
}

TEST(FabricationDrawing, EveryFigureLandsOnItsRole) {
  const DialProject p = BusyDial();
  const FabricationDrawing d = Build(p);
  EXPECT_FALSE(On(d, L::HourLines).empty());
  EXPECT_GE(On(d, L::Curves).size(), 7u) << "signs, date arc, twelve monthly arcs, horizon";
  const auto caster = On(d, L::Caster);
  ASSERT_EQ(caster.size(), 1u);
  EXPECT_TRUE(caster[0]->closed) << "the style's outline, folded flat";
  // Grid lines at x, y = 0 only: those on the plate's edges would double the cut, the ones
  // through the centre are the axes once.
  const auto marks = On(d, L::Marks);
  EXPECT_EQ(marks.size(), 2u);
  for (const FabricationPath* m : marks) {
    ASSERT_EQ(m->points.size(), 2u);
    EXPECT_TRUE(m->points[0].x == 0 || m->points[0].y == 0);
  }
  int foot = 0, points = 0;
  for (const FabricationCircle& c : d.circles) {
    if (c.layer == L::Caster && c.centre == PointMm{0, 0}) ++foot;
    if (c.layer == L::Marks && c.centre == PointMm{10, -20}) ++points;
  }
  EXPECT_EQ(foot, 1);
  EXPECT_EQ(points, 1);
}

TEST(FabricationDrawing, NoSegmentIsDrawnTwiceNorHasLengthZero) {
  const FabricationDrawing d = Build(BusyDial());
  std::set<std::tuple<double, double, double, double>> seen;
  const auto key = [](PointMm a, PointMm b) {
    if (std::tie(b.x, b.y) < std::tie(a.x, a.y)) std::swap(a, b);
    return std::make_tuple(a.x, a.y, b.x, b.y);
  };
  for (const FabricationPath& p : d.paths) {
    ASSERT_GE(p.points.size(), 2u);
    for (std::size_t k = 0; k + 1 < p.points.size(); ++k)
      EXPECT_FALSE(p.points[k] == p.points[k + 1]) << "a zero-length side";
    if (p.points.size() == 2) {
      EXPECT_TRUE(seen.insert(key(p.points[0], p.points[1])).second);
    }
  }
  // The substyle is the base of the caster's outline only.
  const StyleGeometry g = ComputeStyleGeometry(BusyDial(), kWall, BusyDial().Plate);
  EXPECT_EQ(seen.count(key(g.caster.foot, g.StyleEnd)), 0u);
}

TEST(FabricationDrawing, AnHourLineOnAGridLineStaysOnItsOwnLayer) {
  // A horizontal plate at the equator: the hour lines are parallel, noon's along the Y axis.
  DialProject p = SquareDial(100, 30, 0);
  p.Options.Axes1.checked = true;
  p.Options.Lighor1.checked = true;
  const Orientation flat = TypedOrientation(0, 0, 0, 0);
  const FabricationDrawing d = BuildFabricationDrawing(p, flat, {6, 18, 0, 0}, {0, {"Essai"}});
  ASSERT_FALSE(d.hourLines.empty());
  std::size_t onAxis = 0;
  for (const FabricationPath* h : On(d, L::HourLines))
    if (std::abs(h->points[0].x) < 1e-9 && std::abs(h->points[1].x) < 1e-9) ++onAxis;
  EXPECT_EQ(On(d, L::HourLines).size(), d.hourLines.size()) << "no hour line dropped";
  EXPECT_GT(onAxis, 0u) << "the case this test is for";
}

TEST(FabricationDrawing, NeitherShadowNorFoldedCasterNorScreenFrameChangeIt) {
  DialProject plain = BusyDial();
  plain.Options.Ombre1.checked = false;
  plain.Options.Visible1.checked = false;
  const std::string reference = FabricationDxf(Build(plain));
  EXPECT_EQ(FabricationDxf(Build(BusyDial())), reference);
  DialProject night = BusyDial();
  night.Hediur = testing::Given(0.0);  // midnight: the screen turns grey
  EXPECT_EQ(FabricationDxf(Build(night)), reference);
}

TEST(FabricationDrawing, HourLinesAreThoseOfTheScreensPassWhateverItsScale) {
  const DialProject p = BusyDial();
  const FabricationDrawing d = Build(p);
  for (const double pxPerMm : {1.5, 9.0}) {
    NullCanvas none;
    Report unused;
    const TraceResult screen =
        TraceDial(p, kWall, kWallLimits, FrameFor(p.Plate, pxPerMm), none, {}, unused);
    ASSERT_EQ(screen.hourLines.size(), d.hourLines.size());
    for (std::size_t k = 0; k < d.hourLines.size(); ++k) {
      EXPECT_EQ(screen.hourLines[k].start, d.hourLines[k].start) << k;
      EXPECT_EQ(screen.hourLines[k].end, d.hourLines[k].end) << k;
    }
  }
  EXPECT_EQ(On(d, L::HourLines).size(), d.hourLines.size());
}

TEST(FabricationDrawing, NumeralsStandInsideThePlateClearOfLinesAndOfOneAnother) {
  for (const bool style : {true, false}) {
    DialProject p = BusyDial();
    p.Options.Style1.checked = style;
    p.Options.Gnomon1.checked = !style;
    const FabricationDrawing d = Build(p);
    SCOPED_TRACE(style ? "style" : "gnomon");
    EXPECT_EQ(d.numeralsLeftOut, 0);
    EXPECT_EQ(d.numeralsAcrossLines, 0);
    std::vector<BoxMm> boxes;
    for (const FabricationText& t : d.texts) {
      if (t.layer != L::Numerals) continue;
      EXPECT_EQ(t.height, d.numeralHeight);
      EXPECT_GE(t.box.xMin, -50);
      EXPECT_LE(t.box.xMax, 50);
      EXPECT_GE(t.box.yMin, -50);
      EXPECT_LE(t.box.yMax, 50);
      for (const HourLineEnds& line : d.hourLines)
        EXPECT_FALSE(SegmentMeetsBox(line.start, line.end, t.box)) << t.text;
      for (const BoxMm& other : boxes) EXPECT_FALSE(BoxesMeet(t.box, other)) << t.text;
      boxes.push_back(t.box);
    }
    EXPECT_GE(boxes.size(), 10u);
  }
}

TEST(FabricationDrawing, AHeightAskedForIsKeptOnACrowdedDial) {
  EXPECT_TRUE(Build(BusyDial(), 2.25).texts.back().text.ends_with("; chiffres de 2.25 mm"))
      << "the title gives the height to the micrometre, as the files write it";
  const FabricationDrawing d = Build(BusyDial(), 9);
  EXPECT_EQ(d.numeralHeight, 9);
  EXPECT_GT(d.numeralsAcrossLines + d.numeralsLeftOut, 0) << "9 mm numerals on a 100 mm plate";
  for (const FabricationText& t : d.texts)
    if (t.layer == L::Numerals) {
      EXPECT_EQ(t.height, 9);
    }
}

TEST(FabricationDrawing, DefaultNumeralHeightFollowsTheShortSide) {
  struct Case {
    PlateWindow plate;
    double height;
  };
  const std::vector<Case> cases = {{{-50, 50, -50, 50}, 4},
                                   {{-25, 25, -25, 25}, 3},
                                   {{-200, 200, -200, 200}, 12},
                                   {{-75, 75, -45, 45}, 3.6},
                                   {{-120, 120, -80, 80}, 6.4}};
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(DefaultNumeralHeightMm(c.plate), c.height) << c.plate.XMax;
}

TEST(FabricationDrawing, TheTitleBlockStandsUnderThePlateAndEndsWithTheScale) {
  const FabricationDrawing d = Build(BusyDial());
  std::vector<const FabricationText*> title;
  for (const FabricationText& t : d.texts)
    if (t.layer == L::TitleBlock) title.push_back(&t);
  ASSERT_EQ(title.size(), 3u);
  EXPECT_EQ(title[0]->text, "Essai");
  EXPECT_EQ(title[2]->text,
            "Échelle 1:1, unités : millimètres ; plaque 100 x 100 mm ; "
            "chiffres de " +
                FormatGeneral(d.numeralHeight) + " mm");
  for (const FabricationText* t : title) {
    EXPECT_LT(t->box.yMax, -50);
    EXPECT_EQ(t->box.xMin, -50);
    EXPECT_GE(t->box.yMin, d.extent.yMin);
  }
}

// The values of group `code` in the DXF text, in order.
std::vector<std::string> Values(const std::string& dxf, const std::string& code) {
  std::vector<std::string> out;
  const std::string tag = code + "\r\n";
  for (std::size_t at = 0; (at = dxf.find("\r\n" + tag, at)) != std::string::npos;) {
    const std::size_t start = at + 2 + tag.size();
    const std::size_t end = dxf.find("\r\n", start);
    out.push_back(dxf.substr(start, end - start));
    at = end;
  }
  return out;
}

TEST(FabricationDxf, ReleaseTwelveInMillimetresOnNamedLayersWithoutFill) {
  const FabricationDrawing d = Build(BusyDial());
  const std::string dxf = FabricationDxf(d);
  EXPECT_EQ(dxf.rfind("999\r\nUmbrix - dessin de fabrication - unites : millimetres", 0), 0u);
  EXPECT_NE(dxf.find("  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("  9\r\n$DWGCODEPAGE\r\n  3\r\nANSI_1252\r\n"), std::string::npos);
  EXPECT_EQ(dxf.find("$INSUNITS"), std::string::npos) << "not a release 12 variable";
  EXPECT_EQ(dxf.find("SOLID"), std::string::npos);
  EXPECT_EQ(dxf.find("$TDCREATE"), std::string::npos) << "no date: the same project, same bytes";
  std::set<std::string> names;
  for (int k = 0; k < kFabricationLayerCount; ++k)
    names.insert(std::string(StyleOf(static_cast<L>(k)).dxfName));
  const std::size_t entities = dxf.find("ENTITIES");
  ASSERT_NE(entities, std::string::npos);
  const std::vector<std::string> layers = Values(dxf.substr(entities), "  8");
  EXPECT_GT(layers.size(), 50u);
  for (const std::string& layer : layers) EXPECT_EQ(names.count(layer), 1u) << layer;
  for (const std::string& name : names) {
    EXPECT_TRUE(name.ends_with("_MM")) << name;
    EXPECT_EQ(name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_"), std::string::npos);
    EXPECT_LE(name.size(), 31u);
  }
  // One closed POLYLINE for the plate, flag 1, and the numerals' TEXT at their height.
  EXPECT_NE(dxf.find("POLYLINE\r\n  8\r\nDECOUPE_CONTOUR_MM\r\n 62\r\n1\r\n 66\r\n1\r\n 10\r\n0"
                     "\r\n 20\r\n0\r\n 30\r\n0\r\n 70\r\n1\r\n"),
            std::string::npos);
  const std::vector<std::string> heights = Values(dxf, " 40");
  EXPECT_NE(std::find(heights.begin(), heights.end(), FormatGeneral(d.numeralHeight)),
            heights.end());
  EXPECT_NE(dxf.find("\xC9"
                     "chelle 1:1"),
            std::string::npos)
      << "the title in Windows-1252";
  EXPECT_TRUE(dxf.ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
}

TEST(FabricationDxf, TheCutComesLast) {
  const std::string dxf = FabricationDxf(Build(BusyDial()));
  const std::size_t cut = dxf.find("8\r\nDECOUPE_CONTOUR_MM\r\n", dxf.find("ENTITIES"));
  for (const char* engraved : {"GRAVURE_LIGNES_HORAIRES_MM", "GRAVURE_COURBES_MM",
                               "GRAVURE_CHIFFRES_TEXTES_MM", "CARTOUCHE_MM"})
    EXPECT_LT(dxf.rfind(std::string("8\r\n") + engraved + "\r\n"), cut) << engraved;
}

TEST(FabricationSvg, MillimetresInkscapeLayersAndTextAtItsHeight) {
  const FabricationDrawing d = Build(BusyDial());
  const std::string svg = FabricationSvg(d);
  const std::string size = FormatGeneral(RoundScaled(1000, d.extent.xMax - d.extent.xMin));
  EXPECT_NE(svg.find("width=\"" + size + "mm\""), std::string::npos) << svg.substr(0, 400);
  EXPECT_EQ(svg.find("<rect"), std::string::npos) << "no background";
  std::size_t layers = 0;
  for (std::size_t at = 0; (at = svg.find("<g ", at)) != std::string::npos; ++at) {
    ++layers;
    const std::string group = svg.substr(at, svg.find('>', at) - at);
    EXPECT_NE(group.find("inkscape:groupmode=\"layer\""), std::string::npos) << group;
    EXPECT_NE(group.find("fill=\"none\""), std::string::npos) << group;
  }
  EXPECT_EQ(layers, 7u) << "every role of this dial";
  const std::string fontSize = FormatGeneral(RoundScaled(1000, d.numeralHeight / 0.716));
  EXPECT_NE(svg.find("font-size=\"" + fontSize + "\" text-anchor=\"middle\">12</text>"),
            std::string::npos);
  EXPECT_NE(svg.find("<polygon points=\"-50,50 50,50 50,-50 -50,-50\"/>"), std::string::npos)
      << "the plate, closed";
  EXPECT_NE(svg.find("Échelle"), std::string::npos);
}

TEST(FabricationText, Windows1252OfUtf8) {
  struct Case {
    std::string utf8, cp1252;
  };
  const std::vector<Case> cases = {
      {"abc 12", "abc 12"},
      {"Échelle",
       "\xC9"
       "chelle"},
      {"45°", "45\xB0"},
      {"œuvre – €",
       "\x9C"
       "uvre \x96 \x80"},
      {"→", "?"},
      {"\xE9", "?"},              // a lone Latin-1 byte is not UTF-8
      {"\xC3", "?"},              // a sequence cut short
      {"\xF0\x9F\x98\x80", "?"},  // beyond the code page
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

}  // namespace
}  // namespace umbrix
