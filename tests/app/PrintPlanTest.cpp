// The page geometry of every print worked out by hand for chosen page measures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PrintPlan.h"
#include "model/Dates.h"

namespace umbrix {
namespace {

PlateWindow Plate(double width, double height) {
  return {-width / 2, width / 2, -height / 2, height / 2};
}

// a page of 4000 x 6000 printer pixels, "X" 100 pixels high (140 at 14 points), 50 wide
constexpr PageMetrics kPortrait{4000, 6000, 100, 50, 140, 600};
constexpr PageMetrics kLandscape{6000, 4000, 100, 50, 140, 600};

TEST(PrintPlan, MagnificationIsTheLineOverTheMarginAndNeverZero) {
  struct Row {
    int lineHeight, margin, expected;
  } rows[] = {{100, 20, 5}, {96, 20, 5}, {90, 20, 4}, {50, 20, 2},
              {30, 20, 2},  {10, 20, 1}, {2, 20, 1},  {100, 0, 1}};
  for (const Row& r : rows) {
    EXPECT_EQ(Magnification(r.lineHeight, r.margin), r.expected) << r.lineHeight << "/" << r.margin;
  }
}

TEST(PrintPlan, JobTitlesAndTheDateLine) {
  const std::string file = "/home/maker/cadrans/mur.ouest.umd";
  EXPECT_EQ(JobTitle(PrintLayout::Report, file), "mur.ouest");
  EXPECT_EQ(JobTitle(PrintLayout::Half, file), "mur.ouest_0");
  EXPECT_EQ(JobTitle(PrintLayout::Full, file), "mur.ouest_1");
  EXPECT_EQ(JobTitle(PrintLayout::TwoSheets, file), "mur.ouest_2");
  EXPECT_EQ(JobTitle(PrintLayout::FourSheets, file), "mur.ouest_4");
  EXPECT_EQ(JobTitle(PrintLayout::TrueScale, file), "mur.ouest_echelle");
  EXPECT_EQ(JobTitle(PrintLayout::Half, ""), "_0");
  const double serial = SerialFromCivil({2024, 6, 21}) + (15.0 * 3600 + 4 * 60 + 5) / 86400;
  EXPECT_EQ(PrintDateLine(serial), "21 juin 2024 15:04:05");
  EXPECT_EQ(PrintDateLine(SerialFromCivil({2012, 1, 1})), "1 janvier 2012 00:00:00");
  EXPECT_EQ(PrintDateLine(serial, MonthNames::English), "21 June 2024 15:04:05");
}

TEST(PrintPlan, HeaderTextsAndTheirPlaces) {
  const auto header = PageHeader(kPortrait, 2, 3, 7, "/tmp/jardin.umd", "1 mai 2024 10:00:00");
  ASSERT_EQ(header.size(), 4u);
  // the program's own texts are marked patterns, composed where they are painted
  EXPECT_EQ(header[0].Composed(), "Tracé par le logiciel Umbrix Z3uviv12");
  EXPECT_EQ(header[1].Composed(), "Envoyer la photo de votre cadran à : cadrans@umbrix.org");
  EXPECT_TRUE(header[0].marked && header[1].marked && !header[2].marked);
  EXPECT_EQ(std::pair(header[0].x, header[0].y), std::pair(150, 100));
  EXPECT_EQ(std::pair(header[1].x, header[1].y), std::pair(150, 200));
  // right-aligned at PW / D - 3 cw
  EXPECT_EQ(header[2], (PrintText{"jardin.umd    3/7", 1850, 100, TextAlign::Right}));
  EXPECT_EQ(header[3], (PrintText{"1 mai 2024 10:00:00", 1850, 200, TextAlign::Right}));
}

// ---------------------------------------------------------------- "&Imprimer"

TEST(ReportPrint, WithoutADrawingOnlyTheTwoSingleEmptyLines) {
  const ReportGeometry g = ComputeReportGeometry(kPortrait, Plate(100, 100), 20, 30, 2, 5, false);
  EXPECT_EQ(g.pad, 1);
  EXPECT_EQ(g.linesPerPage, 55);  // Floor(6000 / 100) - 5
  EXPECT_EQ(g.totalLines, 30 + 1 + 1 + 2 + 5);
  EXPECT_EQ(g.totalPages, 1);
  EXPECT_EQ(g.bitmapWidth, 0);

  ReportTexts texts;
  for (int i = 0; i < 30; ++i) texts.listing.push_back("ligne " + std::to_string(i));
  texts.comments = {"c1", "c2"};
  texts.report = {"r1", "r2", "r3", "r4", "r5"};
  const PrintJob job = PlanReportPrint(kPortrait, g, Plate(100, 100), 20, texts);
  ASSERT_EQ(job.pages.size(), 1u);
  const auto& t = job.pages[0].texts;
  // four header texts, then the body: first listing line at 4 lh, left margin 6 cw
  ASSERT_EQ(t.size(), 4u + 30 + 2 + 5);
  EXPECT_EQ(t[4], (PrintText{"ligne 0", 300, 400}));
  EXPECT_EQ(t[4 + 29].y, (4 + 29) * 100);
  // one empty line after the listing, one between the comments and the report
  EXPECT_EQ(t[4 + 30], (PrintText{"c1", 300, (4 + 31) * 100}));
  EXPECT_EQ(t[4 + 32], (PrintText{"r1", 300, (4 + 34) * 100}));
  EXPECT_FALSE(job.pages[0].dial.has_value());
}

TEST(ReportPrint, AShortListingIsPaddedDownToBelowTheDrawing) {
  // 100 mm square, page 6060 wide: k = min((10000 - 500) / 100, (6060 - 120) / 100 / 2) = 29.7
  const PageMetrics m{6060, 10000, 100, 10, 140, 600};
  const ReportGeometry g = ComputeReportGeometry(m, Plate(100, 100), 20, 20, 3, 4, true);
  EXPECT_EQ(g.magnification, 5);
  EXPECT_EQ(g.bitmapHeight, 594);  // Round(100 * 29.7 / 5)
  EXPECT_EQ(g.bitmapWidth, 594);
  // 5 * 594 / 100 = 29.7 lines of drawing: Ceil(29.7) - 20 + 1 = 11 empty lines
  EXPECT_EQ(g.pad, 11);
  EXPECT_EQ(g.bitmapTarget, (DeviceRect{6060 - 5 * 594 - 60, 400, 5 * 594, 5 * 594}));
  EXPECT_EQ(g.totalLines, 20 + 1 + 11 + 3 + 4);
  // the dial drawn in that place, its frame the drawing magnified
  const PrintJob job = PlanReportPrint(m, g, Plate(100, 100), 20, ReportTexts{});
  ASSERT_TRUE(job.pages.at(0).dial.has_value());
  EXPECT_EQ(*job.pages[0].dial, (DialPiece{g.bitmapTarget, 0, 0}));
  EXPECT_EQ(job.dialFrame.widthPx, g.bitmapTarget.width);
  EXPECT_EQ(job.dialFrame.heightPx, g.bitmapTarget.height);
  EXPECT_EQ(job.dotScale, 5.0);

  // a listing as long as the drawing needs no more than the one empty line
  EXPECT_EQ(ComputeReportGeometry(m, Plate(100, 100), 20, 30, 0, 0, true).pad, 1);
  EXPECT_EQ(ComputeReportGeometry(m, Plate(100, 100), 20, 29, 0, 0, true).pad, 2);
}

TEST(ReportPrint, BlankLinesStopAtTheEndOfTheFirstPage) {
  // page of 25 lines; the drawing is 25 lines high
  const PageMetrics m{6060, 3000, 100, 10, 140, 600};
  const ReportGeometry g = ComputeReportGeometry(m, Plate(100, 100), 20, 20, 0, 0, true);
  EXPECT_EQ(g.linesPerPage, 25);
  EXPECT_EQ(g.bitmapHeight, 500);
  EXPECT_EQ(g.pad, 5);  // 6 asked for, one would start the second page
  EXPECT_EQ(20 + g.pad, g.linesPerPage);
}

TEST(ReportPrint, EveryPageCarriesItsNumberAndTheCount) {
  const PageMetrics m{4000, 1000, 100, 50, 140, 600};  // 5 lines per page
  const ReportGeometry g = ComputeReportGeometry(m, Plate(100, 100), 20, 12, 3, 6, false);
  EXPECT_EQ(g.linesPerPage, 5);
  EXPECT_EQ(g.totalLines, 12 + 1 + 1 + 3 + 6);
  EXPECT_EQ(g.totalPages, 5);
  ReportTexts texts;
  texts.listing.assign(12, "l");
  texts.comments.assign(3, "c");
  texts.report.assign(6, "r");
  texts.projectFileName = "/a/b/nord.umd";
  const PrintJob job = PlanReportPrint(m, g, Plate(100, 100), 20, texts);
  ASSERT_EQ(job.pages.size(), 5u);
  for (size_t p = 0; p < job.pages.size(); ++p) {
    EXPECT_EQ(job.pages[p].texts[2].text, "nord.umd    " + std::to_string(p + 1) + "/5");
    // the first body line of every page lands at 4 lh
    EXPECT_EQ(job.pages[p].texts[4].y, 400) << p;
  }
  EXPECT_EQ(job.title, "nord");
}

// ---------------------------------------------------------------- the graphic layouts

struct GraphicRow {
  const char* name;
  PrintLayout layout;
  double width, height;  // mm
  PageOrientation orientation;
  double scale;
  int w, h, x0, y0, divisor;
  std::vector<DeviceRect> pieces;
};

TEST(GraphicPrint, EveryLayoutsNumbers) {
  using O = PageOrientation;
  using L = PrintLayout;
  const std::vector<GraphicRow> rows = {
      {"demi, large",
       L::Half,
       200,
       100,
       O::Portrait,
       19.5,
       780,
       390,
       50,
       675,
       1,
       {{0, 0, 780, 390}}},
      {"demi, haut",
       L::Half,
       100,
       200,
       O::Landscape,
       18,
       360,
       720,
       600,
       350,
       2,
       {{0, 0, 360, 720}}},
      {"plein, large",
       L::Full,
       200,
       100,
       O::Landscape,
       29.5,
       843,
       421,
       50,
       676,
       1,
       {{0, 0, 843, 421}}},
      {"plein, carré",
       L::Full,
       100,
       100,
       O::Portrait,
       39,
       557,
       557,
       50,
       1200,
       1,
       {{0, 0, 557, 557}}},
      // 100 = 200 / 2: portrait
      {"2 formats, 200 x 100",
       L::TwoSheets,
       200,
       100,
       O::Portrait,
       19.5,
       1113,
       557,
       50,
       1200,
       1,
       {{0, 0, 557, 557}, {556, 0, 557, 557}}},
      {"2 formats, haut",
       L::TwoSheets,
       100,
       300,
       O::Portrait,
       5600.0 / 300,
       533,
       1599,
       134,
       350,
       1,
       {{0, 0, 533, 800}, {0, 799, 533, 800}}},
      {"4 formats",
       L::FourSheets,
       200,
       200,
       O::Portrait,
       19.5,
       1113,
       1113,
       50,
       1200,
       1,
       {{0, 0, 557, 557}, {556, 0, 557, 557}, {0, 556, 557, 557}, {556, 556, 557, 557}}},
  };
  for (const GraphicRow& r : rows) {
    const PlateWindow plate = Plate(r.width, r.height);
    ASSERT_EQ(GraphicOrientation(r.layout, plate), r.orientation) << r.name;
    const PageMetrics& m = r.orientation == O::Portrait ? kPortrait : kLandscape;
    const GraphicGeometry g = ComputeGraphicGeometry(r.layout, m, plate, 20);
    EXPECT_NEAR(g.scale, r.scale, 1e-9) << r.name;
    EXPECT_EQ(g.bitmapWidth, r.w) << r.name;
    EXPECT_EQ(g.bitmapHeight, r.h) << r.name;
    EXPECT_EQ(g.x0, r.x0) << r.name;
    EXPECT_EQ(g.y0, r.y0) << r.name;
    EXPECT_EQ(g.divisor, r.divisor) << r.name;
    EXPECT_EQ(g.pieces, r.pieces) << r.name;
    EXPECT_EQ(g.magnification, r.layout == L::Half ? 5 : 7) << r.name;
  }
}

TEST(GraphicPrint, OrientationAtTheBoundaries) {
  using O = PageOrientation;
  EXPECT_EQ(GraphicOrientation(PrintLayout::TwoSheets, Plate(200, 99.9)), O::Landscape);
  EXPECT_EQ(GraphicOrientation(PrintLayout::TwoSheets, Plate(200, 100)), O::Portrait);
  EXPECT_EQ(GraphicOrientation(PrintLayout::TwoSheets, Plate(100, 199)), O::Landscape);
  EXPECT_EQ(GraphicOrientation(PrintLayout::TwoSheets, Plate(100, 200)), O::Portrait);
  EXPECT_EQ(GraphicOrientation(PrintLayout::FourSheets, Plate(100, 100)), O::Portrait);
  EXPECT_EQ(GraphicOrientation(PrintLayout::FourSheets, Plate(101, 100)), O::Landscape);
  EXPECT_EQ(GraphicOrientation(PrintLayout::Full, Plate(100, 100)), O::Portrait);
  EXPECT_EQ(GraphicOrientation(PrintLayout::Half, Plate(100, 100)), O::Portrait);
  EXPECT_EQ(GraphicOrientation(PrintLayout::Half, Plate(99, 100)), O::Landscape);
}

TEST(GraphicPrint, TheMiddleColumnIsOnBothSheetsAndEverySheetHasItsHeader) {
  const PlateWindow plate = Plate(200, 100);
  const GraphicGeometry g = ComputeGraphicGeometry(PrintLayout::TwoSheets, kPortrait, plate, 20);
  ASSERT_EQ(g.pieces.size(), 2u);
  const int middle = g.bitmapWidth / 2;
  const DeviceRect& a = g.pieces[0];
  const DeviceRect& b = g.pieces[1];
  EXPECT_EQ(a.x + a.width - 1, middle);  // the first sheet's last column
  EXPECT_EQ(b.x, middle);                // the second sheet's first column
  EXPECT_EQ(b.x + b.width, g.bitmapWidth);
  const PrintJob job =
      PlanGraphicPrint(PrintLayout::TwoSheets, kPortrait, g, plate, 20, "x/p.umd", "d");
  ASSERT_EQ(job.pages.size(), 2u);
  EXPECT_EQ(job.title, "p_2");
  // the dial's frame is the drawing magnified: a plate point lands in the middle of the seven
  // device pixels its drawing pixel became
  ASSERT_EQ(g.magnification, 7);
  const DrawingFrame drawing = MagnifiedFrame(plate, g.bitmapWidth, g.bitmapHeight, 20, 1);
  EXPECT_EQ(job.dialFrame.widthPx, 7 * g.bitmapWidth);
  EXPECT_EQ(job.dialFrame.marginPx, 143);
  EXPECT_EQ(job.dotScale, 7.0);
  for (double x : {-100.0, -37.5, 0.0, 100.0}) {
    EXPECT_NEAR(job.dialFrame.ToPixelX(x), 7 * drawing.ToPixelX(x) + 3, 3) << x;
    EXPECT_NEAR(job.dialFrame.ToPixelY(x / 2), 7 * drawing.ToPixelY(x / 2) + 3, 3) << x;
  }
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(job.pages[i].texts[2].text, "p.umd    " + std::to_string(i + 1) + "/2");
    ASSERT_TRUE(job.pages[i].dial.has_value());
    // each piece magnified from (x0, y0), its first column the piece's own
    EXPECT_EQ(*job.pages[i].dial,
              (DialPiece{{g.x0, g.y0, 7 * g.pieces[i].width, 7 * g.pieces[i].height},
                         7 * g.pieces[i].x,
                         7 * g.pieces[i].y}));
  }
}

TEST(GraphicPrint, AnAbsurdPageStillGivesABitmapWithAFiniteScale) {
  const PageMetrics tiny{50, 50, 100, 50, 140, 72};
  for (PrintLayout l :
       {PrintLayout::Half, PrintLayout::Full, PrintLayout::TwoSheets, PrintLayout::FourSheets}) {
    const GraphicGeometry g = ComputeGraphicGeometry(l, tiny, Plate(100, 100), 20);
    EXPECT_GT(g.bitmapWidth, 41);
    EXPECT_GT(g.bitmapHeight, 41);
  }
}

// ---------------------------------------------------------------- the true-scale print

// A4 at 600 dpi with a quarter inch unprintable on each side
constexpr PageMetrics kA4{4660, 6716, 96, 56, 134, 600};
constexpr PageMetrics kA4Wide{6716, 4660, 96, 56, 134, 600};

TEST(TrueScalePrint, SheetsShareTheBandAndCoverTheWholeDial) {
  const PlateWindow plate = Plate(800, 800);
  const TrueScaleGeometry g = ComputeTrueScaleGeometry(PageOrientation::Portrait, kA4, plate, 20);
  const double mmPerPx = 25.4 / 600;
  EXPECT_DOUBLE_EQ(g.frame.MmPerPixelX, mmPerPx);
  EXPECT_EQ(g.frame.marginPx, 125);  // 20 screen pixels at 600 / 96
  EXPECT_EQ(g.frame.widthPx, 18898 + 2 * 125 + 1);
  // the plate's edges land 800 mm apart
  EXPECT_NEAR((g.frame.ToPixelX(400) - g.frame.ToPixelX(-400)) * mmPerPx, 800.0, 0.05);
  EXPECT_NEAR((g.frame.ToPixelY(-400) - g.frame.ToPixelY(400)) * mmPerPx, 800.0, 0.05);
  EXPECT_EQ(g.bandPx, 236);  // 10 mm
  EXPECT_EQ(g.stepX, g.area.width - g.bandPx);
  for (int c = 0; c + 1 < g.columns; ++c) {
    // the right band of a sheet is the left band of the next
    EXPECT_EQ(g.WindowX(c) + g.area.width - g.WindowX(c + 1), g.bandPx);
  }
  EXPECT_LE(g.WindowX(0), 0);
  EXPECT_GE(g.WindowX(g.columns - 1) + g.area.width, g.frame.widthPx);
  EXPECT_LE(g.WindowY(0), 0);
  EXPECT_GE(g.WindowY(g.rows - 1) + g.area.height, g.frame.heightPx);
  // and no sheet too many
  EXPECT_LT((g.columns - 1) * g.stepX + g.bandPx, g.frame.widthPx);
  EXPECT_LT((g.rows - 1) * g.stepY + g.bandPx, g.frame.heightPx);
  EXPECT_EQ(g.columns, 5);
  EXPECT_EQ(g.rows, 4);
}

TEST(TrueScalePrint, OrientationNeedingFewerSheetsWins) {
  const struct {
    double width, height;
    bool landscape;
  } rows[] = {{800, 800, false}, {240, 150, true}, {150, 230, false}, {100, 100, false}};
  for (const auto& r : rows) {
    const PlateWindow plate = Plate(r.width, r.height);
    const auto p = ComputeTrueScaleGeometry(PageOrientation::Portrait, kA4, plate, 20);
    const auto l = ComputeTrueScaleGeometry(PageOrientation::Landscape, kA4Wide, plate, 20);
    EXPECT_EQ(FewerSheets(l, p), r.landscape) << r.width << " x " << r.height;
  }
  const auto one = ComputeTrueScaleGeometry(PageOrientation::Portrait, kA4, Plate(100, 100), 20);
  EXPECT_EQ(one.Sheets(), 1);
  // a small dial is centred in the area
  EXPECT_NEAR(-one.WindowX(0) * 2 + one.frame.widthPx, one.area.width, 1);
}

TEST(TrueScalePrint, EverySheetHasItsLabelMarksAndAHundredMillimetreBar) {
  const TrueScaleGeometry g =
      ComputeTrueScaleGeometry(PageOrientation::Portrait, kA4, Plate(800, 800), 20);
  const PrintJob job = PlanTrueScalePrint(kA4, g, "/d/mur.umd", "date");
  ASSERT_EQ(job.pages.size(), 20u);
  EXPECT_EQ(job.title, "mur_echelle");
  EXPECT_DOUBLE_EQ(job.dotScale, 6.25);
  const int bar = 2362;  // 100 mm at 600 dpi
  for (size_t i = 0; i < job.pages.size(); ++i) {
    const PrintPage& page = job.pages[i];
    const int row = static_cast<int>(i) / g.columns;
    const int column = static_cast<int>(i) % g.columns;
    ASSERT_TRUE(page.dial.has_value());
    EXPECT_EQ(page.dial->target, g.area);
    EXPECT_EQ(page.dial->sourceX, g.WindowX(column));
    EXPECT_EQ(page.dial->sourceY, g.WindowY(row));
    EXPECT_EQ(page.texts[2].text, "mur.umd    " + std::to_string(i + 1) + "/20");
    EXPECT_EQ(page.texts[4].Composed(), "Feuille : ligne " + std::to_string(row + 1) + ", colonne " +
                                      std::to_string(column + 1) + " (4 × 5) — mur.umd");
    int bars = 0;
    for (const PrintLine& l : page.lines) {
      if (l.y1 == l.y2 && l.x2 - l.x1 == bar) ++bars;
    }
    EXPECT_EQ(bars, 1) << i;
    // 8 corner marks, 2 join marks per neighbour
    const int neighbours = (column > 0) + (column + 1 < g.columns) + (row > 0) + (row + 1 < g.rows);
    EXPECT_EQ(page.lines.size(), 8u + 2 * neighbours + 1 + 11) << i;
  }
}

}  // namespace
}  // namespace umbrix
