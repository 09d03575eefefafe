#pragma once
// The dial project record: every entry the maker types, the drawing options, and the shared
// project state. Plain data; the form model keeps its invariants.

#include <array>
#include <initializer_list>
#include <string>

namespace umbrix {

/// Serial of 1 January 2010 (day 0 = 30 December 1899): the start-up date of the Divers tab.
inline constexpr double kStartupDadiurSerial = 40179.0;

/// One entry of the record: the text as the control shows it, the parsed value and the
/// given-flag (`Has<Field>`), which is true exactly when the text is not empty after validation.
/// `value` is meaningless while `given` is false.
struct Entry {
  std::string text;
  double value = 0.0;
  bool given = false;
};

/// A Test-tab entry: no given-flag, an empty or invalid text reads as 0.
struct TestEntry {
  std::string text;
  double value = 0.0;
};

/// Every entry control of the "Saisies" dialog that holds a value, in tab order.
enum class Field {
  Cote, Coteh, Cotel, Gnomon, Gnomf, Gnomx, Gnomy,          // "&Cadran"
  Date1, Heure1, Mesx1, Mesy1,                              // "Point &1"
  Date2, Heure2, Mesx2, Mesy2,                              // "Point &2"
  Lat, MiJour, Long, FusHor,                                // "&Lieu"
  Dadiur, Hediur, DecEd, IncEd, RotEd,                      // "&Divers"
  Carreau,                                                  // under the tabs
};
inline constexpr int kFieldCount = static_cast<int>(Field::Carreau) + 1;

/// The control name of a field ("Cote", "Date1", ...), as the dialog and the messages know it.
const char* FieldName(Field f);

/// The Test tab's entries, `Edit20` to `Edit26`.
enum class TestField { Edit20, Edit21, Edit22, Edit23, Edit24, Edit25, Edit26 };
inline constexpr int kTestFieldCount = 7;

/// Plate extent in millimetres, centred on the origin (the measuring gnomon's foot).
struct PlateWindow {
  double XMin = -50.0;
  double XMax = 50.0;
  double YMin = -50.0;
  double YMax = 50.0;
};

/// A menu item of the main window: checked and enabled state.
struct MenuOption {
  bool checked = false;
  bool enabled = true;
};

/// The legal offset a real instant was read in (hours east of Greenwich), once resolved in the
/// named zone; kept with the project so that a later change of the zone's rules cannot move it.
struct ZoneOffset {
  bool known = false;
  double hours = 0.0;
  friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

/// The drawing options chosen in the main window's menus (stored in the project file).
struct DrawingOptions {
  /// Hour lines every 1/n hour: 1 (none of `Demi`, `Quart`, `N10min`), 2, 4 or 6.
  int HourSubdivisions = 1;
  MenuOption Lighor1{true, true};
  MenuOption LhLim;
  MenuOption HiverPrintemps1;  // analemma halves January-June
  MenuOption EteAutomne1;      // analemma halves July-December
  /// 0 none; +1 `SgEqu`; +2 `SgSol`; 7 `SgTou`.
  int SignArcs = 0;
  MenuOption MenDat;
  MenuOption HiverPrintemps2;  // monthly arcs January-June
  MenuOption EteAutomne2;      // monthly arcs July-December
  MenuOption N2points1;
  MenuOption Axes1;
  MenuOption Carreaux1;
  MenuOption Horizon1{false, false};  // enabled only while `Limite` is checked
  MenuOption Refrac1{false, false};   // enabled only while `Mijou` or `Locc` is checked
  MenuOption Ombre1;
  MenuOption Visible1{true, true};
  MenuOption Style1{true, true};  // exactly one of `Style1` and `Gnomon1` is checked
  MenuOption Gnomon1;
  /// The old hours, counted from sunset, from sunrise, or as twelfths of the daylight: enabled
  /// only while `Limite` is checked (the horizon must be known).
  MenuOption Italiques1{false, false};
  MenuOption Babyloniques1{false, false};
  MenuOption Temporaires1{false, false};

  bool SgEqu() const { return SignArcs != 7 && (SignArcs & 1) != 0; }
  bool SgSol() const { return SignArcs != 7 && (SignArcs & 2) != 0; }
  bool SgTou() const { return SignArcs == 7; }
  bool Demi() const { return HourSubdivisions == 2; }
  bool Quart() const { return HourSubdivisions == 4; }
  bool N10min() const { return HourSubdivisions == 6; }
};

/// `TypeHeure` items: the kind of clock time of `Hediur`, as a day offset.
inline constexpr std::array<double, 3> kTypeHeureValues = {0.0, -1.0 / 24.0, 1.0 / 24.0};

/// Everything the maker enters about one sundial.
struct DialProject {
  // "&Cadran"
  Entry Cote, Coteh, Cotel;
  PlateWindow Plate;  // `PlateWindow`, set by `Cote`, `Coteh`, `Cotel`
  bool Rectg = false;
  Entry Gnomon;
  bool Hautf = false;
  Entry Gnomf, Gnomx, Gnomy;

  // "Point &1", "Point &2"
  Entry Date1, Heure1, Mesx1, Mesy1;
  Entry Date2, Heure2, Mesx2, Mesy2;
  /// Companion labels: the parsed date as "d mmmm yyyy", the time in the long time format.
  std::string Adate1, Aheure1, Adate2, Aheure2;

  // "&Lieu"
  bool Limite = false;
  Entry Lat;          // degrees, negative when `Sud` is selected
  bool Nord = true;   // radio `Nord`/`Sud`
  bool Mijou = false;
  Entry MiJour;       // day fraction
  std::string Amijour;
  bool Locc = false;
  bool Hvrai = false;
  Entry Long;         // degrees, positive west, negative when `Est` is selected
  bool Est = true;    // radio `Est`/`Ouest`
  Entry FusHor;       // hours, positive east: the dial's own clock
  /// The place's time zone by name ("Europe/Paris"); empty: every instant is read on `FusHor`.
  std::string Zone;
  /// The legal offset of `Zone` at point 1, point 2 and the current instant (`kZonePoint1`...).
  std::array<ZoneOffset, 3> ZoneOffsets{};

  // "&Divers"
  Entry Dadiur;       // date serial
  std::string Adadiur;
  int TypeHeureItem = 0;    // -1 when no item is selected
  double TypeHeure = 0.0;   // day offset of the selected item
  Entry Hediur;       // day fraction
  std::string Ahediur;
  Entry DecEd;        // degrees, negative when `Dest` is selected
  bool Dest = true;   // radio `Dest`/`Douest`
  Entry IncEd, RotEd;

  Entry Carreau;      // grid square side, mm

  // "&Test" and "&Option"
  std::array<TestEntry, kTestFieldCount> Test;  // Edit20..Edit26; angles kept in radians
  bool Corref = false;
  bool Pta12h = false;
  bool Sequ = false;
  std::string NomFic;

  /// The "Mes commentaires :" pane: lines joined with CR LF.
  std::string Comments;

  DrawingOptions Options;

  Entry& At(Field f);
  const Entry& At(Field f) const;
  bool Has(Field f) const { return At(f).given; }
  TestEntry& At(TestField f) { return Test[static_cast<int>(f)]; }
  const TestEntry& At(TestField f) const { return Test[static_cast<int>(f)]; }
};

/// `RunMode`: the last computation command. A project file may hold any whole number here, and
/// it is kept as read (an unknown mode computes nothing).
enum class RunMode : int {
  Compute = 1,    // "C&alculer": solve from the two measured points
  Simulate = 2,   // "&Simuler": simulate the points from the typed orientation, then solve
  Trace = 3,      // "&Tracer": trace from the typed orientation
  Ephemeris = 8,  // the ephemeris in the main window
};

/// A set of `RunMode` values; a mode outside 0 to 31 belongs only to `kAnyMode`.
class RunModeSet {
 public:
  constexpr RunModeSet() = default;
  constexpr RunModeSet(std::initializer_list<RunMode> modes) {
    for (RunMode m : modes) bits_ |= 1u << static_cast<int>(m);
  }
  static constexpr RunModeSet Any() {
    RunModeSet s;
    s.any_ = true;
    return s;
  }
  constexpr bool Contains(RunMode m) const {
    const int v = static_cast<int>(m);
    return any_ || (v >= 0 && v < 32 && (bits_ >> v & 1u) != 0);
  }

 private:
  unsigned bits_ = 0;
  bool any_ = false;
};

/// The sets of `RunMode` in which an entry's change blanks the drawing.
inline constexpr RunModeSet kAnyMode = RunModeSet::Any();
inline constexpr RunModeSet kDialCommands{RunMode::Compute, RunMode::Simulate,
                                          RunMode::Trace};  // set A: the dialog's three commands
inline constexpr RunModeSet kTypedOrientationModes{RunMode::Simulate, RunMode::Trace,
                                                   RunMode::Ephemeris};  // set B
inline constexpr RunModeSet kPointInstantModes{RunMode::Compute, RunMode::Simulate,
                                               RunMode::Ephemeris};  // set C
inline constexpr RunModeSet kPointMarkModes{RunMode::Compute, RunMode::Ephemeris};  // set D

/// State shared by the whole program beside the record.
struct ProjectState {
  bool Modified = false;
  std::string ProjectFileName;  // full path; empty for an untitled project
  bool ProjectFileHeld = false;
  ::umbrix::RunMode RunMode = ::umbrix::RunMode::Compute;
  bool TestDataValid = false;
  bool TestMode = false;
  bool DrawingExists = false;
  bool EnglishUi = false;
  double SequenceIndex = 0.0;
};

/// The record as the program starts, before any file is opened and before the dialog's
/// creation handler fills `Dadiur`, `Hediur`, `Carreau` (see `ApplyStartupEntries`).
DialProject BlankProject();

/// Texts the dialog's creation and "Nouveau" put into the Divers tab and the grid:
/// `Dadiur` = 1 January 2010, `TypeHeure` item 0, `Hediur` = "12:00:00", `Carreau` = "50".
/// Written directly, values and labels included, for callers without a form model.
void ApplyStartupEntries(DialProject& project);

/// The record at start-up: `BlankProject` plus `ApplyStartupEntries`.
DialProject StartupProject();

}  // namespace umbrix
