#pragma once
// The print commands and the drawing saved as a bitmap: the checks and their messages, the print
// dialog, the page plan worked out on the printer's measures, the dial traced as vectors onto the
// printer's own pages; the screen's drawing is only read (its margin, its bitmap saved).

#include "app/MenuCommands.h"
#include "app/Ports.h"
#include "app/PrintPlan.h"
#include "app/Session.h"
#include "model/Texts.h"

namespace umbrix {

inline constexpr const char* kNothingToPrintText =
    UMBRIX_TR("Message", "Il n'y a pas d'information à imprimer");
inline constexpr const char* kNoDrawingToPrintText =
    UMBRIX_TR("Message", "Il n'y a pas de graphique à imprimer");
inline constexpr const char* kNoDrawingToSaveText =
    UMBRIX_TR("Message", "Il n'y a pas de graphique à sauver");
/// The Part's bitmap first, then the smooth picture the screen shows; the filter chosen decides.
inline constexpr const char* kDrawingFilters = UMBRIX_TR(
    "Message", "Graphique Umbrix (*.bmp)|*.bmp|Image lissée, à la résolution de l'écran (*.png)|*.png");
inline constexpr const char* kTrueScaleSheetsCaption =
    UMBRIX_TR("Message", "Impression à l'échelle 1:1");
inline constexpr const char* kTrueScaleSheetsText = UMBRIX_TR_N(
    "Message",
    "L'impression à l'échelle 1:1 demande %n feuilles %1, en %2 × %3 (lignes × colonnes).\r\n"
    "Imprimer ?");

enum class PrintOutcome {
  Printed,
  Refused,    // nothing to print, or desk-dial mode
  Cancelled,  // the print dialog was cancelled
  Failed,     // the printer refused the job (its message shown)
};

class PrintCommands {
 public:
  /// The session and the ports must outlive this.
  PrintCommands(Session& session, Prompts& prompts, Printer& printer, Services& services)
      : s_(session), prompts_(prompts), printer_(printer), services_(services) {}

  /// "&Imprimer": the entry listing with the drawing beside it, the comments and the report.
  PrintOutcome PrintReport();
  /// "&Demi format", "&Plein format", "&2 formats", "&4 formats", or the dial at its true size.
  PrintOutcome PrintDrawing(PrintLayout layout);
  /// "Enregistrer le &Graphique": the screen's bitmap as it stands, in a 4-bit bitmap file, or
  /// the smooth screen picture as a PNG when that filter is chosen.
  void SaveDrawingBitmap();
  /// Whether a print at 1:1 first says how many sheets of which paper it takes and lets the
  /// person cancel (the window: yes; the command line, which asks nothing: no).
  void ConfirmTrueScaleSheets(bool on) { confirmSheets_ = on; }

 private:
  /// The dialog re-validated; false in desk-dial mode.
  bool Ready();
  /// Prints `job` with the dial traced for the true-scale piece; shows the printer's failure.
  PrintOutcome Send(const PrintJob& job);

  Session& s_;
  Prompts& prompts_;
  Printer& printer_;
  Services& services_;
  bool confirmSheets_ = false;
};

/// Registers the rows of the prints and of "Enregistrer le &Graphique".
void RegisterPrintCommands(MenuCommands& menus, PrintCommands& commands);

}  // namespace umbrix
