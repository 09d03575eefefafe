#include "files/DeskSettings.h"

#include <array>

#include "files/ProjectFile.h"
#include "files/SafeFile.h"
#include "files/TextLines.h"
#include "model/Formats.h"
#include "model/Texts.h"

namespace umbrix {

namespace {

constexpr const char* kHeader = "UmbrixBur1";
constexpr std::array<const char*, 13> kComments = {
    UMBRIX_FILE_TEXT(" 'Left normal"),      UMBRIX_FILE_TEXT(" 'Top normal"),
    UMBRIX_FILE_TEXT(" 'Width normal"),     UMBRIX_FILE_TEXT(" 'Height normal"),
    UMBRIX_FILE_TEXT(" 'MinWidth normal"),  UMBRIX_FILE_TEXT(" 'MinHeight normal"),
    UMBRIX_FILE_TEXT(" 'Maximized normal"), UMBRIX_FILE_TEXT(" 'Left desktop"),
    UMBRIX_FILE_TEXT(" 'Top desktop"),      UMBRIX_FILE_TEXT(" 'Width desktop"),
    UMBRIX_FILE_TEXT(" 'Height desktop"),   UMBRIX_FILE_TEXT(" 'StayOnTop desktop"),
    UMBRIX_FILE_TEXT(" 'ReportWidth normal")};

std::array<int*, 13> Fields(DeskSettings& s) {
  return {&s.leftNormal,     &s.topNormal,       &s.widthNormal,     &s.heightNormal,
          &s.minWidthNormal, &s.minHeightNormal, &s.maximizedNormal, &s.leftDesktop,
          &s.topDesktop,     &s.widthDesktop,    &s.heightDesktop,   &s.stayOnTopDesktop,
          &s.reportWidthNormal};
}
// the values every file has; those after them came later and may be missing
constexpr size_t kRequiredFields = 12;

std::optional<Message> WriteSettings(const std::filesystem::path& file, const DeskSettings& values,
                                     ProjectFileLock* hold) {
  if (const auto cause = WriteFileSafely(file, EncodeLines(BuildDeskSettingsLines(values)), hold)) {
    return WriteFailureMessage(file.string(), *cause);
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path DeskSettingsPath(const std::string& projectFileName,
                                       const std::filesystem::path& userSettingsFolder) {
  if (projectFileName.empty()) return userSettingsFolder / "sans-titre.umb";
  std::filesystem::path path = projectFileName;
  path.replace_extension(".umb");
  return path;
}

std::vector<std::string> BuildDeskSettingsLines(const DeskSettings& settings) {
  DeskSettings copy = settings;
  const auto fields = Fields(copy);
  std::vector<std::string> lines = {kHeader};
  for (size_t i = 0; i < fields.size(); ++i) {
    lines.push_back(std::to_string(*fields[i]) + kComments[i]);
  }
  return lines;
}

std::optional<DeskSettings> ParseDeskSettings(const std::vector<std::string>& lines) {
  DeskSettings settings;
  const auto fields = Fields(settings);
  if (lines.size() < kRequiredFields + 1) return std::nullopt;
  for (size_t i = 0; i < fields.size() && i + 1 < lines.size(); ++i) {
    const auto value = ParseWhole(FieldValueOf(lines[i + 1]));
    if (value) {
      *fields[i] = *value;
    } else if (i < kRequiredFields) {
      return std::nullopt;
    }
  }
  return settings;
}

std::optional<Message> CheckDeskSettingsHeader(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return std::nullopt;
  const std::string name = FullPath(file.string());
  const auto bytes = ReadWholeFile(file);
  if (!bytes) return ErrorMessage(kCannotOpenText, {name});
  const auto lines = DecodeLines(*bytes);
  if (lines.empty() || lines.front().compare(0, 9, "UmbrixBur") != 0) {
    return ErrorMessage(kWrongFormatText, {name});
  }
  return std::nullopt;
}

DeskSettingsFile::Outcome DeskSettingsFile::Enter(const std::filesystem::path& file,
                                                  const WindowGeometry& normalNow, int currentLeft,
                                                  int currentTop) {
  path_ = file;
  std::optional<DeskSettings> stored;
  if (const auto bytes = ReadWholeFile(file)) stored = ParseDeskSettings(DecodeLines(*bytes));

  Outcome outcome;
  if (stored) {
    values_ = *stored;
    outcome.geometry = {values_.leftDesktop,
                        values_.topDesktop,
                        values_.widthDesktop,
                        values_.heightDesktop,
                        0,
                        0,
                        values_.stayOnTopDesktop};
  } else {
    values_ = DeskSettings{};
    outcome.geometry = {currentLeft, currentTop, kDeskWindowSide, kDeskWindowSide, 0, 0, 0};
  }
  outcome.geometry.minWidth = kDeskWindowSide;
  outcome.geometry.minHeight = kDeskWindowSide;

  values_.maximizedNormal = normalNow.flag;
  values_.leftNormal = normalNow.left;
  values_.topNormal = normalNow.top;
  values_.widthNormal = normalNow.width;
  values_.heightNormal = normalNow.height;
  values_.minWidthNormal = normalNow.minWidth;
  values_.minHeightNormal = normalNow.minHeight;
  values_.reportWidthNormal = normalNow.reportWidth;
  outcome.error = WriteSettings(file, values_, &held_);
  active_ = true;
  return outcome;
}

DeskSettingsFile::Outcome DeskSettingsFile::Leave(const WindowGeometry& deskNow) {
  // the held file is the one written on entering; what we wrote stands in if it went unreadable
  if (const auto bytes = held_.ReadAll()) {
    if (auto stored = ParseDeskSettings(DecodeLines(*bytes))) values_ = *stored;
  }
  Outcome outcome;
  outcome.geometry = {values_.leftNormal,     values_.topNormal,      values_.widthNormal,
                      values_.heightNormal,   values_.minWidthNormal, values_.minHeightNormal,
                      values_.maximizedNormal, values_.reportWidthNormal};
  values_.leftDesktop = deskNow.left;
  values_.topDesktop = deskNow.top;
  values_.widthDesktop = deskNow.width;
  values_.heightDesktop = deskNow.height;
  values_.stayOnTopDesktop = deskNow.flag;
  held_.Release();
  outcome.error = WriteSettings(path_, values_, nullptr);
  active_ = false;
  return outcome;
}

}  // namespace umbrix
