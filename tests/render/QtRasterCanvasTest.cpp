#include "render/QtRasterCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "RenderFixtures.h"
#include "render/DrawingFont.h"
#include "render/DrawingPalette.h"
#include "render/RasterDrawing.h"
#include "support/DialCatalogue.h"
#include "support/TempFolder.h"
#include "trace/CanvasRecording.h"
#include "trace/TraceDial.h"

namespace umbrix {
namespace {

using testing::ColoursOf;
using testing::InkBox;
using testing::IsColour;
using testing::RasterFrame;

class RasterTest : public ::testing::Test {
 protected:
  // Runs `draw` on a fresh white bitmap and returns it once the painter is done.
  template <typename Draw>
  QImage Drawn(Draw draw) {
    QImage image = NewDrawingImage(frame);
    {
      QtRasterCanvas canvas(image, frame);
      draw(canvas);
    }
    return image;
  }

  DrawingFrame frame = RasterFrame();
};

TEST(DrawingFont, ArialOrItsMetricTwinIsInstalled) {
  // Without any font Qt draws no text at all and says nothing.
  const QFontInfo info(DrawingFont());
  EXPECT_FALSE(info.family().isEmpty());
  EXPECT_TRUE(info.family() == "Arial" || info.family() == "Liberation Sans")
      << info.family().toStdString();
  EXPECT_EQ(info.pixelSize(), 12);
  EXPECT_GT(QFontMetrics(DrawingFont()).horizontalAdvance("22"), 0);
}

TEST(DrawingFont, MarginIsTheWidthOfTwentyTwoPlusSix) {
  // Arial's digits advance 7 pixels at 12 pixels: the program's usual margin of 20.
  EXPECT_EQ(MeasureMargin(), 20);
  EXPECT_EQ(MeasureMargin(), QFontMetrics(DrawingFont()).horizontalAdvance("22") + 6);
}

TEST_F(RasterTest, NewBitmapIsWhiteAtTheFramesSizeAndNinetySixDpi) {
  const QImage image = NewDrawingImage(frame);
  EXPECT_EQ(image.width(), 441);
  EXPECT_EQ(image.height(), 441);
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  EXPECT_EQ(image.dotsPerMeterX(), 3780);
  EXPECT_EQ(ColoursOf(image), (std::set<QRgb>{qRgb(255, 255, 255)}));
}

TEST_F(RasterTest, SegmentCoversEveryPixelUpToAndWithItsEnd) {
  const QImage image = Drawn([](Canvas& c) { c.DrawSegment(colours::Purple, {0, 0}, {10, 0}); });
  // (0, 0) is pixel (220, 220); 10 mm is 40 pixels.
  for (int x = 220; x <= 260; ++x) EXPECT_TRUE(IsColour(image, x, 220, colours::Purple)) << x;
  EXPECT_EQ(InkBox(image), QRect(QPoint(220, 220), QPoint(260, 220)));
}

TEST_F(RasterTest, DottedLineLeavesGapsButItsEndPixelIsSet) {
  for (const double end : {10.0, 10.25, 10.5, 10.75}) {
    const QImage image = Drawn([end](Canvas& c) {
      c.SetPenStyle(PenStyle::Dotted);
      c.DrawSegment(colours::Black, {0, 0}, {end, 0});
    });
    const int last = 220 + static_cast<int>(std::lround(end * 4));
    int inked = 0;
    for (int x = 220; x <= last; ++x) inked += IsColour(image, x, 220, colours::Black);
    EXPECT_TRUE(IsColour(image, last, 220, colours::Black)) << end;
    EXPECT_GT(inked, 5);
    EXPECT_LT(inked, last - 220 - 5) << "a dotted line has gaps";
  }
}

TEST_F(RasterTest, GnomonPenIsThreePixelsWide) {
  const QImage image = Drawn([](Canvas& c) {
    c.SetPenWidth(3);
    c.DrawSegment(colours::Green, {0, -10}, {0, 10});
  });
  for (const int x : {219, 220, 221}) EXPECT_TRUE(IsColour(image, x, 220, colours::Green)) << x;
  EXPECT_FALSE(IsColour(image, 218, 220, colours::Green));
  EXPECT_FALSE(IsColour(image, 222, 220, colours::Green));
}

TEST_F(RasterTest, PolylineEndsOnItsLastPixel) {
  const std::vector<PointMm> points = {{-10, -10}, {0, 5}, {7.5, 5}};
  const QImage image = Drawn([&](Canvas& c) { c.DrawPolyline(colours::Blue, points); });
  EXPECT_TRUE(IsColour(image, 250, 200, colours::Blue));
  EXPECT_TRUE(IsColour(image, 180, 260, colours::Blue));
  EXPECT_EQ(InkBox(image), QRect(QPoint(180, 200), QPoint(250, 260)));
}

TEST_F(RasterTest, MarkerIsACircleOnAFivePixelBoxWithAClearInside) {
  const QImage image = Drawn([](Canvas& c) { c.DrawMarker(colours::Black, {0, 0}); });
  EXPECT_EQ(InkBox(image), QRect(QPoint(218, 218), QPoint(222, 222)));
  for (const QPoint p : {QPoint(218, 220), QPoint(222, 220), QPoint(220, 218), QPoint(220, 222)})
    EXPECT_TRUE(IsColour(image, p.x(), p.y(), colours::Black)) << p.x() << "," << p.y();
  EXPECT_TRUE(IsColour(image, 220, 220, colours::White));
}

TEST_F(RasterTest, LabelIsCentredOnItsPixelWithAClearBackground) {
  LabelPlacement at;
  at.px = 100;
  at.py = 150;
  const QImage image = Drawn([&](Canvas& c) {
    c.FillSurface(colours::Silver);
    c.DrawLabel("22", at);
  });
  const QFontMetrics metrics(DrawingFont());
  const int w = metrics.horizontalAdvance("22");
  const int h = metrics.height();
  const QRect cell(at.px - (w + 1) / 2 + 1, at.py - (h + 1) / 2 + 1, w, h);
  const std::set<QRgb> colours = ColoursOf(image);
  EXPECT_EQ(colours, (std::set<QRgb>{ToQRgb(colours::Black), ToQRgb(colours::Silver)}));
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (IsColour(image, x, y, colours::Black)) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty()) << "no text drawn: is a font installed?";
  EXPECT_TRUE(cell.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                  << ink.height();
  EXPECT_LE(std::abs(ink.center().x() - at.px), 2);
  EXPECT_LE(std::abs(ink.center().y() - at.py), 2);
}

TEST_F(RasterTest, MeasuredTextIsTheFontsExtent) {
  QImage image = NewDrawingImage(frame);
  QtRasterCanvas canvas(image, frame);
  EXPECT_EQ(canvas.MeasureText("22").width, MeasureMargin() - 6);
  EXPECT_EQ(canvas.MeasureText("22").height, QFontMetrics(DrawingFont()).height());
  EXPECT_GT(canvas.MeasureText("10").height, 10);
  // the window's drawing measures in the font of the moment, whatever it measured before
  RasterDrawing drawing;
  drawing.SetScreenRatio(2);
  drawing.ResizeDrawing(441, 441);
  for (const bool desk : {false, true, false}) {
    drawing.UseDeskFont(desk);
    const QFontMetrics metrics(desk ? DeskDrawingFont() : DrawingFont());
    EXPECT_EQ(drawing.DrawOnBitmap(frame)->MeasureText("22").width, metrics.horizontalAdvance("22"))
        << desk;
  }
}

TEST_F(RasterTest, SurfaceFillCoversPlateAndMargin) {
  const QImage image = Drawn([](Canvas& c) {
    c.DrawSegment(colours::Black, {0, 0}, {10, 10});
    c.FillSurface(colours::Grey);
  });
  EXPECT_EQ(ColoursOf(image), (std::set<QRgb>{ToQRgb(colours::Grey)}));
}

TEST_F(RasterTest, ShadowPolygonIsFilledAndItsQuadsIgnored) {
  const std::vector<PointMm> shadow = {{0, 0}, {20, 0}, {20, 10}, {0, 10}};
  const QImage quads = Drawn([&](Canvas& c) { c.DrawFilledQuads(colours::LightGrey, shadow); });
  EXPECT_TRUE(InkBox(quads).isEmpty());
  const QImage image = Drawn([&](Canvas& c) { c.DrawFilledPolygon(colours::LightGrey, shadow); });
  EXPECT_TRUE(IsColour(image, 240, 200, colours::LightGrey));
  EXPECT_EQ(InkBox(image), QRect(QPoint(220, 180), QPoint(300, 220)));
}

TEST_F(RasterTest, NothingButPaletteColoursWhateverIsDrawn) {
  const QImage image = Drawn([](Canvas& c) {
    c.DrawSegment(colours::Red, {-40, -33}, {41, 17});
    c.SetPenWidth(3);
    c.DrawSegment(colours::Green, {-40, 30}, {37, -12});
    c.SetPenWidth(0);
    c.DrawMarker(colours::Black, {3.3, 4.4});
    const std::vector<PointMm> shadow = {{-20, -20}, {13, -7}, {-4, 19}};
    c.DrawFilledPolygon(colours::LightGrey, shadow);
    LabelPlacement at;
    at.px = 300;
    at.py = 100;
    c.DrawLabel("17", at);
  });
  const QList<QRgb> palette = DrawingColourTable();
  for (const QRgb colour : ColoursOf(image))
    EXPECT_TRUE(palette.contains(colour)) << std::hex << colour << ": antialiased?";
}

// ---------------------------------------------------------------- a borrowed painter, scaled dots

/// `draw` through a painter on a white image of `size` pixels, each dot `dotScale` pixels.
template <typename Draw>
QImage DrawnScaled(const DrawingFrame& frame, QSize size, double dotScale, Draw draw) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  {
    QtRasterCanvas canvas(painter, frame, dotScale);
    draw(canvas);
  }
  painter.end();
  return image;
}

TEST(ScaledCanvas, LinesAreAsWideAsTheDotAndEndFlatAtTheirEnds) {
  const DrawingFrame frame = RasterFrame();
  const QImage image = DrawnScaled(frame, QSize(441, 441), 4, [](Canvas& c) {
    c.DrawSegment(colours::Black, {-20, 0}, {20, 0});
  });
  const int left = frame.ToPixelX(-20);  // 140
  const int right = frame.ToPixelX(20);  // 300
  const int row = frame.ToPixelY(0);     // 220
  const QRect ink = InkBox(image);
  EXPECT_EQ(ink.left(), left);
  EXPECT_EQ(ink.right(), right - 1);  // no cap beyond the end, no end pixel added
  EXPECT_EQ(ink.height(), 4);
  EXPECT_TRUE(ink.contains(left + 10, row));
}

TEST(ScaledCanvas, TheFillCoversTheFrameNotTheWholeDevice) {
  const DrawingFrame frame = RasterFrame();
  const QImage image =
      DrawnScaled(frame, QSize(600, 600), 2, [](Canvas& c) { c.FillSurface(colours::Grey); });
  EXPECT_TRUE(IsColour(image, 440, 440, colours::Grey));
  EXPECT_TRUE(IsColour(image, 441, 100, colours::White));
  EXPECT_TRUE(IsColour(image, 100, 441, colours::White));
}

TEST(ScaledCanvas, MarkersAndLabelsGrowWithTheDot) {
  const DrawingFrame frame = RasterFrame();
  const auto marker = [](Canvas& c) { c.DrawMarker(colours::Black, {0, 0}); };
  const QRect one = InkBox(DrawnScaled(frame, QSize(441, 441), 1, marker));
  const QRect five = InkBox(DrawnScaled(frame, QSize(441, 441), 5, marker));
  EXPECT_NEAR(five.width(), 5 * one.width(), 5);
  const auto label = [&](Canvas& c) {
    c.DrawLabel("12", PlaceLabel(frame, {0, 0}, 1, 0));
    EXPECT_GT(c.MeasureText("12").height, 3 * 12);
  };
  const QRect text = InkBox(DrawnScaled(frame, QSize(441, 441), 4, label));
  EXPECT_GT(text.height(), 20);
}

// ---------------------------------------------------------------- the smooth screen image

/// The non-white device pixels along row `at` (`column` false) or column `at` (true) of
/// `image`: their number, the first one's index and the darkest grey.
struct Crossing {
  int count = 0;
  int first = -1;
  int darkest = 255;
};
Crossing Cross(const QImage& image, int at, bool column) {
  Crossing c;
  const int n = column ? image.height() : image.width();
  for (int i = 0; i < n; ++i) {
    const int grey = qGray(column ? image.pixel(at, i) : image.pixel(i, at));
    if (grey == 255) continue;
    if (c.count++ == 0) c.first = i;
    c.darkest = std::min(c.darkest, grey);
  }
  return c;
}

TEST(SmoothCanvas, OnePixelLinesAreOneDevicePixelWideInTheirPixelAtEveryRatio) {
  const DrawingFrame frame = RasterFrame();
  for (const double ratio : {1.0, 2.0, 3.0}) {
    QImage image = NewScreenImage(frame, ratio);
    const int r = static_cast<int>(ratio);
    ASSERT_EQ(image.size(), QSize(r * frame.widthPx, r * frame.heightPx));
    {
      QtRasterCanvas canvas(image, frame, DrawingFont(), QtRasterCanvas::Smooth{});
      canvas.DrawSegment(colours::Black, {-40, 10}, {-10, 10});  // horizontal
      canvas.DrawSegment(colours::Black, {10, -40}, {10, -10});  // vertical
    }
    const struct {
      int at;       // the device column or row crossed
      bool column;  // crossing a column (the horizontal line) or a row
      int pixel;    // the frame pixel the line runs through
    } rows[] = {{r * frame.ToPixelX(-25), true, frame.ToPixelY(10)},
                {r * frame.ToPixelY(-25), false, frame.ToPixelX(10)}};
    for (const auto& row : rows) {
      const Crossing c = Cross(image, row.at, row.column);
      EXPECT_EQ(c.count, 1) << ratio;
      EXPECT_LT(c.darkest, 16) << ratio;  // black, not smeared grey
      EXPECT_GE(c.first, r * row.pixel) << ratio;
      EXPECT_LT(c.first, r * row.pixel + r) << ratio;
    }
    // from far beyond the frame to far beyond it (its ends saturate): on every row, in its pixel
    QImage beyond = NewScreenImage(frame, ratio);
    {
      QtRasterCanvas canvas(beyond, frame, DrawingFont(), QtRasterCanvas::Smooth{});
      canvas.DrawSegment(colours::Black, {-20, -1e12}, {-20, 1e12});
    }
    for (const int row : {0, beyond.height() - 1}) {
      const Crossing c = Cross(beyond, row, false);
      EXPECT_EQ(c.count, 1) << ratio;
      EXPECT_EQ(c.first / r, frame.ToPixelX(-20)) << ratio;
    }
  }
}

TEST(SmoothCanvas, TheWindowsDrawingKeepsTheBitmapAndAddsTheScreenImage) {
  RasterDrawing drawing;
  drawing.SetScreenRatio(2);
  drawing.ResizeDrawing(441, 441);
  const DrawingFrame frame = RasterFrame();
  {
    const auto canvas = drawing.DrawOnBitmap(frame);
    canvas->FillSurface(colours::White);
    canvas->DrawSegment(colours::Black, {-40, 10}, {-10, 10});
    canvas->DrawLabel("12", PlaceLabel(frame, {0, 0}, 1, 0));
  }
  drawing.DrawOuterFrame(colours::Red);
  // the bitmap as before: its size, its palette, its one-pixel line
  const QImage& bitmap = drawing.Bitmap();
  EXPECT_EQ(bitmap.size(), QSize(441, 441));
  const QList<QRgb> palette = DrawingColourTable();
  for (const QRgb colour : ColoursOf(bitmap)) EXPECT_TRUE(palette.contains(colour)) << colour;
  EXPECT_EQ(Cross(bitmap, frame.ToPixelX(-25), true).count, 3);  // with the red frame's two
  // the screen: twice the pixels, the line one device pixel, smooth text, the red ring outermost
  const QImage& screen = drawing.ScreenImage();
  EXPECT_EQ(screen.size(), QSize(882, 882));
  EXPECT_EQ(Cross(screen, 2 * frame.ToPixelX(-25), true).count, 3);
  const auto colours = ColoursOf(screen);
  EXPECT_TRUE(std::any_of(colours.begin(), colours.end(),
                          [&](QRgb c) { return !palette.contains(c); }))
      << "no grey at the glyphs' edges";
  EXPECT_TRUE(IsColour(screen, 881, 881, colours::Red));
  EXPECT_TRUE(IsColour(screen, 1, 1, colours::White));
  // saved: a PNG is the smooth screen picture, any other name the 16-colour bitmap
  testing::TempFolder folder;
  for (const char* name : {"vue.png", "VUE.PNG", "vue.bmp"}) {
    const auto path = folder.Path() / name;
    ASSERT_EQ(drawing.SaveDrawing(path), std::nullopt) << name;
    const QImage saved(QString::fromStdString(path.string()));
    const bool smooth = path.extension() != ".bmp";
    EXPECT_EQ(saved.size(), smooth ? QSize(882, 882) : QSize(441, 441)) << name;
    EXPECT_EQ(saved.colorCount(), smooth ? 0 : 16) << name;
    EXPECT_TRUE(IsColour(saved, saved.width() - 1, 0, colours::Red)) << name;
  }
  // without a ratio the window shows the bitmap itself
  drawing.SetScreenRatio(0);
  EXPECT_EQ(&drawing.ScreenImage(), &drawing.Bitmap());
}

/// The largest difference of one channel of one pixel between two images of the same size.
int MostApart(const QImage& a, const QImage& b) {
  int most = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                       std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return most;
}

// The screen image is painted in two bands at once, split where the last drawing balanced
// them: whatever the split, every pixel is the one the whole image would get, but for Qt's
// smooth fills, whose edges may come out a grey level or two apart.
TEST(SmoothCanvas, APicturePaintedInBandsIsThePicturePaintedWhole) {
  const DialProject busiest = testing::BusiestDial();
  const DrawingFrame frame = testing::FittedFrame(busiest, 300, MeasureMargin());
  const QFont font = DrawingFont();
  CanvasRecording calls([metrics = QFontMetrics(font)](std::string_view text) {
    return TextExtentIn(metrics, text);
  });
  {
    Report report;
    const DirectTraceResult set = TraceFromOrientation(busiest, report);
    TraceDial(busiest, set.orientation, set.hourLimits.limits, frame, calls, {}, report);
    calls.SetPenWidth(3);  // a wide pen, through Qt's stroker
    calls.DrawSegment(colours::Blue, {-1000, 10}, {1000, -10});
    calls.SetPenWidth(0);
    for (const PenStyle style : {PenStyle::Dotted, PenStyle::Dashed, PenStyle::DashDot}) {
      calls.SetPenStyle(style);
      const double x = 10.0 * static_cast<int>(style);
      const PointMm bent[] = {{x, -1000}, {x + 7, 3}, {-x, 1000}};
      calls.DrawPolyline(colours::Red, bent);
    }
  }
  for (const double ratio : {1.0, 1.5, 2.0}) {
    QImage whole = NewScreenImage(frame, ratio);
    whole.setDevicePixelRatio(1);
    const auto paint = [&](QImage& image, int top, int bottom) {
      QImage band(image.bits() + top * image.bytesPerLine(), image.width(), bottom - top,
                  image.bytesPerLine(), image.format());
      QtRasterCanvas canvas(band, frame, font, QtRasterCanvas::Smooth{ratio, top});
      calls.Replay(canvas);
    };
    paint(whole, 0, whole.height());
    const int rows = whole.height();
    for (const int split : {1, 7, rows / 2, rows / 2 + 1, rows - 1}) {
      QImage parts = NewScreenImage(frame, ratio);
      parts.setDevicePixelRatio(1);
      paint(parts, split, rows);
      paint(parts, 0, split);
      EXPECT_LE(MostApart(parts, whole), 2) << ratio << " split at " << split;
    }
    // the window's drawing, twice: its split moves from the middle to where the halves balance
    RasterDrawing drawing;
    drawing.SetScreenRatio(ratio);
    drawing.ResizeDrawing(frame.widthPx, frame.heightPx);
    for (int time = 0; time < 2; ++time) {
      calls.Replay(*drawing.DrawOnBitmap(frame));
      EXPECT_LE(MostApart(drawing.ScreenImage(), whole), 2) << ratio << " drawing " << time;
    }
  }
}

// The window's drawing reaches the bitmap only when it is read: read after any sequence of
// drawings and frames, the bitmap is the one drawn at once without a screen image.
TEST(SmoothCanvas, TheBitmapReadLaterIsTheOneDrawnAtOnce) {
  enum class Step { Busiest, Other, Line, RedFrame, BlackFrame, Read };
  const DialProject busiest = testing::BusiestDial();
  const DialProject other = testing::DialCatalogue().front().project;
  const DrawingFrame fitted = testing::FittedFrame(busiest, 600, MeasureMargin());
  const auto draw = [&](RasterDrawing& drawing, Step step) {
    DrawingFrame frame = fitted;
    frame.plate = (step == Step::Other ? other : busiest).Plate;
    frame.ComputeScale();
    if (step == Step::RedFrame || step == Step::BlackFrame) {
      drawing.DrawOuterFrame(step == Step::RedFrame ? colours::Red : colours::Black);
    } else if (step == Step::Read) {
      drawing.Bitmap();
    } else if (step == Step::Line) {
      // no fill, a wide pen, across the whole bitmap and its frame
      const auto canvas = drawing.DrawOnBitmap(frame);
      canvas->SetPenWidth(3);
      canvas->DrawSegment(colours::Blue, {-1000, 10}, {1000, -10});
    } else {
      const DialProject& p = step == Step::Other ? other : busiest;
      Report report;
      const DirectTraceResult set = TraceFromOrientation(p, report);
      const auto canvas = drawing.DrawOnBitmap(frame);
      TraceDial(p, set.orientation, set.hourLimits.limits, frame, *canvas, {}, report);
    }
  };
  using enum Step;
  const std::vector<std::vector<Step>> rows = {
      {Busiest},
      {Busiest, RedFrame, Line},
      {Busiest, Line, RedFrame, Read, Other, Line, BlackFrame},
      {RedFrame, Other, Line, Line, Busiest, Line},
  };
  for (std::size_t r = 0; r < rows.size(); ++r) {
    RasterDrawing later;
    later.SetScreenRatio(2);
    RasterDrawing atOnce;
    for (RasterDrawing* drawing : {&later, &atOnce}) {
      drawing->ResizeDrawing(fitted.widthPx, fitted.heightPx);
      for (const Step step : rows[r]) draw(*drawing, step);
    }
    ASSERT_EQ(later.Bitmap(), atOnce.Bitmap()) << "row " << r;
    // read again with no drawing between: not drawn again
    const qint64 drawn = later.Bitmap().cacheKey();
    EXPECT_EQ(later.Bitmap().cacheKey(), drawn) << "row " << r;
  }
}

}  // namespace
}  // namespace umbrix
