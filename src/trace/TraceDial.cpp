#include "trace/TraceDial.h"

#include <cmath>
#include <initializer_list>

#include "model/Numbers.h"
#include "trace/TracingPass.h"

namespace umbrix {

ShadowCaster ShadowCasterOf(const DialProject& p) {
  if (p.Hautf) {
    return {{p.Gnomx.given ? p.Gnomx.value : 0.0, p.Gnomy.given ? p.Gnomy.value : 0.0},
            p.Gnomf.given ? p.Gnomf.value : p.Gnomon.value};
  }
  return {{0.0, 0.0}, p.Gnomon.value};
}

StyleGeometry ComputeStyleGeometry(const DialProject& p, const Orientation& o,
                                   const PlateWindow& plate) {
  StyleGeometry g;
  g.caster = ShadowCasterOf(p);
  const double G = g.caster.height;
  const PointMm foot = g.caster.foot;

  Vec3 pole = ToPlateFrame({0.0, 0.0, 1.0}, o.PlateEuler);
  if (std::fabs(pole.Z) < kStyleThreshold) {
    pole.Z = kStyleThreshold;  // keeps the later divisions by pz finite
    g.DialKind = kPolar;
  } else if (std::sqrt(pole.X * pole.X + pole.Y * pole.Y) < kStyleThreshold) {
    pole.X = 0.0;
    pole.Y = kStyleThreshold;
    g.DialKind = 2 * static_cast<int>(SignOf(pole.Z));
  } else {
    g.DialKind = static_cast<int>(SignOf(pole.Z));
  }
  g.PoleInPlate = pole;

  if (p.Hvrai) {
    const double lon = p.Long.given ? p.Long.value : 0.0;
    const double zone = p.FusHor.given ? p.FusHor.value : 0.0;
    g.SolarOffset = lon / 15 + zone;
  }

  g.StyleSlope = std::fabs(pole.Z) / std::sqrt(pole.X * pole.X + pole.Y * pole.Y);
  g.CentreOffset = {-G * pole.X / pole.Z, -G * pole.Y / pole.Z};
  const ClipResult toCentre = ClipSegment(plate, foot, g.CentreOffset.x, g.CentreOffset.y);
  g.StyleEnd = toCentre.visible ? toCentre.end : foot;
  const double ex = g.StyleEnd.x - foot.x;
  const double ey = g.StyleEnd.y - foot.y;
  g.StyleEndHeight = G - g.StyleSlope * std::sqrt(ex * ex + ey * ey);

  double c = g.StyleSlope * g.CentreOffset.x;
  double d = g.StyleSlope * g.CentreOffset.y;
  if (g.CentreOffset.x < 0) {
    c = -c;
    d = -d;
  }
  g.FoldedUpright = {-d, c};
  g.StyleAngle = std::atan2(c, -d);
  return g;
}

std::optional<Message> CheckTraceable(const DialProject& project, const Orientation& orientation,
                                      const PlateWindow& plate) {
  const double width = plate.XMax - plate.XMin;
  const double height = plate.YMax - plate.YMin;
  const bool finitePlate = std::isfinite(plate.XMin) && std::isfinite(plate.XMax) &&
                           std::isfinite(plate.YMin) && std::isfinite(plate.YMax) &&
                           std::isfinite(width) && std::isfinite(height);
  if (!finitePlate) return ErrorMessage(kOutOfScaleText);
  if (!(width >= kSmallestPlateMm && height >= kSmallestPlateMm)) {
    return ErrorMessage(kPlateTooSmallText);
  }
  bool finite = true;
  const auto check = [&finite](std::initializer_list<double> values) {
    for (const double v : values) finite = finite && std::isfinite(v);
  };
  check({orientation.PlateEuler[0], orientation.PlateEuler[1], orientation.PlateEuler[2],
         orientation.ZenithVec.X, orientation.ZenithVec.Y, orientation.ZenithVec.Z});
  if (!finite) return ErrorMessage(kOutOfScaleText);
  const StyleGeometry g = ComputeStyleGeometry(project, orientation, plate);
  check({g.PoleInPlate.X, g.PoleInPlate.Y, g.PoleInPlate.Z, g.StyleSlope, g.CentreOffset.x,
         g.CentreOffset.y, g.StyleEnd.x, g.StyleEnd.y, g.StyleEndHeight, g.StyleAngle,
         g.FoldedUpright.x, g.FoldedUpright.y, g.SolarOffset, g.caster.foot.x, g.caster.foot.y,
         g.caster.height});
  // the centre as the report writes it: foot plus offset
  check({g.caster.foot.x + g.CentreOffset.x, g.caster.foot.y + g.CentreOffset.y});
  if (!finite) return ErrorMessage(kOutOfScaleText);
  return std::nullopt;
}

TraceResult TraceDial(const DialProject& project, const Orientation& orientation,
                      const HourLimits& hourLimits, const DrawingFrame& frame, Canvas& canvas,
                      const TraceOptions& options, Report& report) {
  TracingPass pass(project, orientation, hourLimits, frame, canvas, options, report);
  return pass.Run();
}

}  // namespace umbrix
