#include "export/AtomicFile.h"

#include <charconv>
#include <cstdint>
#include <exception>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace umbrix {

namespace {

// A name beside the destination that no file holds yet: ".<name>.~<random hex>", random so
// that two programs saving to the same folder never share a temporary.
std::filesystem::path FreshTemporary(const std::filesystem::path& destination) {
  const std::filesystem::path folder =
      destination.has_parent_path() ? destination.parent_path() : std::filesystem::path(".");
  const std::string stem = "." + destination.filename().string() + ".~";
  std::random_device random;
  std::error_code ec;
  for (int attempt = 0;; ++attempt) {
    char hex[9];
    const auto end = std::to_chars(hex, hex + 8, static_cast<std::uint32_t>(random()), 16).ptr;
    std::filesystem::path candidate = folder / (stem + std::string(hex, end));
    if (!std::filesystem::exists(candidate, ec) || attempt == 99) return candidate;
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
