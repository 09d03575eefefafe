#pragma once
// The held project file: kept open with a shared lock between operations, so that another
// instance's exclusive-open test on it fails and it neither reads nor overwrites our file.

#include <filesystem>
#include <optional>
#include <string>

namespace umbrix {

/// A file held open for reading under a shared advisory lock (flock). Move-only; releasing or
/// destroying it closes the file.
class ProjectFileLock {
 public:
  ProjectFileLock() = default;
  ~ProjectFileLock();
  ProjectFileLock(ProjectFileLock&& other) noexcept;
  ProjectFileLock& operator=(ProjectFileLock&& other) noexcept;
  ProjectFileLock(const ProjectFileLock&) = delete;
  ProjectFileLock& operator=(const ProjectFileLock&) = delete;

  /// The exclusive-open test: true when the file can be opened for reading while nobody else
  /// holds it (a non-blocking exclusive lock succeeds). False when it is held, or cannot be
  /// opened at all.
  static bool CanOpenExclusively(const std::filesystem::path& file);
  /// Opens `file` after the exclusive-open test and holds it; nothing when the test fails.
  static std::optional<ProjectFileLock> AcquireExclusiveTested(const std::filesystem::path& file);
  /// Opens `file` and holds it without the exclusive test (a file we hold already may be held
  /// twice); nothing when it cannot be opened or someone holds it exclusively.
  static std::optional<ProjectFileLock> Hold(const std::filesystem::path& file);
  /// Takes over an open descriptor that already carries the shared lock.
  static ProjectFileLock Adopt(int fd, std::filesystem::path file);

  bool Held() const { return fd_ >= 0; }
  const std::filesystem::path& Path() const { return path_; }
  /// The bytes of the held file from its start, at most `limit` of them; nothing on a read
  /// error.
  std::optional<std::string> ReadAll(size_t limit = std::string::npos) const;
  /// Closes the file and drops the lock.
  void Release();

 private:
  ProjectFileLock(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}
  int fd_ = -1;
  std::filesystem::path path_;
};

/// Reads a whole file by name; nothing when it cannot be opened or read, or is not a regular
/// file (a pipe, a device or a folder is refused without waiting).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

}  // namespace umbrix
