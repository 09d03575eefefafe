#pragma once
// Projects and a dialog stand-in for the computation tests.

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "astro/Sun.h"
#include "model/EntryWriter.h"
#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Formats.h"

namespace umbrix::testing {

inline constexpr double kDeg = kPi / 180;

/// Writes entries into a record the way the dialog's leave handlers do: the text is parsed with
/// the model's parsers, checked against the entry's range and signed by its radio pair; a text
/// that does not parse empties the entry.
class ProjectEntryWriter : public EntryWriter {
 public:
  explicit ProjectEntryWriter(DialProject& project) : project_(project) {}

  void SetEntryText(Field field, const std::string& text) override {
    calls.emplace_back(field, text);
    Entry& e = project_.At(field);
    e = Entry{};
    if (text.empty()) return;
    std::optional<double> v;
    switch (field) {
      case Field::Lat:
      case Field::Long:
        v = ParseSexagesimal(text, "°");
        break;
      case Field::FusHor:
        v = ParseSexagesimal(text, ":");
        if (v && !IsValidZone(*v)) v.reset();
        break;
      case Field::MiJour:
        v = ParseTime(text);
        break;
      default:
        v = ParseDecimal(text);
        break;
    }
    if (v && (field == Field::Lat || field == Field::Long)) {
      const double max = field == Field::Lat ? 90.0 : 180.0;
      if (*v < 0 || *v > max) v.reset();
    }
    if (!v) return;
    double value = *v;
    if (field == Field::Lat && !project_.Nord) value = -value;
    if (field == Field::Long && project_.Est) value = -value;
    e = Entry{text, value, true};
  }

  void SelectRadio(PlaceRadio radio) override {
    radios.push_back(radio);
    const bool north = radio == PlaceRadio::Nord;
    const bool east = radio == PlaceRadio::Est;
    if ((radio == PlaceRadio::Nord || radio == PlaceRadio::Sud) && project_.Nord != north) {
      project_.Nord = north;
      project_.Lat.value = -project_.Lat.value;
    }
    if ((radio == PlaceRadio::Est || radio == PlaceRadio::Ouest) && project_.Est != east) {
      project_.Est = east;
      project_.Long.value = -project_.Long.value;
    }
  }

  std::vector<std::pair<Field, std::string>> calls;
  std::vector<PlaceRadio> radios;

 private:
  DialProject& project_;
};

/// Sets an entry as its handler would leave it after a valid text.
inline void Give(Entry& e, double value, std::string text = "x") {
  e = Entry{std::move(text), value, true};
}

inline double Serial(int y, int m, int d) { return SerialFromCivil({y, m, d}); }

/// A 400 mm square plate with a 100 mm measuring gnomon, both instants on 21 June 2024 at 13:00
/// and 17:00, latitude 45 N, longitude 5 E, zone +2, full localisation.
inline DialProject FullPlaceProject() {
  DialProject p = StartupProject();
  Give(p.Cote, 400);
  p.Plate = {-200, 200, -200, 200};
  Give(p.Gnomon, 100);
  Give(p.Date1, Serial(2024, 6, 21));
  Give(p.Heure1, 13.0 / 24);
  Give(p.Date2, Serial(2024, 6, 21));
  Give(p.Heure2, 17.0 / 24);
  p.Limite = true;
  Give(p.Lat, 45);
  p.Locc = true;
  Give(p.Long, -5);
  p.Est = true;
  Give(p.FusHor, 2);
  return p;
}

/// The measured worked case: points (-100.3, -330.6) and (164.2, -189.9).
inline DialProject WorkedCase() {
  DialProject p = FullPlaceProject();
  p.Plate = {-500, 500, -500, 500};
  Give(p.Cote, 1000);
  Give(p.Mesx1, -100.3);
  Give(p.Mesy1, -330.6);
  Give(p.Mesx2, 164.2);
  Give(p.Mesy2, -189.9);
  return p;
}

/// Sets the typed orientation (degrees).
inline void Orient(DialProject& p, double dec, double inc, double rot) {
  Give(p.DecEd, dec);
  p.Dest = dec < 0;
  Give(p.IncEd, inc);
  Give(p.RotEd, rot);
}

/// The frame change E -> P of a typed orientation, composed rotation by rotation (radians).
inline Vec3 EquatorialToPlate(Vec3 v, double D, double i, double w, double lat, double p) {
  v = RotateZ(v, -p);
  v = RotateY(v, kPi / 2 - lat);
  return RotateZYZ(v, w, i, -D);
}

/// Angle between two directions, radians; accurate for tiny angles too.
inline double AngleBetween(Vec3 a, Vec3 b) {
  const Vec3 c{a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
  return std::atan2(Norm(c), Dot(a, b));
}

/// Writes the unrounded shadow points that the plate of declination `dec`, inclination `inc` and
/// rotation `rot` (degrees) receives at the project's two instants, with the project's full place:
/// the sun as the solver sees it (frame E, refracted toward the zenith), turned into the plate.
/// Returns false when a point is behind the plate.
inline bool GiveExactShadows(DialProject& p, double dec, double inc, double rot) {
  const double lat = p.Lat.value * kDeg;
  const double hp = p.Long.value * kDeg + p.FusHor.value * kPi / 12;
  const Vec3 zenith = RotateZ(RotateY({0, 0, 1}, lat - kPi / 2), hp);
  for (int point = 1; point <= 2; ++point) {
    const Entry& date = point == 1 ? p.Date1 : p.Date2;
    const double time = (point == 1 ? p.Heure1 : p.Heure2).value;
    Vec3 s = SunVector(true, date.value, time * 24 - p.FusHor.value);
    s = RotateZ(s, (time - 0.5) * 2 * kPi);
    s = ApplyRefraction(s, zenith).sun;
    const Vec3 sp = EquatorialToPlate(s, dec * kDeg, inc * kDeg, (90 - rot) * kDeg, lat, hp);
    if (sp.Z <= 0) return false;
    const double G = p.Gnomon.value;
    Give(point == 1 ? p.Mesx1 : p.Mesx2, -G * sp.X / sp.Z);
    Give(point == 1 ? p.Mesy1 : p.Mesy2, -G * sp.Y / sp.Z);
  }
  return true;
}

/// a - b brought into (-180, 180], degrees.
inline double DegreesApart(double a, double b) {
  const double d = (a - b) * kDeg;
  return std::atan2(std::sin(d), std::cos(d)) / kDeg;
}

}  // namespace umbrix::testing
