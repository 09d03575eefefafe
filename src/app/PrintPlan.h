#pragma once
// A print as plain values: the page geometry of every layout, worked out from the printer's page
// metrics, and the pages it gives, each a list of texts at positions, lines, and at most one
// piece of the dial drawn as vectors. A printer back end replays the pages; nothing here knows a
// printer.

#include <optional>
#include <string>
#include <vector>

#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Texts.h"
#include "trace/DrawingFrame.h"

namespace umbrix {

/// The prints: the data and report ("&Imprimer"), the four graphic layouts, and the dial at its
/// true size.
enum class PrintLayout { Report, Half, Full, TwoSheets, FourSheets, TrueScale };

enum class PageOrientation { Portrait, Landscape };

/// What the printer tells of its page once the orientation is set (device pixels).
struct PageMetrics {
  int widthPx = 0;       // PW: the printable width
  int heightPx = 0;      // PH: the printable height
  int lineHeight = 0;    // lh: height of "X" in the printer font at 10 points
  int charWidth = 0;     // cw: width of "X" at 10 points
  int lineHeight14 = 0;  // height of "X" at 14 points
  int dotsPerInch = 0;   // device pixels per inch, both ways

  friend bool operator==(const PageMetrics&, const PageMetrics&) = default;
};

/// A rectangle of device pixels, or of bitmap pixels for a piece's source.
struct DeviceRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

enum class TextAlign { Left, Right };

/// A line of text: with `Left` its top left corner at (x, y); with `Right` it ends at x.
/// The translation context of the prints' own texts (headers, sheet labels).
inline constexpr const char* kPrintContext = "PrintPlan";

/// A text of a page: one of the prints' own (`marked`: a text of `kPrintContext`, a pattern when
/// it has `args`), or a line of the project's listing, comments or report, shown as it stands.
struct PrintText {
  std::string text;
  int x = 0;
  int y = 0;
  TextAlign align = TextAlign::Left;
  bool marked = false;
  std::vector<std::string> args = {};

  /// The text as the source language shows it.
  std::string Composed() const { return ComposeText(text, args); }

  friend bool operator==(const PrintText&, const PrintText&) = default;
};

/// The part of the dial seen through `target`: the frame's pixel (sourceX, sourceY)
/// lands on the target's top left corner, nothing is drawn outside the target.
struct DialPiece {
  DeviceRect target;
  int sourceX = 0;
  int sourceY = 0;

  friend bool operator==(const DialPiece&, const DialPiece&) = default;
};

/// A black line of device pixels with flat ends.
struct PrintLine {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int widthPx = 1;

  friend bool operator==(const PrintLine&, const PrintLine&) = default;
};

struct PrintPage {
  std::vector<PrintText> texts;
  std::vector<PrintLine> lines;
  std::optional<DialPiece> dial;
};

/// Everything a back end needs to print: the job's title, the orientation, the pages, and when a
/// page shows the dial the frame it is drawn in and the size of one dot.
struct PrintJob {
  PrintLayout layout = PrintLayout::Report;
  std::string title;
  PageOrientation orientation = PageOrientation::Portrait;
  std::vector<PrintPage> pages;
  /// The dial's frame in device pixels.
  DrawingFrame dialFrame;
  /// Device pixels per dot: pen widths, marker boxes and the label font grow by it.
  double dotScale = 1.0;
};

// ---------------------------------------------------------------- shared pieces

/// Whole printer pixels per bitmap pixel: Round(line height / margin), at least 1 (a printer
/// coarser than the screen would otherwise stretch the bitmap to nothing).
int Magnification(int lineHeight, int marginPx);

/// The print's title: the project's file name without its folder, its extension removed for
/// the report and replaced by "_0", "_1", "_2", "_4" or "_echelle" for the drawing prints.
std::string JobTitle(PrintLayout layout, const std::string& projectFileName);

/// The frame of a `widthPx` x `heightPx` drawing of `plate` magnified `magnification` times, in
/// device pixels: the dial drawn as vectors in it covers the rectangle the magnified drawing
/// would, each point at the centre of the device pixels its drawing pixel became.
DrawingFrame MagnifiedFrame(const PlateWindow& plate, int widthPx, int heightPx, int marginPx,
                            int magnification);

/// "d mmmm yyyy hh:nn:ss" of a date-time serial, with the month names of `months`.
std::string PrintDateLine(double serial, MonthNames months = MonthNames::French);

/// The header of page `page` (from 1) of `pages`: the program's name, the photo address, the
/// file name with "page/pages", and the date line, the last two ending at PW / divisor - 3 cw.
std::vector<PrintText> PageHeader(const PageMetrics& m, int divisor, int page, int pages,
                                  const std::string& projectFileName, const std::string& dateLine);

// ---------------------------------------------------------------- "&Imprimer"

struct ReportGeometry {
  int linesPerPage = 1;  // L
  int magnification = 1;
  int pad = 1;  // empty lines after the listing
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  DeviceRect bitmapTarget;  // top right of the first page, below the header: the dial's place
  int totalLines = 0;
  int totalPages = 1;

  friend bool operator==(const ReportGeometry&, const ReportGeometry&) = default;
};

/// The text print's numbers for a portrait page: `listingLines` printed listing lines, the
/// comments and report panes' line counts, and the drawing beside the listing when it exists.
ReportGeometry ComputeReportGeometry(const PageMetrics& m, const PlateWindow& plate, int marginPx,
                                     int listingLines, int commentLines, int reportLines,
                                     bool drawingExists);

struct ReportTexts {
  std::vector<std::string> listing;  // without the file format line
  std::vector<std::string> comments;
  std::vector<std::string> report;
  std::string projectFileName;
  std::string dateLine;
};

/// The text print's pages: each line under its page's header, the dial of `plate` drawn on the
/// first page in the magnified frame of the geometry's drawing (screen margin `marginPx`).
PrintJob PlanReportPrint(const PageMetrics& m, const ReportGeometry& g, const PlateWindow& plate,
                         int marginPx, const ReportTexts& texts);

// ---------------------------------------------------------------- the graphic layouts

/// The orientation a graphic layout takes for the plate (before the page is measured).
PageOrientation GraphicOrientation(PrintLayout layout, const PlateWindow& plate);

struct GraphicGeometry {
  PageOrientation orientation = PageOrientation::Portrait;
  double scale = 0.0;  // k, printer pixels per millimetre
  int magnification = 1;
  int bitmapWidth = 0;
  int bitmapHeight = 0;
  int x0 = 0;
  int y0 = 0;
  int divisor = 1;
  /// Each sheet's piece of the drawing (its pixels before magnification), in printing order.
  std::vector<DeviceRect> pieces;

  friend bool operator==(const GraphicGeometry&, const GraphicGeometry&) = default;
};

/// The numbers of "&Demi format", "&Plein format", "&2 formats" or "&4 formats" on a page
/// measured in the layout's orientation.
GraphicGeometry ComputeGraphicGeometry(PrintLayout layout, const PageMetrics& m,
                                       const PlateWindow& plate, int marginPx);

/// One sheet per piece, each with its header and its piece of the dial of `plate` drawn as
/// vectors in the magnified frame of the geometry's drawing (screen margin `marginPx`).
PrintJob PlanGraphicPrint(PrintLayout layout, const PageMetrics& m, const GraphicGeometry& g,
                          const PlateWindow& plate, int marginPx,
                          const std::string& projectFileName, const std::string& dateLine);

// ---------------------------------------------------------------- the true-scale print

/// Width of the band that neighbouring sheets share, millimetres.
inline constexpr double kOverlapMm = 10.0;
/// Length of the scale bar on every sheet, millimetres.
inline constexpr double kScaleBarMm = 100.0;

struct TrueScaleGeometry {
  PageOrientation orientation = PageOrientation::Portrait;
  /// The dial in device pixels at 1:1 (its millimetres per pixel are 25.4 / dpi).
  DrawingFrame frame;
  double dotScale = 1.0;
  int bandPx = 0;
  /// Where the dial shows on every sheet (device pixels).
  DeviceRect area;
  int columns = 1;
  int rows = 1;
  /// Frame pixel seen at the area's top left corner of the first sheet (may be negative: the
  /// dial is centred on the sheets).
  int originX = 0;
  int originY = 0;
  /// Distance between the windows of neighbouring sheets: the area less the band.
  int stepX = 0;
  int stepY = 0;

  int Sheets() const { return columns * rows; }
  /// The frame pixel seen at the top left corner of the sheet at `row`, `column` (from 0).
  int WindowX(int column) const { return originX + column * stepX; }
  int WindowY(int row) const { return originY + row * stepY; }
};

/// The true-scale numbers on a page measured in `orientation`.
TrueScaleGeometry ComputeTrueScaleGeometry(PageOrientation orientation, const PageMetrics& m,
                                           const PlateWindow& plate, int screenMarginPx);

/// The orientation that needs fewer sheets (portrait when both need as many).
bool FewerSheets(const TrueScaleGeometry& landscape, const TrueScaleGeometry& portrait);

/// Every sheet: its header, the dial's piece, corner marks at the area's corners, join marks
/// where each neighbour's area begins, "Feuille : ligne r, colonne c" with the project's name,
/// and the 100 mm scale bar.
PrintJob PlanTrueScalePrint(const PageMetrics& m, const TrueScaleGeometry& g,
                            const std::string& projectFileName, const std::string& dateLine);

}  // namespace umbrix
