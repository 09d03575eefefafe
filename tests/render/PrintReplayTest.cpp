// The worked example printed to PDF in every layout through the same commands as the window,
// read back with poppler's tools: page count and orientation, where the drawing lands, no raster
// image anywhere, the hour lines' ends measured on the rendered pages of every layout, and the
// true-scale print's scale bar.

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

/// The PDF writer, keeping the last job's plan to compare the pages with.
class KeepingPrinter final : public Printer {
 public:
  PdfPrinter pdf{Paper::A4};
  PrintJob job;

  bool ChoosePrinter() override { return pdf.ChoosePrinter(); }
  PageMetrics Measure(PageOrientation o) override { return pdf.Measure(o); }
  std::optional<Message> Print(const PrintJob& j, const DialTracer& trace) override {
    job = j;
    return pdf.Print(j, trace);
  }
  const std::string& Document() const { return pdf.Document(); }
};

/// The worked example open in a session whose drawing is a real bitmap, printed to PDF.
struct PrintedExample : Surface {
  testing::FakePlatform fake;
  Session session{Ports{fake, fake, drawing, fake}};
  KeepingPrinter printer;
  PrintCommands commands{session, fake, printer, fake};
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

/// Where a plate point (mm) lands on a page showing the dial's piece `d`: millimetres from the
/// page's top left corner, from the job's frame and the piece's place alone.
struct PagePoint {
  double x = 0;
  double y = 0;
};
PagePoint OnPage(const PrintJob& job, const DialPiece& d, PointMm p) {
  const DrawingFrame& f = job.dialFrame;
  const double mmPerDot = kMmPerInch / kPdfDotsPerInch;
  const double x = d.target.x - d.sourceX + f.marginPx + (p.x - f.plate.XMin) / f.MmPerPixelX;
  const double y =
      d.target.y - d.sourceY + (f.heightPx - 1 - f.marginPx) - (p.y - f.plate.YMin) / f.MmPerPixelY;
  return {kPdfBorderMm + x * mmPerDot, kPdfBorderMm + y * mmPerDot};
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

/// Looks for the end of every hour line the report lists on every page of the last job whose
/// dial piece shows it: dark within 0.2 mm of the end and a millimetre back toward its start,
/// white just beyond an end inside the plate. The number of ends checked.
int CheckHourLineEnds(PrintedExample& ex, const std::filesystem::path& pdf) {
  const PrintJob& job = ex.printer.job;
  const PlateWindow plate = ex.session.Project().Plate;
  Report unused;
  NullCanvas none;
  const TraceResult traced =
      TraceDial(ex.session.Project(), ex.session.PlateOrientation(), ex.session.Limits(),
                job.dialFrame, none, TraceOptions{}, unused);
  EXPECT_GT(traced.hourLines.size(), 10u);
  constexpr int kDpi = 600;
  const double mmPerDot = kMmPerInch / kPdfDotsPerInch;
  // the line's half width, and the room its label leaves beyond its end
  const double pen = job.dotScale * mmPerDot / 2;
  const double inset = 2.0;
  int checked = 0;
  for (size_t page = 0; page < job.pages.size(); ++page) {
    if (!job.pages[page].dial) continue;
    const DialPiece& d = *job.pages[page].dial;
    const double left = kPdfBorderMm + d.target.x * mmPerDot + inset;
    const double top = kPdfBorderMm + d.target.y * mmPerDot + inset;
    const double right = kPdfBorderMm + (d.target.x + d.target.width) * mmPerDot - inset;
    const double bottom = kPdfBorderMm + (d.target.y + d.target.height) * mmPerDot - inset;
    for (const HourLineEnds& line : traced.hourLines) {
      EXPECT_NE(ex.session.ReportPane().find("jusqu'à " + FormatPoint(line.end, plate)),
                std::string::npos)
          << FormatPoint(line.end, plate);
      const double dx = line.end.x - line.start.x;
      const double dy = line.end.y - line.start.y;
      const double length = std::hypot(dx, dy);
      const PagePoint end = OnPage(job, d, line.end);
      const PagePoint start = OnPage(job, d, line.start);
      // lines shorter than 5 mm on the page are left out
      if (std::hypot(end.x - start.x, end.y - start.y) < 5) continue;
      if (end.x < left || end.x > right || end.y < top || end.y > bottom) continue;
      const double mmPerPlateMm = std::hypot(end.x - start.x, end.y - start.y) / length;
      const PointMm along{dx / length / mmPerPlateMm, dy / length / mmPerPlateMm};
      // a 4 mm square around the end, rendered at 600 dpi
      const double x0 = end.x - 2, y0 = end.y - 2;
      const int px = static_cast<int>(std::floor(x0 / kMmPerInch * kDpi));
      const int py = static_cast<int>(std::floor(y0 / kMmPerInch * kDpi));
      const int side = static_cast<int>(4 / kMmPerInch * kDpi);
      const auto crop = testing::RenderPdfPage(pdf, static_cast<int>(page) + 1, kDpi,
                                               ex.folder.Path(), px, py, side, side);
      const double ox = px * kMmPerInch / kDpi, oy = py * kMmPerInch / kDpi;
      const std::string where = JobTitle(job.layout, "x") + " " + FormatPoint(line.end, plate) +
                                " on page " + std::to_string(page + 1);
      EXPECT_LT(Darkest(crop, ox, oy, end, 0.2, kDpi), 128) << where;
      // (subdivisions are dotted: a millimetre back may fall in a gap)
      if (line.hours == std::floor(line.hours)) {
        const PointMm back{line.end.x - along.x, line.end.y - along.y};
        EXPECT_LT(Darkest(crop, ox, oy, OnPage(job, d, back), 0.2, kDpi), 128) << where;
      }
      if (std::abs(line.end.x) < 399.95 && std::abs(line.end.y) < 399.95) {
        const double gap = 0.6 + pen;
        const PointMm beyond{line.end.x + gap * along.x, line.end.y + gap * along.y};
        EXPECT_GT(Darkest(crop, ox, oy, OnPage(job, d, beyond), 0.1, kDpi), 200) << where;
      }
      ++checked;
    }
  }
  return checked;
}

/// Every layout on its own: each renders many pieces of its pages.
class PdfPrintHourLines : public ::testing::TestWithParam<PrintLayout> {};

TEST_P(PdfPrintHourLines, EndWhereThePlanPutsThem) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  PrintedExample ex;
  const auto pdf = ex.Print(GetParam());
  EXPECT_GE(CheckHourLineEnds(ex, pdf), 8);
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, PdfPrintHourLines,
                         ::testing::Values(PrintLayout::Report, PrintLayout::Half,
                                           PrintLayout::Full, PrintLayout::TwoSheets,
                                           PrintLayout::FourSheets, PrintLayout::TrueScale),
                         [](const auto& info) { return JobTitle(info.param, "p"); });

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
    // the dial is drawn as vectors: no page holds a raster image (pdfimages lists only its
    // two header lines)
    const std::string images = testing::CommandOutput("pdfimages -list '" + pdf.string() + "'");
    EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;
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

TEST(PdfPrint, TheTrueScaleBarMeasuresTenCentimetres) {
  ASSERT_TRUE(testing::HavePopplerTools()) << "poppler-utils missing: scripts/install-deps.sh";
  PrintedExample ex;
  const auto pdf = ex.Print(PrintLayout::TrueScale);
  const PageMetrics m = ex.printer.Measure(PageOrientation::Portrait);
  const PlateWindow plate = ex.session.Project().Plate;
  ASSERT_EQ(plate.XMax - plate.XMin, 800);
  const TrueScaleGeometry g =
      ComputeTrueScaleGeometry(PageOrientation::Portrait, m, plate, ex.drawing.DrawingMarginPx());
  ASSERT_EQ(testing::PdfPageSizes(pdf).size(), static_cast<size_t>(g.Sheets()));
  ASSERT_EQ(g.Sheets(), 20);

  constexpr int kDpi = 600;
  const double mmPerPx = g.frame.MmPerPixelX;
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
