#include "compute/Completeness.h"

#include <array>

#include "model/Texts.h"

namespace umbrix {

namespace {

struct Row {
  int code;
  Field field;
};

// Codes in the order of the dialog's tabs; the first whose condition holds is reported.
constexpr std::array<Row, 26> kRows = {{
    {11, Field::Cote},   {12, Field::Coteh},   {13, Field::Cotel},  {14, Field::Gnomon},
    {15, Field::Gnomf},  {16, Field::Gnomx},   {17, Field::Gnomy},  {21, Field::Date1},
    {22, Field::Heure1}, {23, Field::Mesx1},   {24, Field::Mesy1},  {31, Field::Date2},
    {32, Field::Heure2}, {33, Field::Mesx2},   {34, Field::Mesy2},  {41, Field::Lat},
    {42, Field::MiJour}, {43, Field::Long},    {44, Field::FusHor}, {45, Field::Long},
    {51, Field::Dadiur}, {52, Field::Hediur},  {53, Field::DecEd},  {54, Field::IncEd},
    {55, Field::RotEd},  {61, Field::Carreau},
}};

bool Holds(int code, const DialProject& p, RunMode mode) {
  const bool m1 = mode == RunMode::Compute;
  const bool m12 = m1 || mode == RunMode::Simulate;
  const bool m23 = mode == RunMode::Simulate || mode == RunMode::Trace;
  switch (code) {
    case 11:
      return !p.Cote.given && !p.Rectg;
    case 12:
      return !p.Coteh.given && p.Rectg;
    case 13:
      return !p.Cotel.given && p.Rectg;
    case 14:
      return !p.Gnomon.given && (m12 || (mode == RunMode::Trace && !p.Hautf));
    case 15:
      return !p.Gnomf.given && p.Hautf;
    case 16:
      return !p.Gnomx.given && p.Hautf;
    case 17:
      return !p.Gnomy.given && p.Hautf;
    case 21:
      return !p.Date1.given && m12;
    case 22:
      return !p.Heure1.given && m12;
    case 23:
      return !p.Mesx1.given && m1;
    case 24:
      return !p.Mesy1.given && m1;
    case 31:
      return !p.Date2.given && m12;
    case 32:
      return !p.Heure2.given && m12;
    case 33:
      return !p.Mesx2.given && m1;
    case 34:
      return !p.Mesy2.given && m1;
    case 41:
      return !p.Lat.given && (p.Limite || m23);
    case 42:
      return !p.MiJour.given && p.Mijou && m1;
    case 43:
      return !p.Long.given && (m23 || (m1 && (p.Hvrai || p.Locc)));
    case 44:
      return !p.FusHor.given && (m23 || (m1 && (p.Hvrai || p.Locc)));
    case 45:
      return p.Long.given && p.FusHor.given && !p.Locc && m23;
    case 51:
      return !p.Dadiur.given;
    case 52:
      return !p.Hediur.given;
    case 53:
      return !p.DecEd.given && m23;
    case 54:
      return !p.IncEd.given && m23;
    case 55:
      return !p.RotEd.given && m23;
    case 61:
      return !p.Carreau.given;
    default:
      return false;
  }
}

std::string MessageOf(int code, RunMode mode) {
  switch (code / 10) {
    case 1:
      return UMBRIX_TR("Message", "Donner la géométrie du cadran");
    case 2:
      return code > 22 ? UMBRIX_TR("Message", "Donner la position du point d'ombre 1")
                       : UMBRIX_TR("Message", "Définir l'instant 1");
    case 3:
      return code > 32 ? UMBRIX_TR("Message", "Donner la position du point d'ombre 2")
                       : UMBRIX_TR("Message", "Définir l'instant 2");
    case 4:
      if (code == 45)
        return UMBRIX_TR("Message",
                         "Utilisation des données 'Heures solaires' pour la localisation complète");
      if (mode == RunMode::Compute) return UMBRIX_TR("Message", "Compléter les champs activés");
      return UMBRIX_TR("Message", "Donner la localisation complète");
    case 5:
      return code > 52 ? UMBRIX_TR("Message", "Compléter les données de simulation")
                       : UMBRIX_TR("Message", "Définir l'instant courant");
    default:
      return UMBRIX_TR("Message", "Donner la taille des carreaux");
  }
}

}  // namespace

CompletenessResult CheckCompleteness(const DialProject& project, RunMode runMode) {
  CompletenessResult r;
  if (!kDialCommands.Contains(runMode)) return r;
  for (const Row& row : kRows) {
    if (!Holds(row.code, project, runMode)) continue;
    r.code = row.code;
    r.tabIndex = row.code < 60 ? row.code / 10 - 1 : -1;
    r.message = MessageOf(row.code, runMode);
    const bool placeMode = runMode == RunMode::Simulate || runMode == RunMode::Trace;
    if (row.code == 45) {
      r.checkLocc = true;
    } else {
      r.focus = row.field;
      if (placeMode && row.code == 41) r.checkLimite = true;
      if (placeMode && (row.code == 41 || row.code == 43 || row.code == 44)) r.checkLocc = true;
    }
    return r;
  }
  return r;
}

}  // namespace umbrix
