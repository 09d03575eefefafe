// Any bytes as a desk-dial settings file: the header check, the parser and entering then
// leaving desk-dial mode neither crash nor lose the normal window's geometry.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzFile.h"
#include "files/DeskSettings.h"
#include "files/TextLines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static umbrix::fuzzing::ScratchFile scratch(".umb");
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)umbrix::ParseDeskSettings(umbrix::DecodeLines(bytes));

  const std::filesystem::path& file = scratch.Write(data, size);
  if (umbrix::CheckDeskSettingsHeader(file))
    return 0;  // refused before entering, as the program does
  umbrix::DeskSettingsFile desk;
  const umbrix::WindowGeometry normal{10, 20, 800, 600, 300, 200, 0};
  const auto entered = desk.Enter(file, normal, 10, 20);
  const auto left = desk.Leave(entered.geometry);
  // the normal window comes back as it was, whatever the file held
  if (!entered.error && !left.error && left.geometry != normal) std::abort();
  return 0;
}
