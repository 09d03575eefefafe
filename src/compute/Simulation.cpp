#include "compute/Simulation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Dates.h"
#include "model/Numbers.h"
#include "model/TimeZone.h"

namespace umbrix {

namespace {

constexpr double kDeg = kPi / 180;
/// Below this the plate's normal is taken as pointing at a celestial pole.
constexpr double kOnNormal = 0.0002;

struct PointFields {
  const Entry& date;
  const Entry& time;
  Field x;
  Field y;
};

PointFields PointOf(const DialProject& p, int point) {
  if (point == 1) return {p.Date1, p.Heure1, Field::Mesx1, Field::Mesy1};
  return {p.Date2, p.Heure2, Field::Mesx2, Field::Mesy2};
}

void ClearPoint(EntryWriter& writer, const PointFields& f) {
  writer.SetEntryText(f.x, "");
  writer.SetEntryText(f.y, "");
}

void WritePoint(EntryWriter& writer, const PointFields& f, double x, double y) {
  writer.SetEntryText(f.x, FormatGeneral(x));
  writer.SetEntryText(f.y, FormatGeneral(y));
}

bool InsidePlate(const PlateWindow& w, double x, double y) {
  return !(x < w.XMin || x > w.XMax || y < w.YMin || y > w.YMax);
}

/// The day fraction of a time that may lie outside the day.
double TimeOfDay(double dayFraction) { return dayFraction - std::floor(dayFraction); }

}  // namespace

SimulationResult SimulatePoints(const DialProject& project, EntryWriter& writer) {
  SimulationResult res;
  // Every value is read before the first write: the writer writes into `project`.
  const double lat = project.Lat.value;
  const double lon = project.Long.value;
  const double zone = project.FusHor.value;
  const double dec = project.DecEd.value;
  const double inc = project.IncEd.value;
  const double rot = project.RotEd.value;
  const double G = project.Gnomon.value;
  const PlateWindow plate = project.Plate;
  const double dates[2] = {project.Date1.value, project.Date2.value};
  const double times[2] = {MarkClockTime(project, 1), MarkClockTime(project, 2)};

  for (int point = 1; point <= 2; ++point) {
    const PointFields f = PointOf(project, point);
    const double ut = times[point - 1] * 24 - zone;
    Vec3 v = SunVector(true, dates[point - 1], ut);
    v = RotateZ(v, ut * kPi / 12 - lon * kDeg - kPi);
    v = RotateY(v, (90 - lat) * kDeg);
    const Refracted r = ApplyRefraction(v, {0.0, 0.0, 1.0});
    if (!r.aboveHorizon) {
      ClearPoint(writer, f);
      res.messages.push_back(ErrorMessage(
          UMBRIX_TR("Message", "Le soleil est couché à l'instant %1"), {std::to_string(point)}));
      continue;
    }
    v = RotateZ(r.sun, -dec * kDeg);
    v = RotateY(v, inc * kDeg);
    v = RotateZ(v, (90 - rot) * kDeg);
    if (v.Z <= 0) {
      ClearPoint(writer, f);
      res.messages.push_back(
          ErrorMessage(UMBRIX_TR("Message", "Le cadran n'est pas éclairé à l'instant %1"),
                       {std::to_string(point)}));
      continue;
    }
    const double x = RoundScaled(10, -G * v.X / v.Z);
    const double y = RoundScaled(10, -G * v.Y / v.Z);
    if (!InsidePlate(plate, x, y)) {
      ClearPoint(writer, f);
      res.messages.push_back(ErrorMessage(
          UMBRIX_TR("Message", "Le point %1 est à l'extérieur du cadran\r\nx%1 = %2, y%1 = %3"),
          {std::to_string(point), FormatGeneral(x), FormatGeneral(y)}));
      continue;
    }
    WritePoint(writer, f, x, y);
  }
  res.success = project.Mesx1.given && project.Mesx2.given;
  return res;
}

std::array<double, 3> PlateEulerFromOrientation(double D, double i, double w, double lat,
                                                double p) {
  // The plate's normal in frame E before the hour offset.
  const double nx = std::sin(i) * std::cos(D) * std::sin(lat) + std::cos(i) * std::cos(lat);
  const double ny = -std::sin(i) * std::sin(D);
  const double nz = std::cos(i) * std::sin(lat) - std::sin(i) * std::cos(D) * std::cos(lat);
  std::array<double, 3> e{};
  if (std::sqrt(nx * nx + ny * ny) < kOnNormal) {
    // Normal on the pole: the first two angles are free, so the whole turn goes into the last
    // one, read from where the reference meridian's equator point lands on the plate.
    Vec3 v = RotateZ({1.0, 0.0, 0.0}, -p);
    v = RotateY(v, kPi / 2 - lat);
    v = RotateZYZ(v, w, i, -D);
    e[0] = 0.0;
    if (nz > 0) {
      e[1] = 0.0;
      e[2] = std::atan2(-v.Y, v.X);
    } else {
      e[1] = kPi;
      e[2] = std::atan2(v.Y, -v.X);
    }
    return e;
  }
  e[0] = std::atan2(ny, nx) - p;
  e[1] = std::acos(std::clamp(nz, -1.0, 1.0));
  e[2] = std::atan2(-std::sin(D) * std::cos(lat),
                    std::cos(i) * std::cos(D) * std::cos(lat) + std::sin(i) * std::sin(lat)) +
         w;
  return e;
}

DirectTraceResult TraceFromOrientation(const DialProject& project, Report& report) {
  DirectTraceResult res;
  const double lat = project.Lat.value * kDeg;
  const double D = project.DecEd.value * kDeg;
  const double i = project.IncEd.value * kDeg;
  const double p = project.Long.value * kDeg + project.FusHor.value * kPi / 12;
  const double w = (90 - project.RotEd.value) * kDeg;
  res.orientation.PlateEuler = PlateEulerFromOrientation(D, i, w, lat, p);
  res.orientation.ZenithVec = RotateZYZ({0.0, 0.0, 1.0}, w, i, -D);
  res.hourLimits = ComputeHourLimits(D, i, p, lat, project.Hvrai);
  report.sections[1].clear();
  report.sections[9].clear();
  return res;
}

TestComputeResult TestCompute(const DialProject& project, EntryWriter& writer) {
  TestComputeResult res;
  const auto t = [&](TestField f) { return project.At(f).value; };
  // Every value is read before the first write: the writer writes into `project`.
  const double testLon = t(TestField::Edit20);  // radians, west positive
  const double testLat = t(TestField::Edit21);  // radians
  const double zone = t(TestField::Edit22);     // whole hours
  const double testDec = t(TestField::Edit23);
  const double testInc = t(TestField::Edit24);
  const double k = t(TestField::Edit25);
  const double testRot = t(TestField::Edit26);
  const double G = project.Gnomon.value;
  const PlateWindow plate = project.Plate;
  const bool corref = project.Corref;
  const bool pta12h = project.Pta12h;
  const bool limite = project.Limite, mijou = project.Mijou, locc = project.Locc;
  const bool dateGiven[2] = {project.Date1.given, project.Date2.given};
  const bool timeGiven[2] = {project.Heure1.given, project.Heure2.given};
  const double dates[2] = {project.Date1.value, project.Date2.value};
  const double times[2] = {project.Heure1.value, project.Heure2.value};

  for (int point = 1; point <= 2; ++point) {
    const PointFields f = PointOf(project, point);
    const std::string n = std::to_string(point);
    if (!dateGiven[point - 1] || !timeGiven[point - 1]) {
      res.messages.push_back(InfoMessage(UMBRIX_TR("Message", "Définir l'instant %1"), {n}));
      continue;
    }
    const double ut = times[point - 1] * 24 - zone;
    Vec3 v = SunVector(true, dates[point - 1], pta12h ? 12.0 : ut);
    v = RotateZ(v, ut * kPi / 12 - testLon - kPi);
    v = RotateY(v, kPi / 2 - testLat);
    ClearPoint(writer, f);
    if (v.Z <= 0) {
      res.messages.push_back(
          InfoMessage(UMBRIX_TR("Message", "Le soleil est couché à l'heure %1"), {n}));
      continue;
    }
    if (corref) v = ApplyRefraction(v, {0.0, 0.0, 1.0}).sun;
    v = RotateZ(v, -testDec);
    v = RotateY(v, testInc);
    v = RotateZ(v, testRot);
    if (v.Z <= 0) {
      res.messages.push_back(
          InfoMessage(UMBRIX_TR("Message", "Le cadran n'est pas éclairé à l'heure %1"), {n}));
      continue;
    }
    const double x = RoundScaled(k, -G * v.X / v.Z);
    const double y = RoundScaled(k, -G * v.Y / v.Z);
    if (!InsidePlate(plate, x, y)) {
      res.messages.push_back(InfoMessage(
          UMBRIX_TR("Message",
                    "Le point %1 n'est pas à l'intérieur du cadran\r\nx%1 = %2, y%1 = %3"),
          {n, FormatGeneral(x), FormatGeneral(y)}));
    }
    WritePoint(writer, f, x, y);
    ++res.pointsWritten;
  }

  if (limite) {
    writer.SetEntryText(Field::Lat, FormatGeneral(std::abs(testLat) / kDeg));
    writer.SelectRadio(testLat > 0 ? PlaceRadio::Nord : PlaceRadio::Sud);
  }
  if (mijou) {
    writer.SetEntryText(Field::MiJour,
                        FormatLongTime(TimeOfDay((testLon / (kPi / 12) + 12 + zone) / 24)));
  }
  if (locc) {
    writer.SetEntryText(Field::Long, FormatGeneral(std::abs(testLon) / kDeg));
    writer.SelectRadio(testLon > 0 ? PlaceRadio::Ouest : PlaceRadio::Est);
    writer.SetEntryText(Field::FusHor, FormatGeneral(zone));
  }
  return res;
}

}  // namespace umbrix
