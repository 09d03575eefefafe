#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "trace/DrawingFrame.h"
#include "trace/TraceFixtures.h"

namespace umbrix {
namespace {

using testing::Given;

constexpr int kM = kDefaultMarginPx;

TEST(FitDrawingSize, SquarePlateOfHundredMillimetresGetsThreePixelsPerMillimetre) {
  DialProject p;
  p.Cote = Given(100);
  // W = 400 and H = 300 pixels of room once the margins and 9 pixels are taken off.
  const FitResult r = FitDrawingSize(p, kM, 400 + 2 * kM + 9, 300 + 2 * kM + 9);
  ASSERT_TRUE(r.resized);
  EXPECT_EQ(r.widthPx, 300 + 2 * kM + 1);
  EXPECT_EQ(r.heightPx, 300 + 2 * kM + 1);
}

TEST(FitDrawingSize, RectangleWaitsForBothSides) {
  DialProject p;
  p.Rectg = true;
  p.Coteh = Given(60);
  p.Plate = {-50, 50, -30, 30};  // width still the start-up 100 mm
  EXPECT_FALSE(FitDrawingSize(p, kM, 800, 600).resized);
  p.Cotel = Given(100);
  const FitResult r = FitDrawingSize(p, kM, 400 + 2 * kM + 9, 600);
  ASSERT_TRUE(r.resized);
  EXPECT_EQ(r.widthPx, 400 + 2 * kM + 1);  // k = min(H/60, 4) = 4
  EXPECT_EQ(r.heightPx, 240 + 2 * kM + 1);
}

TEST(FitDrawingSize, CrushedWindowStillGivesAFiniteScale) {
  DialProject p;
  const FitResult r = FitDrawingSize(p, kM, 10, 10);
  ASSERT_TRUE(r.resized);
  DrawingFrame f;
  f.widthPx = r.widthPx;
  f.heightPx = r.heightPx;
  f.ComputeScale();
  EXPECT_GT(f.MmPerPixelX, 0);
  EXPECT_TRUE(std::isfinite(f.MmPerPixelX));
  EXPECT_TRUE(std::isfinite(f.MmPerPixelY));
}

TEST(DrawingFrame, PlateBoundsMapToTheRowsAndColumnsInsideTheMargin) {
  const DrawingFrame f = testing::FrameFor({-50, 50, -50, 50});
  EXPECT_EQ(f.widthPx, 341);
  EXPECT_DOUBLE_EQ(f.MmPerPixelX, 100.0 / 300);
  EXPECT_EQ(f.ToPixelY(-50), f.heightPx - 1 - kM);
  EXPECT_EQ(f.ToPixelY(50), kM);
  EXPECT_EQ(f.ToPixelX(-50), kM);
  EXPECT_EQ(f.ToPixelX(50), f.widthPx - 1 - kM);
  EXPECT_EQ(f.ToPixelX(0), kM + 150);
  EXPECT_EQ(f.ToPixelY(0), f.heightPx - 1 - kM - 150);
}

TEST(DrawingFrame, PixelRoundingTiesGoToEven) {
  DrawingFrame f = testing::FrameFor({-50, 50, -50, 50}, 1);  // one millimetre per pixel
  ASSERT_DOUBLE_EQ(f.MmPerPixelX, 1.0);
  const struct {
    double x;
    int column;
  } cases[] = {{-49.5, kM + 0}, {-48.5, kM + 2}, {-47.5, kM + 2}, {-47.4, kM + 3}, {-47.6, kM + 2}};
  for (const auto& c : cases) EXPECT_EQ(f.ToPixelX(c.x), c.column) << c.x;
}

// A mark of 1e300 mm, or a plate of 1e-300 mm, overflowed the int conversions (undefined
// behaviour); far points now stop at the limit, off any bitmap.
TEST(DrawingFrame, PixelConversionsSaturateInsteadOfOverflowing) {
  const DrawingFrame f = testing::FrameFor({-50, 50, -50, 50});
  const int bottom = f.heightPx - 1 - kM;
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double mm;
    int column;
    int row;
  } cases[] = {
      {1e300, kM + kPixelLimit, bottom - kPixelLimit},
      {-1e300, kM - kPixelLimit, bottom + kPixelLimit},
      {inf, kM + kPixelLimit, bottom - kPixelLimit},
      {-inf, kM - kPixelLimit, bottom + kPixelLimit},
      {nan, kM - kPixelLimit, bottom + kPixelLimit},
      // the last millimetres before the limit still convert exactly
      {-50 + kPixelLimit / 3.0, kM + kPixelLimit, bottom - kPixelLimit},
      {-50 + (kPixelLimit - 3) / 3.0, kM + kPixelLimit - 3, bottom - kPixelLimit + 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(f.ToPixelX(c.mm), c.column) << c.mm;
    EXPECT_EQ(f.ToPixelY(c.mm), c.row) << c.mm;
  }
  // a plate of 1e-300 mm: every millimetre away from it is far beyond the limit
  DrawingFrame tiny = testing::FrameFor({-5e-301, 5e-301, -5e-301, 5e-301});
  tiny.widthPx = tiny.heightPx = 341;
  tiny.ComputeScale();
  EXPECT_EQ(tiny.ToPixelX(100), kM + kPixelLimit);
  EXPECT_EQ(tiny.ToPixelX(0), kM + 150);
}

TEST(FitDrawingSize, PlatesOfAbsurdSizesStillGetABitmapOfTheRoom) {
  for (const double side : {1e-300, 1e300}) {
    DialProject p;
    p.Cote = Given(side);
    p.Plate = {-side / 2, side / 2, -side / 2, side / 2};
    const FitResult r = FitDrawingSize(p, kM, 400 + 2 * kM + 9, 300 + 2 * kM + 9);
    ASSERT_TRUE(r.resized) << side;
    EXPECT_EQ(r.widthPx, 300 + 2 * kM + 1) << side;
  }
}

TEST(FormatPoint, PlateEdgesPrintAsLAndMinusL) {
  const PlateWindow w{-50, 50, -40, 40};
  const struct {
    PointMm p;
    const char* text;
  } cases[] = {
      {{50, -40}, "(L, -L)"},         {{-50, 40}, "(-L, L)"},      {{12.25, -3}, "(12.2, -3)"},
      {{49.99, 0}, "(50, 0)"},        {{-0.04, 39.96}, "(0, 40)"}, {{40, 50}, "(40, 50)"},
      {{-12.75, 7.05}, "(-12.8, 7)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatPoint(c.p, w), c.text);
}

TEST(PlaceLabel, LabelClearOfTheEdgesIsCentredHalfAMarginBeyondTheEnd) {
  const DrawingFrame f = testing::FrameFor({-50, 50, -50, 50});
  const double h = kM * f.MmPerPixelX / 2;  // 3.33 mm
  const LabelPlacement at = PlaceLabel(f, {10, 5}, 3, 4);
  EXPECT_TRUE(at.inPlate);
  EXPECT_DOUBLE_EQ(at.mm.x, 10 + h * 0.6);
  EXPECT_DOUBLE_EQ(at.mm.y, 5 + h * 0.8);
  EXPECT_EQ(at.px, f.ToPixelX(at.mm.x));
  EXPECT_EQ(at.py, f.ToPixelY(at.mm.y));
}

TEST(PlaceLabel, LabelNearAnEdgeGoesIntoTheMargin) {
  const DrawingFrame f = testing::FrameFor({-50, 50, -50, 50});
  const double h = kM * f.MmPerPixelX / 2;
  const int half = kM / 2;
  const struct {
    PointMm end;
    double dx, dy;
    int px, py;  // -1: the anchor's own column or row
    PointMm mm;
  } cases[] = {
      {{50, 10}, 1, 0, f.widthPx - half - 1, -1, {50 + h, 10}},      // right
      {{-50, -20}, -1, 0, half, -1, {-50 - h, -20}},                 // left
      {{5, 50}, 0, 1, -1, half, {5, 50 + h}},                        // top
      {{-7, -50}, 0, -1, -1, f.heightPx - half - 1, {-7, -50 - h}},  // bottom
      {{48, 0}, 0, 1, f.widthPx - half - 1, -1, {50 + h, h}},        // anchor within h of the edge
  };
  for (const auto& c : cases) {
    const LabelPlacement at = PlaceLabel(f, c.end, c.dx, c.dy);
    EXPECT_FALSE(at.inPlate) << c.end.x << ", " << c.end.y;
    EXPECT_EQ(at.px, c.px >= 0 ? c.px : f.ToPixelX(c.mm.x));
    EXPECT_EQ(at.py, c.py >= 0 ? c.py : f.ToPixelY(c.mm.y));
    EXPECT_DOUBLE_EQ(at.mm.x, c.mm.x);
    EXPECT_DOUBLE_EQ(at.mm.y, c.mm.y);
  }
}

}  // namespace
}  // namespace umbrix
