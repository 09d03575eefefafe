#include "files/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "files/SafeFile.h"
#include "files/TextLines.h"
#include "model/Dates.h"
#include "model/Formats.h"

namespace umbrix {

namespace {

constexpr const char* kSeparator = "---";
// Opens the zone block after the comments and the old hours' lines, where a reader without zones
// stops reading.
constexpr const char* kZoneBlockMark = "Umbrix6z";
constexpr int kCurrentVersion = 6;

// The old hours' lines follow the comments' closing separator, where a reader that does not
// know them stops reading; their comments are part of the format, never translated.
constexpr const char* kOldHoursComments[] = {UMBRIX_FILE_TEXT(" 'Heures italiques"),
                                             UMBRIX_FILE_TEXT(" 'Heures babyloniques"),
                                             UMBRIX_FILE_TEXT(" 'Heures temporaires")};

std::array<MenuOption*, 3> OldHourOptions(DrawingOptions& o) {
  return {&o.Italiques1, &o.Babyloniques1, &o.Temporaires1};
}

std::string DateValue(const Entry& e) { return e.given ? FormatDateShort(e.value) : ""; }
std::string TimeValue(const Entry& e) { return e.given ? FormatLongTime(e.value) : ""; }
std::string ZoneText(double hours) {
  return (hours < 0 ? "-" : "") + FormatZoneHours(std::abs(hours));
}
std::string ZoneValue(const Entry& e) { return e.given ? ZoneText(e.value) : ""; }

int TypeHeureIndex(const DialProject& p) {
  if (p.TypeHeureItem >= 0 && p.TypeHeureItem < 3) return p.TypeHeureItem;
  return p.TypeHeure == 0 ? 0 : (p.TypeHeure > 0 ? 2 : 1);
}

// The lines of the file, read one after another; past the end every line is empty.
class LineReader {
 public:
  explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  bool AtEnd() const { return next_ >= lines_.size(); }
  std::string Raw() {
    if (AtEnd()) {
      overran_ = true;
      return {};
    }
    return lines_[next_++];
  }
  /// A line was asked for past the end of the file.
  bool Overran() const { return overran_; }
  std::string Value() { return FieldValueOf(Raw()); }
  /// The next line, left to be read.
  std::string Peek() const { return AtEnd() ? std::string() : lines_[next_]; }
  bool Yes() { return IsYesText(Value()); }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
  bool overran_ = false;
};

// Collects what the handlers of the scratch dialog ask of the main window, to hand it on once
// the load is committed.
class ScratchHost final : public FormHost {
 public:
  explicit ScratchHost(const FormHost& live) : live_(live) {}
  void MarkModified(bool, bool clearDrawing) override {
    clearDrawing_ = clearDrawing_ || clearDrawing;
  }
  void FitDrawing() override { fit_ = true; }
  void MenuEnabledChanged(MenuItem, bool) override {}
  void ShowMessage(const Message& message) override { messages_.push_back(message); }
  ClockReading Now() const override { return live_.Now(); }
  const ZoneRules* Zones() const override { return live_.Zones(); }
  bool TakeLaterOffset(const std::string&, const std::vector<std::string>&) override {
    return false;
  }

  bool clearDrawing_ = false;
  bool fit_ = false;
  Messages messages_;

 private:
  const FormHost& live_;
};

// A header the reader accepts: "Umbrix1" to "Umbrix6", and with a final "d" in developer mode.
bool AcceptedHeader(const std::string& header, bool testMode) {
  if (header.size() != 7 && header.size() != 8) return false;
  if (header.compare(0, 6, "Umbrix") != 0) return false;
  if (header[6] < '1' || header[6] > '6') return false;
  return header.size() == 7 || (header[7] == 'd' && testMode);
}

// A date line: "dd/mm/yyyy" whatever the interface, handed to the entry in its own format.
void ReadDateLine(Form& form, Field field, const std::string& value) {
  ParseContext ctx;
  const ClockReading now = form.Host().Now();
  ctx.today = now.today;
  ctx.now = now.timeOfDay;
  ctx.dayFirst = true;
  const auto serial = ParseDate(value, ctx);
  form.Enter(field, serial ? FormatDateInPattern(*serial, form.Dates().pattern) : std::string());
}

int WholeOr(const std::string& value, int fallback) { return ParseWhole(value).value_or(fallback); }

// Feeds the data lines to the dialog in the order the reader decides them. False when the file
// ended before its data lines, the separator after them or the one closing the comments.
bool FeedLines(Form& f, LineReader& in, int k, bool extended) {
  DialProject& p = f.Project();
  DrawingOptions& o = p.Options;

  f.SetChecked(Check::Rectg, false);
  f.SetChecked(Check::Hautf, false);
  if (k > 1 && in.Yes()) {
    f.SetChecked(Check::Rectg, true);
    f.Enter(Field::Coteh, in.Value());
    f.Enter(Field::Cotel, in.Value());
  } else {
    f.Enter(Field::Cote, in.Value());
  }
  f.Enter(Field::Gnomon, in.Value());
  if (k > 1 && in.Yes()) {
    f.SetChecked(Check::Hautf, true);
    f.Enter(Field::Gnomf, in.Value());
    f.Enter(Field::Gnomx, in.Value());
    f.Enter(Field::Gnomy, in.Value());
  }

  ReadDateLine(f, Field::Date1, in.Value());
  f.Enter(Field::Heure1, in.Value());
  f.Enter(Field::Mesx1, in.Value());
  f.Enter(Field::Mesy1, in.Value());
  ReadDateLine(f, Field::Date2, in.Value());
  f.Enter(Field::Heure2, in.Value());
  f.Enter(Field::Mesx2, in.Value());
  f.Enter(Field::Mesy2, in.Value());

  f.SetChecked(Check::Limite, false);
  f.SetChecked(Check::Hvrai, false);
  if (in.Yes()) f.SetChecked(Check::Limite, true);
  if (k > 5 && in.Yes()) f.SetChecked(Check::Hvrai, true);

  if (p.Limite) {
    f.SetText(Field::Lat, in.Value());
    f.Select(in.Yes() ? Radio::Sud : Radio::Nord);
    f.Leave(Field::Lat);
    f.SetChecked(Check::Mijou, in.Yes());
    if (p.Mijou) f.Enter(Field::MiJour, in.Value());
    f.SetChecked(Check::Locc, in.Yes());
  }
  if (p.Locc || p.Hvrai) {
    f.SetText(Field::Long, in.Value());
    f.Select(in.Yes() ? Radio::Est : Radio::Ouest);
    f.Leave(Field::Long);
    f.Enter(Field::FusHor, in.Value());
  }

  if (k > 2) {
    f.Enter(Field::Carreau, in.Value());
    // version 3 may hold a yes/no word where later versions hold a number
    const std::string subdivisions = in.Value();
    const int n = WholeOr(subdivisions, IsYesText(subdivisions) ? 2 : 1);
    o.HourSubdivisions = (n == 2 || n == 4 || n == 6) ? n : 1;
    o.Lighor1.checked = in.Yes();
    o.N2points1.checked = in.Yes();
    o.Axes1.checked = in.Yes();
    o.Carreaux1.checked = in.Yes();
    o.Horizon1.checked = in.Yes();
    const std::string signs = in.Value();
    const int s = WholeOr(signs, IsYesText(signs) ? 7 : 0);
    o.SignArcs = (s == 1 || s == 2 || s == 3 || s == 7) ? s : 0;
  } else {
    f.Enter(Field::Carreau, "50");
  }

  if (k > 3) {
    o.MenDat.checked = in.Yes();
    ReadDateLine(f, Field::Dadiur, in.Value());
    o.EteAutomne2.checked = in.Yes();
    o.HiverPrintemps2.checked = in.Yes();
    o.LhLim.checked = in.Yes();
    o.Ombre1.checked = in.Yes();
    const int item = WholeOr(in.Value(), 0);
    f.SelectTypeHeure(item >= 0 && item <= 2 ? item : 0);
    f.LeaveTypeHeure();
    f.SetText(Field::Hediur, in.Value());
  } else {
    f.Enter(Field::Dadiur, FormatDateInPattern(kStartupDadiurSerial, f.Dates().pattern));
    f.SelectTypeHeure(0);
    f.LeaveTypeHeure();
    f.SetText(Field::Hediur, "12:00:00");
  }
  f.Leave(Field::Hediur);

  if (k > 2) {
    o.EteAutomne1.checked = in.Yes();
    o.HiverPrintemps1.checked = in.Yes();
    if (k > 3) {
      o.Visible1.checked = in.Yes();
      o.Gnomon1.checked = in.Yes();
    } else {
      const bool visible = in.Yes();
      const bool gnomon = in.Yes();
      o.Gnomon1.checked = gnomon;
      o.Visible1.checked = visible || gnomon;
    }
    o.Style1.checked = !o.Gnomon1.checked;
  }

  if (k > 4) {
    o.Refrac1.checked = in.Yes();
    f.Enter(Field::DecEd, in.Value());
    f.Select(in.Yes() ? Radio::Dest : Radio::Douest);
    f.Enter(Field::IncEd, in.Value());
    f.Enter(Field::RotEd, in.Value());
    f.State().RunMode = RunMode{WholeOr(in.Value(), 1)};
  } else {
    o.Refrac1.checked = false;
    f.Enter(Field::DecEd, "");
    f.Select(Radio::Dest);
    f.Enter(Field::IncEd, "");
    f.Enter(Field::RotEd, "");
    f.State().RunMode = RunMode::Compute;
  }

  if (extended) {
    for (TestField t : {TestField::Edit20, TestField::Edit21, TestField::Edit22, TestField::Edit23,
                        TestField::Edit24, TestField::Edit25, TestField::Edit26}) {
      f.Enter(t, in.Value());
    }
    f.SetChecked(Check::Corref, in.Yes());
    f.SetChecked(Check::Pta12h, in.Yes());
  }

  // the maker's comments, up to the second "---"
  p.Comments.clear();
  const bool separated = in.Raw() == kSeparator && !in.Overran();
  bool closed = false;
  while (!in.AtEnd()) {
    std::string line = in.Raw();
    if (line == kSeparator) {
      closed = true;
      break;
    }
    p.Comments += line;
    p.Comments += "\r\n";
  }

  // a file without the old hours' lines shows none of them
  for (MenuOption* option : OldHourOptions(o)) option->checked = false;
  const std::string first = in.Peek();
  const size_t apostrophe = first.find('\'');
  if (closed && apostrophe != std::string::npos && apostrophe != 0 &&
      first.compare(apostrophe - 1, std::string::npos, kOldHoursComments[0]) == 0) {
    for (MenuOption* option : OldHourOptions(o)) option->checked = in.Yes();
  }
  return separated && closed;
}

// The zone block that may follow the comments: the zone's name and each mark's offset.
void FeedZoneBlock(Form& f, LineReader& in) {
  std::array<ZoneOffset, 2> marks{};
  std::string zone;
  if (in.Peek() == kZoneBlockMark) {
    in.Raw();
    zone = in.Value();
    for (ZoneOffset& o : marks) {
      const std::string value = in.Value();
      const auto hours = ParseSexagesimal(value, ":");
      if (!value.empty() && hours && std::isfinite(*hours) && std::abs(*hours) <= 24) {
        o = {true, *hours};
      }
    }
  }
  f.RestoreZone(zone, marks);
}

FileResult Failed(Message error) {
  FileResult result;
  result.error = std::move(error);
  return result;
}

/// `pattern`'s "%1" is the file's name.
FileResult Failed(const std::string& fileName, const char* pattern) {
  return Failed(ErrorMessage(pattern, {fileName}));
}

FileResult Succeeded() {
  FileResult result;
  result.ok = true;
  return result;
}

}  // namespace

std::string FieldValueOf(std::string_view line) {
  const size_t apostrophe = line.find('\'');
  const std::string_view value = line.substr(0, apostrophe);
  std::string out;
  for (char c : value) {
    if (c != ' ') out += c;
  }
  return out;
}

std::string YesNoText(bool yes, bool englishUi) {
  if (englishUi) return yes ? UMBRIX_FILE_TEXT("Yes") : UMBRIX_FILE_TEXT("No");
  return yes ? UMBRIX_FILE_TEXT("Oui") : UMBRIX_FILE_TEXT("Non");
}

bool IsYesText(std::string_view text) { return text == "Oui" || text == "Yes"; }

std::string FullPath(const std::string& fileName) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(fileName, ec);
  if (ec) full = fileName;
  return full.lexically_normal().string();
}

std::vector<std::string> BuildProjectLines(const DialProject& p, const ProjectState& state,
                                           bool extended, bool full) {
  const DrawingOptions& o = p.Options;
  const bool english = state.EnglishUi;
  std::vector<std::string> lines;
  auto line = [&lines](const std::string& value, const char* comment) {
    lines.push_back(value + comment);
  };
  auto yes = [english](bool b) { return YesNoText(b, english); };

  lines.push_back(extended ? UMBRIX_FILE_TEXT("Umbrix6d") : UMBRIX_FILE_TEXT("Umbrix6"));
  line(yes(p.Rectg), UMBRIX_FILE_TEXT(" 'Cadran rectangulaire"));
  if (p.Rectg) {
    line(p.Coteh.text, UMBRIX_FILE_TEXT(" 'Hauteur du cadran"));
    line(p.Cotel.text, UMBRIX_FILE_TEXT(" 'Largeur du cadran"));
  } else {
    line(p.Cote.text, UMBRIX_FILE_TEXT(" 'Coté du cadran"));
  }
  line(p.Gnomon.text, UMBRIX_FILE_TEXT(" 'Hauteur du gnomon"));
  line(yes(p.Hautf), UMBRIX_FILE_TEXT(" 'Gnomon final différent"));
  if (p.Hautf) {
    line(p.Gnomf.text, UMBRIX_FILE_TEXT(" 'Hauteur finale"));
    line(p.Gnomx.text, UMBRIX_FILE_TEXT(" 'Position x finale"));
    line(p.Gnomy.text, UMBRIX_FILE_TEXT(" 'Position y finale"));
  }

  if (!full) {
    line(p.Lat.text, UMBRIX_FILE_TEXT(" 'Latitude"));
    line(yes(!p.Nord), UMBRIX_FILE_TEXT(" 'Hémisphère sud"));
    line(p.Long.text, UMBRIX_FILE_TEXT(" 'Longitude"));
    line(yes(p.Est), UMBRIX_FILE_TEXT(" 'Est du méridien origine"));
    line(ZoneText(p.FusHor.value), UMBRIX_FILE_TEXT(" 'Fuseau horaire"));
    line(DateValue(p.Dadiur), UMBRIX_FILE_TEXT(" 'Date"));
    line(TimeValue(p.Hediur), UMBRIX_FILE_TEXT(" 'Heure"));
  } else {
    line(DateValue(p.Date1), UMBRIX_FILE_TEXT(" 'Jour 1"));
    line(TimeValue(p.Heure1), UMBRIX_FILE_TEXT(" 'Heure 1"));
    line(p.Mesx1.text, UMBRIX_FILE_TEXT(" 'x 1"));
    line(p.Mesy1.text, UMBRIX_FILE_TEXT(" 'y 1"));
    line(DateValue(p.Date2), UMBRIX_FILE_TEXT(" 'Jour 2"));
    line(TimeValue(p.Heure2), UMBRIX_FILE_TEXT(" 'Heure 2"));
    line(p.Mesx2.text, UMBRIX_FILE_TEXT(" 'x 2"));
    line(p.Mesy2.text, UMBRIX_FILE_TEXT(" 'y 2"));
    line(yes(p.Limite), UMBRIX_FILE_TEXT(" 'Limitation du tracé"));
    line(yes(p.Hvrai), UMBRIX_FILE_TEXT(" 'Cadran à heures vraies"));
    if (p.Limite) {
      line(p.Lat.text, UMBRIX_FILE_TEXT(" 'Latitude"));
      line(yes(!p.Nord), UMBRIX_FILE_TEXT(" 'Hémisphère sud"));
      line(yes(p.Mijou), UMBRIX_FILE_TEXT(" 'Mi-journée"));
      if (p.Mijou) line(TimeValue(p.MiJour), UMBRIX_FILE_TEXT(" 'Heure à mi-journée"));
      line(yes(p.Locc), UMBRIX_FILE_TEXT(" 'Localisation complète"));
    }
    if (p.Locc || p.Hvrai) {
      line(p.Long.text, UMBRIX_FILE_TEXT(" 'Longitude"));
      line(yes(p.Est), UMBRIX_FILE_TEXT(" 'Est du méridien origine"));
      line(ZoneValue(p.FusHor), UMBRIX_FILE_TEXT(" 'Fuseau horaire"));
    }
    line(p.Carreau.text, UMBRIX_FILE_TEXT(" 'Coté des carreaux"));
    line(std::to_string(o.HourSubdivisions), UMBRIX_FILE_TEXT(" 'Tracé des fractions d'heure"));
    line(yes(o.Lighor1.checked), UMBRIX_FILE_TEXT(" 'Tracé des lignes horaires"));
    line(yes(o.N2points1.checked), UMBRIX_FILE_TEXT(" 'Tracé des 2 points de saisie"));
    line(yes(o.Axes1.checked), UMBRIX_FILE_TEXT(" 'Tracé des axes"));
    line(yes(o.Carreaux1.checked), UMBRIX_FILE_TEXT(" 'Tracé des carreaux"));
    line(yes(o.Horizon1.checked), UMBRIX_FILE_TEXT(" 'Tracé de l'horizon"));
    line(std::to_string(o.SignArcs), UMBRIX_FILE_TEXT(" 'Tracé des arcs des signes"));
    line(yes(o.MenDat.checked), UMBRIX_FILE_TEXT(" 'Tracé de l'arc diurne d'une date"));
    line(DateValue(p.Dadiur), UMBRIX_FILE_TEXT(" 'Date"));
    line(yes(o.EteAutomne2.checked), UMBRIX_FILE_TEXT(" 'Tracé des arcs de juillet à décembre"));
    line(yes(o.HiverPrintemps2.checked), UMBRIX_FILE_TEXT(" 'Tracé des arcs de janvier à juin"));
    line(yes(o.LhLim.checked), UMBRIX_FILE_TEXT(" 'Limitation des lignes horaires"));
    line(yes(o.Ombre1.checked), UMBRIX_FILE_TEXT(" 'Tracé des ombres"));
    line(std::to_string(TypeHeureIndex(p)), UMBRIX_FILE_TEXT(" 'Heures été/hiver"));
    line(TimeValue(p.Hediur), UMBRIX_FILE_TEXT(" 'Heure"));
    line(yes(o.EteAutomne1.checked), UMBRIX_FILE_TEXT(" 'Tracé des demi-8 de juillet à décembre"));
    line(yes(o.HiverPrintemps1.checked), UMBRIX_FILE_TEXT(" 'Tracé des demi-8 de janvier à juin"));
    line(yes(o.Visible1.checked), UMBRIX_FILE_TEXT(" 'Porte-ombre visible"));
    line(yes(o.Gnomon1.checked), UMBRIX_FILE_TEXT(" 'Porte-ombre type gnomon"));
    line(yes(o.Refrac1.checked), UMBRIX_FILE_TEXT(" 'Tracé intégrant la réfraction"));
  }
  line(p.DecEd.text, UMBRIX_FILE_TEXT(" 'Déclinaison pour simulation"));
  line(yes(p.Dest), UMBRIX_FILE_TEXT(" 'Déclinaison est pour simulation"));
  line(p.IncEd.text, UMBRIX_FILE_TEXT(" 'Inclinaison pour simulation"));
  line(p.RotEd.text, UMBRIX_FILE_TEXT(" 'Rotation pour simulation"));
  line(std::to_string(static_cast<int>(state.RunMode)), UMBRIX_FILE_TEXT(" 'Dernière commande"));

  if (full && extended) {
    static constexpr const char* kTestComments[kTestFieldCount] = {
        UMBRIX_FILE_TEXT(" 'Longitude"),      UMBRIX_FILE_TEXT(" 'Latitude"),
        UMBRIX_FILE_TEXT(" 'Fuseau horaire"), UMBRIX_FILE_TEXT(" 'Déclinaison"),
        UMBRIX_FILE_TEXT(" 'Inclinaison"),    UMBRIX_FILE_TEXT(" 'Arrondi"),
        UMBRIX_FILE_TEXT(" 'Rotation")};
    for (int i = 0; i < kTestFieldCount; ++i) line(p.Test[i].text, kTestComments[i]);
    line(yes(p.Corref), UMBRIX_FILE_TEXT(" 'Correction de la réfraction"));
    line(yes(p.Pta12h), UMBRIX_FILE_TEXT(" 'Points à 12 h TU"));
  }
  return lines;
}

bool ProjectHasContent(const DialProject& p, bool includeTestTab) {
  const bool plate = p.Rectg ? (p.Coteh.given || p.Cotel.given || p.Gnomon.given)
                             : (p.Cote.given || p.Gnomon.given);
  const bool final = p.Hautf && (p.Gnomf.given || p.Gnomx.given || p.Gnomy.given);
  const bool points = p.Date1.given || p.Heure1.given || p.Mesx1.given || p.Mesy1.given ||
                      p.Date2.given || p.Heure2.given || p.Mesx2.given || p.Mesy2.given;
  const bool place = p.Limite && (p.Lat.given || (p.Mijou && p.MiJour.given) ||
                                  ((p.Locc || p.Hvrai) && (p.Long.given || p.FusHor.given)));
  const bool simulation = p.DecEd.given || p.IncEd.given || p.RotEd.given;
  if (plate || final || points || place || simulation) return true;
  if (!p.Comments.empty()) return true;
  if (includeTestTab) {
    for (const TestEntry& t : p.Test) {
      if (!t.text.empty()) return true;
    }
  }
  return false;
}

std::vector<std::string> BuildProjectFileLines(const DialProject& project,
                                               const ProjectState& state, bool extended,
                                               const std::vector<std::string>& reportLines) {
  std::vector<std::string> lines = BuildProjectLines(project, state, extended, true);
  lines.push_back(kSeparator);
  for (std::string& comment : SplitLines(project.Comments)) {
    lines.push_back(comment == kSeparator ? comment + " " : comment);
  }
  lines.push_back(kSeparator);
  const DrawingOptions& o = project.Options;
  const bool oldHours[] = {o.Italiques1.checked, o.Babyloniques1.checked, o.Temporaires1.checked};
  if (std::find(std::begin(oldHours), std::end(oldHours), true) != std::end(oldHours)) {
    for (size_t i = 0; i < std::size(oldHours); ++i)
      lines.push_back(YesNoText(oldHours[i], state.EnglishUi) + kOldHoursComments[i]);
  }
  if (!project.Zone.empty()) {
    lines.push_back(kZoneBlockMark);
    lines.push_back(project.Zone + UMBRIX_FILE_TEXT(" 'Fuseau horaire par son nom"));
    for (int i = 0; i < 2; ++i) {
      const ZoneOffset& z = project.ZoneOffsets[i];
      lines.push_back((z.known ? ZoneText(z.hours) : std::string()) +
                      UMBRIX_FILE_TEXT(" 'Heure légale du point ") + std::to_string(i + 1));
    }
  }
  const bool dropTestLines = state.TestDataValid && !extended;
  for (size_t i = 0; i < reportLines.size(); ++i) {
    if (dropTestLines && i >= 1 && i <= 3) continue;
    lines.push_back(reportLines[i]);
  }
  return lines;
}

std::string ProjectFileBytes(const DialProject& project, const ProjectState& state, bool extended,
                             const std::vector<std::string>& reportLines, bool* replaced) {
  return EncodeLines(BuildProjectFileLines(project, state, extended, reportLines), replaced);
}

FileResult WriteProjectFile(const DialProject& project, ProjectState& state, ProjectFileLock& lock,
                            const std::string& fileName, bool extended,
                            const std::vector<std::string>& reportLines) {
  const std::string full = FullPath(fileName);
  std::error_code ec;
  if (full != state.ProjectFileName && std::filesystem::is_regular_file(full, ec) &&
      !ProjectFileLock::CanOpenExclusively(full)) {
    return Failed(fileName, kCannotOpenText);
  }

  bool replaced = false;
  const std::string bytes = ProjectFileBytes(project, state, extended, reportLines, &replaced);
  ProjectFileLock held;
  // a link is followed by the writer, so the file it names is replaced rather than the link
  if (const auto cause = WriteFileSafely(full, bytes, &held)) {
    return Failed(WriteFailureMessage(fileName, *cause));
  }
  lock = std::move(held);
  state.ProjectFileName = full;
  state.ProjectFileHeld = true;
  state.Modified = false;
  FileResult result = Succeeded();
  if (replaced) result.warning = InfoMessage(kReplacedCharactersText);
  return result;
}

FileResult ReadProjectFile(Form& form, ProjectFileLock& lock, const std::string& fileName) {
  const std::string full = FullPath(fileName);
  ProjectState& state = form.State();
  const bool ours = state.ProjectFileHeld && full == state.ProjectFileName;

  std::optional<ProjectFileLock> candidate;
  if (ours) {
    candidate = ProjectFileLock::Hold(full);
  } else {
    std::error_code ec;
    if (!std::filesystem::exists(full, ec))
      return Failed(fileName, UMBRIX_TR("Message", "%1 n'existe pas"));
    candidate = ProjectFileLock::AcquireExclusiveTested(full);
  }
  if (!candidate) return Failed(fileName, kCannotOpenText);
  // the header first, so that a large file of another kind is refused without reading it whole
  const auto start = candidate->ReadAll(16);
  const auto firstLines = start ? DecodeTextFileLines(*start) : std::vector<std::string>();
  if (firstLines.empty() || !AcceptedHeader(firstLines.front(), state.TestMode)) {
    return Failed(fileName, start ? kWrongFormatText : kCannotOpenText);
  }
  const auto bytes = candidate->ReadAll();
  if (!bytes) return Failed(fileName, kCannotOpenText);

  std::vector<std::string> lines = DecodeTextFileLines(*bytes);
  const std::string header = lines.empty() ? std::string() : lines.front();
  if (!AcceptedHeader(header, state.TestMode)) return Failed(fileName, kWrongFormatText);
  const int version = header[6] - '0';
  const bool extended = header.size() == 8;

  // read into a scratch copy of the dialog; the live one changes only once everything is read
  DialProject scratchProject = form.Project();
  ProjectState scratchState = state;
  ScratchHost scratchHost(form.Host());
  Form scratch(scratchProject, scratchState, scratchHost, form.Dates());
  LineReader in(std::move(lines));
  in.Raw();
  // the marks are read in the file's own zone, which comes after them
  scratchProject.Zone.clear();
  const bool whole = FeedLines(scratch, in, version, extended);
  FeedZoneBlock(scratch, in);

  // commit
  const DrawingOptions before = form.Project().Options;
  form.Project() = std::move(scratchProject);
  state.RunMode = scratchState.RunMode;
  state.SequenceIndex = scratchState.SequenceIndex;
  FormHost& host = form.Host();
  for (const Message& m : scratchHost.messages_) host.ShowMessage(m);
  if (scratchHost.clearDrawing_) form.MarkModified(extended, true);
  if (scratchHost.fit_) host.FitDrawing();
  const DrawingOptions& after = form.Project().Options;
  auto menu = [&host](const MenuOption& was, const MenuOption& now, MenuItem item) {
    if (was.enabled != now.enabled) host.MenuEnabledChanged(item, now.enabled);
  };
  menu(before.Horizon1, after.Horizon1, MenuItem::Horizon1);
  menu(before.Refrac1, after.Refrac1, MenuItem::Refrac1);
  menu(before.HiverPrintemps1, after.HiverPrintemps1, MenuItem::HiverPrintemps1);
  menu(before.EteAutomne1, after.EteAutomne1, MenuItem::EteAutomne1);
  menu(before.Italiques1, after.Italiques1, MenuItem::Italiques1);
  menu(before.Babyloniques1, after.Babyloniques1, MenuItem::Babyloniques1);
  menu(before.Temporaires1, after.Temporaires1, MenuItem::Temporaires1);

  lock = std::move(*candidate);
  state.ProjectFileName = full;
  state.ProjectFileHeld = true;
  state.Modified = false;
  state.TestDataValid = extended;
  state.DrawingExists = false;
  FileResult result = Succeeded();
  // older versions were often shorter than their readers; a file written now never is
  if (version == kCurrentVersion && !whole) result.warning = ErrorMessage(kCutFileText, {fileName});
  return result;
}

void CloseHeldFile(ProjectState& state, ProjectFileLock& lock) {
  lock.Release();
  state.ProjectFileHeld = false;
}

OpenResult OpenProject(Form& form, ProjectFileLock& lock, const std::string& fileName) {
  std::filesystem::path name = fileName;
  if (name.extension().string() != ".umb") return {ReadProjectFile(form, lock, fileName), false};
  name.replace_extension(".umd");
  OpenResult result{ReadProjectFile(form, lock, name.string()), false};
  result.enterDeskMode = result.file.ok;
  return result;
}

}  // namespace umbrix
