// Two running instances of the program, in two processes: the one that holds a project file keeps
// the other from reading or overwriting it, until it lets go.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "files/FileFixtures.h"

extern char** environ;

namespace umbrix::testing {
namespace {

/// The other instance, with a pipe to its standard input and one from its standard output.
class OtherInstance {
 public:
  OtherInstance(const std::string& mode, const std::string& file) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    std::vector<std::string> args = {UMBRIX_HOLD_PROJECT_PATH, mode, file};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    toChild_ = in[1];
    fromChild_ = out[0];
  }
  ~OtherInstance() {
    Finish();
    if (fromChild_ >= 0) close(fromChild_);
  }
  OtherInstance(const OtherInstance&) = delete;
  OtherInstance& operator=(const OtherInstance&) = delete;

  bool Started() const { return pid_ > 0; }

  /// The next line it prints; empty when it has ended without one.
  std::string ReadLine() {
    std::string line;
    char c = 0;
    while (read(fromChild_, &c, 1) == 1 && c != '\n') line += c;
    return line;
  }

  /// Tells it to let go and waits for its end; its exit status, or -1.
  int Finish() {
    if (toChild_ >= 0) {
      [[maybe_unused]] const ssize_t written = write(toChild_, "\n", 1);
      close(toChild_);
      toChild_ = -1;
    }
    if (pid_ <= 0) return -1;
    int raw = 0;
    const pid_t ended = waitpid(pid_, &raw, 0);
    pid_ = -1;
    return ended > 0 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

 private:
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
};

std::string Refusal(const std::string& file) {
  return file + " : déjà ouvert ou erreur d'ouverture";
}

TEST(TwoProcesses, TheOtherInstanceHoldsTheFileUntilItLetsGo) {
  TempFolder dir;
  const std::string file = dir.File("partagé.umd");
  {
    Session writer;
    writer.form.Enter(Field::Cote, "120");
    ASSERT_TRUE(writer.Save(file).ok);
  }
  const std::string original = ReadBytes(file);

  OtherInstance other("hold", file);
  ASSERT_TRUE(other.Started());
  ASSERT_EQ(other.ReadLine(), "held");

  Session mine;
  mine.form.Enter(Field::Cote, "90");
  const FileResult read = mine.Load(file);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.error.Composed(), Refusal(file));
  EXPECT_EQ(mine.project.Cote.text, "90");
  const FileResult write = mine.Save(file);
  EXPECT_FALSE(write.ok);
  EXPECT_EQ(write.error.Composed(), Refusal(file));
  EXPECT_EQ(ReadBytes(file), original);

  ASSERT_EQ(other.Finish(), 0);
  const FileResult again = mine.Load(file);
  ASSERT_TRUE(again.ok) << again.error.Composed();
  EXPECT_EQ(mine.project.Cote.text, "120");
}

TEST(TwoProcesses, ThisInstanceHoldsTheFileAgainstTheOther) {
  TempFolder dir;
  const std::string file = dir.File("tenu.umd");
  Session mine;
  mine.form.Enter(Field::Cote, "120");
  ASSERT_TRUE(mine.Save(file).ok);
  const std::string original = ReadBytes(file);

  {
    OtherInstance other("try", file);
    ASSERT_TRUE(other.Started());
    EXPECT_EQ(other.ReadLine(), Refusal(file));
    EXPECT_EQ(other.ReadLine(), Refusal(file));
    EXPECT_EQ(other.Finish(), 0);
  }
  EXPECT_EQ(ReadBytes(file), original);

  CloseHeldFile(mine.state, mine.lock);
  OtherInstance other("try", file);
  ASSERT_TRUE(other.Started());
  EXPECT_EQ(other.ReadLine(), "ouvert");
  EXPECT_EQ(other.ReadLine(), "enregistré");
  EXPECT_EQ(other.Finish(), 0);
  EXPECT_NE(ReadBytes(file), original);
}

}  // namespace
}  // namespace umbrix::testing
