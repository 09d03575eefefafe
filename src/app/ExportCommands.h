#pragma once
// The dial on show written for other programs: "E&xport dxf" (the drawing in the screen's frame,
// as DXF, or as a true-scale SVG picture) and "Export &fabrication" (the workshop drawing with its
// title block, DXF or SVG). The checks and their messages, the save dialog and the replace
// question; each document is also made without a dialog, for the command line.

#include <optional>
#include <string>
#include <vector>

#include "app/MenuCommands.h"
#include "app/Ports.h"
#include "app/Session.h"
#include "model/Message.h"
#include "model/Texts.h"

namespace umbrix {

inline constexpr const char* kNoDrawingToExportText =
    UMBRIX_TR("Message", "Il n'y a pas de graphique à exporter");
inline constexpr const char* kDxfFilter = UMBRIX_TR("Message", "Fichier dxf (*.dxf)|*.dxf");
/// The workshop drawing's save dialog: DXF, or SVG when the name ends in ".svg".
inline constexpr const char* kFabricationFilter =
    UMBRIX_TR("Message", "Fichier dxf (*.dxf)|*.dxf|Image svg (*.svg)|*.svg");

class ExportCommands {
 public:
  /// The session and the ports must outlive this.
  ExportCommands(Session& session, Prompts& prompts, Services& services)
      : s_(session), prompts_(prompts), services_(services) {}

  /// "E&xport dxf": checks, the save dialog and the replace question, then `WriteDxf`.
  void ExportDxfCommand();
  /// Writes the dial on show as DXF into `path`; the failure message (a held project is never
  /// replaced). Needs `DrawingExists`.
  std::optional<Message> WriteDxf(const std::string& path) const;
  /// Writes the dial on show as a true-scale SVG picture; the failure message. Needs
  /// `DrawingExists`.
  std::optional<Message> WriteSvg(const std::string& path) const;
  /// The bytes of the DXF export of the dial on show, in the screen's frame.
  std::string DxfDocument() const;
  /// The bytes of the SVG picture of the dial on show.
  std::string SvgDocument() const;

  // ---- the workshop drawing (numeral height in mm, 0 for the plate's default)

  /// "Export &fabrication": checks, the save dialog and the replace question, then
  /// `WriteFabrication`.
  void ExportFabricationCommand();
  /// Writes the workshop drawing into `path`: SVG when it ends in ".svg", DXF otherwise; the
  /// failure message. Needs `DrawingExists`.
  std::optional<Message> WriteFabrication(const std::string& path,
                                          double numeralHeightMm = 0) const;
  /// The bytes of the workshop drawing, DXF and SVG; nothing of the window's size enters them.
  std::string FabricationDxfDocument(double numeralHeightMm = 0) const;
  std::string FabricationSvgDocument(double numeralHeightMm = 0) const;
  /// The title block's lines: name, place and orientation, from the values of the last solve or
  /// of the typed orientation (never read back from the report, which may be translated).
  std::vector<std::string> FabricationTitle() const;

 private:
  /// The entry being typed validated, the checks of both commands, then the save dialog with `filter` and the replace question:
  /// the name to write, or nothing when refused or cancelled.
  std::optional<std::string> ChooseTarget(const char* filter);

  Session& s_;
  Prompts& prompts_;
  Services& services_;
};

/// Registers the two exports, "E&xport dxf" and "Export &fabrication (dxf, svg)".
void RegisterExportCommands(MenuCommands& menus, ExportCommands& commands);

}  // namespace umbrix
