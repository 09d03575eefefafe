// Inputs the fuzzer once broke the reader with, kept so they never break it again: each loads or
// is refused with a message, under the sanitizers, in both a user's and a developer's dialog.

#include <gtest/gtest.h>

#include <filesystem>

#include "files/FileFixtures.h"

namespace umbrix::testing {
namespace {

TEST(FuzzInputs, EachLoadsOrIsRefusedWithAMessage) {
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DataFile("fuzz"))) {
    SCOPED_TRACE(entry.path().filename().string());
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"MAP"}}) {
      TempFolder dir;
      Session s(args);
      s.form.Enter(Field::Cote, "120");
      const FileResult r = s.Load(CopyInto(dir.Path(), entry.path()).string());
      EXPECT_EQ(r.ok, s.lock.Held());
      if (!r.ok) {
        EXPECT_FALSE(r.error.Composed().empty());
        EXPECT_EQ(s.project.Cote.text, "120");
      }
    }
    ++seen;
  }
  EXPECT_GE(seen, 1);
}

// The first of them: a plate side of 5E113 read in a version 2 file.
TEST(FuzzInputs, AHugeSideLoadsWithoutDateLabels) {
  TempFolder dir;
  Session s;
  const FileResult r = s.Load(DataFileCopy(dir, "fuzz/side-beyond-any-date.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  EXPECT_EQ(s.project.Coteh.value, 80);
  EXPECT_GT(s.project.Cotel.value, 1e100);
  EXPECT_EQ(s.project.Adate1, "");
}

}  // namespace
}  // namespace umbrix::testing
