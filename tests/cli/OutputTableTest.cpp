// Every output of umbrix-cli (project, DXF, SVG, PNG, BMP, report, PDF print) against every kind of
// destination: written with the mode kept (into a device or a pipe in place), or refused with its
// message and the old file byte for byte intact; nothing left behind in the folder.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "CliProcess.h"
#include "cli/CliOptions.h"
#include "files/ProjectFileLock.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const fs::path kExample = fs::path(UMBRIX_SOURCE_DIR) / "examples" / "jardin-horizontal.umd";
constexpr const char* kOld = "ancien contenu";
// Smaller than every output of the example (the report, the smallest, is about 4 kB).
constexpr rlim_t kFullDiskBytes = 2048;

struct Output {
  const char* name;
  const char* option;
  /// An argument the output needs besides its own (the print a PDF holds).
  const char* companion = nullptr;
};
const Output kOutputs[] = {{"projet", "--enregistrer"},
                           {"dxf", "--dxf"},
                           {"svg", "--svg"},
                           {"png", "--png"},
                           {"bmp", "--bmp"},
                           {"rapport", "--rapport"},
                           {"pdf", "--pdf", "--impression=demi"}};

/// What the folder holds: each name with its kind, and the bytes of each regular file.
using Listing = std::map<std::string, std::string>;
Listing List(const fs::path& folder) {
  Listing out;
  for (const auto& e : fs::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    if (e.is_symlink()) {
      out[name] = "link:" + fs::read_symlink(e.path()).string();
    } else if (e.is_regular_file()) {
      out[name] = "file:" + ReadBytes(e.path());
    } else {
      out[name] = "other";
    }
  }
  return out;
}

mode_t ModeOf(const fs::path& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

struct ChildRun {
  int status = -1;
  std::string err;
};

/// umbrix-cli in a child process; with `fileSizeLimit` the child may write no file larger than
/// that, and ignores SIGXFSZ, so that its writes fail as on a full disk.
ChildRun RunCli(const std::vector<std::string>& args, const fs::path& scratch,
                std::optional<rlim_t> fileSizeLimit = std::nullopt) {
  const fs::path err = scratch / "stderr";
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int nullFd = ::open("/dev/null", O_RDWR);
    if (errFd < 0 || nullFd < 0) ::_exit(120);
    ::dup2(nullFd, STDIN_FILENO);
    ::dup2(nullFd, STDOUT_FILENO);
    ::dup2(errFd, STDERR_FILENO);
    if (fileSizeLimit) {
      ::signal(SIGXFSZ, SIG_IGN);  // an ignored signal stays ignored across exec
      const rlimit limit{*fileSizeLimit, *fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(121);
    }
    // the refusals are checked in French, whatever the desktop's language
    std::vector<std::string> all = {UMBRIX_CLI_PATH, "--langue", "fr"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(122);
  }
  ChildRun r;
  int raw = 0;
  if (pid > 0 && ::waitpid(pid, &raw, 0) == pid && WIFEXITED(raw)) r.status = WEXITSTATUS(raw);
  r.err = ReadBytes(err);
  return r;
}

/// Another process that holds a project file as a running instance does, until destroyed.
class OtherInstance {
 public:
  explicit OtherInstance(const fs::path& file) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      auto hold = ProjectFileLock::AcquireExclusiveTested(file);
      const char held = hold ? 'h' : 'x';
      if (::write(ready[1], &held, 1) != 1) ::_exit(1);
      char c = 0;
      while (::read(release[0], &c, 1) > 0) {
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    release_ = release[1];
    char held = 0;
    held_ = ::read(ready[0], &held, 1) == 1 && held == 'h';
    ::close(ready[0]);
  }
  ~OtherInstance() {
    if (release_ >= 0) ::close(release_);
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  }
  OtherInstance(const OtherInstance&) = delete;
  OtherInstance& operator=(const OtherInstance&) = delete;
  bool Held() const { return held_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool held_ = false;
};

/// Reads a named pipe while a child writes into it, until told the child ended; the test holds
/// a writing end too, so the pipe never looks closed and the child's open never waits.
class PipeReader {
 public:
  explicit PipeReader(const fs::path& pipe)
      : fd_(::open(pipe.c_str(), O_RDWR | O_NONBLOCK)), thread_([this] { Read(); }) {}
  ~PipeReader() { Finish(); }
  PipeReader(const PipeReader&) = delete;
  PipeReader& operator=(const PipeReader&) = delete;
  /// Everything the pipe carried once the writer is gone.
  std::string Finish() {
    if (thread_.joinable()) {
      done_ = true;
      thread_.join();
      if (fd_ >= 0) ::close(fd_);
    }
    return bytes_;
  }

 private:
  void Read() {
    char buffer[65536];
    for (;;) {
      pollfd p{fd_, POLLIN, 0};
      const bool ready = fd_ >= 0 && ::poll(&p, 1, 50) > 0;
      const ssize_t n = ready ? ::read(fd_, buffer, sizeof buffer) : 0;
      if (n > 0) {
        bytes_.append(buffer, static_cast<size_t>(n));
      } else if (done_) {
        return;
      }
    }
  }

  int fd_;
  std::atomic<bool> done_ = false;
  std::string bytes_;
  std::thread thread_;
};

enum class Expect { Written, Refused };

/// One destination: how it is made in the folder, the name given to the program, what must
/// come of it.
struct Destination {
  const char* what;
  /// Makes the destination in `dir` (which already holds the loaded project "projet.umd") and
  /// returns the name to give; nothing when this machine cannot make it (the row is skipped).
  std::function<std::optional<std::string>(const fs::path& dir)> make;
  /// The outcome for the project output and for the others (the project may be saved over
  /// itself: that is an ordinary save).
  Expect forProject;
  Expect forExports;
  /// The file that receives the bytes when written (the link's target for a link).
  const char* writtenFile;
  /// Its mode once written; 0 for a new file's (what the file-creation mask leaves of 0666).
  mode_t mode;
  /// The message's words after the name when refused.
  const char* refusal;
  bool fullDisk = false;
  /// A device or a pipe: written in place, and still the same kind of thing afterwards.
  std::optional<fs::file_type> stream = std::nullopt;
};

constexpr const char* kHeld = " : déjà ouvert ou erreur d'ouverture";
constexpr const char* kNotRegular =
    " : erreur d'écriture, le fichier n'a pas été enregistré (le nom ne désigne pas un fichier "
    "ordinaire)";
constexpr const char* kFull =
    " : erreur d'écriture, le fichier n'a pas été enregistré (disque plein)";

std::string Old(const fs::path& file, mode_t mode) {
  WriteBytes(file, kOld);
  fs::permissions(file, static_cast<fs::perms>(mode));
  return file.string();
}

const std::vector<Destination>& Destinations() {
  static const std::vector<Destination> rows = {
      {"a new name", [](const fs::path& d) { return (d / "sortie").string(); }, Expect::Written,
       Expect::Written, "sortie", 0, ""},
      {"an existing file", [](const fs::path& d) { return Old(d / "sortie", 0644); },
       Expect::Written, Expect::Written, "sortie", 0644, ""},
      {"a file of mode 0600", [](const fs::path& d) { return Old(d / "sortie", 0600); },
       Expect::Written, Expect::Written, "sortie", 0600, ""},
      {"a read-only file", [](const fs::path& d) { return Old(d / "sortie", 0444); },
       Expect::Refused, Expect::Refused, "sortie", 0444, kHeld},
      {"a symbolic link",
       [](const fs::path& d) {
         Old(d / "cible", 0640);
         fs::create_symlink("cible", d / "lien");
         return (d / "lien").string();
       },
       Expect::Written, Expect::Written, "cible", 0640, ""},
      {"a dangling link",
       [](const fs::path& d) {
         fs::create_symlink("cible", d / "lien");
         return (d / "lien").string();
       },
       Expect::Written, Expect::Written, "cible", 0, ""},
      {"a folder",
       [](const fs::path& d) {
         fs::create_directory(d / "dossier");
         WriteBytes(d / "dossier" / "dedans.txt", kOld);
         return (d / "dossier").string();
       },
       Expect::Refused, Expect::Refused, nullptr, 0, kNotRegular},
      {"a named pipe",
       [](const fs::path& d) -> std::optional<std::string> {
         if (::mkfifo((d / "tube").c_str(), 0644) != 0) return std::nullopt;
         return (d / "tube").string();
       },
       Expect::Refused, Expect::Written, nullptr, 0, kNotRegular, false, fs::file_type::fifo},
      {"a device",
       [](const fs::path& d) -> std::optional<std::string> {
         // the null device, made inside the folder: a mistake here would harm nothing else
         if (::mknod((d / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
           return std::nullopt;
         }
         return (d / "null").string();
       },
       Expect::Refused, Expect::Written, nullptr, 0, kNotRegular, false, fs::file_type::character},
      {"the loaded project", [](const fs::path& d) { return (d / "projet.umd").string(); },
       Expect::Written, Expect::Refused, "projet.umd", 0644, kHeld},
      {"a project another process holds",
       [](const fs::path& d) {
         fs::copy_file(kExample, d / "autre.umd");
         return (d / "autre.umd").string();
       },
       Expect::Refused, Expect::Refused, "autre.umd", 0644, kHeld},
      {"an existing file on a full disk", [](const fs::path& d) { return Old(d / "sortie", 0644); },
       Expect::Refused, Expect::Refused, "sortie", 0644, kFull, true},
  };
  return rows;
}

class OutputTable : public ::testing::TestWithParam<Output> {};

TEST_P(OutputTable, EachDestinationIsWrittenOrRefusedWithNothingLost) {
  const Output& output = GetParam();
  for (const Destination& row : Destinations()) {
    SCOPED_TRACE(std::string(output.name) + " to " + row.what);
    TempFolder dir;
    TempFolder scratch;  // the child's standard error, outside the folder under watch
    const fs::path project = dir.Path() / "projet.umd";
    fs::copy_file(kExample, project);
    fs::permissions(project, static_cast<fs::perms>(0644));
    const std::optional<std::string> target = row.make(dir.Path());
    if (!target) {
      std::cout << "[ skipped ] " << output.name << " to " << row.what << ": cannot be made here\n";
      continue;
    }
    std::optional<OtherInstance> other;
    if (std::string(row.what) == "a project another process holds") {
      other.emplace(*target);
      ASSERT_TRUE(other->Held());
    }
    const Listing before = List(dir.Path());
    std::optional<PipeReader> reader;
    if (row.stream == fs::file_type::fifo) reader.emplace(*target);

    std::vector<std::string> args = {project.string(), output.option, *target};
    if (output.companion != nullptr) args.emplace_back(output.companion);
    const ChildRun run = RunCli(
        args, scratch.Path(), row.fullDisk ? std::optional<rlim_t>(kFullDiskBytes) : std::nullopt);
    const bool isProject = std::string(output.option) == "--enregistrer";
    const Expect expected = isProject ? row.forProject : row.forExports;
    const Listing after = List(dir.Path());
    const std::string piped = reader ? reader->Finish() : std::string();
    if (row.stream) {
      EXPECT_EQ(fs::symlink_status(*target).type(), *row.stream);
      EXPECT_EQ(after, before);
    }

    if (expected == Expect::Refused) {
      EXPECT_EQ(run.status, kExitFileOrUsage) << run.err;
      EXPECT_NE(run.err.find("Erreur... : " + *target + row.refusal + "\n"), std::string::npos)
          << run.err;
      EXPECT_EQ(after, before);  // every byte, every link, nothing added
      if (row.writtenFile) {
        EXPECT_EQ(ModeOf(dir.Path() / row.writtenFile), row.mode);
      }
      EXPECT_TRUE(piped.empty());
      if (std::string(row.what) == "a folder") {
        EXPECT_EQ(fs::symlink_status(*target).type(), fs::file_type::directory);
      }
      continue;
    }

    EXPECT_EQ(run.status, kExitSuccess) << run.err;
    if (row.stream) {
      // the null device swallows them; the pipe carried the whole output
      if (reader) {
        EXPECT_GT(piped.size(), kFullDiskBytes);
      }
      continue;
    }
    const fs::path written = dir.Path() / row.writtenFile;
    const std::string bytes = ReadBytes(written);
    EXPECT_GT(bytes.size(), kFullDiskBytes);
    EXPECT_NE(bytes, kOld);
    EXPECT_EQ(ModeOf(written), row.mode == 0 ? NewFileMode() : row.mode);
    // only the written file changed or appeared; a link stays the link it was
    Listing expectedAfter = before;
    expectedAfter[row.writtenFile] = "file:" + bytes;
    EXPECT_EQ(after, expectedAfter);
    if (isProject) {
      EXPECT_EQ(bytes.rfind("Umbrix6\r\n", 0), 0u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryOutput, OutputTable, ::testing::ValuesIn(kOutputs),
                         [](const ::testing::TestParamInfo<Output>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace umbrix
