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

// Opens without blocking (a named pipe would wait for a writer forever), then refuses anything
// but a regular file before a byte is read.
int OpenForReading(const std::filesystem::path& file) {
  int fd = -1;
  do {
    fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return fd;
  struct stat kind {};
  if (::fstat(fd, &kind) != 0 || !S_ISREG(kind.st_mode)) {
    ::close(fd);
    return -1;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
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

}  // namespace umbrix
