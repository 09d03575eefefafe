#pragma once
// The desk-dial settings file ".umb": the normal window's and the desk window's geometry, kept
// beside the project file so the desk dial reopens where the maker left it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/ProjectFileLock.h"
#include "model/Message.h"

namespace umbrix {

/// A window geometry in screen pixels, with one flag: maximized for the normal window, stay on
/// top for the desk window.
struct WindowGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int minWidth = 0;
  int minHeight = 0;
  int flag = 0;
  /// The normal window's report pane width chosen with the splitter; 0: the design width.
  int reportWidth = 0;

  friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

/// The twelve values of the file, in file order; 100 each when there is no file. A thirteenth
/// line, the normal window's report pane width, follows them; a file without it reads 0 there.
struct DeskSettings {
  int leftNormal = 100;
  int topNormal = 100;
  int widthNormal = 100;
  int heightNormal = 100;
  int minWidthNormal = 100;
  int minHeightNormal = 100;
  int maximizedNormal = 100;
  int leftDesktop = 100;
  int topDesktop = 100;
  int widthDesktop = 100;
  int heightDesktop = 100;
  int stayOnTopDesktop = 100;
  int reportWidthNormal = 0;

  friend bool operator==(const DeskSettings&, const DeskSettings&) = default;
};

/// Side of the desk window when a project has no settings yet, and the desk window's minimum.
inline constexpr int kDeskWindowSide = 160;

/// Where a project's settings live: `ProjectFileName` with the extension ".umb"; an untitled
/// project (empty name) keeps its settings in "sans-titre.umb" of the per-user settings folder.
std::filesystem::path DeskSettingsPath(const std::string& projectFileName,
                                       const std::filesystem::path& userSettingsFolder);

/// The fourteen lines: "UmbrixBur1" and the thirteen values with their comments.
std::vector<std::string> BuildDeskSettingsLines(const DeskSettings& settings);
/// The values of the file's lines; nothing when one of the twelve value lines is missing or not
/// a whole number (the caller then uses the defaults of a first use). A missing or unreadable
/// report pane width reads 0: the file of an earlier version keeps its geometry.
std::optional<DeskSettings> ParseDeskSettings(const std::vector<std::string>& lines);

/// The check made before entering desk-dial mode: an existing file whose first line does not
/// start with "UmbrixBur" gives "<full name> : format incorrect"; a missing file is fine.
std::optional<Message> CheckDeskSettingsHeader(const std::filesystem::path& file);

/// The settings file while desk-dial mode lasts: written and held on entering, rewritten and
/// released on leaving.
class DeskSettingsFile {
 public:
  struct Outcome {
    WindowGeometry geometry;       // the geometry to apply
    std::optional<Message> error;  // the file could not be written (the mode goes on)
  };

  /// Entering: `normalNow` is the normal window's restored geometry with its size constraints
  /// and flag 1 when it was maximized; `currentLeft`/`currentTop` its position now. Returns the
  /// desk window's geometry (the stored one, or a 160 x 160 window at the current position when
  /// the file is missing or its values are not whole numbers), minimum 160 x 160.
  Outcome Enter(const std::filesystem::path& file, const WindowGeometry& normalNow, int currentLeft,
                int currentTop);
  /// Leaving: `deskNow` is the desk window's geometry with flag 1 when it stays on top. Returns
  /// the normal window's geometry stored on entering (flag: maximized).
  Outcome Leave(const WindowGeometry& deskNow);

  bool Active() const { return active_; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  ProjectFileLock held_;
  DeskSettings values_;
  bool active_ = false;
};

}  // namespace umbrix
