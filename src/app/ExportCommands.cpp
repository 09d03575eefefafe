#include "app/ExportCommands.h"

#include <cctype>
#include <cmath>
#include <filesystem>

#include "app/ProgramIdentity.h"
#include "export/DxfExport.h"
#include "export/Fabrication.h"
#include "export/SvgCanvas.h"
#include "files/SafeFile.h"
#include "model/Numbers.h"

namespace umbrix {

namespace {

bool EndsWithSvg(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".svg";
}

/// An angle of a title block: its size, the side goes in the sentence.
std::string TitleAngle(double degrees) {
  return FormatGeneral(RoundScaled(100, std::abs(degrees)));
}

}  // namespace

std::optional<std::string> ExportCommands::ChooseTarget(const char* filter) {
  s_.ValidatePendingEntry();
  if (s_.DeskMode()) return std::nullopt;
  if (!s_.State().DrawingExists) {
    prompts_.ShowMessage(ErrorMessage(kNoDrawingToExportText));
    return std::nullopt;
  }
  const auto name =
      prompts_.ChooseFileToSave({"dxf", filter, ProposedName(s_.State().ProjectFileName, ".dxf")});
  if (!name || !ConfirmReplace(prompts_, *name)) return std::nullopt;
  return name;
}

void ExportCommands::ExportDxfCommand() {
  if (const auto name = ChooseTarget(kDxfFilter)) {
    if (const auto error = WriteDxf(*name)) prompts_.ShowMessage(*error);
  }
}

std::string ExportCommands::DxfDocument() const {
  const DialProject& project = s_.Project();
  const Orientation& orientation = s_.PlateOrientation();
  const DrawingFrame frame = s_.Screen().FrameFor(project.Plate);
  const StyleGeometry style = ComputeStyleGeometry(project, orientation, frame.plate);
  const DxfJob job{frame, DxfCasterGeometryOf(project, orientation, style),
                   services_.NowSerial()};
  return umbrix::DxfDocument(job, DialTracePass(project, orientation, s_.Limits(), frame));
}

std::string ExportCommands::SvgDocument() const {
  const DrawingFrame frame = s_.Screen().FrameFor(s_.Project().Plate);
  SvgCanvas canvas(frame);
  s_.TraceOn(canvas, frame);
  return canvas.Document();
}

std::optional<Message> ExportCommands::WriteDxf(const std::string& path) const {
  if (!s_.State().DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, DxfDocument());
}

std::optional<Message> ExportCommands::WriteSvg(const std::string& path) const {
  if (!s_.State().DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, SvgDocument());
}

// ---------------------------------------------------------------- the workshop drawing

std::vector<std::string> ExportCommands::FabricationTitle() const {
  const DialSetting& d = s_.Setting();
  const TextLanguage& language = s_.Language();
  const std::string& file = s_.State().ProjectFileName;
  const std::string name =
      file.empty() ? language.Text("TitleBlock", UMBRIX_TR("TitleBlock", "Cadran sans nom"))
                   : std::filesystem::path(file).stem().string();
  // each side is a sentence of its own: a translation may word "north" and "west" differently
  const bool north = d.latitudeDeg >= 0, east = d.longitudeDeg < 0;
  const char* place =
      north
          ? (east ? UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° N ; Longitude : %2° E ; Fuseau horaire : %3")
                  : UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° N ; Longitude : %2° O ; Fuseau horaire : %3"))
          : (east ? UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° S ; Longitude : %2° E ; Fuseau horaire : %3")
                  : UMBRIX_TR("TitleBlock",
                              "Lieu : Latitude : %1° S ; Longitude : %2° O ; Fuseau horaire : %3"));
  const char* turn =
      d.declinationDeg < 0
          ? UMBRIX_TR("TitleBlock",
                      "Orientation : Déclinaison : %1° est ; Inclinaison : %2° ; Rotation : %3°")
          : UMBRIX_TR("TitleBlock",
                      "Orientation : Déclinaison : %1° ouest ; Inclinaison : %2° ; Rotation : %3°");
  const std::string zone = (d.zoneHours < 0 ? "-" : "") + FormatZoneHours(std::abs(d.zoneHours));
  return {
      language.Compose("TitleBlock", UMBRIX_TR("TitleBlock", "%1 - Tracé par le logiciel %2"),
                       {name, kProgramNameAndVersion}),
      language.Compose("TitleBlock", place,
                       {TitleAngle(d.latitudeDeg), TitleAngle(d.longitudeDeg), zone}),
      language.Compose("TitleBlock", turn,
                       {TitleAngle(d.declinationDeg), TitleAngle(d.inclinationDeg),
                        FormatGeneral(RoundScaled(100, d.rotationDeg))}),
  };
}

std::string ExportCommands::FabricationDxfDocument(double numeralHeightMm) const {
  const FabricationJob job{numeralHeightMm, FabricationTitle()};
  return FabricationDxf(
      BuildFabricationDrawing(s_.Project(), s_.PlateOrientation(), s_.Limits(), job));
}

std::string ExportCommands::FabricationSvgDocument(double numeralHeightMm) const {
  const FabricationJob job{numeralHeightMm, FabricationTitle()};
  return FabricationSvg(
      BuildFabricationDrawing(s_.Project(), s_.PlateOrientation(), s_.Limits(), job));
}

std::optional<Message> ExportCommands::WriteFabrication(const std::string& path,
                                                        double numeralHeightMm) const {
  if (!s_.State().DrawingExists) return ErrorMessage(kNoDrawingToExportText);
  return WriteOutputFile(path, EndsWithSvg(path) ? FabricationSvgDocument(numeralHeightMm)
                                                 : FabricationDxfDocument(numeralHeightMm));
}

void ExportCommands::ExportFabricationCommand() {
  if (const auto name = ChooseTarget(kFabricationFilter)) {
    if (const auto error = WriteFabrication(*name)) prompts_.ShowMessage(*error);
  }
}

void RegisterExportCommands(MenuCommands& menus, ExportCommands& commands) {
  menus.Add(MenuId::FichierDxf1, [&commands] { commands.ExportDxfCommand(); });
  menus.Add(MenuId::FichierFabrication1, [&commands] { commands.ExportFabricationCommand(); });
}

}  // namespace umbrix
