#include "app/DeskMode.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "app/MenuCommands.h"
#include "app/Session.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

int RoundPx(double x) { return static_cast<int>(RoundHalfEven(x)); }

double PlateWidth(const PlateWindow& p) { return p.XMax - p.XMin; }   // mm
double PlateHeight(const PlateWindow& p) { return p.YMax - p.YMin; }  // mm

PixelSize SizeOf(const ScreenRect& r) { return {r.width, r.height}; }

}  // namespace

PixelSize DeskMinimumSize(const PlateWindow& plate, int m, PixelSize nonClient) {
  const double dx = PlateWidth(plate);
  const double dy = PlateHeight(plate);
  if (dy > dx) {
    return {nonClient.width + 9 * m, nonClient.height + RoundPx((7 * m - 1) * dy / dx) + 2 * m + 1};
  }
  return {nonClient.width + RoundPx((7 * m - 1) * dx / dy) + 2 * m + 1, nonClient.height + 9 * m};
}

std::optional<PixelSize> DeskResize(const PlateWindow& plate, int m, PixelSize proposed,
                                    PixelSize current, PixelSize client) {
  // a sideways drag of the border changes nothing
  if (proposed.height == current.height) return std::nullopt;
  const int clientHeight = client.height + proposed.height - current.height;
  const int width = RoundPx((clientHeight - 2 * m - 1) * PlateWidth(plate) / PlateHeight(plate)) +
                    2 * m + 1 + (current.width - client.width);
  return PixelSize{width, proposed.height};
}

PixelSize DeskBitmapSize(const PlateWindow& plate, int m, PixelSize client) {
  const double dx = PlateWidth(plate);
  const double dy = PlateHeight(plate);
  // pixels per millimetre; a window crushed below its margins keeps a one-pixel plate
  const double k =
      std::max(0.0, std::min((client.height - 2 * m - 1) / dy, (client.width - 2 * m - 1) / dx));
  return {std::max(RoundPx(dx * k), 1) + 2 * m + 1, std::max(RoundPx(dy * k), 1) + 2 * m + 1};
}

// ---------------------------------------------------------------- the desk dial

DeskDial::DeskDial(Session& session, Prompts& prompts, DeskWindow& window,
                   std::filesystem::path settingsFolder)
    : s_(session),
      prompts_(prompts),
      window_(window),
      settingsFolder_(std::move(settingsFolder)) {
  s_.AttachDesk(this);
}

DeskDial::~DeskDial() {
  if (s_.Desk() == this) s_.AttachDesk(nullptr);
}

std::filesystem::path DeskDial::SettingsPath() const {
  return DeskSettingsPath(s_.State().ProjectFileName, settingsFolder_);
}

void DeskDial::ToggleCommand() {
  s_.ValidatePendingEntry();
  ToggleDeskMode();
}

bool DeskDial::ToggleDeskMode() {
  if (s_.DeskMode()) {
    Leave();
    return true;
  }
  return Enter();
}

WindowGeometry DeskDial::ExchangeDeskSettings() {
  if (!s_.DeskMode()) {
    const ScreenRect before = window_.Placement();
    WindowGeometry normal;
    normal.flag = window_.Maximized() ? 1 : 0;
    // the stored placement is the restored one, to come back to it maximized
    const ScreenRect at = window_.NormalPlacement();
    const ScreenRect minimum = window_.MinimumSize();
    normal.left = at.left;
    normal.top = at.top;
    normal.width = at.width;
    normal.height = at.height;
    normal.minWidth = minimum.width;
    normal.minHeight = minimum.height;
    normal.reportWidth = window_.ReportWidth();
    const auto outcome = file_.Enter(SettingsPath(), normal, before.left, before.top);
    if (outcome.error) prompts_.ShowMessage(*outcome.error);
    return outcome.geometry;
  }
  const ScreenRect at = window_.Placement();
  const auto outcome =
      file_.Leave({at.left, at.top, at.width, at.height, 0, 0, stayOnTop_ ? 1 : 0});
  if (outcome.error) prompts_.ShowMessage(*outcome.error);
  return outcome.geometry;
}

bool DeskDial::Enter() {
  if (!s_.State().DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDialTracedText));
    return false;
  }
  if (const auto refused = CheckDeskSettingsHeader(SettingsPath())) {
    prompts_.ShowMessage(*refused);
    return false;
  }
  if (s_.State().ProjectFileName.empty()) {
    // an untitled project's settings go to the per-user folder, made on first use
    std::error_code ec;
    std::filesystem::create_directories(settingsFolder_, ec);
  }
  const WindowGeometry desk = ExchangeDeskSettings();
  s_.EnterDeskMode();
  // the check mark follows the stored value, so that it never shows a state the window lacks
  stayOnTop_ = desk.flag == 1;
  const ScreenRect frame = window_.DeskFrame();
  const PixelSize minimum = DeskMinimumSize(s_.Project().Plate, window_.DeskMarginPx(),
                                            {frame.width, frame.height});
  DeskLook look;
  look.desk = true;
  look.place = {desk.left, desk.top, desk.width, desk.height};
  look.minWidth = minimum.width;
  look.minHeight = minimum.height;
  look.stayOnTop = stayOnTop_;
  look.ticking = true;
  window_.Apply(look);
  Resized();
  return true;
}

void DeskDial::Leave() {
  const WindowGeometry normal = ExchangeDeskSettings();
  DeskLook look;
  look.place = {normal.left, normal.top, normal.width, normal.height};
  look.minWidth = normal.minWidth;
  look.minHeight = normal.minHeight;
  look.maximized = normal.flag == 1;
  look.reportWidth = normal.reportWidth;
  window_.Apply(look);
  s_.LeaveDeskMode();
}

void DeskDial::ToggleStayOnTop() {
  stayOnTop_ = !stayOnTop_;
  window_.SetStayOnTop(stayOnTop_);
}

std::optional<PixelSize> DeskDial::ResizeRequest(PixelSize proposedOuter,
                                                 PixelSize currentOuter) const {
  if (!s_.DeskMode()) return proposedOuter;
  // the frame around the client area is the same at every size
  const ScreenRect outer = window_.Placement();
  const ScreenRect client = window_.ClientSize();
  const PixelSize currentClient{currentOuter.width - (outer.width - client.width),
                                currentOuter.height - (outer.height - client.height)};
  return DeskResize(s_.Project().Plate, Margin(), proposedOuter, currentOuter, currentClient);
}

void DeskDial::Resized() {
  if (!s_.DeskMode()) return;
  const PixelSize bitmap =
      DeskBitmapSize(s_.Project().Plate, Margin(), SizeOf(window_.ClientSize()));
  s_.DrawAtSize(bitmap.width, bitmap.height);
}

void DeskDial::Tick() {
  if (s_.DeskMode()) s_.RedrawWithoutReport();
}

void DeskDial::StoreDeskSettings() {
  if (s_.DeskMode() && file_.Active()) ExchangeDeskSettings();
}

void DeskDial::Register(MenuCommands& menus) {
  menus.Add(MenuId::CadBur1, [this] { ToggleCommand(); });
  menus.Add(MenuId::RetUmbrix1, [this] { ToggleCommand(); });
  menus.Add(
      MenuId::TjsVisible1, [this] { ToggleStayOnTop(); },
      [this] {
        return MenuItemState{stayOnTop_, true};
      });
}

}  // namespace umbrix
