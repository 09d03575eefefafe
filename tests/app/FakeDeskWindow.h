#pragma once
// The main window as the desk dial sees it, for the session's tests: a place, a frame of fixed
// sizes for each look, size constraints a real window would enforce, and every look applied
// logged in the fake platform's log.

#include <algorithm>
#include <string>
#include <vector>

#include "app/FakePlatform.h"
#include "app/Ports.h"

namespace umbrix::testing {

class FakeDeskWindow final : public DeskWindow {
 public:
  explicit FakeDeskWindow(FakePlatform& platform) : p_(platform) {}

  ScreenRect placement{300, 200, 760, 638};
  /// Where the window is while maximized.
  ScreenRect maximizedPlace{0, 0, 1920, 1080};
  bool maximized = false;
  /// What each look adds around the client area: the normal one has a menu bar.
  int normalFrameWidth = 10, normalFrameHeight = 50;
  int deskFrameWidth = 6, deskFrameHeight = 20;
  int minWidth = 544, minHeight = 424;
  int normalMargin = 20, deskMargin = 14;
  int reportWidth = 0;
  bool deskLook = false;
  bool onTop = false;
  bool ticking = false;
  /// Every look applied, in order.
  std::vector<DeskLook> looks;

  ScreenRect Placement() const override { return maximized ? maximizedPlace : placement; }
  ScreenRect NormalPlacement() const override { return placement; }
  ScreenRect ClientSize() const override {
    const ScreenRect at = Placement();
    return {0, 0, at.width - (deskLook ? deskFrameWidth : normalFrameWidth),
            at.height - (deskLook ? deskFrameHeight : normalFrameHeight)};
  }
  ScreenRect MinimumSize() const override { return {0, 0, minWidth, minHeight}; }
  bool Maximized() const override { return maximized; }
  int ReportWidth() const override { return reportWidth; }
  ScreenRect DeskFrame() const override { return {0, 0, deskFrameWidth, deskFrameHeight}; }
  int DeskMarginPx() const override { return deskMargin; }
  void Apply(const DeskLook& look) override {
    looks.push_back(look);
    deskLook = look.desk;
    p_.margin = look.desk ? deskMargin : normalMargin;
    minWidth = look.minWidth;
    minHeight = look.minHeight;
    Place(look.place);
    maximized = look.maximized;
    onTop = look.stayOnTop;
    ticking = look.ticking;
    if (!look.desk) reportWidth = look.reportWidth;
    p_.log.push_back(look.desk ? "desk-look" : "normal-look");
  }
  void SetStayOnTop(bool on) override {
    onTop = on;
    p_.log.push_back(on ? "on-top" : "not-on-top");
  }
  /// Moved or resized by the person: never smaller than its minimum, as a real window.
  void Place(const ScreenRect& r) {
    placement = {r.left, r.top, std::max(r.width, minWidth), std::max(r.height, minHeight)};
  }

 private:
  FakePlatform& p_;
};

}  // namespace umbrix::testing
