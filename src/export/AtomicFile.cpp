#include "export/AtomicFile.h"

#include <exception>
#include <fstream>
#include <string>
#include <system_error>

namespace umbrix {

namespace {

// A name beside the destination that no file holds yet: ".<name>.~<n>".
std::filesystem::path FreshTemporary(const std::filesystem::path& destination) {
  const std::filesystem::path folder =
      destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
  const std::string stem = "." + destination.filename().string() + ".~";
  std::error_code ec;
  for (int n = 0;; ++n) {
    std::filesystem::path candidate = folder / (stem + std::to_string(n));
    if (!std::filesystem::exists(candidate, ec) || n == 999) return candidate;
  }
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

Message WriteErrorMessage(const std::filesystem::path& destination) {
  return ErrorMessage("Erreur d'écriture du fichier " + destination.string());
}

std::optional<Message> WriteFileAtomically(const std::filesystem::path& destination,
                                           const std::function<void(std::ostream&)>& write) {
  if (destination.filename().empty()) return WriteErrorMessage(destination);
  const std::filesystem::path temporary = FreshTemporary(destination);
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out.is_open()) {
      try {
        write(out);
        out.flush();
        written = static_cast<bool>(out);
      } catch (const std::exception&) {
        written = false;
      }
      out.close();
      written = written && !out.fail();
    }
  }
  if (!written) {
    RemoveQuietly(temporary);
    return WriteErrorMessage(destination);
  }
  std::error_code ec;
  std::filesystem::rename(temporary, destination, ec);
  if (ec) {
    RemoveQuietly(temporary);
    return WriteErrorMessage(destination);
  }
  return std::nullopt;
}

}  // namespace umbrix
