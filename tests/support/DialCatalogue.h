#pragma once
// A catalogue of whole dials set up by the direct trace from a typed orientation, one of each
// kind the tracer tells apart, with the options that fill report sections 2 to 8. Shared by the
// report goldens, the raster pictures and the trace benchmark.

#include <string>
#include <vector>

#include "compute/Simulation.h"
#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Report.h"
#include "trace/DrawingFrame.h"

namespace umbrix::testing {

inline Entry Typed(double v) { return {"x", v, true}; }

/// A square plate of `side` mm with the measuring gnomon `gnomon` mm at its centre, at latitude
/// `latDeg` (`Limite`), with the full localisation (`Long` degrees west, `FusHor` hours east) and
/// the typed orientation `decDeg`, `incDeg`, `rotDeg`; Divers tab on 21 June 2024 at 15:00; hour
/// lines, style and its folded figure as at start-up.
inline DialProject OrientedDial(double side, double gnomon, double latDeg, double decDeg,
                                double incDeg, double rotDeg, double longDeg = 0,
                                double zoneHours = 0) {
  DialProject p;
  p.Cote = Typed(side);
  p.Plate = {-side / 2, side / 2, -side / 2, side / 2};
  p.Gnomon = Typed(gnomon);
  p.Limite = true;
  p.Lat = Typed(latDeg);
  p.Nord = latDeg >= 0;
  p.Locc = true;
  p.Long = Typed(longDeg);
  p.Est = longDeg <= 0;
  p.FusHor = Typed(zoneHours);
  p.DecEd = Typed(decDeg);
  p.IncEd = Typed(incDeg);
  p.RotEd = Typed(rotDeg);
  p.Dadiur = Typed(SerialFromCivil({2024, 6, 21}));
  p.Hediur = Typed(15.0 / 24);
  p.Carreau = Typed(side / 8);
  p.Options.Horizon1.enabled = true;  // `Limite` is checked
  p.Options.Refrac1.enabled = true;   // `Locc` is checked
  return p;
}

/// The same dial drawn with the measuring gnomon instead of a style.
inline DialProject WithGnomon(DialProject p) {
  p.Options.Style1.checked = false;
  p.Options.Gnomon1.checked = true;
  return p;
}

/// Sign arcs, horizon, date arc and the shadow at the Divers instant: sections 3, 6, 7 and 8.
inline DialProject WithSkyFigures(DialProject p) {
  p.Options.SignArcs = 7;
  p.Options.Horizon1.checked = true;
  p.Options.MenDat.checked = true;
  p.Options.Ombre1.checked = true;
  return p;
}

/// Dial in solar hours (`Hvrai`): the analemma halves are disabled, as the menu does.
inline DialProject InSolarHours(DialProject p) {
  p.Hvrai = true;
  p.Options.EteAutomne1.enabled = false;
  p.Options.HiverPrintemps1.enabled = false;
  return p;
}

struct CatalogueDial {
  std::string name;  // file stem of its golden report and picture
  DialProject project;
};

inline std::vector<CatalogueDial> DialCatalogue() {
  std::vector<CatalogueDial> dials;
  // The measured wall of the worked case: 45 N, 5 E, zone +2, declining 20 W, vertical.
  dials.push_back(
      {"mur-declinant-ouest", WithSkyFigures(OrientedDial(800, 100, 45, 20, 90, 0, -5, 2))});
  dials.push_back(
      {"horizontal-45n", InSolarHours(WithSkyFigures(OrientedDial(300, 50, 45, 0, 0, 0, -5, 1)))});
  dials.push_back(
      {"equatorial-dessus", InSolarHours(WithSkyFigures(OrientedDial(300, 50, 45, 180, 45, 0)))});
  dials.push_back(
      {"equatorial-dessous", InSolarHours(WithSkyFigures(OrientedDial(300, 50, 45, 0, 135, 0)))});
  dials.push_back(
      {"equatorial-sud", InSolarHours(WithSkyFigures(OrientedDial(300, 50, -45, 0, 45, 0)))});
  dials.push_back({"polaire", InSolarHours(WithSkyFigures(OrientedDial(300, 50, 45, 0, 45, 0)))});
  dials.push_back(
      {"mur-nord", InSolarHours(WithSkyFigures(OrientedDial(300, 50, 45, 180, 90, 0)))});
  // The worked wall on a plate too small for its centre: the style leaves it through the top.
  dials.push_back(
      {"centre-hors-cadran", WithSkyFigures(OrientedDial(200, 100, 45, 20, 90, 0, -5, 2))});
  DialProject limited = WithGnomon(WithSkyFigures(OrientedDial(300, 50, 45, 0, 0, 0)));
  limited.Options.LhLim.checked = true;
  dials.push_back({"lignes-limitees", limited});
  DialProject quarters = InSolarHours(OrientedDial(200, 40, 45, 0, 0, 0));
  quarters.Options.HourSubdivisions = 4;
  dials.push_back({"quarts-d-heure", quarters});
  DialProject curves = WithGnomon(WithSkyFigures(OrientedDial(300, 50, 45, 0, 0, 0, -5, 1)));
  curves.Options.LhLim.checked = true;
  curves.Options.Refrac1.checked = true;
  curves.Options.EteAutomne1.checked = true;
  curves.Options.HiverPrintemps1.checked = true;
  dials.push_back({"courbes-refraction", curves});
  return dials;
}

/// The busiest dial: every figure, ten-minute lines with analemmas and refraction, grid, axes,
/// monthly arcs and a final shadow-caster off the centre.
inline DialProject BusiestDial() {
  DialProject p = WithSkyFigures(OrientedDial(400, 60, 45, 20, 90, 0, -5, 2));
  DrawingOptions& o = p.Options;
  o.HourSubdivisions = 6;
  o.Refrac1.checked = true;
  o.EteAutomne1.checked = o.HiverPrintemps1.checked = true;
  o.EteAutomne2.checked = o.HiverPrintemps2.checked = true;
  o.Axes1.checked = o.Carreaux1.checked = o.N2points1.checked = true;
  p.Hautf = true;
  p.Gnomf = Typed(70);
  p.Gnomx = Typed(15);
  p.Gnomy = Typed(-10);
  p.Mesx1 = Typed(-100.3);
  p.Mesy1 = Typed(-130.6);
  p.Mesx2 = Typed(164.2);
  p.Mesy2 = Typed(-189.9);
  return p;
}

/// A frame that fits the plate into `sizePx` pixels a side with the given margin (`FitDrawing`'s
/// computation for a window of that room).
inline DrawingFrame FittedFrame(const DialProject& p, int sizePx, int marginPx) {
  const FitResult fit = FitDrawingSize(p, marginPx, sizePx + 9, sizePx + 9);
  DrawingFrame f;
  f.plate = p.Plate;
  f.marginPx = marginPx;
  f.widthPx = fit.widthPx;
  f.heightPx = fit.heightPx;
  f.ComputeScale();
  return f;
}

}  // namespace umbrix::testing
