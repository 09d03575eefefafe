#pragma once
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
MainLayout LayOutMainWindow(PixelSize client);

/// The smallest client area: the comments row whole, and a drawing square above it as wide as
/// the room left of the report pane (534 x 374 with the design panes).
PixelSize MinimumClientSize();

/// The window's first outer size: enlarged by the report pane's width each way when the screen
/// has room for it (and 35 pixels more), else the minimum. `frame` is what the window adds
/// around its client area (border, title bar, menu bar).
PixelSize InitialOuterSize(PixelSize screen, PixelSize frame);

}  // namespace umbrix
