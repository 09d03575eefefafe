#include "app/WindowLayout.h"

#include <algorithm>
#include <array>

namespace umbrix {

using namespace design;

int ReportPaneWidth(int clientWidth, int wanted) {
  // the drawing keeps at least the room it has in the smallest window
  const int drawingRoom = MinimumClientSize().width - kReportPane.width - 5;
  const int widest = std::max(kReportPane.width, clientWidth - 5 - drawingRoom);
  return std::clamp(wanted, kReportPane.width, widest);
}

MainLayout LayOutMainWindow(PixelSize client, int reportWidth) {
  MainLayout out;
  const int width = ReportPaneWidth(client.width, reportWidth);
  const int gap = client.width - width - kCommentsPane.width - kCommentsPane.left;
  // the report pane runs down beside the comments row when it fits, else stops above it
  const int reportHeight =
      gap >= 12 ? client.height - 5 : client.height - (kCommentsPane.height + 12);
  out.reportPane = {client.width - width - 5, kReportPane.top, width, reportHeight};
  out.commentsPane = {kCommentsPane.left, client.height - kCommentsPane.height - 5,
                      kCommentsPane.width, kCommentsPane.height};
  out.commentsCaptionTop = out.commentsPane.top;
  out.modeLabelTop = client.height - kCommentsPane.height / 2 - 5;
  return out;
}

PixelSize MinimumClientSize() {
  const int right = kCommentsPane.left + kCommentsPane.width;
  return {right + 5, right - kReportPane.width + kCommentsPane.height + 5};
}

PixelSize InitialOuterSize(PixelSize screen, PixelSize frame) {
  const PixelSize client = MinimumClientSize();
  const PixelSize minimum{client.width + frame.width, client.height + frame.height};
  const int grow = kReportPane.width;
  if (screen.width > minimum.width + grow + 35 && screen.height > minimum.height + grow + 35) {
    return {minimum.width + grow + 7, minimum.height + grow + 7};
  }
  return minimum;
}

PixelRect PlaceDialog(const PixelRect& screen, const PixelRect& window, PixelSize dialog,
                      const PixelRect& drawing, const std::function<int(const PixelRect&)>& ink) {
  constexpr int kGap = 8;
  const int screenRight = screen.left + screen.width;
  const int screenBottom = screen.top + screen.height;
  const auto onScreen = [&](int left, int top) {
    left = std::max(screen.left, std::min(left, screenRight - dialog.width));
    top = std::max(screen.top, std::min(top, screenBottom - dialog.height));
    return PixelRect{left, top, dialog.width, dialog.height};
  };
  const int right = window.left + window.width + kGap;
  if (right + dialog.width <= screenRight) return onScreen(right, window.top);
  const int left = window.left - kGap - dialog.width;
  if (left >= screen.left) return onScreen(left, window.top);
  // no room beside: the drawing's corner with the fewest drawn pixels under the dialog, the
  // top right first on a tie (the first start's text sits top left)
  const int dx = drawing.width - dialog.width;
  const int dy = drawing.height - dialog.height;
  const std::array<std::pair<int, int>, 4> corners = {{{dx, 0}, {dx, dy}, {0, dy}, {0, 0}}};
  PixelRect best;
  int bestInk = -1;
  for (const auto& [x, y] : corners) {
    const PixelRect at = onScreen(drawing.left + x, drawing.top + y);
    // the covered part of the drawing, in its own coordinates
    const int l = std::max(at.left, drawing.left) - drawing.left;
    const int t = std::max(at.top, drawing.top) - drawing.top;
    const int r = std::min(at.left + at.width, drawing.left + drawing.width) - drawing.left;
    const int b = std::min(at.top + at.height, drawing.top + drawing.height) - drawing.top;
    const int covered = r > l && b > t ? ink({l, t, r - l, b - t}) : 0;
    if (bestInk < 0 || covered < bestInk) {
      best = at;
      bestInk = covered;
    }
  }
  return best;
}

}  // namespace umbrix
