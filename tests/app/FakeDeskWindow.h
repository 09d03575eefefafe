#pragma once
// The main window as the desk dial sees it, for the session's tests: a place, a frame of fixed
// sizes for each look, size constraints a real window would enforce, and every change logged in
// the fake platform's log.

#include <algorithm>
#include <string>

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
  bool deskLook = false;
  bool onTop = false;
  bool ticking = false;
  bool visible = true;

  ScreenRect Placement() const override { return maximized ? maximizedPlace : placement; }
  ScreenRect ClientSize() const override {
    const ScreenRect at = Placement();
    return {0, 0, at.width - (deskLook ? deskFrameWidth : normalFrameWidth),
            at.height - (deskLook ? deskFrameHeight : normalFrameHeight)};
  }
  ScreenRect MinimumSize() const override { return {0, 0, minWidth, minHeight}; }
  bool Maximized() const override { return maximized; }
  void RestoreNormal() override {
    maximized = false;
    p_.log.push_back("restore");
  }
  void Maximize() override {
    maximized = true;
    p_.log.push_back("maximize");
  }
  void SetMinimumSize(int width, int height) override {
    minWidth = width;
    minHeight = height;
    p_.log.push_back("minimum:" + std::to_string(width) + "x" + std::to_string(height));
  }
  void Place(const ScreenRect& r) override {
    // as a real window: never smaller than its minimum
    placement = {r.left, r.top, std::max(r.width, minWidth), std::max(r.height, minHeight)};
    p_.log.push_back("place:" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                     std::to_string(r.width) + "x" + std::to_string(r.height));
  }
  void HideWindow() override {
    visible = false;
    p_.log.push_back("hide-window");
  }
  void ShowWindow() override {
    visible = true;
    p_.log.push_back("show-window");
  }
  void HideDialog() override { p_.log.push_back("hide-dialog"); }
  void SetDeskLook(bool desk) override {
    deskLook = desk;
    p_.log.push_back(desk ? "desk-look" : "normal-look");
  }
  void SetDeskFont(bool desk) override {
    p_.margin = desk ? deskMargin : normalMargin;
    p_.log.push_back(desk ? "desk-font" : "normal-font");
  }
  void SetStayOnTop(bool on) override {
    onTop = on;
    p_.log.push_back(on ? "on-top" : "not-on-top");
  }
  void SetTicking(bool on) override {
    ticking = on;
    p_.log.push_back(on ? "timer-on" : "timer-off");
  }

 private:
  FakePlatform& p_;
};

}  // namespace umbrix::testing
