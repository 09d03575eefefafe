#pragma once
// The command line of `umbrix-cli`: a project file, the command to run, and what to write.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace umbrix {

/// Exit statuses.
inline constexpr int kExitSuccess = 0;
/// A computation was refused: an entry is missing, the solver or the simulation failed, or a
/// drawing was asked for while none exists.
inline constexpr int kExitRefused = 1;
/// A usage error, or a file that could not be read or written.
inline constexpr int kExitFileOrUsage = 2;

/// Default largest drawing, pixels.
inline constexpr int kDefaultDrawingSide = 600;
/// Bounds of a side given with --size, pixels.
inline constexpr int kMinDrawingSide = 64;
inline constexpr int kMaxDrawingSide = 10000;

struct CliOptions {
  enum class Action { Run, HelpFrench, HelpEnglish, Version };
  Action action = Action::Run;

  std::string project;
  /// `RunMode` to run instead of the project's last command; none to repeat it.
  std::optional<int> command;
  std::optional<std::string> report;  // "-" for standard output
  std::optional<std::string> png;
  std::optional<std::string> bmp;
  std::optional<std::string> svg;
  std::optional<std::string> dxf;
  std::optional<std::string> save;
  /// The largest drawing bitmap (pixels); the plate keeps its proportions inside it.
  int width = kDefaultDrawingSide;
  int height = kDefaultDrawingSide;
  /// Developer mode: extended project files are accepted.
  bool developerMode = false;
};

struct CliParse {
  std::optional<CliOptions> options;
  /// The usage error, in French, when `options` is empty.
  std::string error;
};

/// Reads the arguments after the program's name. Options take their value as the next argument
/// or after "=" ("--size 800x600", "--size=800x600"). Help and version win over everything else.
/// An option given twice is refused, as are two outputs sent to standard output ("-"); "--" ends
/// the options, so that a project named "-x.umd" can be opened.
CliParse ParseCliArguments(const std::vector<std::string>& args);

/// `RunMode` of a command name: "calculer" 1, "simuler" 2, "tracer" 3, "éphémérides" (or
/// "ephemerides") 8, whatever the case of its letters, accented ones included ("ÉPHÉMÉRIDES");
/// nothing for another name.
std::optional<int> CommandMode(std::string_view name);

std::string HelpText(bool french);
std::string VersionText();

}  // namespace umbrix
