#include "app/ProgramFiles.h"

#include <system_error>

namespace umbrix {

std::filesystem::path LocateProgramFile(const std::filesystem::path& programDir,
                                        std::string_view name) {
  const std::filesystem::path beside = programDir / name;
  std::error_code error;
  if (std::filesystem::exists(beside, error)) return beside;
  const std::filesystem::path shared = programDir.parent_path() / kSharedFilesFolder / name;
  if (std::filesystem::exists(shared, error)) return shared;
  return beside;
}

}  // namespace umbrix
