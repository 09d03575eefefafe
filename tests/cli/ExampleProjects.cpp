#include "ExampleProjects.h"

namespace umbrix::testing {

namespace {

void Plate(Form& f, const char* side, const char* gnomon) {
  f.Enter(Field::Cote, side);
  f.Enter(Field::Gnomon, gnomon);
}

void Instants(Form& f, const char* date1, const char* time1, const char* date2,
              const char* time2) {
  f.Enter(Field::Date1, date1);
  f.Enter(Field::Heure1, time1);
  f.Enter(Field::Date2, date2);
  f.Enter(Field::Heure2, time2);
}

void Points(Form& f, const char* x1, const char* y1, const char* x2, const char* y2) {
  f.Enter(Field::Mesx1, x1);
  f.Enter(Field::Mesy1, y1);
  f.Enter(Field::Mesx2, x2);
  f.Enter(Field::Mesy2, y2);
}

/// Latitude (north or south), then the full localisation: longitude east or west and zone.
void FullPlace(Form& f, const char* lat, bool north, const char* lon, bool east,
               const char* zone) {
  f.SetChecked(Check::Limite, true);
  f.Select(north ? Radio::Nord : Radio::Sud);
  f.Enter(Field::Lat, lat);
  f.SetChecked(Check::Locc, true);
  f.Select(east ? Radio::Est : Radio::Ouest);
  f.Enter(Field::Long, lon);
  f.Enter(Field::FusHor, zone);
}

/// The orientation typed on the Divers tab: declination east or west, inclination, rotation.
void TypedOrientation(Form& f, const char* dec, bool east, const char* inc, const char* rot) {
  f.Select(east ? Radio::Dest : Radio::Douest);
  f.Enter(Field::DecEd, dec);
  f.Enter(Field::IncEd, inc);
  f.Enter(Field::RotEd, rot);
}

void ShadowInstant(Form& f, const char* date, const char* time) {
  f.Enter(Field::Dadiur, date);
  f.Enter(Field::Hediur, time);
}

/// The measured shadow points of a plate of typed orientation, as "&Simuler" writes them, then
/// "C&alculer" from those points as if they had been marked on the plate.
bool MeasureBySimulation(Session& s) {
  return s.StartComputation(RunMode::Simulate) && s.StartComputation(RunMode::Compute);
}

bool WorkedWall(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "800", "100");
  Instants(f, "21/06/2024", "13:00:00", "21/06/2024", "17:00:00");
  Points(f, "-100.3", "-330.6", "164.2", "-189.9");
  FullPlace(f, "45", true, "5", true, "2");
  TypedOrientation(f, "20", false, "90", "0");
  ShadowInstant(f, "21/06/2024", "15:00:00");
  s.ToggleSubdivision(SubdivisionItem::Demi);
  s.ToggleSignArc(SignArcItem::SgEqu);
  s.ToggleSignArc(SignArcItem::SgSol);
  s.ToggleOption(OptionItem::Horizon1);
  s.ToggleOption(OptionItem::N2points1);
  s.CommentsEdited(
      "Cadran vertical déclinant de 20° vers l'ouest, à 45° de latitude nord (longitude 5° est, "
      "fuseau +2).\r\n"
      "Ombre d'un gnomon de 100 mm relevée le 21 juin 2024 à 13:00 en (-100.3, -330.6) et à "
      "17:00 en (164.2, -189.9).\r\n"
      "Commande : Calculer. Simuler retrouve les deux points à partir de l'orientation saisie.");
  return s.StartComputation(RunMode::Compute);
}

bool GardenDial(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "400", "50");
  Instants(f, "15/03/2024", "10:00:00", "15/03/2024", "15:00:00");
  FullPlace(f, "47°13", true, "1°33", false, "1");
  TypedOrientation(f, "0", true, "0", "0");
  s.ToggleSubdivision(SubdivisionItem::Quart);
  s.ToggleSignArc(SignArcItem::SgTou);
  s.ToggleOption(OptionItem::Axes1);
  s.CommentsEdited(
      "Cadran horizontal de jardin à Nantes (47°13' nord, 1°33' ouest, fuseau +1), dalle de 400 "
      "mm, gnomon de 50 mm.\r\n"
      "Ombres relevées le 15 mars 2024 à 10:00 et 15:00, puis Calculer. Les sept arcs des signes "
      "et les quarts d'heure sont tracés.");
  return MeasureBySimulation(s);
}

bool PolarDial(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "300", "60");
  FullPlace(f, "45", true, "5", true, "2");
  TypedOrientation(f, "0", true, "45", "0");
  s.ToggleSubdivision(SubdivisionItem::Demi);
  s.ToggleSignArc(SignArcItem::SgEqu);
  s.CommentsEdited(
      "Cadran polaire : plaque tournée plein sud et inclinée de 45° à 45° de latitude nord, donc "
      "parallèle à l'axe du monde.\r\n"
      "Les lignes horaires sont parallèles entre elles. Tracé direct depuis l'orientation "
      "(commande Tracer).");
  return s.StartComputation(RunMode::Trace);
}

bool EquatorialDial(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "300", "60");
  FullPlace(f, "45", true, "5", true, "2");
  TypedOrientation(f, "180", true, "45", "0");
  ShadowInstant(f, "21/06/2024", "15:00:00");
  s.ToggleSignArc(SignArcItem::SgSol);
  s.ToggleOption(OptionItem::Ombre1);
  s.CommentsEdited(
      "Cadran équatorial : face supérieure d'une plaque tournée vers le nord et inclinée de 45° à "
      "45° de latitude nord, parallèle à l'équateur.\r\n"
      "Le style vise le pôle nord céleste ; lignes horaires espacées de 15°, éclairé du printemps "
      "à l'automne. Ombre du 21 juin 2024 à 15:00. Commande Tracer.");
  return s.StartComputation(RunMode::Trace);
}

bool NorthWall(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "600", "40");
  Instants(f, "21/06/2024", "07:30:00", "21/06/2024", "20:30:00");
  FullPlace(f, "45", true, "5", true, "2");
  TypedOrientation(f, "170", false, "90", "0");
  s.ToggleOption(OptionItem::LhLim);
  s.ToggleOption(OptionItem::Horizon1);
  s.CommentsEdited(
      "Mur vertical tourné vers le nord (déclinaison 170° ouest) à 45° de latitude nord.\r\n"
      "Le soleil ne l'éclaire que le matin et le soir d'été : les heures de midi manquent entre "
      "les deux plages. Ombres relevées le 21 juin 2024 à 07:30 et 20:30, puis Calculer.");
  return MeasureBySimulation(s);
}

bool SouthernRecliner(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "500", "60");
  Instants(f, "15/01/2024", "10:00:00", "15/01/2024", "16:00:00");
  FullPlace(f, "33°55", false, "18°25", true, "2");
  TypedOrientation(f, "170", true, "60", "0");
  s.ToggleSubdivision(SubdivisionItem::Demi);
  s.ToggleOption(OptionItem::EteAutomne1);
  s.ToggleOption(OptionItem::HiverPrintemps1);
  s.CommentsEdited(
      "Plaque renversée (inclinée de 60° depuis le zénith) tournée vers le nord-est, au Cap "
      "(33°55' sud, 18°25' est, fuseau +2).\r\n"
      "Hémisphère sud : le style vise le pôle sud céleste. Ombres relevées le 15 janvier 2024 à "
      "10:00 et 16:00, puis Calculer ; les deux moitiés du 8 de chaque heure sont tracées.");
  return MeasureBySimulation(s);
}

bool UnknownPlace(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "800", "100");
  Instants(f, "21/06/2024", "13:00:00", "21/06/2024", "17:00:00");
  Points(f, "-100.3", "-330.6", "164.2", "-189.9");
  s.ToggleOption(OptionItem::N2points1);
  s.ToggleSignArc(SignArcItem::SgEqu);
  s.CommentsEdited(
      "Les mesures du mur déclinant de 20° ouest, sans rien dire du lieu.\r\n"
      "Umbrix trouve le lieu réduit où la plaque serait un cadran horizontal ; le cadran tracé "
      "est le même.");
  return s.StartComputation(RunMode::Compute);
}

bool MidDay(Session& s) {
  Form& f = s.Dialog();
  Plate(f, "800", "100");
  Instants(f, "21/06/2024", "13:00:00", "21/06/2024", "17:00:00");
  Points(f, "-100.3", "-330.6", "164.2", "-189.9");
  f.SetChecked(Check::Limite, true);
  f.Enter(Field::Lat, "45");
  f.SetChecked(Check::Mijou, true);
  f.Enter(Field::MiJour, "13:40:00");
  s.ToggleSubdivision(SubdivisionItem::Demi);
  s.ToggleOption(OptionItem::Horizon1);
  s.CommentsEdited(
      "Les mesures du mur déclinant de 20° ouest à 45° nord, avec l'heure de la mi-journée au "
      "lieu de la longitude et du fuseau.\r\n"
      "Midi moyen local à 13:40 à l'horloge (5° est, fuseau +2).");
  return s.StartComputation(RunMode::Compute);
}

}  // namespace

const std::vector<ExampleProject>& ExampleProjects() {
  static const std::vector<ExampleProject> examples = {
      {"mur-declinant-ouest.umd", WorkedWall}, {"jardin-horizontal.umd", GardenDial},
      {"polaire.umd", PolarDial},              {"equatorial.umd", EquatorialDial},
      {"mur-nord.umd", NorthWall},             {"austral-renverse.umd", SouthernRecliner},
      {"lieu-inconnu.umd", UnknownPlace},      {"mi-journee.umd", MidDay},
  };
  return examples;
}

}  // namespace umbrix::testing
