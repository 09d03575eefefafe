#pragma once
// The facts of every entry of the "Saisies" dialog, one row per entry: how its text is read, what
// it does to the plate and the labels, what its change does to the project, and how the dialog
// shows it. The leave handlers and the views loop over the same rows.

#include <array>
#include <limits>
#include <optional>
#include <string>

#include "form/Controls.h"
#include "model/DialProject.h"
#include "model/Texts.h"

namespace umbrix {

/// How an entry's text is read.
enum class TextKind {
  Decimal,  // decimal number within `range`
  FootX,    // decimal number of magnitude at most `XMax`, else the foot message
  FootY,    // decimal number of magnitude at most `YMax`, else the foot message
  Angle,    // sexagesimal with "°", within `range`
  Zone,     // sexagesimal with ":", a whole number of quarter hours within [-12, 12]
  Date,     // a date in the short date pattern, after the shorthands
  Time,     // a clock time, after the shorthands
};

/// Inclusive range of a `Decimal` or `Angle` entry's value.
struct Range {
  double min;
  double max;
  bool minExclusive = false;  // plate sides, heights and squares must be > 0
  constexpr bool Contains(double v) const {
    return (minExclusive ? v > min : v >= min) && v <= max;
  }
};
inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();
inline constexpr Range kPositive{0.0, kNoLimit, true};
inline constexpr Range kAnyValue{-kNoLimit, kNoLimit};

/// The part of `PlateWindow` a plate side sets; the side must leave the foot on the plate there.
enum class PlateSide { None, Square, Height, Width };

/// What `MarkModified` gets as `TestDataValid` when the entry changed.
enum class TestData { Void, Keep };

/// A companion label: its control and the record's text it shows.
struct Label {
  ControlId control;
  std::string DialProject::*text;
};

struct FieldFacts {
  Field field;
  TextKind kind;
  Range range;
  TestData testData;
  RunModeSet clearIn;  // the modes in which a change blanks the drawing
  const char* caption;
  const char* unit;
  const char* hint;        // empty for the dates, whose hint is `Form::DateHint`
  std::optional<Tab> tab;  // none under the tabs
  std::optional<ControlId> group = std::nullopt;  // the group holding the edit
  PlateSide side = PlateSide::None;
  std::optional<Radio> negativeWhen = std::nullopt;  // the radio that makes the value negative
  std::optional<Label> label = std::nullopt;
  RunModeSet clearWithoutFinal = {};  // further modes that blank while `Hautf` is unchecked
};

namespace field_facts {
inline constexpr const char* kAngleHint = UMBRIX_TR("Controls", "Format : dd°mm°ss");
inline constexpr const char* kTimeHint = UMBRIX_TR("Controls", "Format : hh:mm:ss");
inline constexpr const char* kHourMinuteHint = UMBRIX_TR("Controls", "Format : hh:mm");
inline constexpr Range kTo90{0.0, 90.0};
inline constexpr Range kTo180{0.0, 180.0};
inline constexpr Range kPlusMinus180{-180.0, 180.0};
using C = ControlId;
using K = TextKind;
using T = TestData;
using P = DialProject;
}  // namespace field_facts

/// One row per `Field`, in the order of `Field`.
inline constexpr std::array<FieldFacts, kFieldCount> kFieldFacts = [] {
  using namespace field_facts;
  const RunModeSet always = kAnyMode;
  // one row per entry reads better than one fact per line
  // clang-format off
  return std::array<FieldFacts, kFieldCount>{{
      {Field::Cote, K::Decimal, kPositive, T::Void, always, UMBRIX_TR("Controls", "Côté du cadran"), UMBRIX_TR("Controls", "mm"), "",
       Tab::Cadran, {}, PlateSide::Square},
      {Field::Coteh, K::Decimal, kPositive, T::Void, always, UMBRIX_TR("Controls", "Hauteur"), UMBRIX_TR("Controls", "mm"), "", Tab::Cadran,
       C::GroupCotes, PlateSide::Height},
      {Field::Cotel, K::Decimal, kPositive, T::Void, always, UMBRIX_TR("Controls", "Largeur"), UMBRIX_TR("Controls", "mm"), "", Tab::Cadran,
       C::GroupCotes, PlateSide::Width},
      {Field::Gnomon, K::Decimal, kPositive, T::Void, kPointInstantModes, UMBRIX_TR("Controls", "Hauteur du gnomon"), UMBRIX_TR("Controls", "mm"),
       "", Tab::Cadran, {}, PlateSide::None, {}, {}, {RunMode::Trace}},
      {Field::Gnomf, K::Decimal, kPositive, T::Keep, always, UMBRIX_TR("Controls", "Hauteur"), UMBRIX_TR("Controls", "mm"), "", Tab::Cadran,
       C::GroupFinal},
      {Field::Gnomx, K::FootX, kAnyValue, T::Keep, always, UMBRIX_TR("Controls", "X"), UMBRIX_TR("Controls", "mm"), "", Tab::Cadran,
       C::GroupFinal},
      {Field::Gnomy, K::FootY, kAnyValue, T::Keep, always, UMBRIX_TR("Controls", "Y"), UMBRIX_TR("Controls", "mm"), "", Tab::Cadran,
       C::GroupFinal},
      {Field::Date1, K::Date, kAnyValue, T::Void, kPointInstantModes, UMBRIX_TR("Controls", "Date"), "", "", Tab::Point1,
       {}, PlateSide::None, {}, Label{C::Adate1, &P::Adate1}},
      {Field::Heure1, K::Time, kAnyValue, T::Void, kPointInstantModes, UMBRIX_TR("Controls", "Heure"), "", kTimeHint,
       Tab::Point1, {}, PlateSide::None, {}, Label{C::Aheure1, &P::Aheure1}},
      {Field::Mesx1, K::Decimal, kAnyValue, T::Void, kPointMarkModes, UMBRIX_TR("Controls", "X"), UMBRIX_TR("Controls", "mm"), "", Tab::Point1},
      {Field::Mesy1, K::Decimal, kAnyValue, T::Void, kPointMarkModes, UMBRIX_TR("Controls", "Y"), UMBRIX_TR("Controls", "mm"), "", Tab::Point1},
      {Field::Date2, K::Date, kAnyValue, T::Void, kPointInstantModes, UMBRIX_TR("Controls", "Date"), "", "", Tab::Point2,
       {}, PlateSide::None, {}, Label{C::Adate2, &P::Adate2}},
      {Field::Heure2, K::Time, kAnyValue, T::Void, kPointInstantModes, UMBRIX_TR("Controls", "Heure"), "", kTimeHint,
       Tab::Point2, {}, PlateSide::None, {}, Label{C::Aheure2, &P::Aheure2}},
      {Field::Mesx2, K::Decimal, kAnyValue, T::Void, kPointMarkModes, UMBRIX_TR("Controls", "X"), UMBRIX_TR("Controls", "mm"), "", Tab::Point2},
      {Field::Mesy2, K::Decimal, kAnyValue, T::Void, kPointMarkModes, UMBRIX_TR("Controls", "Y"), UMBRIX_TR("Controls", "mm"), "", Tab::Point2},
      {Field::Lat, K::Angle, kTo90, T::Void, always, UMBRIX_TR("Controls", "Latitude"), UMBRIX_TR("Controls", "°"), kAngleHint, Tab::Lieu, {},
       PlateSide::None, Radio::Sud},
      {Field::MiJour, K::Time, kAnyValue, T::Void, always, "", "", kHourMinuteHint, Tab::Lieu,
       C::GroupMiJour, PlateSide::None, {}, Label{C::Amijour, &P::Amijour}},
      {Field::Long, K::Angle, kTo180, T::Void, always, UMBRIX_TR("Controls", "Longitude"), UMBRIX_TR("Controls", "°"), kAngleHint, Tab::Lieu,
       C::GroupLongitude, PlateSide::None, Radio::Est},
      {Field::FusHor, K::Zone, kAnyValue, T::Void, always, UMBRIX_TR("Controls", "Fuseau horaire"),
       UMBRIX_TR("Controls", "h (mesure du cadran)"), kHourMinuteHint, Tab::Lieu, C::GroupLongitude},
      {Field::Dadiur, K::Date, kAnyValue, T::Keep, kDialCommands, UMBRIX_TR("Controls", "Date"), "", "", Tab::Divers,
       {}, PlateSide::None, {}, Label{C::Adadiur, &P::Adadiur}},
      {Field::Hediur, K::Time, kAnyValue, T::Keep, kDialCommands, "", "", kTimeHint, Tab::Divers,
       {}, PlateSide::None, {}, Label{C::Ahediur, &P::Ahediur}},
      {Field::DecEd, K::Angle, kTo180, T::Keep, kTypedOrientationModes, UMBRIX_TR("Controls", "Déclinaison"), UMBRIX_TR("Controls", "°"),
       kAngleHint, Tab::Divers, C::GroupSimulation, PlateSide::None, Radio::Dest},
      {Field::IncEd, K::Angle, kTo180, T::Keep, kTypedOrientationModes, UMBRIX_TR("Controls", "Inclinaison"), UMBRIX_TR("Controls", "°"),
       kAngleHint, Tab::Divers, C::GroupSimulation},
      {Field::RotEd, K::Angle, kPlusMinus180, T::Keep, kTypedOrientationModes, UMBRIX_TR("Controls", "Rotation"), UMBRIX_TR("Controls", "°"),
       kAngleHint, Tab::Divers, C::GroupSimulation},
      {Field::Carreau, K::Decimal, kPositive, T::Keep, kDialCommands, UMBRIX_TR("Controls", "Carreaux"), UMBRIX_TR("Controls", "mm"), "",
       std::nullopt},
  }};
  // clang-format on
}();

static_assert(
    [] {
      for (int i = 0; i < kFieldCount; ++i) {
        if (static_cast<int>(kFieldFacts[i].field) != i) return false;
      }
      return true;
    }(),
    "one row per field, in the order of Field");

constexpr const FieldFacts& FactsOf(Field f) { return kFieldFacts[static_cast<int>(f)]; }

}  // namespace umbrix
