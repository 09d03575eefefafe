#pragma once
// The desk dial: the main window turned into a small tool window that shows only the dial with
// its shadow at the present instant, redrawn by a timer, and kept where the maker left it through
// the project's settings file. Plain logic over the session and the window's desk port.

#include <filesystem>
#include <optional>

#include "app/Ports.h"
#include "app/Session.h"
#include "app/WindowLayout.h"
#include "files/DeskSettings.h"
#include "model/DialProject.h"
#include "model/Texts.h"

namespace umbrix {

class MenuCommands;

inline constexpr const char* kNoDialTracedText = UMBRIX_TR("Message", "Le cadran n'est pas tracé");
/// The desk dial's redraw period.
inline constexpr int kDeskTickMs = 20000;

/// The desk window's smallest outer size for the plate `plate` with the margin `marginPx`: the
/// plate's shorter side never drawn smaller than 7 margins less one pixel. `nonClient` is what the
/// window adds around its client area.
PixelSize DeskMinimumSize(const PlateWindow& plate, int marginPx, PixelSize nonClient);

/// The answer to a proposed outer size: refused (nothing) when its height is the current one,
/// else that height with the width that keeps the plate's proportions.
std::optional<PixelSize> DeskResize(const PlateWindow& plate, int marginPx, PixelSize proposed,
                                    PixelSize current, PixelSize client);

/// The bitmap the plate fills in a client area of `client` pixels, margins included.
PixelSize DeskBitmapSize(const PlateWindow& plate, int marginPx, PixelSize client);

class DeskDial {
 public:
  /// Attaches itself to `session`; the session and the ports must outlive it. An untitled
  /// project keeps its settings in `settingsFolder`.
  DeskDial(Session& session, Prompts& prompts, DeskWindow& window,
           std::filesystem::path settingsFolder);
  ~DeskDial();
  DeskDial(const DeskDial&) = delete;
  DeskDial& operator=(const DeskDial&) = delete;

  /// "Cadran de &bureau" and "Retour Umbrix": the entry being typed re-validated, then
  /// `ToggleDeskMode`.
  void ToggleCommand();
  /// Enters the mode when it is off (refused, with its message, without a traced dial or with a
  /// settings file of another format), leaves it when it is on. True when the mode changed.
  bool ToggleDeskMode();
  /// "Toujours visible": the check mark inverted, the window kept above the others or not.
  void ToggleStayOnTop();
  bool StayOnTop() const { return stayOnTop_; }
  /// Registers "Cadran de &bureau" and the popup's "Toujours visible" and "Retour Umbrix".
  void Register(MenuCommands& menus);

  /// A resize the window asks about or received in desk-dial mode, from the outer size
  /// `currentOuter`: the outer size to take, or nothing to refuse it (keep the current size).
  /// Outside the mode every size is accepted.
  std::optional<PixelSize> ResizeRequest(PixelSize proposedOuter, PixelSize currentOuter) const;
  /// After a resize in desk-dial mode: the bitmap fitted to the client area and the dial redrawn.
  void Resized();
  /// The timer: the dial redrawn at the present instant; the report stays as it is.
  void Tick();
  /// Quitting, closing or shutting down in desk-dial mode: the desk window's geometry stored.
  void StoreDeskSettings();

  /// The settings file of the current project.
  std::filesystem::path SettingsPath() const;

 private:
  /// The desk look worked out whole, applied in one call, and the dial traced once at its size.
  bool Enter();
  /// The normal look applied in one call, the drawing fitted to the normal window again.
  void Leave();
  /// Entering: the desk geometry to apply, the normal window's stored. Leaving: the normal
  /// geometry to restore, the desk window's stored and the file released.
  WindowGeometry ExchangeDeskSettings();
  int Margin() const { return s_.Screen().MarginPx(); }

  Session& s_;
  Prompts& prompts_;
  DeskWindow& window_;
  std::filesystem::path settingsFolder_;
  DeskSettingsFile file_;
  bool stayOnTop_ = false;
};

}  // namespace umbrix
