#pragma once
// A scratch file of the fuzzing process: the readers under test take file names, so each input
// is written there first. One per process, removed at exit.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace umbrix::fuzzing {

class ScratchFile {
 public:
  explicit ScratchFile(const std::string& extension) {
    std::string pattern = (std::filesystem::temp_directory_path() / "umbrix-fuzz-XXXXXX").string();
    const char* made = ::mkdtemp(pattern.data());
    if (made == nullptr) std::abort();
    dir_ = made;
    path_ = dir_ / ("projet" + extension);
  }
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::filesystem::path& Write(const uint8_t* data, size_t size) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) std::abort();
    return path_;
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::filesystem::path path_;
};

}  // namespace umbrix::fuzzing
