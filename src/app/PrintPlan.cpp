#include "app/PrintPlan.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "app/ProgramIdentity.h"
#include "model/Dates.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

int Round(double x) { return static_cast<int>(RoundHalfEven(x)); }

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

/// A bitmap side of at least two margins and a pixel, so that the scale stays finite.
int BitmapSide(double pixels, int marginPx) { return std::max(Round(pixels), 2 * marginPx + 2); }

/// `Round`(x) for the two- and four-sheet bitmaps, at least 1 so that the side stays odd.
int HalfSide(double pixels) { return std::max(Round(pixels), 1); }

}  // namespace

// ---------------------------------------------------------------- shared pieces

int Magnification(int lineHeight, int marginPx) {
  if (marginPx <= 0) return 1;
  return std::max(1, Round(static_cast<double>(lineHeight) / marginPx));
}

std::string JobTitle(PrintLayout layout, const std::string& projectFileName) {
  std::filesystem::path name = std::filesystem::path(projectFileName).filename();
  name.replace_extension();
  std::string title = name.string();
  switch (layout) {
    case PrintLayout::Report:
      return title;
    case PrintLayout::Half:
      return title + "_0";
    case PrintLayout::Full:
      return title + "_1";
    case PrintLayout::TwoSheets:
      return title + "_2";
    case PrintLayout::FourSheets:
      return title + "_4";
    case PrintLayout::TrueScale:
      return title + "_echelle";
  }
  return title;
}

DrawingFrame MagnifiedFrame(const PlateWindow& plate, int widthPx, int heightPx, int marginPx,
                            int magnification) {
  DrawingFrame f;
  f.plate = plate;
  f.marginPx = marginPx;
  f.widthPx = widthPx;
  f.heightPx = heightPx;
  f.ComputeScale();
  const int u = std::max(magnification, 1);
  // a drawing pixel becomes u device pixels: its centre, not its corner, keeps the point
  f.marginPx = u * marginPx + (u - 1) / 2;
  f.widthPx *= u;
  f.heightPx *= u;
  f.MmPerPixelX /= u;
  f.MmPerPixelY /= u;
  return f;
}

std::string PrintDateLine(double serial, MonthNames months) {
  const double day = std::floor(serial);
  return FormatDateLong(day, months) + " " + FormatLongTime(serial - day);
}

std::vector<PrintText> PageHeader(const PageMetrics& m, int divisor, int page, int pages,
                                  const std::string& projectFileName, const std::string& dateLine) {
  const int lh = m.lineHeight;
  const int cw = m.charWidth;
  const int right = m.widthPx / std::max(divisor, 1) - 3 * cw;
  return {
      {kProgramLabel, 3 * cw, lh, TextAlign::Left, true, {kProgramNameAndVersion}},
      {UMBRIX_TR("PrintPlan", "Envoyer la photo de votre cadran à : %1"),
       3 * cw,
       2 * lh,
       TextAlign::Left,
       true,
       {kPhotoAddress}},
      {FileNameOf(projectFileName) + "    " + std::to_string(page) + "/" + std::to_string(pages),
       right, lh, TextAlign::Right},
      {dateLine, right, 2 * lh, TextAlign::Right},
  };
}

// ---------------------------------------------------------------- "&Imprimer"

ReportGeometry ComputeReportGeometry(const PageMetrics& m, const PlateWindow& plate, int marginPx,
                                     int listingLines, int commentLines, int reportLines,
                                     bool drawingExists) {
  ReportGeometry g;
  const int lh = std::max(m.lineHeight, 1);
  const double pw = m.widthPx;
  const double ph = m.heightPx;
  const int r = 6 * m.charWidth;
  const int n = listingLines;
  g.linesPerPage = std::max(1, static_cast<int>(std::floor(ph / lh)) - 5);
  g.magnification = Magnification(lh, marginPx);
  const int u = g.magnification;
  g.pad = 1;
  if (drawingExists) {
    const double dx = plate.XMax - plate.XMin;
    const double dy = plate.YMax - plate.YMin;
    // the drawing takes at most half the width between the margins
    const double k = std::min((ph - 5.0 * lh) / dy, (pw - 2.0 * r) / dx / 2);
    g.bitmapWidth = BitmapSide(dx * k / u, marginPx);
    g.bitmapHeight = BitmapSide(dy * k / u, marginPx);
    const double drawingLines = static_cast<double>(u) * g.bitmapHeight / lh;
    if (n < drawingLines) g.pad = static_cast<int>(std::ceil(drawingLines)) - n + 1;
    const int e = n + g.pad - g.linesPerPage;
    if (0 < e && e < g.pad) g.pad -= e;
    g.bitmapTarget = {m.widthPx - u * g.bitmapWidth - r, 4 * lh, u * g.bitmapWidth,
                      u * g.bitmapHeight};
  }
  g.totalLines = n + 1 + g.pad + commentLines + reportLines;
  g.totalPages = (g.totalLines + g.linesPerPage - 1) / g.linesPerPage;
  return g;
}

PrintJob PlanReportPrint(const PageMetrics& m, const ReportGeometry& g, const PlateWindow& plate,
                         int marginPx, const ReportTexts& texts) {
  PrintJob job;
  job.layout = PrintLayout::Report;
  job.title = JobTitle(PrintLayout::Report, texts.projectFileName);
  job.orientation = PageOrientation::Portrait;
  std::vector<std::string> lines = texts.listing;
  lines.insert(lines.end(), static_cast<size_t>(g.pad), std::string());
  lines.insert(lines.end(), texts.comments.begin(), texts.comments.end());
  lines.emplace_back();
  lines.insert(lines.end(), texts.report.begin(), texts.report.end());

  const int lh = m.lineHeight;
  for (size_t c = 0; c < lines.size(); ++c) {
    const int onPage = static_cast<int>(c) % g.linesPerPage;
    if (onPage == 0) {
      PrintPage page;
      page.texts = PageHeader(m, 1, static_cast<int>(job.pages.size()) + 1, g.totalPages,
                              texts.projectFileName, texts.dateLine);
      job.pages.push_back(std::move(page));
    }
    if (lines[c].empty()) continue;  // an empty line prints nothing
    job.pages.back().texts.push_back({lines[c], 6 * m.charWidth, (4 + onPage) * lh});
  }
  if (g.bitmapWidth > 0 && !job.pages.empty()) {
    job.dialFrame = MagnifiedFrame(plate, g.bitmapWidth, g.bitmapHeight, marginPx, g.magnification);
    job.dotScale = g.magnification;
    job.pages.front().dial = DialPiece{g.bitmapTarget, 0, 0};
  }
  return job;
}

// ---------------------------------------------------------------- the graphic layouts

PageOrientation GraphicOrientation(PrintLayout layout, const PlateWindow& plate) {
  const double dx = plate.XMax - plate.XMin;
  const double dy = plate.YMax - plate.YMin;
  bool landscape = false;
  switch (layout) {
    case PrintLayout::Half:
      landscape = dx < dy;
      break;
    case PrintLayout::Full:
      landscape = dx > dy;
      break;
    case PrintLayout::TwoSheets:
      landscape = dx >= dy ? dy < dx / 2 : dx > dy / 2;
      break;
    case PrintLayout::FourSheets:
      landscape = dy < dx;
      break;
    case PrintLayout::Report:
    case PrintLayout::TrueScale:
      break;
  }
  return landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
}

GraphicGeometry ComputeGraphicGeometry(PrintLayout layout, const PageMetrics& m,
                                       const PlateWindow& plate, int marginPx) {
  GraphicGeometry g;
  g.orientation = GraphicOrientation(layout, plate);
  const double dx = plate.XMax - plate.XMin;
  const double dy = plate.YMax - plate.YMin;
  const double pw = m.widthPx;
  const double ph = m.heightPx;
  const double lh = m.lineHeight;
  g.magnification =
      Magnification(layout == PrintLayout::Half ? m.lineHeight : m.lineHeight14, marginPx);
  const int u = g.magnification;
  const bool wide = dx >= dy;

  switch (layout) {
    case PrintLayout::Half:
      g.scale = wide ? std::min((ph / 2 - 4 * lh) / dy, (pw - lh) / dx)
                     : std::min((ph - 4 * lh) / dy, (pw / 2 - lh) / dx);
      break;
    case PrintLayout::TwoSheets:
      g.scale = wide ? std::min((ph - 4 * lh) / dy / 2, (pw - lh) / dx)
                     : std::min((ph - 4 * lh) / dy, (pw - lh) / dx / 2);
      break;
    default:
      g.scale = std::min((ph - 4 * lh) / dy, (pw - lh) / dx);
      break;
  }
  const double k = g.scale;
  const bool split = layout == PrintLayout::TwoSheets || layout == PrintLayout::FourSheets;
  if (split) {
    // odd sides: the middle column and row are printed on both neighbouring sheets
    g.bitmapWidth = std::max(2 * HalfSide(dx * k / u) - 1, 2 * marginPx + 3);
    g.bitmapHeight = std::max(2 * HalfSide(dy * k / u) - 1, 2 * marginPx + 3);
    g.bitmapWidth |= 1;
    g.bitmapHeight |= 1;
  } else {
    g.bitmapWidth = BitmapSide(dx * k / u, marginPx);
    g.bitmapHeight = BitmapSide(dy * k / u, marginPx);
  }
  const int w = g.bitmapWidth;
  const int h = g.bitmapHeight;
  const int halfW = w / 2;
  const int halfH = h / 2;
  const int ilh = m.lineHeight;

  switch (layout) {
    case PrintLayout::Half:
      if (wide) {
        g.x0 = Round((pw - u * w) / 2);
        g.y0 = 3 * ilh + Round((ph / 2 - 3 * lh - u * h) / 2);
        g.divisor = 1;
      } else {
        g.x0 = Round((pw / 2 - u * w) / 2);
        g.y0 = 3 * ilh + Round((ph - 3 * lh - u * h) / 2);
        g.divisor = 2;
      }
      g.pieces = {{0, 0, w, h}};
      break;
    case PrintLayout::TwoSheets:
      if (wide) {
        g.x0 = Round((pw - u * (halfW + 1)) / 2);
        g.y0 = 3 * ilh + Round((ph - 3 * lh - u * h) / 2);
        g.pieces = {{0, 0, halfW + 1, h}, {halfW, 0, w - halfW, h}};
      } else {
        g.x0 = Round((pw - u * w) / 2);
        g.y0 = 3 * ilh + Round((ph - 3 * lh - u * (halfH + 1)) / 2);
        g.pieces = {{0, 0, w, halfH + 1}, {0, halfH, w, h - halfH}};
      }
      break;
    case PrintLayout::FourSheets:
      g.x0 = Round((pw - u * (halfW + 1)) / 2);
      g.y0 = 3 * ilh + Round((ph - 3 * lh - u * (halfH + 1)) / 2);
      g.pieces = {{0, 0, halfW + 1, halfH + 1},
                  {halfW, 0, w - halfW, halfH + 1},
                  {0, halfH, halfW + 1, h - halfH},
                  {halfW, halfH, w - halfW, h - halfH}};
      break;
    default:
      g.x0 = Round((pw - u * w) / 2);
      g.y0 = 3 * ilh + Round((ph - 3 * lh - u * h) / 2);
      g.pieces = {{0, 0, w, h}};
      break;
  }
  return g;
}

PrintJob PlanGraphicPrint(PrintLayout layout, const PageMetrics& m, const GraphicGeometry& g,
                          const PlateWindow& plate, int marginPx,
                          const std::string& projectFileName, const std::string& dateLine) {
  PrintJob job;
  job.layout = layout;
  job.title = JobTitle(layout, projectFileName);
  job.orientation = g.orientation;
  job.dialFrame = MagnifiedFrame(plate, g.bitmapWidth, g.bitmapHeight, marginPx, g.magnification);
  job.dotScale = g.magnification;
  const int sheets = static_cast<int>(g.pieces.size());
  const int u = g.magnification;
  for (int i = 0; i < sheets; ++i) {
    PrintPage page;
    page.texts = PageHeader(m, g.divisor, i + 1, sheets, projectFileName, dateLine);
    const DeviceRect& piece = g.pieces[static_cast<size_t>(i)];
    page.dial =
        DialPiece{{g.x0, g.y0, u * piece.width, u * piece.height}, u * piece.x, u * piece.y};
    job.pages.push_back(std::move(page));
  }
  return job;
}

// ---------------------------------------------------------------- the true-scale print

namespace {

/// Sheets needed along one side: `total` pixels shown through windows of `area` pixels that
/// share `band` pixels with their neighbours.
int SheetsAlong(int total, int step, int band) {
  if (total <= step + band) return 1;
  return (total - band + step - 1) / step;
}

}  // namespace

TrueScaleGeometry ComputeTrueScaleGeometry(PageOrientation orientation, const PageMetrics& m,
                                           const PlateWindow& plate, int screenMarginPx) {
  TrueScaleGeometry g;
  g.orientation = orientation;
  const int dpi = std::max(m.dotsPerInch, 1);
  const double mmPerPx = 25.4 / dpi;
  g.dotScale = dpi / 96.0;
  DrawingFrame& f = g.frame;
  f.plate = plate;
  f.marginPx = Round(screenMarginPx * g.dotScale);
  // millimetres per pixel fixed by the device, not by the bitmap's size
  f.MmPerPixelX = mmPerPx;
  f.MmPerPixelY = mmPerPx;
  f.widthPx = Round((plate.XMax - plate.XMin) / mmPerPx) + 2 * f.marginPx + 1;
  f.heightPx = Round((plate.YMax - plate.YMin) / mmPerPx) + 2 * f.marginPx + 1;

  const int mark = Round(5.0 / mmPerPx);
  const int lh = m.lineHeight;
  const int left = 3 * m.charWidth + mark;
  const int top = 3 * lh + mark;
  const int bottom = mark + 3 * lh;
  g.area = {left, top, std::max(m.widthPx - 2 * left, 1), std::max(m.heightPx - top - bottom, 1)};
  g.bandPx = Round(kOverlapMm / mmPerPx);
  g.stepX = std::max(g.area.width - g.bandPx, 1);
  g.stepY = std::max(g.area.height - g.bandPx, 1);
  g.columns = SheetsAlong(f.widthPx, g.stepX, g.bandPx);
  g.rows = SheetsAlong(f.heightPx, g.stepY, g.bandPx);
  // the dial centred on the sheets it needs
  g.originX = -(g.columns * g.stepX + g.bandPx - f.widthPx) / 2;
  g.originY = -(g.rows * g.stepY + g.bandPx - f.heightPx) / 2;
  return g;
}

bool FewerSheets(const TrueScaleGeometry& landscape, const TrueScaleGeometry& portrait) {
  return landscape.Sheets() < portrait.Sheets();
}

PrintJob PlanTrueScalePrint(const PageMetrics& m, const TrueScaleGeometry& g,
                            const std::string& projectFileName, const std::string& dateLine) {
  PrintJob job;
  job.layout = PrintLayout::TrueScale;
  job.title = JobTitle(PrintLayout::TrueScale, projectFileName);
  job.orientation = g.orientation;
  job.dialFrame = g.frame;
  job.dotScale = g.dotScale;

  const double mmPerPx = g.frame.MmPerPixelX;
  const int gap = Round(1.0 / mmPerPx);
  const int mark = Round(5.0 / mmPerPx) - gap;
  const int pen = std::max(1, Round(0.25 / mmPerPx));
  const int barPen = std::max(1, Round(0.3 / mmPerPx));
  const int lh = m.lineHeight;
  const DeviceRect& a = g.area;
  const int right = a.x + a.width;
  const int bottom = a.y + a.height;
  // the unnamed project is a sentence of its own: its words may take another form in another
  // language
  const char* label =
      projectFileName.empty()
          ? UMBRIX_TR("PrintPlan", "Feuille : ligne %1, colonne %2 (%3 × %4) — projet sans nom")
          : UMBRIX_TR("PrintPlan", "Feuille : ligne %1, colonne %2 (%3 × %4) — %5");
  const std::string name = FileNameOf(projectFileName);

  // marks outside the area: above and below at column x, left and right at row y
  auto vertical = [&](PrintPage& p, int x) {
    p.lines.push_back({x, a.y - gap - mark, x, a.y - gap, pen});
    p.lines.push_back({x, bottom + gap, x, bottom + gap + mark, pen});
  };
  auto horizontal = [&](PrintPage& p, int y) {
    p.lines.push_back({a.x - gap - mark, y, a.x - gap, y, pen});
    p.lines.push_back({right + gap, y, right + gap + mark, y, pen});
  };

  for (int row = 0; row < g.rows; ++row) {
    for (int column = 0; column < g.columns; ++column) {
      PrintPage page;
      const int number = row * g.columns + column + 1;
      page.texts = PageHeader(m, 1, number, g.Sheets(), projectFileName, dateLine);
      page.dial = DialPiece{a, g.WindowX(column), g.WindowY(row)};
      // corner marks: the edges of the area, where a sheet is cut
      vertical(page, a.x);
      vertical(page, right);
      horizontal(page, a.y);
      horizontal(page, bottom);
      // join marks: where the neighbour's area begins, inside the shared band
      if (column + 1 < g.columns) vertical(page, right - g.bandPx);
      if (column > 0) vertical(page, a.x + g.bandPx);
      if (row + 1 < g.rows) horizontal(page, bottom - g.bandPx);
      if (row > 0) horizontal(page, a.y + g.bandPx);

      const int labelY = bottom + gap + mark;
      page.texts.push_back({label,
                            a.x,
                            labelY,
                            TextAlign::Left,
                            true,
                            {std::to_string(row + 1), std::to_string(column + 1),
                             std::to_string(g.rows), std::to_string(g.columns), name}});
      const int barY = labelY + 2 * lh;
      const int barLength = Round(kScaleBarMm / mmPerPx);
      page.lines.push_back({a.x, barY, a.x + barLength, barY, barPen});
      // ticks every centimetre, upward, so that the bar's lower half is the bar alone
      for (int cm = 0; cm <= 10; ++cm) {
        const int x = a.x + Round(cm * 10.0 / mmPerPx);
        const int tick = cm % 5 == 0 ? lh / 2 : lh / 4;
        page.lines.push_back({x, barY, x, barY - tick, barPen});
      }
      page.texts.push_back({UMBRIX_TR("PrintPlan", "100 mm : échelle 1:1, vérifier à la règle"),
                            a.x + barLength + 2 * m.charWidth, barY - lh / 2, TextAlign::Left,
                            true});
      job.pages.push_back(std::move(page));
    }
  }
  return job;
}

}  // namespace umbrix
