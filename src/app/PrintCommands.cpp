#include "app/PrintCommands.h"

#include "files/ProjectFile.h"
#include "files/TextLines.h"

namespace umbrix {

bool PrintCommands::Ready() {
  s_.ValidatePendingEntry();
  return !s_.DeskMode();
}

PrintOutcome PrintCommands::Send(const PrintJob& job) {
  const DialTracer trace = [this](Canvas& canvas, const DrawingFrame& frame) {
    s_.TraceOn(canvas, frame);
  };
  if (const auto error = printer_.Print(job, trace)) {
    prompts_.ShowMessage(*error);
    return PrintOutcome::Failed;
  }
  return PrintOutcome::Printed;
}

PrintOutcome PrintCommands::PrintReport() {
  if (!Ready()) return PrintOutcome::Refused;
  const DialProject& project = s_.Project();
  const ProjectState& state = s_.State();
  if (!ProjectHasContent(project, false)) {
    prompts_.ShowMessage(ErrorMessage(kNothingToPrintText));
    return PrintOutcome::Refused;
  }
  // the short listing belongs to a project whose last command was 4
  const bool full = static_cast<int>(state.RunMode) != 4;
  std::vector<std::string> listing = BuildProjectLines(project, state, state.TestDataValid, full);
  // the file format line is not printed
  if (!listing.empty()) listing.erase(listing.begin());
  printer_.ProposeFileName(PrintFileName(PrintLayout::Report, state.ProjectFileName));
  if (!printer_.ChoosePrinter()) return PrintOutcome::Cancelled;

  const PageMetrics m = printer_.Measure(PageOrientation::Portrait);
  ReportTexts texts{std::move(listing), SplitLines(project.Comments), SplitLines(s_.ReportPane()),
                    state.ProjectFileName,
                    PrintDateLine(services_.NowSerial(), s_.Language().Months())};
  const bool drawing = state.DrawingExists;
  const ReportGeometry g = ComputeReportGeometry(
      m, project.Plate, s_.Screen().MarginPx(), static_cast<int>(texts.listing.size()),
      static_cast<int>(texts.comments.size()), static_cast<int>(texts.report.size()), drawing);
  return Send(PlanReportPrint(m, g, project.Plate, s_.Screen().MarginPx(), texts));
}

PrintOutcome PrintCommands::PrintDrawing(PrintLayout layout) {
  if (!Ready()) return PrintOutcome::Refused;
  if (!s_.State().DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDrawingToPrintText));
    return PrintOutcome::Refused;
  }
  const std::string& fileName = s_.State().ProjectFileName;
  printer_.ProposeFileName(PrintFileName(layout, fileName));
  if (!printer_.ChoosePrinter()) return PrintOutcome::Cancelled;
  const PlateWindow& plate = s_.Project().Plate;
  const std::string dateLine = PrintDateLine(services_.NowSerial(), s_.Language().Months());
  const int margin = s_.Screen().MarginPx();

  // every layout is drawn as vectors at the printer's resolution: the screen is not touched
  if (layout == PrintLayout::TrueScale) {
    const PageMetrics portrait = printer_.Measure(PageOrientation::Portrait);
    const PageMetrics landscape = printer_.Measure(PageOrientation::Landscape);
    const TrueScaleGeometry p =
        ComputeTrueScaleGeometry(PageOrientation::Portrait, portrait, plate, margin);
    const TrueScaleGeometry l =
        ComputeTrueScaleGeometry(PageOrientation::Landscape, landscape, plate, margin);
    const bool wide = FewerSheets(l, p);
    const TrueScaleGeometry& chosen = wide ? l : p;
    if (confirmSheets_) {
      const int sheets = chosen.rows * chosen.columns;
      const Question question{kTrueScaleSheetsCaption,
                              kTrueScaleSheetsText,
                              Buttons::OkCancel,
                              {printer_.PaperName(), std::to_string(chosen.rows),
                               std::to_string(chosen.columns)},
                              sheets};
      if (prompts_.Ask(question) != Answer::Ok) return PrintOutcome::Cancelled;
    }
    return Send(PlanTrueScalePrint(wide ? landscape : portrait, wide ? l : p, fileName, dateLine));
  }

  const PageMetrics m = printer_.Measure(GraphicOrientation(layout, plate));
  const GraphicGeometry g = ComputeGraphicGeometry(layout, m, plate, margin);
  return Send(PlanGraphicPrint(layout, m, g, plate, margin, fileName, dateLine));
}

void PrintCommands::SaveDrawingBitmap() {
  if (!Ready()) return;
  if (!s_.State().DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDrawingToSaveText));
    return;
  }
  const std::string& project = s_.State().ProjectFileName;
  const auto name =
      prompts_.ChooseFileToSave({"bmp", kDrawingFilters, ProposedName(project, ".bmp")});
  if (!name) return;
  if (!ConfirmReplace(prompts_, *name)) return;
  if (const auto error = s_.Screen().SaveBitmap(*name)) prompts_.ShowMessage(*error);
}

void RegisterPrintCommands(MenuCommands& menus, PrintCommands& commands) {
  menus.Add(MenuId::Imprimer1, [&commands] { commands.PrintReport(); });
  const auto print = [&commands](PrintLayout layout) {
    return [&commands, layout] { commands.PrintDrawing(layout); };
  };
  menus.Add(MenuId::DemiFormat1, print(PrintLayout::Half));
  menus.Add(MenuId::PleinFormat1, print(PrintLayout::Full));
  menus.Add(MenuId::N2formats1, print(PrintLayout::TwoSheets));
  menus.Add(MenuId::N4formats1, print(PrintLayout::FourSheets));
  menus.Add(MenuId::Echelle1, print(PrintLayout::TrueScale));
  menus.Add(MenuId::Sauverlimage1, [&commands] { commands.SaveDrawingBitmap(); });
}

}  // namespace umbrix
