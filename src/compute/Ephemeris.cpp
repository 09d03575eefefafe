#include "compute/Ephemeris.h"

#include <algorithm>
#include <cmath>

#include "model/Dates.h"
#include "model/Language.h"
#include "model/Numbers.h"
#include "model/Texts.h"
#include "model/TimeZone.h"

namespace umbrix {

namespace {

constexpr double kDeg = kPi / 180;
/// Altitude of the sun's centre at sunrise and sunset (-50 arc minutes), radians.
constexpr double kSunriseAltitude = -0.014544410433286079808;

double SafeAsin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }

std::string Hundredths(double x) { return FormatGeneral(RoundScaled(100, x)); }

/// The time of day a day fraction outside [0, 1) stands for.
double TimeOfDay(double dayFraction) {
  const double t = dayFraction - std::floor(dayFraction);
  return t >= 1.0 ? 0.0 : t;
}

struct Instant {
  const Entry& date;
  const Entry& time;
  double zone;  // hours, positive east
};

Instant InstantOf(const DialProject& p, int n) {
  const int instant = n - kInstantPoint1;  // 0, 1, 2 as the zone's offsets are kept
  return {InstantDate(p, instant), InstantTime(p, instant), InstantZoneHours(p, instant)};
}

std::string DeclinationLine(Vec3 sun, const TextLanguage& language) {
  return language.Report(UMBRIX_TR("Report", "\r\nDéclinaison du Soleil : %1 °"),
                         {Hundredths(SafeAsin(sun.Z) / kDeg)});
}

std::string Positions(double x, double y, const TextLanguage& language) {
  return language.Report(UMBRIX_TR("Report", "\r\nPosition X : %1 mm\r\nPosition Y : %2 mm"),
                         {FormatGeneral(x), FormatGeneral(y)});
}

bool InsidePlate(const PlateWindow& w, double x, double y) {
  return x >= w.XMin && x <= w.XMax && y >= w.YMin && y <= w.YMax;
}

/// The measuring or final shadow-caster's foot and height (mm).
struct Caster {
  double x, y, height;
};
Caster FinalCaster(const DialProject& p) {
  if (p.Hautf) return {p.Gnomx.value, p.Gnomy.value, p.Gnomf.value};
  return {0.0, 0.0, p.Gnomon.value};
}

}  // namespace

std::string EquationOfTimeText(double e, const TextLanguage& language) {
  const double magnitude = std::abs(e);
  const double minutes = std::floor(magnitude);
  const double seconds = RoundHalfEven((magnitude - minutes) * 60);
  return language.Report(e < 0 ? UMBRIX_TR("Report", "\r\nEquation du temps : - %1 min %2 s")
                               : UMBRIX_TR("Report", "\r\nEquation du temps : %1 min %2 s"),
                         {FormatGeneral(minutes), FormatGeneral(seconds)});
}

DayEventsText DayEvents(const DialProject& project, int instant, const TextLanguage& language) {
  const Instant in = InstantOf(project, instant);
  DayEventsText r;
  r.text = language.Report(UMBRIX_TR("Report", "\r\nEvénements de la journée :\r\n%1"),
                           {language.LongDate(in.date.value)});
  const bool placeClock = project.Long.given && project.FusHor.given;
  const double t0 = placeClock ? project.Long.value / 360 + 0.5 : 0.5;
  const Vec3 sun = SunVector(true, in.date.value, t0 * 24);
  r.text += EquationOfTimeText(EquationOfTimeMinutes(sun), language);
  r.text += DeclinationLine(sun, language);
  if (!placeClock) {
    r.text +=
        language.Report(UMBRIX_TR("Report", "\r\nLongitude et fuseau horaire non précisés..."));
    r.complete = false;
    r.text += "\r\n";
    return r;
  }
  if (!project.Locc)
    r.text += language.Report(UMBRIX_TR("Report", "\r\n(avec les données 'Heures solaires')"));
  r.text += language.Report(UMBRIX_TR("Report", "\r\n-- Heure UTC%1%2 --"),
                            {in.zone >= 0 ? "+" : "-", FormatZoneHours(std::abs(in.zone))});
  const double noon = std::atan2(sun.Y, sun.X) / (2 * kPi) + in.zone / 24 + t0;
  r.text += language.Report(UMBRIX_TR("Report", "\r\nMidi solaire : %1"),
                            {FormatLongTime(TimeOfDay(noon))});
  if (!project.Lat.given) {
    r.text += language.Report(UMBRIX_TR("Report", "\r\nLatitude non précisée..."));
    r.complete = false;
  } else {
    const double lat = project.Lat.value * kDeg;
    const double x = (std::sin(kSunriseAltitude) - std::sin(lat) * sun.Z) / std::cos(lat) /
                     std::sqrt(1 - sun.Z * sun.Z);
    if (x > 1) {
      r.text += language.Report(UMBRIX_TR("Report", "\r\nLe Soleil ne se lève pas"));
    } else if (x < -1) {
      r.text += language.Report(UMBRIX_TR("Report", "\r\nLe Soleil ne se couche pas"));
    } else {
      const double H0 = std::acos(x);
      double sunrise = noon - H0 / (2 * kPi);
      if (sunrise < 0) sunrise += 1;
      double sunset = noon + H0 / (2 * kPi);
      if (sunset > 1) sunset -= 1;
      r.text += language.Report(
          UMBRIX_TR("Report", "\r\nLever du Soleil : %1\r\nCoucher du Soleil : %2"),
          {FormatHourMinute(TimeOfDay(sunrise)), FormatHourMinute(TimeOfDay(sunset))});
    }
  }
  r.text += "\r\n";
  return r;
}

std::string SunPosition(const DialProject& project, int instant, const DialOnShow& dial,
                        const TextLanguage& language) {
  const Instant in = InstantOf(project, instant);
  if (!in.time.given) return language.Report(UMBRIX_TR("Report", "\r\nHeure non précisée...\r\n"));
  const double t = in.time.value;
  std::string s =
      language.Report(UMBRIX_TR("Report", "\r\nPosition du Soleil :\r\n%1"), {FormatLongTime(t)});
  const double ut = t * 24 - in.zone;
  if (instant != kInstantCurrent) {
    const Vec3 trueSun = SunVector(false, in.date.value, ut);
    double ra = std::atan2(trueSun.Y, trueSun.X);
    if (ra < 0) ra += 2 * kPi;
    s += language.Report(UMBRIX_TR("Report", "\r\nAscension droite : %1"),
                         {FormatHMS(ra / (2 * kPi))});
  }
  Vec3 sun = SunVector(true, in.date.value, ut);
  s += EquationOfTimeText(EquationOfTimeMinutes(sun), language);
  s += DeclinationLine(sun, language);
  sun = RotateZ(sun, ut * kPi / 12 - project.Long.value * kDeg - kPi);
  sun = RotateY(sun, (90 - project.Lat.value) * kDeg);
  const double az = -std::atan2(sun.Y, sun.X);
  s += language.Report(az >= 0 ? UMBRIX_TR("Report", "\r\nAzimut : %1 ° ouest")
                               : UMBRIX_TR("Report", "\r\nAzimut : %1 ° est"),
                       {Hundredths(std::abs(az) / kDeg)});
  s += language.Report(UMBRIX_TR("Report", "\r\nHauteur sans réfraction : %1 °"),
                       {Hundredths(SafeAsin(sun.Z) / kDeg)});
  const Refracted r = ApplyRefraction(sun, {0.0, 0.0, 1.0});
  if (r.aboveHorizon) {
    s += language.Report(UMBRIX_TR("Report", "\r\nHauteur avec réfraction : %1 °\r\n"),
                         {Hundredths(SafeAsin(r.sun.Z) / kDeg)});
    s += instant == kInstantCurrent ? DialShadow(project, dial, language)
                                    : BoardAndShadows(project, instant, r.sun, language);
  } else {
    s += language.Report(UMBRIX_TR("Report", "\r\nLe Soleil est couché"));
  }
  return s + "\r\n";
}

std::string DialShadow(const DialProject& project, const DialOnShow& dial,
                       const TextLanguage& language) {
  if (!dial.drawingExists)
    return language.Report(UMBRIX_TR("Report", "\r\nLe cadran n'est pas tracé..."));
  const ClockPlace place{project.Locc, project.FusHor.value};
  const ShadowInstant at = CurrentClockInstant(project);
  const Vec3 s = SunInPlate(dial.orientation, place, true, at.date, at.hours);
  if (s.Z <= 0) return language.Report(UMBRIX_TR("Report", "\r\nLe cadran n'est pas éclairé"));
  const Caster c = FinalCaster(project);
  const double x = RoundScaled(10, c.x - c.height * s.X / s.Z);
  const double y = RoundScaled(10, c.y - c.height * s.Y / s.Z);
  const std::string text = language.Report(UMBRIX_TR("Report", "\r\nOmbre sur le cadran :"));
  if (InsidePlate(project.Plate, x, y)) return text + Positions(x, y, language);
  return text + language.Report(UMBRIX_TR("Report", "\r\nA l'extérieur du cadran"));
}

std::string BoardAndShadows(const DialProject& project, int point, Vec3 S,
                            const TextLanguage& language) {
  if (!project.Gnomon.given)
    return language.Report(UMBRIX_TR("Report", "\r\nHauteur du gnomon non précisée..."));
  const double G = project.Gnomon.value;
  const Entry& mx = point == kInstantPoint1 ? project.Mesx1 : project.Mesx2;
  const Entry& my = point == kInstantPoint1 ? project.Mesy1 : project.Mesy2;
  std::string s;
  if (mx.given && my.given) {
    s += language.Report(UMBRIX_TR("Report", "\r\nOrientation de la planchette :"));
    const double x = mx.value, y = my.value;
    const double f = std::sqrt(x * x + y * y + G * G);
    const double a = y / f;
    const double b = -x / f;
    const double g = G / f;
    const double q = 1 - S.Z * S.Z - b * b;
    if (q >= 0) {
      const double w = std::sqrt(q);
      const double decl1 = 2 * std::atan((S.X - w) / (b + S.Y));
      s += language.Report(decl1 >= 0 ? UMBRIX_TR("Report", "\r\nDéclinaison : %1 ° ouest")
                                      : UMBRIX_TR("Report", "\r\nDéclinaison : %1 ° est"),
                           {Hundredths(std::abs(decl1) / kDeg)});
      const double incl1 = 2 * std::atan((w - a) / (S.Z + g));
      s += language.Report(UMBRIX_TR("Report", "\r\nInclinaison : %1 °"),
                           {Hundredths(incl1 / kDeg)});
      const double incl2 = 2 * std::atan((-a - w) / (S.Z + g));
      if (incl2 >= 0) {
        const double decl2 = 2 * std::atan((w + S.X) / (S.Y + b));
        s += language.Report(decl2 >= 0 ? UMBRIX_TR("Report", "\r\nDéclinaison 2 : %1 ° ouest")
                                        : UMBRIX_TR("Report", "\r\nDéclinaison 2 : %1 ° est"),
                             {Hundredths(std::abs(decl2) / kDeg)});
        s += language.Report(UMBRIX_TR("Report", "\r\nInclinaison 2 : %1 °"),
                             {Hundredths(incl2 / kDeg)});
      }
    } else {
      s += language.Report(UMBRIX_TR("Report", "\r\nRacine négative..."));
    }
  } else {
    s += language.Report(UMBRIX_TR("Report", "\r\nPosition de l'ombre non précisée..."));
  }
  s += "\r\n";

  if (!project.DecEd.given || !project.IncEd.given || !project.RotEd.given) {
    return s + language.Report(UMBRIX_TR("Report", "\r\nOrientation du plan non précisée..."));
  }
  Vec3 v = RotateZ(S, -project.DecEd.value * kDeg);
  v = RotateY(v, project.IncEd.value * kDeg);
  v = RotateZ(v, (90 - project.RotEd.value) * kDeg);
  if (v.Z <= 0) return s + language.Report(UMBRIX_TR("Report", "\r\nLe cadran n'est pas éclairé"));

  const bool sizeKnown =
      project.Rectg ? (project.Coteh.given && project.Cotel.given) : project.Cote.given;
  const auto shadow = [&](double footX, double footY, double height) {
    const double x = RoundScaled(10, footX - height * v.X / v.Z);
    const double y = RoundScaled(10, footY - height * v.Y / v.Z);
    if (!sizeKnown)
      return language.Report(UMBRIX_TR("Report", "\r\n(pas de limite)")) +
             Positions(x, y, language);
    if (InsidePlate(project.Plate, x, y)) return Positions(x, y, language);
    return language.Report(UMBRIX_TR("Report", "\r\nA l'extérieur du cadran"));
  };
  s += language.Report(UMBRIX_TR("Report", "\r\nOmbre du gnomon outil :")) + shadow(0.0, 0.0, G) +
       "\r\n";
  if (!project.Hautf)
    return s + language.Report(UMBRIX_TR("Report", "\r\nPorte-ombre final non précisé..."));
  s += language.Report(UMBRIX_TR("Report", "\r\nOmbre du porte-ombre final :")) +
       shadow(project.Gnomx.value, project.Gnomy.value, project.Gnomf.value);
  return s;
}

std::string EphemerisReport(const DialProject& project, bool forMainWindow, const DialOnShow& dial,
                            const TextLanguage& language) {
  if (!forMainWindow) {
    std::string s = language.Report(UMBRIX_TR("Report", "   ** Ephémérides **\r\n"));
    if (!project.Dadiur.given)
      return s + language.Report(UMBRIX_TR("Report", "\r\nDate non précisée...\r\n"));
    const DayEventsText ev = DayEvents(project, kInstantCurrent, language);
    s += ev.text;
    if (ev.complete) s += SunPosition(project, kInstantCurrent, dial, language);
    return s;
  }
  std::string s = language.Report(UMBRIX_TR("Report", "   ** Calculs complémentaires **\r\n"));
  const auto header = [&language](int n) {
    return language.Report(UMBRIX_TR("Report", "\r\n * Point %1 *"), {std::to_string(n)});
  };
  if (project.Date1.given && project.Date2.given && project.Date1.value == project.Date2.value) {
    const DayEventsText ev = DayEvents(project, kInstantPoint1, language);
    s += ev.text;
    if (ev.complete) {
      s += header(1) + SunPosition(project, kInstantPoint1, dial, language);
      s += header(2) + SunPosition(project, kInstantPoint2, dial, language);
    }
    return s;
  }
  for (int n = kInstantPoint1; n <= kInstantPoint2; ++n) {
    const Entry& date = n == kInstantPoint1 ? project.Date1 : project.Date2;
    s += header(n);
    if (!date.given) {
      s += language.Report(UMBRIX_TR("Report", "\r\nDate non précisée...\r\n"));
      continue;
    }
    const DayEventsText ev = DayEvents(project, n, language);
    s += ev.text;
    if (ev.complete) s += SunPosition(project, n, dial, language);
  }
  return s;
}

}  // namespace umbrix
