#include "compute/Solver.h"

#include <algorithm>
#include <cmath>

#include "compute/Completeness.h"
#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/TimeZone.h"

namespace umbrix {

namespace {

constexpr double kDeg = kPi / 180;
/// Angles (radians) below which two shadows or two suns count as the same.
constexpr double kSameAngle = 0.0001;
/// Below this the pole is taken as lying on the plate's normal, or the zenith on it.
constexpr double kOnNormal = 0.0002;

double SafeAcos(double x) { return std::acos(std::clamp(x, -1.0, 1.0)); }
double SafeAsin(double x) { return std::asin(std::clamp(x, -1.0, 1.0)); }
double Wrap(double x) { return std::atan2(std::sin(x), std::cos(x)); }
/// Radians of hour angle to minutes of time.
double Minutes(double radians) { return radians * 60 / (kPi / 12); }

struct PointSun {
  double hourAngle = 0.0;    // h, radians
  double declination = 0.0;  // d, radians
  bool aboveHorizon = true;
};

/// The sun of one measurement in frame E. Without a clock place (neither `Locc` nor `Mijou`) it
/// is taken as up and unrefracted.
PointSun SunOfPoint(double date, double time, bool locc, bool mijou, double zoneHours,
                    Vec3 zenithE) {
  PointSun s;
  Vec3 v;
  if (!locc && !mijou) {
    v = RotateZ(SunVector(true, date, 12), (time - 0.5) * 2 * kPi);
  } else {
    const double hours = locc ? time * 24 - zoneHours : 12.0;
    v = RotateZ(SunVector(true, date, hours), (time - 0.5) * 2 * kPi);
    const Refracted r = ApplyRefraction(v, zenithE);
    v = r.sun;
    s.aboveHorizon = r.aboveHorizon;
  }
  s.hourAngle = -std::atan2(v.Y, v.X);
  s.declination = SafeAsin(v.Z);
  return s;
}

std::string AngleText(double radians) { return FormatGeneral(RoundScaled(100, radians / kDeg)); }

Message BelowHorizonMessage(int point) {
  return ErrorMessage(
      UMBRIX_TR("Message",
                "Localisation incorrecte : Le soleil\r\nest sous l'horizon pour le point %1"),
      {std::to_string(point)});
}

}  // namespace

AccuracyFigures AccuracyOf(const std::array<double, 3>& plateEuler, double rotationAngle, double D,
                           double i, double lonZone, double lat) {
  auto toTrueFrame = [&](Vec3 v) {
    v = ToPlateFrame(v, plateEuler);
    v = RotateZ(v, -rotationAngle);
    v = RotateY(v, -i);
    v = RotateZ(v, D);
    return RotateY(v, lat - kPi / 2);
  };
  const Vec3 pole = toTrueFrame({0.0, 0.0, 1.0});
  const double polar = SafeAsin(std::sqrt(pole.X * pole.X + pole.Y * pole.Y));
  const Vec3 equator = RotateZ(toTrueFrame({1.0, 0.0, 0.0}), lonZone);
  const double equatorial = std::abs(std::atan2(-equator.Y, equator.X));
  const double timeError = std::atan(std::sin(polar) * std::tan(kObliquity)) + equatorial;
  return {polar / kDeg, equatorial / kDeg, Minutes(timeError)};
}

std::string AccuracyReport(const std::array<double, 3>& plateEuler, double rotationAngle, double D,
                           double i, double lonZone, double lat, const TextLanguage& language) {
  const AccuracyFigures f = AccuracyOf(plateEuler, rotationAngle, D, i, lonZone, lat);
  return language.Report(UMBRIX_TR("Report",
                                   "Erreur polaire: %1°\r\nErreur équatoriale: %2°\r\n"
                                   "Erreur temporelle: %3 min\r\n"),
                         {FormatGeneral(RoundScaled(100, f.polarErrorDeg)),
                          FormatGeneral(RoundScaled(100, f.equatorialErrorDeg)),
                          FormatGeneral(RoundScaled(100, f.timeErrorMinutes))});
}

std::string PrecisionIndexLine(double indexMinutes, const TextLanguage& language) {
  return language.Report(UMBRIX_TR("Report", "Indice de précision : %1\r\n"),
                         {FormatGeneral(RoundScaled(100, indexMinutes))});
}

DialSetting SolvedSetting(const ReducedParameters& r, const DialProject& project) {
  DialSetting d;
  d.latitudeDeg = r.latitude / kDeg;
  d.longitudeDeg = project.Locc ? project.Long.value : r.hourOffset / kDeg;
  d.zoneHours = project.Locc ? project.FusHor.value : 0.0;
  d.declinationDeg = r.declination / kDeg;
  d.inclinationDeg = r.inclination / kDeg;
  d.rotationDeg = r.rotation / kDeg;
  return d;
}

DialSetting TypedSetting(const DialProject& project) {
  return {project.Lat.value,   project.Long.value,  project.FusHor.value,
          project.DecEd.value, project.IncEd.value, project.RotEd.value};
}

std::string ReducedParametersSection(const ReducedParameters& r, const DialProject& project,
                                     const TextLanguage& language) {
  const DialSetting d = SolvedSetting(r, project);
  std::string s = language.Report(UMBRIX_TR("Report", "\r\nParamètres réduits du cadran :\r\n"));
  s += language.Report(UMBRIX_TR("Report", " - Fuseau horaire : %1\r\n"),
                       {(d.zoneHours < 0 ? "-" : "") + FormatZoneHours(std::abs(d.zoneHours))});
  s += NamedZoneLines(project, language);
  s += language.Report(UMBRIX_TR("Report", " - Longitude : %1°\r\n"),
                       {FormatGeneral(RoundScaled(100, d.longitudeDeg))});
  s += language.Report(UMBRIX_TR("Report", " - Latitude : %1°\r\n"), {AngleText(r.latitude)});
  s += language.Report(UMBRIX_TR("Report", " - Déclinaison : %1°\r\n"), {AngleText(r.declination)});
  s += language.Report(UMBRIX_TR("Report", " - Inclinaison : %1°\r\n"), {AngleText(r.inclination)});
  s += language.Report(UMBRIX_TR("Report", " - Rotation : %1°\r\n"), {AngleText(r.rotation)});
  return s;
}

std::string NamedZoneLines(const DialProject& project, const TextLanguage& language) {
  if (project.Zone.empty()) return {};
  std::string s = language.Report(kNamedZoneLine, {project.Zone});
  for (int point = 1; point <= 2; ++point) {
    const ZoneOffset& o = project.ZoneOffsets[point - 1];
    if (o.known)
      s += language.Report(kPointOffsetLine, {std::to_string(point), UtcOffsetText(o.hours)});
  }
  return s;
}

SolveResult SolveOrientation(const DialProject& project, const ProjectState& state, Report& report,
                             const TextLanguage& language) {
  SolveResult res;
  const double x1 = project.Mesx1.value, y1 = project.Mesy1.value;
  const double x2 = project.Mesx2.value, y2 = project.Mesy2.value;
  const double G = project.Gnomon.value;
  // The clock place counts only with a latitude, as the dialog keeps it.
  const bool limite = project.Limite;
  const bool locc = limite && project.Locc;
  const bool mijou = limite && !locc && project.Mijou;

  // 1-2: the two shadow rays from the gnomon's tip.
  const Vec3 d1{x1, y1, -G};
  const Vec3 d2{x2, y2, -G};
  const double r1 = Norm(d1);
  const double r2 = Norm(d2);
  const double cosTheta = Dot(d1, d2) / (r1 * r2);
  // lengths beyond any double (a mark of 1e300 mm) would make every later angle NaN
  if (!std::isfinite(r1 * r2) || !std::isfinite(cosTheta)) {
    res.messages.push_back(ErrorMessage(kOutOfScaleText));
    return res;
  }
  const double theta = cosTheta >= 1 ? 0.0 : SafeAcos(cosTheta);
  res.shadowAngle = theta;
  if (!(theta > kSameAngle)) {
    res.messages.push_back(
        ErrorMessage(UMBRIX_TR("Message", "Calcul impossible : Ombres identiques")));
    return res;
  }

  // 3: the zenith in frame E.
  double lat = 0.0;
  double p = 0.0;
  if (limite) {
    lat = project.Lat.value * kDeg;
    if (locc) {
      p = project.Long.value * kDeg + project.FusHor.value * kPi / 12;
    } else if (mijou) {
      p = (project.MiJour.value - 0.5) * 2 * kPi;
    }
    res.zenithEquatorial = RotateZ(RotateY({0.0, 0.0, 1.0}, lat - kPi / 2), p);
    res.orientation.ZenithVec = res.zenithEquatorial;
  }

  // 4-5: the two suns in frame E.
  const double zone = project.FusHor.value;
  const PointSun s1 = SunOfPoint(project.Date1.value, MarkClockTime(project, 1), locc, mijou, zone,
                                 res.zenithEquatorial);
  const PointSun s2 = SunOfPoint(project.Date2.value, MarkClockTime(project, 2), locc, mijou, zone,
                                 res.zenithEquatorial);
  if (!s1.aboveHorizon) res.messages.push_back(BelowHorizonMessage(1));
  if (!s2.aboveHorizon) res.messages.push_back(BelowHorizonMessage(2));
  if (!res.messages.empty()) return res;

  // 6-7: the angle between the suns, and the precision index.
  const double h1 = s1.hourAngle, d1a = s1.declination;
  const double h2 = s2.hourAngle, d2a = s2.declination;
  const double Theta =
      SafeAcos(std::cos(h2 - h1) * std::cos(d1a) * std::cos(d2a) + std::sin(d1a) * std::sin(d2a));
  res.sunAngle = Theta;
  if (!(Theta > kSameAngle)) {
    res.messages.push_back(
        ErrorMessage(UMBRIX_TR("Message", "Calcul impossible : Instants identiques")));
    return res;
  }
  res.precisionIndexMinutes = Minutes(std::abs(Theta - theta));

  // 8: sun 1 in frame P, reconciling the two angles.
  const double k = r1 * std::sin((Theta - theta) / 2) / (r2 * std::sin((Theta + theta) / 2));
  const Vec3 D{k * x2 - x1, k * y2 - y1, (1 - k) * G};

  // 9: from the frame of the two suns to frame P.
  const double rrs = r1 * r2 * std::sin(theta);
  std::array<double, 3> e{};
  e[2] = std::atan2(x2 - x1, y2 - y1);
  e[1] = SafeAcos((x2 * y1 - x1 * y2) / rrs);
  e[0] = std::atan2(((y1 - y2) * D.Y + (x1 - x2) * D.X) * G / rrs, D.Z);

  // 10: the celestial pole in frame P.
  const double sinT = std::sin(Theta);
  const Vec3 poleInSuns{std::sin(d1a), (std::sin(d1a) * std::cos(Theta) - std::sin(d2a)) / sinT,
                        std::cos(d1a) * std::cos(d2a) * std::sin(h2 - h1) / sinT};
  const Vec3 u = ToPlateFrame(poleInSuns, e);

  // 11: from frame E to frame P.
  const bool poleOnNormal = std::sqrt(u.X * u.X + u.Y * u.Y) < kOnNormal;
  if (poleOnNormal) {
    e[0] = 0.0;
    if (u.Z > 0) {
      e[1] = 0.0;
      e[2] = std::atan2(-D.Y, D.X) - h1;
    } else {
      e[1] = kPi;
      e[2] = std::atan2(D.Y, -D.X) + h1;
    }
  } else {
    e[2] = std::atan2(u.Y, -u.X);
    e[1] = SafeAcos(u.Z);
    e[0] = std::atan2(u.X * D.Y - D.X * u.Y, D.Z - u.Z * Dot(u, D)) - h1;
  }
  res.orientation.PlateEuler = e;

  // 12-14: the plate's orientation at the place, or the reduced place.
  ReducedParameters& rp = res.reduced;
  double q = 0.0;
  if (limite) {
    const Vec3 n = ToPlateFrame(res.zenithEquatorial, e);
    res.orientation.ZenithVec = n;
    rp.latitude = lat;
    rp.hourOffset = p;
    if (std::sqrt(n.X * n.X + n.Y * n.Y) < kOnNormal) {
      q = e[2];
      // At a geographic pole the pole's branch folded the hour offset into the last angle.
      if (poleOnNormal) q += e[1] == 0.0 ? p : -p;
    } else {
      q = std::atan2(n.Y, -n.X);
      Vec3 m = FromPlateFrame({0.0, 0.0, 1.0}, e);
      m = RotateY(RotateZ(m, -p), kPi / 2 - lat);
      rp.declination = std::atan2(-m.Y, m.X);
      rp.inclination = SafeAcos(m.Z);
    }
  } else {
    rp.latitude = kPi / 2 - e[1];
    rp.hourOffset = -e[0];
    q = e[2];
    res.orientation.ZenithVec = {0.0, 0.0, 1.0};
  }
  rp.rotation = Wrap(kPi / 2 - q);
  const Vec3& z = res.orientation.ZenithVec;
  for (const double v : {e[0], e[1], e[2], z.X, z.Y, z.Z, rp.latitude, rp.hourOffset,
                         rp.declination, rp.inclination, rp.rotation, res.precisionIndexMinutes}) {
    if (!std::isfinite(v)) {
      res.messages.push_back(ErrorMessage(kOutOfScaleText));
      return res;
    }
  }

  // 15: hour limits and the report.
  res.hourLimits =
      ComputeHourLimits(rp.declination, rp.inclination, rp.hourOffset, rp.latitude, project.Hvrai);
  std::string section1 = PrecisionIndexLine(res.precisionIndexMinutes, language);
  if (state.TestDataValid) {
    const auto t = [&](TestField f) { return project.At(f).value; };
    section1 += AccuracyReport(e, t(TestField::Edit26), t(TestField::Edit23), t(TestField::Edit24),
                               t(TestField::Edit20) + t(TestField::Edit22) * kPi / 12,
                               t(TestField::Edit21), language);
  } else if (state.TestMode && state.RunMode == RunMode::Simulate) {
    section1 += AccuracyReport(e, kDeg * (90 - project.RotEd.value), project.DecEd.value * kDeg,
                               project.IncEd.value * kDeg,
                               project.Long.value * kDeg + project.FusHor.value * kPi / 12,
                               project.Lat.value * kDeg, language);
  }
  section1 += "\r\n";
  report.sections[1] = section1;
  report.sections[9] = ReducedParametersSection(rp, project, language);
  res.success = true;
  return res;
}

}  // namespace umbrix
