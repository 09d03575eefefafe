#pragma once
// The drawing-option items of the main window's menus and how a click changes their check marks.

#include "model/DialProject.h"

namespace umbrix {

/// The plain on/off options: a click inverts the check mark.
enum class OptionItem {
  Lighor1,
  LhLim,
  HiverPrintemps1,
  EteAutomne1,
  MenDat,
  HiverPrintemps2,
  EteAutomne2,
  N2points1,
  Axes1,
  Carreaux1,
  Horizon1,
  Refrac1,
  Ombre1,
  Visible1,
  Italiques1,
  Babyloniques1,
  Temporaires1,
};

/// "&Demi" (2), "&Quart" (4), "10 &min" (6): at most one checked.
enum class SubdivisionItem { Demi, Quart, N10min };

/// "&Equinoxiale", "&Solstices", "&Tous".
enum class SignArcItem { SgEqu, SgSol, SgTou };

/// "&Style", "&Gnomon": exactly one checked.
enum class CasterItem { Style1, Gnomon1 };

MenuOption& OptionOf(DrawingOptions& options, OptionItem item);
const MenuOption& OptionOf(const DrawingOptions& options, OptionItem item);

/// Hours are divided into 1/n: 2, 4 or 6.
int SubdivisionValue(SubdivisionItem item);

/// Inverts the item's check mark; checking it unchecks the two others and sets
/// `HourSubdivisions` to its value, unchecking it sets 1.
void ToggleSubdivision(DrawingOptions& options, SubdivisionItem item);

/// `SgEqu` and `SgSol` uncheck `SgTou` and invert themselves; `SgTou` inverts itself and, when
/// checked, unchecks the two others. `SignArcs` then follows the three check marks.
void ToggleSignArc(DrawingOptions& options, SignArcItem item);

/// Checks the clicked type; returns true when the other one was checked (and is now unchecked),
/// false when the clicked type was already the current one.
bool ChooseCaster(DrawingOptions& options, CasterItem item);

}  // namespace umbrix
