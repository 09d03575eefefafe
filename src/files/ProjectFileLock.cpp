#include "files/ProjectFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace umbrix {

namespace {

int OpenForReading(const std::filesystem::path& file) {
  int fd = -1;
  do {
    fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

bool LockNoWait(int fd, int operation) {
  int rc = -1;
  do {
    rc = ::flock(fd, operation | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

std::optional<std::string> ReadFd(int fd, size_t limit = std::string::npos) {
  std::string bytes;
  std::vector<char> buffer(64 * 1024);
  off_t offset = 0;
  while (bytes.size() < limit) {
    const size_t wanted = std::min(buffer.size(), limit - bytes.size());
    const ssize_t n = ::pread(fd, buffer.data(), wanted, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (n == 0) return bytes;
    bytes.append(buffer.data(), static_cast<size_t>(n));
    offset += n;
  }
  return bytes;
}

std::string Reason(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "disque plein";
    case EACCES:
    case EPERM:
    case EROFS:
      return "accès refusé";
    case ENOENT:
    case ENOTDIR:
      return "dossier introuvable";
    case EISDIR:
      return "le nom désigne un dossier";
    default:
      return "erreur d'entrée-sortie";
  }
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

ProjectFileLock::~ProjectFileLock() { Release(); }

ProjectFileLock::ProjectFileLock(ProjectFileLock&& other) noexcept
    : fd_(other.fd_), path_(std::move(other.path_)) {
  other.fd_ = -1;
  other.path_.clear();
}

ProjectFileLock& ProjectFileLock::operator=(ProjectFileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    path_ = std::move(other.path_);
    other.fd_ = -1;
    other.path_.clear();
  }
  return *this;
}

void ProjectFileLock::Release() {
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor drops the lock
  fd_ = -1;
  path_.clear();
}

bool ProjectFileLock::CanOpenExclusively(const std::filesystem::path& file) {
  const int fd = OpenForReading(file);
  if (fd < 0) return false;
  const bool free = LockNoWait(fd, LOCK_EX);
  ::close(fd);
  return free;
}

std::optional<ProjectFileLock> ProjectFileLock::AcquireExclusiveTested(
    const std::filesystem::path& file) {
  const int fd = OpenForReading(file);
  if (fd < 0) return std::nullopt;
  // the exclusive lock proves nobody holds the file; it then becomes the shared hold
  if (!LockNoWait(fd, LOCK_EX) || !LockNoWait(fd, LOCK_SH)) {
    ::close(fd);
    return std::nullopt;
  }
  return ProjectFileLock(fd, file);
}

std::optional<ProjectFileLock> ProjectFileLock::Hold(const std::filesystem::path& file) {
  const int fd = OpenForReading(file);
  if (fd < 0) return std::nullopt;
  if (!LockNoWait(fd, LOCK_SH)) {
    ::close(fd);
    return std::nullopt;
  }
  return ProjectFileLock(fd, file);
}

ProjectFileLock ProjectFileLock::Adopt(int fd, std::filesystem::path file) {
  return ProjectFileLock(fd, std::move(file));
}

std::optional<std::string> ProjectFileLock::ReadAll(size_t limit) const {
  if (fd_ < 0) return std::nullopt;
  return ReadFd(fd_, limit);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  const int fd = OpenForReading(file);
  if (fd < 0) return std::nullopt;
  auto bytes = ReadFd(fd);
  ::close(fd);
  return bytes;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               const std::string& bytes, ProjectFileLock* hold) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::error_code ec;
  if (std::filesystem::is_directory(target, ec)) return Reason(EISDIR);
  // a file its owner made read-only is not replaced behind their back
  if (std::filesystem::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) {
    return Reason(errno);
  }

  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return Reason(errno);
  const std::filesystem::path temporary = pattern;

  auto fail = [&](int error) -> std::optional<std::string> {
    ::close(fd);
    ::unlink(temporary.c_str());
    return Reason(error);
  };

  // a replaced file keeps its permissions; a new one is readable by all, like an ordinary file
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (::fchmod(fd, mode) != 0) return fail(errno);
  if (!WriteAll(fd, bytes)) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (hold && !LockNoWait(fd, LOCK_SH)) return fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);

  // the rename itself must reach the disk before the save counts as done
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  if (hold) {
    *hold = ProjectFileLock::Adopt(fd, target);
  } else {
    ::close(fd);
  }
  return std::nullopt;
}

}  // namespace umbrix
