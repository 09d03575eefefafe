#include "form/Form.h"

#include <cctype>
#include <cmath>
#include <numbers>

#include "model/Dates.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

constexpr const char* kFootMessage = "Le pied du gnomon doit être à l'intérieur du cadran";
constexpr const char* kDegreeSeparator = "°";
constexpr const char* kDefaultDatePattern = "dd/mm/yyyy";

// Sets of `RunMode` that decide whether an entry's change blanks the drawing.
bool InSetA(int mode) { return mode == 1 || mode == 2 || mode == 3; }
bool InSetB(int mode) { return mode == 2 || mode == 3 || mode == 8; }
bool InSetC(int mode) { return mode == 1 || mode == 2 || mode == 8; }
bool InSetD(int mode) { return mode == 1 || mode == 8; }

enum class Kind { Positive, FootX, FootY, AnyNumber, Angle, Zone, Date, Time };

Kind KindOf(Field f) {
  switch (f) {
    case Field::Cote:
    case Field::Coteh:
    case Field::Cotel:
    case Field::Gnomon:
    case Field::Gnomf:
    case Field::Carreau:
      return Kind::Positive;
    case Field::Gnomx:
      return Kind::FootX;
    case Field::Gnomy:
      return Kind::FootY;
    case Field::Mesx1:
    case Field::Mesy1:
    case Field::Mesx2:
    case Field::Mesy2:
      return Kind::AnyNumber;
    case Field::Lat:
    case Field::Long:
    case Field::DecEd:
    case Field::IncEd:
    case Field::RotEd:
      return Kind::Angle;
    case Field::FusHor:
      return Kind::Zone;
    case Field::Date1:
    case Field::Date2:
    case Field::Dadiur:
      return Kind::Date;
    case Field::Heure1:
    case Field::Heure2:
    case Field::Hediur:
    case Field::MiJour:
      return Kind::Time;
  }
  return Kind::AnyNumber;
}

bool InRange(Field f, double v) {
  const Range r = RangeOf(f);
  const bool aboveMin = r.minExclusive ? v > r.min : v >= r.min;
  return aboveMin && v <= r.max;
}

// One token of a short date pattern: a run of d, m or y, or a literal character.
struct DateToken {
  char letter;  // 'd', 'm', 'y', or 0 for a literal
  int width;
  char literal;
};

std::vector<DateToken> Tokenize(const std::string& pattern) {
  std::vector<DateToken> tokens;
  for (size_t i = 0; i < pattern.size();) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    if (c == 'd' || c == 'm' || c == 'y') {
      size_t j = i;
      while (j < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[j])) == c) {
        ++j;
      }
      tokens.push_back({c, static_cast<int>(j - i), 0});
      i = j;
    } else {
      tokens.push_back({0, 1, pattern[i]});
      ++i;
    }
  }
  return tokens;
}

// Whether a pattern is one the parser can follow: d, m, y once each, "/" between, year last.
bool UsablePattern(const std::vector<DateToken>& tokens) {
  std::string order;
  for (const DateToken& t : tokens) {
    if (t.letter == 0) {
      if (t.literal != '/') return false;
      continue;
    }
    if (t.width > 4 || (t.letter != 'y' && t.width > 2) ||
        (t.letter == 'y' && t.width != 2 && t.width != 4)) {
      return false;
    }
    order += t.letter;
  }
  return order == "dmy" || order == "mdy";
}

const std::string& EffectivePattern(const std::string& pattern) {
  static const std::string fallback = kDefaultDatePattern;
  return UsablePattern(Tokenize(pattern)) ? pattern : fallback;
}

std::string Padded(int value, int width) {
  std::string s = std::to_string(value);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

}  // namespace

std::string FormatShortDate(double serial, const std::string& pattern) {
  const CivilDate d = CivilFromSerial(serial);
  std::string out;
  for (const DateToken& t : Tokenize(EffectivePattern(pattern))) {
    switch (t.letter) {
      case 'd':
        out += Padded(d.day, t.width);
        break;
      case 'm':
        out += Padded(d.month, t.width);
        break;
      case 'y':
        out += t.width == 2 ? Padded(d.year % 100, 2) : Padded(d.year, 4);
        break;
      default:
        out += t.literal;
        break;
    }
  }
  return out;
}

Form::Form(DialProject& project, ProjectState& state, FormHost& host, DateStyle dates)
    : project_(project), state_(state), host_(host), dates_(std::move(dates)) {}

// ---------------------------------------------------------------- view state

std::string Form::DateHint() const {
  return std::string("Format : ") +
         (state_.EnglishUi ? EffectivePattern(dates_.pattern) : std::string("jj/mm/aaaa"));
}

bool Form::TabVisible(Tab tab) const {
  return (tab != Tab::Option && tab != Tab::Test) || state_.TestMode;
}

ControlState Form::Control(ControlId id) const {
  using C = ControlId;
  const ControlInfo& info = InfoOf(id);
  ControlState s;
  s.caption = info.caption;
  s.unit = info.unit;
  s.hint = info.hint;
  s.helpContext = info.helpContext;
  const int index = static_cast<int>(id);

  // own enabled state and visibility, from the boxes
  auto ownEnabled = [this](C c) {
    switch (c) {
      case C::Cote:
        return !project_.Rectg;
      case C::Lat:
        return project_.Limite;
      case C::GroupCotes:
        return project_.Rectg;
      case C::GroupFinal:
        return project_.Hautf;
      case C::GroupNordSud:
        return project_.Limite;
      case C::GroupMiJour:
        return project_.Mijou;
      case C::GroupLongitude:
        return project_.Locc || project_.Hvrai;
      default:
        return true;
    }
  };
  s.enabled = ownEnabled(id) && (!info.group || ownEnabled(*info.group));
  s.visible = !info.tab || TabVisible(*info.tab);
  if (id == C::Mijou || id == C::Locc) s.visible = s.visible && project_.Limite;

  if (index < kFieldCount) {
    const Field f = static_cast<Field>(index);
    s.text = project_.At(f).text;
    if (KindOf(f) == Kind::Date) s.hint = DateHint();
  } else if (index < kFieldCount + kTestFieldCount) {
    s.text = project_.Test[index - kFieldCount].text;
  } else {
    switch (id) {
      case C::NomFic:
        s.text = project_.NomFic;
        break;
      case C::Adate1:
        s.text = project_.Adate1;
        break;
      case C::Aheure1:
        s.text = project_.Aheure1;
        break;
      case C::Adate2:
        s.text = project_.Adate2;
        break;
      case C::Aheure2:
        s.text = project_.Aheure2;
        break;
      case C::Amijour:
        s.text = project_.Amijour;
        break;
      case C::Adadiur:
        s.text = project_.Adadiur;
        break;
      case C::Ahediur:
        s.text = project_.Ahediur;
        break;
      case C::TypeHeure:
        if (project_.TypeHeureItem >= 0 && project_.TypeHeureItem < 3) {
          s.text = kTypeHeureItems[project_.TypeHeureItem];
        }
        break;
      default:
        break;
    }
  }
  if (id >= C::Rectg && id <= C::Sequ) {
    s.checked = IsChecked(static_cast<Check>(index - static_cast<int>(C::Rectg)));
  } else if (id >= C::Nord && id <= C::Douest) {
    s.checked = IsSelected(static_cast<Radio>(index - static_cast<int>(C::Nord)));
  }
  s.colour = s.enabled ? ControlColour::Window : ControlColour::ButtonFace;
  return s;
}

// ---------------------------------------------------------------- entries

ParseContext Form::Context() const {
  const ClockReading now = host_.Now();
  ParseContext ctx;
  ctx.today = now.today;
  ctx.now = now.timeOfDay;
  const std::string& pattern = EffectivePattern(dates_.pattern);
  const auto tokens = Tokenize(pattern);
  for (const DateToken& t : tokens) {
    if (t.letter == 'd' || t.letter == 'm') {
      ctx.dayFirst = t.letter == 'd';
      break;
    }
  }
  return ctx;
}

std::string Form::ShortDate(double serial) const { return FormatShortDate(serial, dates_.pattern); }

std::optional<std::string> Form::Expand(Field f, const std::string& text) const {
  const Kind kind = KindOf(f);
  if (kind != Kind::Date && kind != Kind::Time) return std::nullopt;
  const ParseContext ctx = Context();
  // today's date goes out in the dialog's own short date format
  if (kind == Kind::Date && text == "*") return ShortDate(ctx.today);
  return ExpandShorthand(f, text, project_, ctx);
}

void Form::SetText(Field f, std::string text) { project_.At(f).text = std::move(text); }

void Form::SetText(TestField f, std::string text) { project_.At(f).text = std::move(text); }

void Form::Enter(Field f, std::string text) {
  SetText(f, std::move(text));
  Leave(f);
}

void Form::Enter(TestField f, std::string text) {
  SetText(f, std::move(text));
  Leave(f);
}

void Form::FootMessage() { host_.ShowMessage(ErrorMessage(kFootMessage)); }

void Form::Leave(Field f) {
  Entry& e = project_.At(f);
  const Entry old = e;
  const Kind kind = KindOf(f);
  if (auto substituted = Expand(f, e.text)) e.text = *substituted;

  std::optional<double> parsed;
  switch (kind) {
    case Kind::Positive:
    case Kind::AnyNumber:
      parsed = ParseDecimal(e.text);
      // an overflowing exponent ("1e999") must not become an infinite plate or height
      if (parsed && (!std::isfinite(*parsed) || !InRange(f, *parsed))) parsed.reset();
      break;
    case Kind::FootX:
    case Kind::FootY: {
      parsed = ParseDecimal(e.text);
      if (parsed && !std::isfinite(*parsed)) parsed.reset();
      const double half = kind == Kind::FootX ? project_.Plate.XMax : project_.Plate.YMax;
      if (parsed && std::abs(*parsed) > half) {
        FootMessage();
        parsed.reset();
      }
      break;
    }
    case Kind::Angle:
      parsed = ParseSexagesimal(e.text, kDegreeSeparator);
      if (parsed && (!std::isfinite(*parsed) || !InRange(f, *parsed))) parsed.reset();
      break;
    case Kind::Zone:
      parsed = ParseSexagesimal(e.text, ":");
      if (parsed && (!std::isfinite(*parsed) || !IsValidZone(*parsed))) parsed.reset();
      break;
    case Kind::Date:
      parsed = ParseDate(e.text, Context());
      break;
    case Kind::Time:
      parsed = ParseTime(e.text);
      break;
  }

  // the foot of the final shadow-caster must stay on the plate
  if (parsed && (f == Field::Cote || f == Field::Coteh || f == Field::Cotel)) {
    const double half = *parsed / 2;
    const bool footX = f != Field::Coteh && half < std::abs(project_.Gnomx.value);
    const bool footY = f != Field::Cotel && half < std::abs(project_.Gnomy.value);
    if (footX || footY) {
      FootMessage();
      parsed.reset();
    }
  }

  double value = parsed.value_or(0.0);
  if (parsed) {
    if (f == Field::Lat && !project_.Nord) value = -value;
    if (f == Field::Long && project_.Est) value = -value;
    if (f == Field::DecEd && project_.Dest) value = -value;
  } else {
    e.text.clear();
  }
  e.value = value;
  e.given = !e.text.empty();

  // companion labels
  const MonthNames names = state_.EnglishUi ? MonthNames::English : MonthNames::French;
  // only a date or a time has a label: a plate side of 1E100 is no day
  const std::string dateLabel =
      e.given && kind == Kind::Date ? FormatDateLong(value, names) : std::string();
  const std::string timeLabel =
      e.given && kind == Kind::Time ? FormatLongTime(value) : std::string();
  switch (f) {
    case Field::Date1:
      project_.Adate1 = dateLabel;
      break;
    case Field::Date2:
      project_.Adate2 = dateLabel;
      break;
    case Field::Dadiur:
      project_.Adadiur = dateLabel;
      break;
    case Field::Heure1:
      project_.Aheure1 = timeLabel;
      break;
    case Field::Heure2:
      project_.Aheure2 = timeLabel;
      break;
    case Field::Hediur:
      project_.Ahediur = timeLabel;
      break;
    case Field::MiJour:
      project_.Amijour = timeLabel;
      break;
    default:
      break;
  }

  // the plate and the final height
  PlateWindow& plate = project_.Plate;
  if (e.given) {
    if (f == Field::Cote || f == Field::Cotel) {
      plate.XMin = -value / 2;
      plate.XMax = value / 2;
    }
    if (f == Field::Cote || f == Field::Coteh) {
      plate.YMin = -value / 2;
      plate.YMax = value / 2;
    }
    if (f == Field::Gnomon && !project_.Hautf) project_.Gnomf.value = value;
  }

  const bool changed = (old.given && old.value != e.value) || old.given != e.given;
  if (changed) {
    const int mode = state_.RunMode;
    const bool keep = state_.TestDataValid;
    switch (f) {
      case Field::Cote:
      case Field::Coteh:
      case Field::Cotel:
      case Field::Lat:
      case Field::MiJour:
      case Field::Long:
      case Field::FusHor:
        MarkModified(false, true);
        break;
      case Field::Gnomon:
        MarkModified(false, InSetC(mode) || (mode == 3 && !project_.Hautf));
        break;
      case Field::Gnomf:
      case Field::Gnomx:
      case Field::Gnomy:
        MarkModified(keep, true);
        break;
      case Field::Date1:
      case Field::Heure1:
      case Field::Date2:
      case Field::Heure2:
        MarkModified(false, InSetC(mode));
        break;
      case Field::Mesx1:
      case Field::Mesy1:
      case Field::Mesx2:
      case Field::Mesy2:
        MarkModified(false, InSetD(mode));
        break;
      case Field::Carreau:
      case Field::Dadiur:
      case Field::Hediur:
        MarkModified(keep, InSetA(mode));
        break;
      case Field::DecEd:
      case Field::IncEd:
      case Field::RotEd:
        MarkModified(keep, InSetB(mode));
        break;
    }
  }
  if (e.given && (f == Field::Cote || f == Field::Coteh || f == Field::Cotel)) host_.FitDrawing();
}

void Form::Leave(TestField f) {
  TestEntry& e = project_.At(f);
  double value = 0.0;
  bool ok = false;
  if (f == TestField::Edit22) {
    if (auto whole = ParseWhole(e.text)) {
      value = *whole;
      ok = true;
    }
  } else if (auto decimal = ParseDecimal(e.text); decimal && std::isfinite(*decimal)) {
    value = *decimal;
    ok = true;
    if (f != TestField::Edit25) value = value * std::numbers::pi / 180;
  }
  if (!ok) e.text.clear();
  e.value = value;
}

// ---------------------------------------------------------------- the list

void Form::SelectTypeHeure(int item) { project_.TypeHeureItem = item >= 0 && item < 3 ? item : -1; }

void Form::LeaveTypeHeure() {
  const double old = project_.TypeHeure;
  int item = project_.TypeHeureItem;
  if (item < 0 || item > 2) item = old == 0 ? 0 : (old > 0 ? 2 : 1);
  project_.TypeHeureItem = item;
  project_.TypeHeure = kTypeHeureValues[item];
  if (project_.TypeHeure != old) MarkModified(state_.TestDataValid, InSetA(state_.RunMode));
}

// ---------------------------------------------------------------- boxes and radio buttons

bool Form::IsChecked(Check c) const {
  switch (c) {
    case Check::Rectg:
      return project_.Rectg;
    case Check::Hautf:
      return project_.Hautf;
    case Check::Limite:
      return project_.Limite;
    case Check::Mijou:
      return project_.Mijou;
    case Check::Locc:
      return project_.Locc;
    case Check::Hvrai:
      return project_.Hvrai;
    case Check::Corref:
      return project_.Corref;
    case Check::Pta12h:
      return project_.Pta12h;
    case Check::Sequ:
      return project_.Sequ;
  }
  return false;
}

void Form::SetChecked(Check c, bool checked) {
  if (IsChecked(c) == checked) return;
  switch (c) {
    case Check::Rectg:
      project_.Rectg = checked;
      break;
    case Check::Hautf:
      project_.Hautf = checked;
      break;
    case Check::Limite:
      project_.Limite = checked;
      break;
    case Check::Mijou:
      project_.Mijou = checked;
      break;
    case Check::Locc:
      project_.Locc = checked;
      break;
    case Check::Hvrai:
      project_.Hvrai = checked;
      break;
    case Check::Corref:
      project_.Corref = checked;
      break;
    case Check::Pta12h:
      project_.Pta12h = checked;
      break;
    case Check::Sequ:
      project_.Sequ = checked;
      break;
  }
  OnCheck(c, checked);
  SyncMenus();
}

void Form::OnCheck(Check c, bool checked) {
  DialProject& p = project_;
  const bool keep = state_.TestDataValid;
  switch (c) {
    case Check::Rectg:
      if (checked) {
        if (p.Cote.given) {
          p.Coteh = {FormatGeneral(p.Plate.YMax - p.Plate.YMin), p.Plate.YMax - p.Plate.YMin, true};
          p.Cotel = {FormatGeneral(p.Plate.XMax - p.Plate.XMin), p.Plate.XMax - p.Plate.XMin, true};
          ClearEntry(p.Cote);
        }
        if (FocusAllowedOn(Tab::Cadran)) Focus(ControlId::Coteh);
        // the plate itself is unchanged: not a modification
      } else {
        if (p.Coteh.given && p.Cotel.given && p.Coteh.value == p.Cotel.value) {
          p.Cote = {FormatGeneral(p.Cotel.value), p.Cotel.value, true};
        } else {
          p.Plate.YMin = p.Plate.XMin;
          p.Plate.YMax = p.Plate.XMax;
          MarkModified(false, true);
          host_.FitDrawing();
        }
        ClearEntry(p.Coteh);
        ClearEntry(p.Cotel);
        if (FocusAllowedOn(Tab::Cadran)) Focus(ControlId::Cote);
      }
      break;

    case Check::Hautf:
      if (checked) {
        if (p.Gnomon.given) {
          p.Gnomf = {FormatGeneral(p.Gnomon.value), p.Gnomon.value, true};
        }
        p.Gnomx = {"0", 0.0, true};
        p.Gnomy = {"0", 0.0, true};
        if (FocusAllowedOn(Tab::Cadran)) Focus(ControlId::Gnomf);
        // the shadow-caster is still the measuring gnomon: not a modification
      } else {
        if (p.Gnomf.value != p.Gnomon.value || p.Gnomx.value != 0 || p.Gnomy.value != 0) {
          MarkModified(keep, true);
        }
        ClearEntry(p.Gnomf);
        p.Gnomf.value = p.Gnomon.value;
        ClearEntry(p.Gnomx);
        ClearEntry(p.Gnomy);
      }
      break;

    case Check::Limite:
      if (checked) {
        if (FocusAllowedOn(Tab::Lieu)) Focus(ControlId::Lat);
        if (p.Hvrai) SetChecked(Check::Locc, true);
      } else {
        ClearEntry(p.Lat);
        Select(Radio::Nord);
        SetChecked(Check::Mijou, false);
        SetChecked(Check::Locc, false);
      }
      MarkModified(false, true);
      break;

    case Check::Mijou:
      if (checked) {
        if (FocusAllowedOn(Tab::Lieu)) Focus(ControlId::MiJour);
        if (p.Locc) {
          SetChecked(Check::Locc, false);
        } else {
          MarkModified(false, true);
        }
      } else {
        ClearEntry(p.MiJour);
        p.Amijour.clear();
        MarkModified(false, true);
      }
      break;

    case Check::Locc:
      if (checked) {
        if (!p.Hvrai && FocusAllowedOn(Tab::Lieu)) Focus(ControlId::Long);
        if (p.Mijou) {
          SetChecked(Check::Mijou, false);
        } else {
          MarkModified(false, true);
        }
      } else {
        if (!p.Hvrai) {
          ClearEntry(p.Long);
          ClearEntry(p.FusHor);
          Select(Radio::Est);
        }
        MarkModified(false, true);
      }
      break;

    case Check::Hvrai:
      if (checked) {
        if (!p.Locc) {
          if (FocusAllowedOn(Tab::Lieu)) Focus(ControlId::Long);
          if (p.Limite && !p.Mijou) SetChecked(Check::Locc, true);
        }
      } else if (!p.Locc) {
        ClearEntry(p.Long);
        ClearEntry(p.FusHor);
        Select(Radio::Est);
      }
      MarkModified(false, InSetA(state_.RunMode));
      break;

    case Check::Sequ:
      if (!checked) state_.SequenceIndex = 0;
      break;

    case Check::Corref:
    case Check::Pta12h:
      break;
  }
}

bool Form::IsSelected(Radio r) const {
  switch (r) {
    case Radio::Nord:
      return project_.Nord;
    case Radio::Sud:
      return !project_.Nord;
    case Radio::Est:
      return project_.Est;
    case Radio::Ouest:
      return !project_.Est;
    case Radio::Dest:
      return project_.Dest;
    case Radio::Douest:
      return !project_.Dest;
  }
  return false;
}

void Form::Select(Radio r) {
  if (IsSelected(r)) return;
  switch (r) {
    case Radio::Nord:
    case Radio::Sud:
      project_.Nord = r == Radio::Nord;
      break;
    case Radio::Est:
    case Radio::Ouest:
      project_.Est = r == Radio::Est;
      break;
    case Radio::Dest:
    case Radio::Douest:
      project_.Dest = r == Radio::Dest;
      break;
  }
  OnRadioPair(r);
}

void Form::SelectRadio(PlaceRadio radio) {
  switch (radio) {
    case PlaceRadio::Nord:
      Select(Radio::Nord);
      break;
    case PlaceRadio::Sud:
      Select(Radio::Sud);
      break;
    case PlaceRadio::Est:
      Select(Radio::Est);
      break;
    case PlaceRadio::Ouest:
      Select(Radio::Ouest);
      break;
  }
}

void Form::OnRadioPair(Radio selected) {
  auto flip = [](Entry& e, bool negative) {
    const double old = e.value;
    e.value = negative ? -std::abs(e.value) : std::abs(e.value);
    return e.value != old;
  };
  switch (selected) {
    case Radio::Nord:
    case Radio::Sud:
      if (flip(project_.Lat, selected == Radio::Sud)) MarkModified(false, true);
      break;
    case Radio::Est:
    case Radio::Ouest:
      if (flip(project_.Long, selected == Radio::Est)) MarkModified(false, true);
      break;
    case Radio::Dest:
    case Radio::Douest:
      if (flip(project_.DecEd, selected == Radio::Dest)) {
        MarkModified(state_.TestDataValid, InSetB(state_.RunMode));
      }
      break;
  }
}

void Form::SyncMenus() {
  DrawingOptions& o = project_.Options;
  auto sync = [this](MenuOption& option, MenuItem item, bool enabled) {
    if (option.enabled == enabled) return;
    option.enabled = enabled;
    host_.MenuEnabledChanged(item, enabled);
  };
  sync(o.Horizon1, MenuItem::Horizon1, project_.Limite);
  sync(o.Refrac1, MenuItem::Refrac1, project_.Mijou || project_.Locc);
  sync(o.HiverPrintemps1, MenuItem::HiverPrintemps1, !project_.Hvrai);
  sync(o.EteAutomne1, MenuItem::EteAutomne1, !project_.Hvrai);
}

// ---------------------------------------------------------------- the dialog as a whole

void Form::MarkModified(bool testDataValid, bool clearDrawing) {
  state_.Modified = true;
  host_.MarkModified(testDataValid, clearDrawing);
  if (clearDrawing) state_.DrawingExists = false;
  state_.TestDataValid = testDataValid;
}

void Form::FormDeactivate() {
  if (!activeControl_) return;
  const ControlId id = *activeControl_;
  const int index = static_cast<int>(id);
  if (index < kFieldCount) {
    Leave(static_cast<Field>(index));
  } else if (IsRevalidatedEdit(id)) {
    Leave(static_cast<TestField>(index - kFieldCount));
  } else if (id == ControlId::TypeHeure) {
    LeaveTypeHeure();
  }
}

StartupRequest Form::FormCreate(const std::vector<std::string>& args) {
  Enter(Field::Dadiur, ShortDate(kStartupDadiurSerial));
  SelectTypeHeure(0);
  LeaveTypeHeure();
  Enter(Field::Hediur, "12:00:00");
  Enter(Field::Carreau, "50");
  SyncMenus();
  state_.Modified = false;

  StartupRequest request;
  if (args.empty()) return request;
  std::string first = args[0];
  for (char& ch : first) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  if (first == "MAP") {
    state_.TestMode = true;
    if (args.size() > 1) request.fileToOpen = args[1];
  } else {
    request.fileToOpen = args[0];
  }
  return request;
}

void Form::ResetForNewProject() {
  SetChecked(Check::Hautf, false);
  Enter(Field::Gnomon, "");
  SetChecked(Check::Rectg, false);
  Enter(Field::Cote, "");
  for (Field f : {Field::Date1, Field::Heure1, Field::Mesx1, Field::Mesy1, Field::Date2,
                  Field::Heure2, Field::Mesx2, Field::Mesy2}) {
    Enter(f, "");
  }
  SetChecked(Check::Limite, false);
  SetChecked(Check::Hvrai, false);
  Enter(Field::Carreau, "50");
  Enter(Field::Dadiur, ShortDate(kStartupDadiurSerial));
  SelectTypeHeure(0);
  LeaveTypeHeure();
  Enter(Field::Hediur, "12:00:00");
  Enter(Field::DecEd, "");
  Select(Radio::Dest);
  Enter(Field::IncEd, "");
  Enter(Field::RotEd, "");
}

// ---------------------------------------------------------------- Test tab buttons

bool Form::PlateSidesGiven() const {
  return project_.Rectg ? project_.Coteh.given && project_.Cotel.given : project_.Cote.given;
}

std::optional<Message> Form::CheckMeasureGeometry() const {
  if (!PlateSidesGiven() || !project_.Gnomon.given) {
    return InfoMessage("Donner la géométrie de mesure");
  }
  return std::nullopt;
}

std::optional<Message> Form::CheckDialGeometry() const {
  const bool casterGiven =
      project_.Hautf ? project_.Gnomf.given && project_.Gnomx.given && project_.Gnomy.given
                     : project_.Gnomon.given;
  if (!PlateSidesGiven() || !casterGiven) return InfoMessage("Donner la géométrie du cadran");
  return std::nullopt;
}

void Form::ApplyTestComputeResult(int pointsWritten) {
  if (pointsWritten == 2) state_.TestDataValid = true;
}

}  // namespace umbrix
