#include "files/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <variant>

namespace umbrix {

namespace {

// Links followed before a name counts as a loop, as the system does.
constexpr int kMaxLinks = 40;

WriteCause CauseOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return WriteCause::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return WriteCause::AccessRefused;
    case ENOENT:
    case ENOTDIR:
      return WriteCause::FolderMissing;
    case EISDIR:
    case ELOOP:
      return WriteCause::NotRegularFile;
    default:
      return WriteCause::InputOutput;
  }
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

/// Where the bytes go once every link is followed.
struct Destination {
  std::filesystem::path path;
  bool exists = false;
  struct stat status {};
};

/// The file `target` designates: itself, or what its links lead to; a cause when it is not a
/// regular file or its folder is missing.
std::variant<Destination, WriteCause> Resolve(const std::filesystem::path& target) {
  if (target.empty() || !target.has_filename()) return WriteCause::NotRegularFile;
  Destination d;
  if (::stat(target.c_str(), &d.status) == 0) {
    if (!S_ISREG(d.status.st_mode)) return WriteCause::NotRegularFile;
    std::error_code ec;
    d.path = std::filesystem::canonical(target, ec);
    if (ec) return CauseOf(ec.value());
    d.exists = true;
    return d;
  }
  if (errno != ENOENT) return CauseOf(errno);
  // nothing there, or a dangling link: the name at the end of the links is created
  d.path = target;
  for (int links = 0;; ++links) {
    struct stat own {};
    if (::lstat(d.path.c_str(), &own) != 0) break;
    if (!S_ISLNK(own.st_mode) || links == kMaxLinks) return WriteCause::NotRegularFile;
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(d.path, ec);
    if (ec) return CauseOf(ec.value());
    d.path = next.is_absolute() ? next : FolderOf(d.path) / next;
  }
  if (!d.path.has_filename()) return WriteCause::NotRegularFile;
  struct stat folder {};
  if (::stat(FolderOf(d.path).c_str(), &folder) != 0) return CauseOf(errno);
  if (!S_ISDIR(folder.st_mode)) return WriteCause::FolderMissing;
  return d;
}

bool WriteAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

bool LockShared(int fd) {
  int rc = -1;
  do {
    rc = ::flock(fd, LOCK_SH | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

/// The mode a new file gets: what the user's file-creation mask leaves of rw for everyone.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

const char* WriteFailurePattern(WriteCause cause) {
  switch (cause) {
    case WriteCause::ReadOnlyFile:
    case WriteCause::FileHeld:
      return kCannotOpenText;
    case WriteCause::DiskFull:
      return UMBRIX_TR("Message",
                       "%1 : erreur d'écriture, le fichier n'a pas été enregistré (disque plein)");
    case WriteCause::AccessRefused:
      return UMBRIX_TR("Message",
                       "%1 : erreur d'écriture, le fichier n'a pas été enregistré (accès refusé)");
    case WriteCause::FolderMissing:
      return UMBRIX_TR(
          "Message",
          "%1 : erreur d'écriture, le fichier n'a pas été enregistré (dossier introuvable)");
    case WriteCause::NotRegularFile:
      return UMBRIX_TR("Message",
                       "%1 : erreur d'écriture, le fichier n'a pas été enregistré (le nom ne "
                       "désigne pas un fichier ordinaire)");
    case WriteCause::InputOutput:
      break;
  }
  return UMBRIX_TR(
      "Message",
      "%1 : erreur d'écriture, le fichier n'a pas été enregistré (erreur d'entrée-sortie)");
}

Message WriteFailureMessage(const std::string& name, WriteCause cause) {
  return ErrorMessage(WriteFailurePattern(cause), {name});
}

std::optional<WriteCause> WriteFileSafely(const std::filesystem::path& target,
                                          std::string_view bytes, ProjectFileLock* hold) {
  auto resolved = Resolve(target);
  if (const WriteCause* cause = std::get_if<WriteCause>(&resolved)) return *cause;
  const Destination& d = std::get<Destination>(resolved);
  // a file its owner made read-only is not replaced behind their back, not even by root
  if (d.exists) {
    if ((d.status.st_mode & S_IWUSR) == 0) return WriteCause::ReadOnlyFile;
    if (::access(d.path.c_str(), W_OK) != 0) {
      return errno == EROFS ? WriteCause::AccessRefused : WriteCause::ReadOnlyFile;
    }
  }

  const std::filesystem::path folder = FolderOf(d.path);
  std::string pattern = (folder / ("." + d.path.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return CauseOf(errno);
  const std::filesystem::path temporary = pattern;
  auto fail = [&](int error) -> std::optional<WriteCause> {
    ::close(fd);
    ::unlink(temporary.c_str());
    return CauseOf(error);
  };

  // a replaced file keeps its permissions and, where the system lets us, its owner
  if (::fchmod(fd, d.exists ? (d.status.st_mode & 07777) : NewFileMode()) != 0) return fail(errno);
  if (d.exists) {
    struct stat made {};
    if (::fstat(fd, &made) == 0 &&
        (made.st_uid != d.status.st_uid || made.st_gid != d.status.st_gid) &&
        ::fchown(fd, d.status.st_uid, d.status.st_gid) == 0) {
      ::fchmod(fd, d.status.st_mode & 07777);  // a change of owner clears set-id bits
    }
  }
  if (!WriteAll(fd, bytes)) return fail(errno);
  if (::fsync(fd) != 0) return fail(errno);
  if (hold && !LockShared(fd)) return fail(errno);
  // the name may have changed since it was resolved: only a regular file or nothing is replaced
  struct stat now {};
  if (::lstat(d.path.c_str(), &now) == 0 ? !S_ISREG(now.st_mode) : errno != ENOENT) {
    return fail(EISDIR);
  }
  if (::rename(temporary.c_str(), d.path.c_str()) != 0) return fail(errno);

  // the rename itself must reach the disk before the write counts as done
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  if (hold) {
    *hold = ProjectFileLock::Adopt(fd, d.path);
  } else {
    ::close(fd);
  }
  return std::nullopt;
}

std::optional<WriteCause> WriteIntoStream(const std::string& name, std::string_view bytes) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return CauseOf(errno);
  // it must still be a stream: a regular file is never written in place
  struct stat opened {};
  if (::fstat(fd, &opened) != 0 || !(S_ISCHR(opened.st_mode) || S_ISFIFO(opened.st_mode))) {
    ::close(fd);
    return WriteCause::NotRegularFile;
  }
  const bool written = WriteAll(fd, bytes);
  const int error = errno;
  if (::close(fd) != 0 && written) return CauseOf(errno);
  if (!written) return CauseOf(error);
  return std::nullopt;
}

std::optional<Message> WriteOutputFile(const std::string& name, std::string_view bytes) {
  // a terminal, /dev/stdout or a named pipe the user names takes the bytes as they come, as
  // cp and tee write there: nothing is renamed over it
  struct stat existing {};
  if (::stat(name.c_str(), &existing) == 0 &&
      (S_ISCHR(existing.st_mode) || S_ISFIFO(existing.st_mode))) {
    if (const auto cause = WriteIntoStream(name, bytes)) return WriteFailureMessage(name, *cause);
    return std::nullopt;
  }
  std::error_code ec;
  // a project someone holds (we, or another instance) is never replaced by an export
  if (std::filesystem::is_regular_file(name, ec) && !ProjectFileLock::CanOpenExclusively(name)) {
    return WriteFailureMessage(name, WriteCause::FileHeld);
  }
  if (const auto cause = WriteFileSafely(name, bytes)) return WriteFailureMessage(name, *cause);
  return std::nullopt;
}

}  // namespace umbrix
