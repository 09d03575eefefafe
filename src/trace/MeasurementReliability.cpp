#include "trace/MeasurementReliability.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <string_view>
#include <utility>

#include "model/Numbers.h"
#include "model/Texts.h"
#include "model/TimeZone.h"

namespace umbrix {

namespace {

constexpr double kDeg = kPi / 180;
/// Below this inclination (degrees) the declination of a plate is not defined.
constexpr double kNearlyHorizontalDeg = 1.0;
/// Instants closer than this (minutes) fix the plate poorly.
constexpr double kCloseInstantsMinutes = 180.0;
/// Suns closer than this (degrees, seen from the gnomon's tip) fix the plate poorly.
constexpr double kCloseSunsDeg = 20.0;
/// Verdict bounds on the hour lines' ends, mm.
constexpr double kReliableMm = 1.0;
constexpr double kDoubtfulMm = 3.0;

/// The project with the straight hour lines on and every other figure off, so that a pass
/// lists the lines the report lists and spends no time on the rest.
DialProject HourLinesOnly(const DialProject& project) {
  DialProject p = project;
  DrawingOptions& o = p.Options;
  o.Lighor1 = {true, true};
  // Refraction only turns limited gnomon lines into curves, which the report does not list.
  o.Refrac1.checked = false;
  for (MenuOption* m : {&o.HiverPrintemps1, &o.EteAutomne1, &o.MenDat, &o.HiverPrintemps2,
                        &o.EteAutomne2, &o.N2points1, &o.Axes1, &o.Carreaux1, &o.Horizon1,
                        &o.Ombre1, &o.Visible1, &o.Italiques1, &o.Babyloniques1, &o.Temporaires1})
    m->checked = false;
  o.SignArcs = 0;
  return p;
}

std::vector<HourLineEnds> TraceHourLines(const DialProject& linesOnly, const SolveResult& s) {
  DrawingFrame frame;
  frame.plate = linesOnly.Plate;
  frame.widthPx = frame.heightPx = 600;  // any finite scale: labels are placed, not drawn
  frame.ComputeScale();
  NullCanvas canvas;
  Report report;
  return TraceDial(linesOnly, s.orientation, s.hourLimits.limits, frame, canvas, TraceOptions{},
                   report)
      .hourLines;
}

/// The figures a study compares, degrees, and the X axis' azimuth (radians) for a plate
/// nearly horizontal.
struct Figures {
  std::array<double, 3> deg{};
  double xAxisAzimuth = 0.0;
};

Figures FiguresOf(const SolveResult& s, bool limite) {
  const ReducedParameters& r = s.reduced;
  Figures f;
  if (limite) {
    f.deg = {r.declination / kDeg, r.inclination / kDeg, r.rotation / kDeg};
    // The X axis in the horizontal frame (X south, Y east), as the solver turns the normal.
    Vec3 x = FromPlateFrame({1.0, 0.0, 0.0}, s.orientation.PlateEuler);
    x = RotateY(RotateZ(x, -r.hourOffset), kPi / 2 - r.latitude);
    f.xAxisAzimuth = std::atan2(-x.Y, x.X);
  } else {
    f.deg = {r.latitude / kDeg, r.hourOffset / kDeg, r.rotation / kDeg};
  }
  return f;
}

/// |a - b| with the difference brought into [0, 180], degrees.
double DegreesApart(double a, double b) {
  const double d = (a - b) * kDeg;
  return std::fabs(std::atan2(std::sin(d), std::cos(d))) / kDeg;
}

std::string OneLine(std::string text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    out += text[i] == '\n' ? ' ' : text[i];
  }
  return out;
}

}  // namespace

std::vector<HourLineEnds> ListedHourLines(const DialProject& project, const SolveResult& solved) {
  return TraceHourLines(HourLinesOnly(project), solved);
}

ReliabilityStudy StudyReliability(const DialProject& project, const ReliabilitySteps& steps,
                                  const TextLanguage& language) {
  ReliabilityStudy study;
  study.steps = steps;
  study.reducedPlace = !project.Limite;
  DialProject p = HourLinesOnly(project);
  const ProjectState state;  // no test data: the accuracy lines stay out of the solves
  Report scratch;

  const SolveResult base = SolveOrientation(p, state, scratch);
  if (!base.success) {
    study.messages = base.messages;
    return study;
  }
  study.success = true;
  const bool limite = project.Limite;
  const Figures baseFigures = FiguresOf(base, limite);
  study.nearlyHorizontal = limite && baseFigures.deg[1] < kNearlyHorizontalDeg;
  std::map<double, PointMm> baseEnds;
  for (const HourLineEnds& l : TraceHourLines(p, base)) baseEnds[l.hours] = l.end;
  study.hourLines = static_cast<int>(baseEnds.size());
  study.sunAngleDeg = base.sunAngle / kDeg;
  study.instantsApartMinutes = std::fabs((project.Date2.value + MarkClockTime(project, 2)) -
                                         (project.Date1.value + MarkClockTime(project, 1))) *
                               1440;
  study.instantsClose = study.instantsApartMinutes < kCloseInstantsMinutes;
  study.sunsClose = study.sunAngleDeg < kCloseSunsDeg;

  const auto moveOnce = [&](Field field, const std::string& input, double delta,
                            ReliabilityGroup& group) {
    Entry& e = p.At(field);
    const double kept = e.value;
    e.value = kept + delta;
    const SolveResult moved = SolveOrientation(p, state, scratch);
    e.value = kept;
    if (!moved.success) {
      const std::string why =
          moved.messages.empty() ? "" : OneLine(MessageIn(moved.messages.front(), language));
      group.unsolved.push_back({input, why});
      return;
    }
    ++group.solved;
    const Figures f = FiguresOf(moved, limite);
    std::array<double, 3> change{};
    for (size_t k = 0; k < 3; ++k) change[k] = DegreesApart(f.deg[k], baseFigures.deg[k]);
    if (study.nearlyHorizontal) {
      change[0] = 0.0;
      change[2] = DegreesApart(f.xAxisAzimuth / kDeg, baseFigures.xAxisAzimuth / kDeg);
    }
    for (size_t k = 0; k < 3; ++k) group.figureDeg[k] = std::max(group.figureDeg[k], change[k]);
    for (const HourLineEnds& l : TraceHourLines(p, moved)) {
      // A line that appears or vanishes at an end of the day has no partner to compare.
      const auto it = baseEnds.find(l.hours);
      if (it == baseEnds.end()) continue;
      group.hourLineEndMm =
          std::max(group.hourLineEndMm, std::hypot(l.end.x - it->second.x, l.end.y - it->second.y));
    }
  };

  const std::string markStep = FormatGeneral(steps.markMm) + " mm";
  const std::string timeStep = FormatGeneral(steps.timeSeconds) + " s";
  const struct {
    Field field;
    const char* input;
  } marks[] = {{Field::Mesx1, UMBRIX_TR("Report", "point 1, X")},
               {Field::Mesy1, UMBRIX_TR("Report", "point 1, Y")},
               {Field::Mesx2, UMBRIX_TR("Report", "point 2, X")},
               {Field::Mesy2, UMBRIX_TR("Report", "point 2, Y")}};
  for (const auto& m : marks) {
    moveOnce(m.field, language.Report(m.input) + " - " + markStep, -steps.markMm, study.marks);
    moveOnce(m.field, language.Report(m.input) + " + " + markStep, steps.markMm, study.marks);
  }
  const double dayStep = steps.timeSeconds / 86400;  // clock times are day fractions
  for (const auto& [field, input] :
       {std::pair{Field::Heure1, UMBRIX_TR("Report", "point 1, heure")},
        std::pair{Field::Heure2, UMBRIX_TR("Report", "point 2, heure")}}) {
    moveOnce(field, language.Report(input) + " - " + timeStep, -dayStep, study.times);
    moveOnce(field, language.Report(input) + " + " + timeStep, dayStep, study.times);
  }

  const double worstMm =
      RoundScaled(10, std::max(study.marks.hourLineEndMm, study.times.hourLineEndMm));
  if (!study.marks.unsolved.empty() || !study.times.unsolved.empty() || worstMm > kDoubtfulMm) {
    study.verdict = ReliabilityVerdict::Unreliable;
  } else if (worstMm >= kReliableMm || study.hourLines == 0) {
    // Without a line on the plate nothing shows that the measurement is good enough.
    study.verdict = ReliabilityVerdict::ToConfirm;
  } else {
    study.verdict = ReliabilityVerdict::Reliable;
  }
  return study;
}

const char* VerdictText(ReliabilityVerdict verdict) {
  switch (verdict) {
    case ReliabilityVerdict::Reliable:
      return UMBRIX_TR("Report", "mesure fiable");
    case ReliabilityVerdict::ToConfirm:
      return UMBRIX_TR("Report", "à confirmer");
    case ReliabilityVerdict::Unreliable:
      break;
  }
  return UMBRIX_TR("Report", "peu fiable");
}

namespace {

std::string Degrees(double deg) { return FormatGeneral(RoundScaled(100, deg)) + "°"; }

std::string GroupText(const ReliabilityStudy& study, const ReliabilityGroup& g,
                      const std::string& what, const TextLanguage& language) {
  std::string s = language.Report(UMBRIX_TR("Report", "Fiabilité de la mesure (%1) :\r\n"), {what});
  if (g.solved > 0) {
    if (study.reducedPlace) {
      s += language.Report(UMBRIX_TR("Report", " - Latitude : ± %1\r\n - Longitude : ± %2\r\n"),
                           {Degrees(g.figureDeg[0]), Degrees(g.figureDeg[1])});
    } else {
      if (study.nearlyHorizontal) {
        s += language.Report(
            UMBRIX_TR("Report", " - Déclinaison : sans objet (cadran presque horizontal)\r\n"));
      } else {
        s += language.Report(UMBRIX_TR("Report", " - Déclinaison : ± %1\r\n"),
                             {Degrees(g.figureDeg[0])});
      }
      s += language.Report(UMBRIX_TR("Report", " - Inclinaison : ± %1\r\n"),
                           {Degrees(g.figureDeg[1])});
    }
    s += language.Report(UMBRIX_TR("Report", " - Rotation : ± %1\r\n"), {Degrees(g.figureDeg[2])});
    if (study.hourLines > 0) {
      s += language.Report(UMBRIX_TR("Report", " - Lignes horaires : jusqu'à %1 mm\r\n"),
                           {FormatGeneral(RoundScaled(10, g.hourLineEndMm))});
    } else {
      s += language.Report(UMBRIX_TR("Report", " - Lignes horaires : aucune sur le cadran\r\n"));
    }
  }
  for (const UnsolvedMove& u : g.unsolved)
    s += language.Report(UMBRIX_TR("Report", " - Sans solution pour %1 : %2\r\n"),
                         {u.input, u.message});
  return s;
}

}  // namespace

std::string ReliabilityText(const ReliabilityStudy& study, const TextLanguage& language) {
  if (!study.success) {
    std::string s;
    for (const Message& m : study.messages) s += OneLine(MessageIn(m, language)) + "\r\n";
    return s;
  }
  const ReliabilitySteps& st = study.steps;
  std::string s = GroupText(
      study, study.marks,
      language.Report(UMBRIX_TR("Report", "marques à ± %1 mm"), {FormatGeneral(st.markMm)}),
      language);
  s += "\r\n";
  s += GroupText(
      study, study.times,
      language.Report(UMBRIX_TR("Report", "heures à ± %1 s"), {FormatGeneral(st.timeSeconds)}),
      language);
  s += "\r\n";
  s += language.Report(UMBRIX_TR("Report", "Verdict : %1\r\n"),
                       {language.Report(VerdictText(study.verdict))});
  if (study.instantsClose) {
    s += language.Report(
        UMBRIX_TR("Report",
                  "Les deux instants ne sont séparés que de %1 min : une petite erreur "
                  "sur les marques ou sur l'heure déplace beaucoup le cadran.\r\n"),
        {FormatGeneral(RoundScaled(1, study.instantsApartMinutes))});
  } else if (study.sunsClose) {
    s += language.Report(
        UMBRIX_TR("Report",
                  "Vus de la pointe du gnomon, les deux soleils ne sont qu'à %1 l'un "
                  "de l'autre : une petite erreur sur les marques ou sur l'heure "
                  "déplace beaucoup le cadran.\r\n"),
        {Degrees(study.sunAngleDeg)});
  }
  if (study.instantsClose || study.sunsClose) {
    s += language.Report(
        UMBRIX_TR("Report",
                  "Conseil : marquez l'ombre à deux instants séparés d'au moins trois heures, ou "
                  "à deux dates éloignées en déclinaison du soleil (près d'un solstice et d'un "
                  "équinoxe).\r\n"));
  } else if (!study.marks.unsolved.empty() || !study.times.unsolved.empty()) {
    s += language.Report(
        UMBRIX_TR("Report",
                  "Conseil : des marques voisines n'ont pas de solution ; vérifiez les marques, "
                  "les dates, les heures et le lieu.\r\n"));
  } else if (study.verdict != ReliabilityVerdict::Reliable) {
    s += language.Report(
        UMBRIX_TR("Report",
                  "Conseil : reprenez les marques et les heures avec soin, puis calculez à "
                  "nouveau.\r\n"));
  }
  return s;
}

}  // namespace umbrix
