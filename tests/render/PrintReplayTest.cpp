// The worked example printed to PDF in every layout through the same commands as the window,
// read back with poppler's tools: page count and orientation, where the drawing lands, and for
// the true-scale print the hour lines' ends and the scale bar measured on the rendered pages.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/FakePlatform.h"
#include "app/PrintCommands.h"
#include "app/Session.h"
#include "app/SessionFixtures.h"
#include "render/PrintReplay.h"
#include "render/RasterDrawing.h"
#include "support/FileCopy.h"
#include "support/PdfTools.h"
#include "support/TempFolder.h"
#include "trace/TraceDial.h"

namespace umbrix {
namespace {

constexpr double kMmPerInch = 25.4;

struct Surface {
  RasterDrawing drawing;
  Surface() { drawing.SetRoom({449, 449}); }
};

/// The worked example open in a session whose drawing is a real bitmap, printed to PDF.
struct PrintedExample : Surface {
  testing::FakePlatform fake;
  Session session{Ports{fake, fake, drawing, fake}};
  PdfPrinter printer{drawing.Bitmap(), Paper::A4};
  PrintCommands commands{session, fake, printer, drawing, fake};
  testing::TempFolder folder;

  PrintedExample() {
    session.Start({});
    // a copy: the session holds its project open, and other tests open the example too
    const bool opened = session.OpenProject(
        testing::CopyInto(folder.Path(), std::filesystem::path(UMBRIX_SOURCE_DIR) / "examples" /
                                             "mur-declinant-ouest.umd")
            .string());
    EXPECT_TRUE(opened);
    EXPECT_TRUE(session.State().DrawingExists);
  }

  std::filesystem::path Print(PrintLayout layout) {
    const PrintOutcome outcome =
        layout == PrintLayout::Report ? commands.PrintReport() : commands.PrintDrawing(layout);
    EXPECT_EQ(outcome, PrintOutcome::Printed);
    const std::filesystem::path pdf = folder.Path() / "print.pdf";
    std::ofstream(pdf, std::ios::binary) << printer.Document();
    return pdf;
  }
};

/// The smallest rectangle (page pixels) holding every dark pixel of `p` inside `within`.
DeviceRect DarkBox(const testing::GreyPicture& p, DeviceRect within) {
  int left = p.width, top = p.height, right = -1, bottom = -1;
  for (int y = std::max(within.y, 0); y < std::min(within.y + within.height, p.height); ++y) {
    for (int x = std::max(within.x, 0); x < std::min(within.x + within.width, p.width); ++x) {
      if (p.At(x, y) >= 128) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

TEST(PdfPrint, EveryLayoutOfTheWorkedExampleLandsWhereItsPlanSays) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  const struct {
    PrintLayout layout;
    size_t pages;
  } rows[] = {{PrintLayout::Report, 2},
              {PrintLayout::Half, 1},
              {PrintLayout::Full, 1},
              {PrintLayout::TwoSheets, 2},
              {PrintLayout::FourSheets, 4}};
  constexpr int kDpi = 100;
  for (const auto& r : rows) {
    PrintedExample ex;
    const auto pdf = ex.Print(r.layout);
    const auto sizes = testing::PdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), r.pages) << JobTitle(r.layout, "x");
    for (const auto& s : sizes) {
      // the 800 mm square prints on portrait A4 in every layout
      EXPECT_NEAR(s.width, 595.3, 0.5);
      EXPECT_NEAR(s.height, 841.9, 0.5);
    }
    // where the plan puts the first sheet's bitmap, in pixels of the rendered page
    const PageMetrics m = ex.printer.Measure(PageOrientation::Portrait);
    DeviceRect target;
    if (r.layout == PrintLayout::Report) {
      const int listing = 61;  // only to find the drawing's place: it does not depend on it
      target = ComputeReportGeometry(m, ex.session.Project().Plate, ex.drawing.DrawingMarginPx(),
                                     listing, 0, 0, true)
                   .bitmapTarget;
    } else {
      const GraphicGeometry g = ComputeGraphicGeometry(r.layout, m, ex.session.Project().Plate,
                                                       ex.drawing.DrawingMarginPx());
      target = {g.x0, g.y0, g.magnification * g.pieces[0].width,
                g.magnification * g.pieces[0].height};
    }
    const double scale = static_cast<double>(kDpi) / kPdfDotsPerInch;
    const double border = kPdfBorderMm / kMmPerInch * kDpi;
    const DeviceRect expected{static_cast<int>(std::lround(border + target.x * scale)),
                              static_cast<int>(std::lround(border + target.y * scale)),
                              static_cast<int>(std::lround(target.width * scale)),
                              static_cast<int>(std::lround(target.height * scale))};
    const auto page = testing::RenderPdfPage(pdf, 1, kDpi, ex.folder.Path());
    // the bitmap's black frame is its outermost ring: the dark box near the target is the piece
    const int slack = 20;
    const int headerBottom = static_cast<int>(border + 3.2 * m.lineHeight * scale);
    DeviceRect search{expected.x - slack, std::max(expected.y - slack, headerBottom),
                      expected.width + 2 * slack, expected.height + 2 * slack};
    const DeviceRect found = DarkBox(page, search);
    EXPECT_NEAR(found.x, expected.x, 2) << JobTitle(r.layout, "x");
    EXPECT_NEAR(found.y, expected.y, 2) << JobTitle(r.layout, "x");
    if (r.layout != PrintLayout::TwoSheets && r.layout != PrintLayout::FourSheets) {
      // a piece that runs off the page's printable area is cut there
      EXPECT_NEAR(found.width, expected.width, 2) << JobTitle(r.layout, "x");
      EXPECT_NEAR(found.height, expected.height, 2) << JobTitle(r.layout, "x");
    }
    // the 16-colour bitmap is kept pixel for pixel, never as a JPEG
    const std::string images = testing::CommandOutput("pdfimages -list '" + pdf.string() + "'");
    EXPECT_NE(images.find(" image "), std::string::npos) << images;
    EXPECT_EQ(images.find("jpeg"), std::string::npos) << images;
    // the last page's header counts the pages
    const std::string n = std::to_string(r.pages);
    const std::string last =
        testing::CommandOutput("pdftotext -f " + n + " -l " + n + " '" + pdf.string() + "' -");
    EXPECT_NE(last.find(n + "/" + n), std::string::npos) << last;
    EXPECT_NE(last.find("Tracé par le logiciel Umbrix Z3uviv12"), std::string::npos);
  }
}

TEST(PdfPrint, AWidePlateTakesLandscapeSheetsOnlyBelowHalfItsWidth) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  const struct {
    const char* width;
    const char* height;
    PrintLayout layout;
    bool landscape;
    size_t pages;
  } rows[] = {{"400", "199", PrintLayout::TwoSheets, true, 2},
              {"400", "200", PrintLayout::TwoSheets, false, 2},
              {"400", "300", PrintLayout::FourSheets, true, 4},
              {"300", "400", PrintLayout::Full, false, 1},
              {"400", "300", PrintLayout::Full, true, 1},
              {"300", "400", PrintLayout::Half, true, 1}};
  for (const auto& r : rows) {
    PrintedExample ex;
    Form& f = ex.session.Dialog();
    f.SetChecked(Check::Rectg, true);
    f.Enter(Field::Cotel, r.width);
    f.Enter(Field::Coteh, r.height);
    ASSERT_TRUE(ex.session.StartComputation(RunMode::Compute));
    const auto sizes = testing::PdfPageSizes(ex.Print(r.layout));
    ASSERT_EQ(sizes.size(), r.pages) << r.width << " x " << r.height;
    for (const auto& s : sizes)
      EXPECT_EQ(s.width > s.height, r.landscape) << r.width << " x " << r.height;
  }
}

/// Where a plate point (mm) lands on the rendered sheet at `row`, `column`: millimetres from the
/// page's top left corner, from the sheet's window and true millimetres alone.
struct PagePoint {
  double x = 0;
  double y = 0;
};
PagePoint OnSheet(const TrueScaleGeometry& g, int row, int column, PointMm p) {
  const double mmPerPx = g.frame.MmPerPixelX;
  const double plateLeft =
      kPdfBorderMm + (g.area.x - g.WindowX(column) + g.frame.marginPx) * mmPerPx;
  const double plateTop = kPdfBorderMm + (g.area.y - g.WindowY(row) + g.frame.marginPx) * mmPerPx;
  return {plateLeft + (p.x - g.frame.plate.XMin), plateTop + (g.frame.plate.YMax - p.y)};
}

/// The darkest pixel within `radiusMm` of a page point.
int Darkest(const testing::GreyPicture& crop, double originXmm, double originYmm, PagePoint at,
            double radiusMm, int dpi) {
  const double px = dpi / kMmPerInch;
  const double cx = (at.x - originXmm) * px;
  const double cy = (at.y - originYmm) * px;
  const double r = radiusMm * px;
  int darkest = 255;
  for (int y = static_cast<int>(cy - r) - 1; y <= static_cast<int>(cy + r) + 1; ++y) {
    for (int x = static_cast<int>(cx - r) - 1; x <= static_cast<int>(cx + r) + 1; ++x) {
      // pixel centres within the radius
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) darkest = std::min(darkest, crop.At(x, y));
    }
  }
  return darkest;
}

TEST(PdfPrint, TrueScaleHourLinesEndWhereTheReportSaysAndTheBarMeasuresTenCentimetres) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  PrintedExample ex;
  const auto pdf = ex.Print(PrintLayout::TrueScale);
  const PageMetrics m = ex.printer.Measure(PageOrientation::Portrait);
  const PlateWindow plate = ex.session.Project().Plate;
  ASSERT_EQ(plate.XMax - plate.XMin, 800);
  const TrueScaleGeometry g =
      ComputeTrueScaleGeometry(PageOrientation::Portrait, m, plate, ex.drawing.DrawingMarginPx());
  const auto sizes = testing::PdfPageSizes(pdf);
  ASSERT_EQ(sizes.size(), static_cast<size_t>(g.Sheets()));
  ASSERT_EQ(g.Sheets(), 20);

  // the hour lines the report lists, each end looked for on every sheet that shows it
  Report unused;
  NullCanvas none;
  const TraceResult traced = TraceDial(ex.session.Project(), ex.session.PlateOrientation(),
                                       ex.session.Limits(), g.frame, none, TraceOptions{}, unused);
  ASSERT_GT(traced.hourLines.size(), 10u);
  constexpr int kDpi = 600;
  const double mmPerPx = g.frame.MmPerPixelX;
  const double inset = 2.0;
  const double areaLeft = kPdfBorderMm + g.area.x * mmPerPx + inset;
  const double areaTop = kPdfBorderMm + g.area.y * mmPerPx + inset;
  const double areaRight = kPdfBorderMm + (g.area.x + g.area.width) * mmPerPx - inset;
  const double areaBottom = kPdfBorderMm + (g.area.y + g.area.height) * mmPerPx - inset;
  int checked = 0;
  for (const HourLineEnds& line : traced.hourLines) {
    EXPECT_NE(ex.session.ReportPane().find("jusqu'à " + FormatPoint(line.end, plate)),
              std::string::npos)
        << FormatPoint(line.end, plate);
    const double dx = line.end.x - line.start.x;
    const double dy = line.end.y - line.start.y;
    const double length = std::hypot(dx, dy);
    if (length < 5) continue;
    const PointMm along{dx / length, dy / length};
    for (int row = 0; row < g.rows; ++row) {
      for (int column = 0; column < g.columns; ++column) {
        const PagePoint end = OnSheet(g, row, column, line.end);
        if (end.x < areaLeft || end.x > areaRight || end.y < areaTop || end.y > areaBottom) {
          continue;
        }
        // a 4 mm square around the end, rendered at 600 dpi
        const double x0 = end.x - 2, y0 = end.y - 2;
        const int px = static_cast<int>(std::floor(x0 / kMmPerInch * kDpi));
        const int py = static_cast<int>(std::floor(y0 / kMmPerInch * kDpi));
        const int side = static_cast<int>(4 / kMmPerInch * kDpi);
        const auto crop = testing::RenderPdfPage(pdf, row * g.columns + column + 1, kDpi,
                                                 ex.folder.Path(), px, py, side, side);
        const double ox = px * kMmPerInch / kDpi, oy = py * kMmPerInch / kDpi;
        const std::string where = FormatPoint(line.end, plate) + " on sheet " +
                                  std::to_string(row + 1) + "," + std::to_string(column + 1);
        // the line reaches within 0.2 mm of its end, runs back toward its start, and stops
        EXPECT_LT(Darkest(crop, ox, oy, end, 0.2, kDpi), 128) << where;
        // (subdivisions are dotted: a millimetre back may fall in a gap)
        if (line.hours == std::floor(line.hours)) {
          const PointMm back{line.end.x - along.x, line.end.y - along.y};
          EXPECT_LT(Darkest(crop, ox, oy, OnSheet(g, row, column, back), 0.2, kDpi), 128) << where;
        }
        if (std::abs(line.end.x) < 399.95 && std::abs(line.end.y) < 399.95) {
          const PointMm beyond{line.end.x + 0.6 * along.x, line.end.y + 0.6 * along.y};
          EXPECT_GT(Darkest(crop, ox, oy, OnSheet(g, row, column, beyond), 0.1, kDpi), 200)
              << where;
        }
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 10);

  // the scale bar of the first sheet, measured along its lower half
  const PrintJob job = PlanTrueScalePrint(m, g, ex.session.State().ProjectFileName, "date");
  const auto bar = std::find_if(job.pages[0].lines.begin(), job.pages[0].lines.end(),
                                [](const PrintLine& l) { return l.x2 - l.x1 > 1000; });
  ASSERT_NE(bar, job.pages[0].lines.end());
  const double barLeftMm = kPdfBorderMm + bar->x1 * mmPerPx;
  const double barRowMm = kPdfBorderMm + (bar->y1 + bar->widthPx / 4.0) * mmPerPx;
  const int sx = static_cast<int>((barLeftMm - 3) / kMmPerInch * kDpi);
  const int sy = static_cast<int>(barRowMm / kMmPerInch * kDpi);
  const auto strip = testing::RenderPdfPage(pdf, 1, kDpi, ex.folder.Path(), sx, sy,
                                            static_cast<int>(106 / kMmPerInch * kDpi), 1);
  int first = -1, last = -1;
  for (int x = 0; x < strip.width; ++x) {
    if (strip.At(x, 0) < 128) {
      if (first < 0) first = x;
      last = x;
    }
  }
  ASSERT_GE(first, 0);
  const double measured = (last - first + 1) * kMmPerInch / kDpi;
  EXPECT_NEAR(measured, 100.0, 0.1);
}

}  // namespace
}  // namespace umbrix
