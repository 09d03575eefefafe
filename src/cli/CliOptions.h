#pragma once
// The command line of `umbrix-cli`: a project file, the command to run, and what to write.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/PrintPlan.h"
#include "model/DialProject.h"
#include "render/InterfaceLanguage.h"

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
  std::optional<RunMode> command;
  std::optional<std::string> report;  // "-" for standard output
  std::optional<std::string> png;
  std::optional<std::string> bmp;
  std::optional<std::string> svg;
  std::optional<std::string> dxf;
  std::optional<std::string> save;
  /// The workshop drawing, DXF and SVG.
  std::optional<std::string> fabricationDxf;
  std::optional<std::string> fabricationSvg;
  /// Height of its hour numerals (mm); 0 for the plate's default.
  double numeralHeightMm = 0.0;
  /// The largest drawing bitmap (pixels); the plate keeps its proportions inside it.
  int width = kDefaultDrawingSide;
  int height = kDefaultDrawingSide;
  /// The study of how far the measurement can be trusted: "-" for standard output.
  std::optional<std::string> reliability;
  /// Steps of that study: each mark coordinate moved by this many mm, each clock time by this
  /// many seconds.
  double markStepMm = 0.5;
  double timeStepSeconds = 30.0;
  /// The print to write as a PDF (--impression), its file (--pdf) and its paper (--papier:
  /// "A4", "A3" or "Letter").
  std::optional<PrintLayout> print;
  std::optional<std::string> pdf;
  std::string paper = "A4";
  /// --langue: the language of the messages and the report; none for the desktop's.
  std::optional<InterfaceLanguageId> language;
  /// Developer mode: extended project files are accepted.
  bool developerMode = false;
  /// --zone: the place's time zone by name for the run; empty removes the project's zone.
  std::optional<std::string> zone;
  /// The old hours switched on for the run (--heures-anciennes), beside those of the project.
  bool italianHours = false;
  bool babylonianHours = false;
  bool temporaryHours = false;

  bool operator==(const CliOptions&) const = default;
};

/// The translation context of the command line's own texts.
inline constexpr const char* kCliContext = "Cli";

struct CliParse {
  std::optional<CliOptions> options;
  /// The usage error when `options` is empty: a marked text of `kCliContext`, a pattern with
  /// "%1"... for `errorArgs`.
  std::string error;
  std::vector<std::string> errorArgs = {};

  /// The usage error in the interface language, its arguments put in.
  std::string ErrorText() const;
};

/// Bounds of the study's steps (--ecart-marques, mm; --ecart-heures, s), both above 0.
inline constexpr double kMaxMarkStepMm = 100.0;
inline constexpr double kMaxTimeStepSeconds = 3600.0;
/// Bounds of --hauteur-chiffres (mm).
inline constexpr double kMinCliNumeralHeightMm = 1.0;
inline constexpr double kMaxCliNumeralHeightMm = 100.0;

/// A usage refusal: a marked text of `kCliContext`, a pattern with "%1"... for `args`.
struct CliRefusal {
  const char* error;
  std::vector<std::string> args = {};
};

/// What an option takes after its name.
enum class CliValue {
  None,        // a switch ("--map"), refused with a value ("--map=oui")
  Required,    // "--png FICHIER", refused when empty
  MayBeEmpty,  // "--zone NOM", where an empty name means something of its own
  /// "--fiabilite [FICHIER|-]": the next argument only when it can be neither a project nor an
  /// option
  Optional,
};

/// One option of the command line: the names it answers to, its value, what it sets and its
/// help line. The names are the command line's syntax, the same in every language: scripts type
/// them.
struct CliOption {
  /// The name the French help lists first ("--commande").
  const char* french = nullptr;
  /// The name the English help lists first ("--command"); none when it is the French one.
  const char* english = nullptr;
  /// A name both helps list after those two ("-c", "--language"), or none.
  const char* alias = nullptr;
  /// A spelling accepted but listed nowhere ("--fiabilité"), or none.
  const char* spelling = nullptr;
  CliValue value = CliValue::None;
  /// Written after each name in the help: a marked text of `kCliContext` ("FICHIER") or the
  /// values themselves ("fr|en"); none for a switch.
  const char* placeholder = nullptr;
  /// The help line, a marked text of `kCliContext`; "\n" starts a line of its own below.
  const char* help = nullptr;
  /// Help and version: found anywhere before "--", they answer alone, whatever else is given.
  bool alone = false;
  /// Writes the value (empty for a switch, or for an optional value not given) into the options;
  /// the refusal of a bad value. None for "--", which the parser reads itself.
  std::optional<CliRefusal> (*set)(CliOptions& options, const std::string& value) = nullptr;
};

/// Every option, in the order the help lists them.
std::span<const CliOption> CliOptionTable();

/// Reads the arguments after the program's name. Options take their value as the next argument
/// or after "=" ("--size 800x600", "--size=800x600"). Help and version win over everything else.
/// An option given twice is refused, as are two outputs sent to standard output ("-"); "--" ends
/// the options, so that a project named "-x.umd" can be opened.
CliParse ParseCliArguments(const std::vector<std::string>& args);

/// `RunMode` of a command name: "calculer" 1, "simuler" 2, "tracer" 3, "éphémérides" (or
/// "ephemerides") 8, whatever the case of its letters, accented ones included ("ÉPHÉMÉRIDES");
/// nothing for another name.
std::optional<RunMode> CommandMode(std::string_view name);

/// The print of a name: "imprimer", "demi", "plein", "2", "4", "echelle" (or "échelle"),
/// whatever the case; nothing for another name.
std::optional<PrintLayout> PrintLayoutNamed(std::string_view name);

/// The help in French (--aide) or in English (--help), whatever the interface language: the
/// options' lines composed from `CliOptionTable()` between a head and a foot.
std::string HelpText(bool french);
std::string VersionText();

/// `pattern`, a marked text of `kCliContext`, in the interface language, "%1"... replaced by
/// `args`.
std::string CliText(const std::string& pattern, const std::vector<std::string>& args = {});

}  // namespace umbrix
