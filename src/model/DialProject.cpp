#include "model/DialProject.h"

#include "model/Dates.h"

namespace umbrix {

namespace {

constexpr const char* kFieldNames[kFieldCount] = {
    "Cote",  "Coteh",  "Cotel",  "Gnomon", "Gnomf", "Gnomx",  "Gnomy", "Date1",  "Heure1",
    "Mesx1", "Mesy1",  "Date2",  "Heure2", "Mesx2", "Mesy2",  "Lat",   "MiJour", "Long",
    "FusHor", "Dadiur", "Hediur", "DecEd", "IncEd", "RotEd", "Carreau"};

}  // namespace

const char* FieldName(Field f) { return kFieldNames[static_cast<int>(f)]; }

const Entry& DialProject::At(Field f) const {
  switch (f) {
    case Field::Cote: return Cote;
    case Field::Coteh: return Coteh;
    case Field::Cotel: return Cotel;
    case Field::Gnomon: return Gnomon;
    case Field::Gnomf: return Gnomf;
    case Field::Gnomx: return Gnomx;
    case Field::Gnomy: return Gnomy;
    case Field::Date1: return Date1;
    case Field::Heure1: return Heure1;
    case Field::Mesx1: return Mesx1;
    case Field::Mesy1: return Mesy1;
    case Field::Date2: return Date2;
    case Field::Heure2: return Heure2;
    case Field::Mesx2: return Mesx2;
    case Field::Mesy2: return Mesy2;
    case Field::Lat: return Lat;
    case Field::MiJour: return MiJour;
    case Field::Long: return Long;
    case Field::FusHor: return FusHor;
    case Field::Dadiur: return Dadiur;
    case Field::Hediur: return Hediur;
    case Field::DecEd: return DecEd;
    case Field::IncEd: return IncEd;
    case Field::RotEd: return RotEd;
    case Field::Carreau: return Carreau;
  }
  return Carreau;  // unreachable: every enumerator is handled above
}

Entry& DialProject::At(Field f) {
  return const_cast<Entry&>(static_cast<const DialProject&>(*this).At(f));
}

DialProject BlankProject() { return DialProject{}; }

void ApplyStartupEntries(DialProject& p) {
  p.Dadiur = {FormatDateShort(kStartupDadiurSerial), kStartupDadiurSerial, true};
  p.Adadiur = FormatDateLong(kStartupDadiurSerial);
  p.TypeHeureItem = 0;
  p.TypeHeure = kTypeHeureValues[0];
  p.Hediur = {"12:00:00", 0.5, true};
  p.Ahediur = FormatLongTime(0.5);
  p.Carreau = {"50", 50.0, true};
}

DialProject StartupProject() {
  DialProject p = BlankProject();
  ApplyStartupEntries(p);
  return p;
}

}  // namespace umbrix
