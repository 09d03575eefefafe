#include "app/MenuOptions.h"

namespace umbrix {

namespace {

template <typename Options>
auto& OptionIn(Options& o, OptionItem item) {
  switch (item) {
    case OptionItem::Lighor1:
      return o.Lighor1;
    case OptionItem::LhLim:
      return o.LhLim;
    case OptionItem::HiverPrintemps1:
      return o.HiverPrintemps1;
    case OptionItem::EteAutomne1:
      return o.EteAutomne1;
    case OptionItem::MenDat:
      return o.MenDat;
    case OptionItem::HiverPrintemps2:
      return o.HiverPrintemps2;
    case OptionItem::EteAutomne2:
      return o.EteAutomne2;
    case OptionItem::N2points1:
      return o.N2points1;
    case OptionItem::Axes1:
      return o.Axes1;
    case OptionItem::Carreaux1:
      return o.Carreaux1;
    case OptionItem::Horizon1:
      return o.Horizon1;
    case OptionItem::Refrac1:
      return o.Refrac1;
    case OptionItem::Ombre1:
      return o.Ombre1;
    case OptionItem::Italiques1:
      return o.Italiques1;
    case OptionItem::Babyloniques1:
      return o.Babyloniques1;
    case OptionItem::Temporaires1:
      return o.Temporaires1;
    case OptionItem::Visible1:
      break;
  }
  return o.Visible1;
}

}  // namespace

MenuOption& OptionOf(DrawingOptions& options, OptionItem item) { return OptionIn(options, item); }

const MenuOption& OptionOf(const DrawingOptions& options, OptionItem item) {
  return OptionIn(options, item);
}

int SubdivisionValue(SubdivisionItem item) {
  switch (item) {
    case SubdivisionItem::Demi:
      return 2;
    case SubdivisionItem::Quart:
      return 4;
    case SubdivisionItem::N10min:
      break;
  }
  return 6;
}

void ToggleSubdivision(DrawingOptions& options, SubdivisionItem item) {
  const int value = SubdivisionValue(item);
  const bool nowChecked = options.HourSubdivisions != value;
  options.HourSubdivisions = nowChecked ? value : 1;
}

void ToggleSignArc(DrawingOptions& options, SignArcItem item) {
  bool equ = options.SgEqu();
  bool sol = options.SgSol();
  bool tou = options.SgTou();
  switch (item) {
    case SignArcItem::SgEqu:
      tou = false;
      equ = !equ;
      break;
    case SignArcItem::SgSol:
      tou = false;
      sol = !sol;
      break;
    case SignArcItem::SgTou:
      tou = !tou;
      if (tou) equ = sol = false;
      break;
  }
  options.SignArcs = tou ? 7 : (equ ? 1 : 0) + (sol ? 2 : 0);
}

bool ChooseCaster(DrawingOptions& options, CasterItem item) {
  MenuOption& clicked = item == CasterItem::Style1 ? options.Style1 : options.Gnomon1;
  MenuOption& other = item == CasterItem::Style1 ? options.Gnomon1 : options.Style1;
  clicked.checked = true;
  if (!other.checked) return false;
  other.checked = false;
  return true;
}

}  // namespace umbrix
