#include "app/WindowLayout.h"

namespace umbrix {

using namespace design;

MainLayout LayOutMainWindow(PixelSize client) {
  MainLayout out;
  const int gap = client.width - kReportPane.width - kCommentsPane.width - kCommentsPane.left;
  // the report pane runs down beside the comments row when it fits, else stops above it
  const int reportHeight =
      gap >= 12 ? client.height - 5 : client.height - (kCommentsPane.height + 12);
  out.reportPane = {client.width - kReportPane.width - 5, kReportPane.top, kReportPane.width,
                    reportHeight};
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

}  // namespace umbrix
