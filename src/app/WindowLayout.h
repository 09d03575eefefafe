#pragma once
#include <functional>

// Where the main window's regions go as its client area changes size, and the window's minimum
// and initial sizes: the design geometry of the panes and the rules that move them.

namespace umbrix {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

/// The panes as laid out at design time (client pixels).
namespace design {
inline constexpr PixelRect kReportPane{336, 0, 193, 329};     // `Memo1`
inline constexpr PixelRect kCommentsPane{112, 336, 417, 33};  // `Memo2`
inline constexpr PixelRect kCommentsCaption{8, 336, 0, 0};    // `Label1`
inline constexpr PixelRect kModeLabel{8, 352, 0, 0};          // `Label2`
}  // namespace design

/// The regions for a client area of `client` pixels. The captions keep their left and get only
/// a new top; the drawing may spread left of the report pane and above the comments pane.
struct MainLayout {
  PixelRect reportPane;
  PixelRect commentsPane;
  int commentsCaptionTop = 0;
  int modeLabelTop = 0;
};
/// `reportWidth` is the report pane's width the user chose with the splitter (0: the design
/// width); it is kept between the design width and what leaves the drawing its minimum room.
MainLayout LayOutMainWindow(PixelSize client, int reportWidth = 0);
/// The report pane's width that `LayOutMainWindow` uses for `wanted` in a client `clientWidth`
/// wide.
int ReportPaneWidth(int clientWidth, int wanted);

/// Where the "Saisies" dialog opens, in screen pixels: beside the main window (`window`, its
/// outer box) on the right, else on the left, when the screen (`screen`) has room for it; else
/// over the corner of the drawing (`drawing`, on the screen) where `ink` (the drawn pixels in a
/// box of the drawing's own coordinates) is least, kept on the screen.
PixelRect PlaceDialog(const PixelRect& screen, const PixelRect& window, PixelSize dialog,
                      const PixelRect& drawing, const std::function<int(const PixelRect&)>& ink);

/// The smallest client area: the comments row whole, and a drawing square above it as wide as
/// the room left of the report pane (534 x 374 with the design panes).
PixelSize MinimumClientSize();

/// The window's first outer size: enlarged by the report pane's width each way when the screen
/// has room for it (and 35 pixels more), else the minimum. `frame` is what the window adds
/// around its client area (border, title bar, menu bar).
PixelSize InitialOuterSize(PixelSize screen, PixelSize frame);

}  // namespace umbrix
