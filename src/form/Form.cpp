#include "form/Form.h"

#include <array>
#include <cctype>
#include <cmath>
#include <numbers>

#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

constexpr const char* kFootMessage =
    UMBRIX_TR("Message", "Le pied du gnomon doit être à l'intérieur du cadran");

// The record's member of each box, in the order of `Check`.
constexpr std::array<bool DialProject::*, 9> kCheckMembers = {
    &DialProject::Rectg,  &DialProject::Hautf,  &DialProject::Limite,
    &DialProject::Mijou,  &DialProject::Locc,   &DialProject::Hvrai,
    &DialProject::Corref, &DialProject::Pta12h, &DialProject::Sequ};

// The record's member of each radio pair and the value that selects each radio, in the order of
// `Radio`.
struct RadioBit {
  bool DialProject::*member;
  bool value;
};
constexpr std::array<RadioBit, 6> kRadioBits = {{{&DialProject::Nord, true},
                                                 {&DialProject::Nord, false},
                                                 {&DialProject::Est, true},
                                                 {&DialProject::Est, false},
                                                 {&DialProject::Dest, true},
                                                 {&DialProject::Dest, false}}};

// The real instant (`kZonePoint1`...) a date or time entry belongs to; -1 for other entries.
int InstantOfField(Field f) {
  switch (f) {
    case Field::Date1:
    case Field::Heure1:
      return kZonePoint1;
    case Field::Date2:
    case Field::Heure2:
      return kZonePoint2;
    case Field::Dadiur:
    case Field::Hediur:
      return kZoneCurrent;
    default:
      return -1;
  }
}

// "-3:30", "1:00": an offset as the `FusHor` entry takes it.
std::string ZoneEntryText(double hours) {
  return (hours < 0 ? "-" : "") + FormatZoneHours(std::abs(hours));
}

// 21 June 2024, the date the explanations give as an example.
constexpr double kExampleDateSerial = 45464;

// The partner of a radio button in its pair.
constexpr Radio PartnerOf(Radio r) { return static_cast<Radio>(static_cast<int>(r) ^ 1); }

}  // namespace

Form::Form(DialProject& project, ProjectState& state, FormHost& host, DateStyle dates)
    : project_(project), state_(state), host_(host), dates_(std::move(dates)) {}

// ---------------------------------------------------------------- view state

void Form::SetDateHint(ControlState& s) const {
  if (state_.EnglishUi) {
    s.hint = UMBRIX_TR("Controls", "Format : %1");
    s.hintArgs = {UsableDatePattern(dates_.pattern)};
  } else {
    s.hint = UMBRIX_TR("Controls", "Format : jj/mm/aaaa");
    s.hintArgs.clear();
  }
}

std::string Form::DateHint() const {
  ControlState s;
  SetDateHint(s);
  return s.Hint();
}

ControlId Form::FirstControlOf(Tab tab) const {
  switch (tab) {
    case Tab::Cadran:
      return project_.Rectg ? ControlId::Coteh : ControlId::Cote;
    case Tab::Point1:
      return ControlId::Date1;
    case Tab::Point2:
      return ControlId::Date2;
    case Tab::Lieu:
      return ControlId::Limite;
    case Tab::Divers:
      return ControlId::Dadiur;
    case Tab::Option:
      return ControlId::Sequ;
    case Tab::Test:
      return ControlId::Edit20;
  }
  return ControlId::Cote;
}

void Form::ShowTab(Tab tab) {
  FormDeactivate();
  selectedTab_ = tab;
  Focus(FirstControlOf(tab));
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
  const int index = static_cast<int>(id);

  // own enabled state and visibility, from the boxes
  auto ownEnabled = [this](C c) {
    switch (c) {
      case C::Cote:
        return !project_.Rectg;
      case C::Lat:
      case C::GroupNordSud:
        return project_.Limite;
      case C::GroupCotes:
        return project_.Rectg;
      case C::GroupFinal:
        return project_.Hautf;
      case C::GroupMiJour:
        return project_.Mijou;
      case C::GroupLongitude:
        return project_.Locc || project_.Hvrai;
      case C::TypeHeure:
        return project_.Zone.empty();
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
    if (FactsOf(f).kind == TextKind::Date) SetDateHint(s);
  } else if (index < kFieldCount + kTestFieldCount) {
    s.text = project_.Test[index - kFieldCount].text;
  } else if (id == C::NomFic) {
    s.text = project_.NomFic;
  } else if (id == C::TypeHeure) {
    const int item = project_.TypeHeureItem;
    if (item >= 0 && item < 3) s.text = kTypeHeureItems[item];
    if (!project_.Zone.empty()) s.hint = kTypeHeureZoneHint;
  } else if (id == C::Zone) {
    s.text = project_.Zone;
  } else if (id >= C::Rectg && id <= C::Sequ) {
    s.checked = IsChecked(static_cast<Check>(index - static_cast<int>(C::Rectg)));
  } else if (id >= C::Nord && id <= C::Douest) {
    s.checked = IsSelected(static_cast<Radio>(index - static_cast<int>(C::Nord)));
  }
  for (const FieldFacts& f : kFieldFacts) {
    if (f.label && f.label->control == id) s.text = project_.*(f.label->text);
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
  ctx.dayFirst = DayComesFirst(dates_.pattern);
  return ctx;
}

std::string Form::ShortDate(double serial) const {
  return FormatDateInPattern(serial, dates_.pattern);
}

void Form::ShowValue(Field f, double value) {
  const FieldFacts& facts = FactsOf(f);
  Entry& e = project_.At(f);
  e.value = value;
  e.given = true;
  if (facts.kind == TextKind::Date) {
    e.text = ShortDate(value);
  } else if (facts.kind == TextKind::Time) {
    e.text = FormatLongTime(value);
  } else {
    e.text = FormatGeneral(value);
  }
  WriteLabel(facts, e);
  if (const int instant = InstantOfField(f); instant >= 0) {
    ForgetOffset(instant);
    ResolveOffset(instant, f);
  }
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
  const FieldFacts& facts = FactsOf(f);
  Entry& e = project_.At(f);
  const Entry old = e;
  const std::string typed = e.text;
  if (auto substituted = Expand(f, e.text)) e.text = *substituted;
  // a French keyboard's decimal comma: the entry keeps, and the file saves, the point
  if (facts.kind != TextKind::Date && facts.kind != TextKind::Time) {
    e.text = DecimalPointText(e.text);
  }
  footRefused_ = false;
  Store(facts, e, Parse(facts, e.text));
  explanation_.reset();
  if (!e.given && !typed.empty()) explanation_ = Explain(f, typed);
  WriteLabel(facts, e);
  ApplyToPlate(facts, e);
  const bool changed = (old.given && old.value != e.value) || old.given != e.given;
  if (const int instant = InstantOfField(f); instant >= 0 && changed) {
    ForgetOffset(instant);
    ResolveOffset(instant, f);
  }
  if (changed) MarkChanged(facts);
  if (e.given && facts.side != PlateSide::None) host_.FitDrawing();
}

// ---------------------------------------------------------------- the zone by name

void Form::ResolveOffset(int instant, Field typed) {
  const ZoneRules* rules = host_.Zones();
  ZoneOffset& offset = project_.ZoneOffsets[instant];
  const Entry& date = InstantDate(project_, instant);
  const Entry& time = InstantTime(project_, instant);
  if (project_.Zone.empty() || offset.known || !date.given || !time.given || rules == nullptr ||
      !rules->Knows(project_.Zone)) {
    return;
  }
  const LocalTimeOffsets o = OffsetsAtLocalTime(*rules, project_.Zone, date.value + time.value);
  if (o.kind == LocalTimeKind::Unique || instant == kZoneCurrent) {
    // the current instant never asks: in the gap or the repeat it takes the earlier offset
    offset = {true, o.before};
    return;
  }
  const std::string point = std::to_string(instant + 1);
  const std::string when = FormatLongTime(time.value);
  const std::string day = FormatDateShort(date.value);
  if (o.kind == LocalTimeKind::Gap) {
    host_.ShowMessage(ErrorMessage(
        kZoneGapText,
        {point, when, day, project_.Zone, UtcOffsetText(o.before), UtcOffsetText(o.after)}));
    Entry& refused = project_.At(typed);
    ClearEntry(refused);
    WriteLabel(FactsOf(typed), refused);
    selectedTab_ = instant == kZonePoint1 ? Tab::Point1 : Tab::Point2;
    Focus(ControlOf(typed));
    return;
  }
  const bool later = host_.TakeLaterOffset(
      kZoneRepeatText,
      {point, when, day, project_.Zone, UtcOffsetText(o.after), UtcOffsetText(o.before)});
  offset = {true, later ? o.after : o.before};
}

void Form::ClearZone() {
  project_.Zone.clear();
  for (int i = 0; i < 3; ++i) ForgetOffset(i);
}

std::optional<Message> Form::ChooseZone(const std::string& id) {
  if (id == project_.Zone) return std::nullopt;
  const ZoneRules* rules = host_.Zones();
  if (!id.empty() && (rules == nullptr || !rules->Knows(id))) {
    return ErrorMessage(kZoneUnknownText, {id});
  }
  if (!id.empty() && !project_.Locc && !project_.Hvrai) return ErrorMessage(kZoneNeedsPlaceText);
  ClearZone();
  project_.Zone = id;
  if (!id.empty() && !project_.FusHor.given) {
    Enter(Field::FusHor, ZoneEntryText(rules->StandardOffsetAt(id, host_.Now().today)));
  }
  ResolveOffset(kZonePoint1, Field::Heure1);
  ResolveOffset(kZonePoint2, Field::Heure2);
  ResolveOffset(kZoneCurrent, Field::Hediur);
  MarkModified(false, true);
  return std::nullopt;
}

std::vector<ZoneItem> Form::ZoneItems() const {
  std::vector<ZoneItem> items{{"", kNoZoneCaption}};
  const ZoneRules* rules = host_.Zones();
  if (rules == nullptr) return items;
  const double today = host_.Now().today + host_.Now().timeOfDay;
  auto add = [&](const std::string& id) {
    items.push_back(
        {id, ComposeText(kZoneItemCaption, {id, UtcOffsetText(rules->OffsetAt(id, today))})});
  };
  const std::string own = rules->SystemId();
  if (!own.empty() && rules->Knows(own)) add(own);
  for (const std::string& id : rules->Ids()) {
    if (id != own) add(id);
  }
  return items;
}

void Form::RestoreZone(const std::string& id, const std::array<ZoneOffset, 2>& marks) {
  ClearZone();
  // a zone stands only beside the place's clock, as the list is enabled only then
  if (id.empty() || (!project_.Locc && !project_.Hvrai)) return;
  project_.Zone = id;
  const ZoneRules* rules = host_.Zones();
  const bool known = rules != nullptr && rules->Knows(id);
  if (!known) host_.ShowMessage(InfoMessage(kZoneUnknownKeptText, {id}));
  for (int instant : {kZonePoint1, kZonePoint2}) {
    const ZoneOffset stored = marks[instant];
    const Entry& date = InstantDate(project_, instant);
    const Entry& time = InstantTime(project_, instant);
    if (!stored.known) {
      ResolveOffset(instant, instant == kZonePoint1 ? Field::Heure1 : Field::Heure2);
      continue;
    }
    project_.ZoneOffsets[instant] = stored;
    if (!known || !date.given || !time.given) continue;
    const LocalTimeOffsets now = OffsetsAtLocalTime(*rules, id, date.value + time.value);
    const bool same =
        now.kind != LocalTimeKind::Gap && (stored.hours == now.before || stored.hours == now.after);
    if (!same) {
      host_.ShowMessage(InfoMessage(kZoneRuleChangedText,
                                    {id, std::to_string(instant + 1), UtcOffsetText(stored.hours),
                                     UtcOffsetText(now.before)}));
    }
  }
  ResolveOffset(kZoneCurrent, Field::Hediur);
}

std::optional<std::string> Form::Expand(Field f, const std::string& text) const {
  const TextKind kind = FactsOf(f).kind;
  if (kind != TextKind::Date && kind != TextKind::Time) return std::nullopt;
  const ParseContext ctx = Context();
  // today's date goes out in the dialog's own short date format
  if (kind == TextKind::Date && text == "*") return ShortDate(ctx.today);
  return ExpandShorthand(f, text, project_, ctx);
}

std::optional<double> Form::Parse(const FieldFacts& facts, const std::string& text) {
  std::optional<double> v;
  switch (facts.kind) {
    case TextKind::Decimal:
    case TextKind::FootX:
    case TextKind::FootY:
      v = ParseDecimal(text);
      break;
    case TextKind::Angle:
      v = ParseSexagesimal(text, "°");
      break;
    case TextKind::Zone:
      v = ParseSexagesimal(text, ":");
      if (v && !IsValidZone(*v)) v.reset();
      break;
    case TextKind::Date:
      return ParseDate(text, Context());
    case TextKind::Time:
      return ParseTime(text);
  }
  // an overflowing exponent ("1e999") must not become an infinite plate or height
  if (!v || !std::isfinite(*v) || !facts.range.Contains(*v)) return std::nullopt;
  const bool footOutside = (facts.kind == TextKind::FootX && std::abs(*v) > project_.Plate.XMax) ||
                           (facts.kind == TextKind::FootY && std::abs(*v) > project_.Plate.YMax) ||
                           !FootStaysOnPlate(facts, *v);
  if (footOutside) {
    footRefused_ = true;
    FootMessage();
    return std::nullopt;
  }
  return v;
}

bool Form::FootStaysOnPlate(const FieldFacts& facts, double side) const {
  const double half = side / 2;
  const bool checksX = facts.side == PlateSide::Square || facts.side == PlateSide::Width;
  const bool checksY = facts.side == PlateSide::Square || facts.side == PlateSide::Height;
  return !(checksX && half < std::abs(project_.Gnomx.value)) &&
         !(checksY && half < std::abs(project_.Gnomy.value));
}

void Form::Store(const FieldFacts& facts, Entry& e, std::optional<double> parsed) {
  if (!parsed) e.text.clear();
  const bool negative = parsed && facts.negativeWhen && IsSelected(*facts.negativeWhen);
  e.value = negative ? -*parsed : parsed.value_or(0.0);
  e.given = !e.text.empty();
}

void Form::WriteLabel(const FieldFacts& facts, const Entry& e) {
  if (!facts.label) return;
  std::string& label = project_.*(facts.label->text);
  const MonthNames names = state_.EnglishUi ? MonthNames::English : MonthNames::French;
  if (!e.given) {
    label.clear();
  } else if (facts.kind == TextKind::Date) {
    label = FormatDateLong(e.value, names);
  } else {
    label = FormatLongTime(e.value);
  }
}

void Form::ApplyToPlate(const FieldFacts& facts, const Entry& e) {
  if (!e.given) return;
  PlateWindow& plate = project_.Plate;
  if (facts.side == PlateSide::Square || facts.side == PlateSide::Width) {
    plate.XMin = -e.value / 2;
    plate.XMax = e.value / 2;
  }
  if (facts.side == PlateSide::Square || facts.side == PlateSide::Height) {
    plate.YMin = -e.value / 2;
    plate.YMax = e.value / 2;
  }
  // without a final shadow-caster, the measuring gnomon is the one traced
  if (facts.field == Field::Gnomon && !project_.Hautf) project_.Gnomf.value = e.value;
}

EntryExplanation Form::Explain(Field f, const std::string& typed) const {
  const FieldFacts& facts = FactsOf(f);
  if (footRefused_) return {kExplainFoot, {typed}};
  switch (facts.kind) {
    case TextKind::Decimal:
      return {facts.range.minExclusive ? kExplainPositive : kExplainNumber, {typed}};
    case TextKind::FootX:
    case TextKind::FootY:
      return {kExplainNumber, {typed}};
    case TextKind::Angle:
      return {kExplainAngle, {typed, FormatGeneral(facts.range.min), FormatGeneral(facts.range.max)}};
    case TextKind::Zone:
      return {kExplainZone, {typed}};
    case TextKind::Date:
      if (!state_.EnglishUi) return {kExplainDate, {typed}};
      return {kExplainDatePattern,
              {typed, UsableDatePattern(dates_.pattern), ShortDate(kExampleDateSerial)}};
    case TextKind::Time:
      return {f == Field::MiJour ? kExplainHourMinute : kExplainTime, {typed}};
  }
  return {kExplainNumber, {typed}};
}

void Form::MarkChanged(const FieldFacts& facts) {
  const RunMode mode = state_.RunMode;
  const bool clear =
      facts.clearIn.Contains(mode) || (!project_.Hautf && facts.clearWithoutFinal.Contains(mode));
  MarkModified(facts.testData == TestData::Keep && state_.TestDataValid, clear);
}

void Form::Leave(TestField f) {
  TestEntry& e = project_.At(f);
  const std::string typed = e.text;
  std::optional<double> v;
  if (f == TestField::Edit22) {
    v = ParseWhole(e.text);
  } else {
    e.text = DecimalPointText(e.text);
    if (auto decimal = ParseDecimal(e.text); decimal && std::isfinite(*decimal)) {
      v = f == TestField::Edit25 ? *decimal : *decimal * std::numbers::pi / 180;
    }
  }
  if (!v) e.text.clear();
  explanation_.reset();
  if (!v && !typed.empty()) {
    explanation_ = {f == TestField::Edit22 ? kExplainWhole : kExplainNumber, {typed}};
  }
  e.value = v.value_or(0.0);
}

// ---------------------------------------------------------------- the list

void Form::SelectTypeHeure(int item) { project_.TypeHeureItem = item >= 0 && item < 3 ? item : -1; }

void Form::LeaveTypeHeure() {
  const double old = project_.TypeHeure;
  int item = project_.TypeHeureItem;
  if (item < 0 || item > 2) item = old == 0 ? 0 : (old > 0 ? 2 : 1);
  project_.TypeHeureItem = item;
  project_.TypeHeure = kTypeHeureValues[item];
  if (project_.TypeHeure != old) {
    MarkModified(state_.TestDataValid, kDialCommands.Contains(state_.RunMode));
  }
}

// ---------------------------------------------------------------- boxes and radio buttons

bool Form::IsChecked(Check c) const { return project_.*kCheckMembers[static_cast<int>(c)]; }

void Form::SetChecked(Check c, bool checked) {
  if (IsChecked(c) == checked) return;
  project_.*kCheckMembers[static_cast<int>(c)] = checked;
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
          ClearZone();
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
        ClearZone();
        Select(Radio::Est);
      }
      MarkModified(false, kDialCommands.Contains(state_.RunMode));
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
  const RadioBit& bit = kRadioBits[static_cast<int>(r)];
  return project_.*bit.member == bit.value;
}

void Form::Select(Radio r) {
  if (IsSelected(r)) return;
  const RadioBit& bit = kRadioBits[static_cast<int>(r)];
  project_.*bit.member = bit.value;
  OnRadioPair(r);
}

void Form::SelectRadio(PlaceRadio radio) {
  constexpr Radio kRadios[] = {Radio::Nord, Radio::Sud, Radio::Est, Radio::Ouest};
  Select(kRadios[static_cast<int>(radio)]);
}

void Form::OnRadioPair(Radio selected) {
  // the pair gives the sign of one entry, whose value flips as its own change rule says
  for (const FieldFacts& facts : kFieldFacts) {
    const auto radio = facts.negativeWhen;
    if (!radio || (*radio != selected && PartnerOf(*radio) != selected)) continue;
    Entry& e = project_.At(facts.field);
    const double old = e.value;
    e.value = *radio == selected ? -std::abs(e.value) : std::abs(e.value);
    if (e.value != old) MarkChanged(facts);
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
  sync(o.Italiques1, MenuItem::Italiques1, project_.Limite);
  sync(o.Babyloniques1, MenuItem::Babyloniques1, project_.Limite);
  sync(o.Temporaires1, MenuItem::Temporaires1, project_.Limite);
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
    return InfoMessage(UMBRIX_TR("Message", "Donner la géométrie de mesure"));
  }
  return std::nullopt;
}

std::optional<Message> Form::CheckDialGeometry() const {
  const bool casterGiven =
      project_.Hautf ? project_.Gnomf.given && project_.Gnomx.given && project_.Gnomy.given
                     : project_.Gnomon.given;
  if (!PlateSidesGiven() || !casterGiven)
    return InfoMessage(UMBRIX_TR("Message", "Donner la géométrie du cadran"));
  return std::nullopt;
}

void Form::ApplyTestComputeResult(int pointsWritten) {
  if (pointsWritten == 2) state_.TestDataValid = true;
}

}  // namespace umbrix
