// The named sets of `RunMode` that decide when an entry's change blanks the drawing.

#include <gtest/gtest.h>

#include <array>

#include "model/DialProject.h"

namespace umbrix {
namespace {

struct SetCase {
  const char* name;
  RunModeSet set;
  // membership of the modes 1, 2, 3, 8, then of modes no command sets (0, 4, -1, 31, 32, 1000)
  std::array<bool, 4> commands;
  bool others;
};

TEST(RunModeSet, TheDialogsSetsAndModesFromFiles) {
  const SetCase cases[] = {
      {"A", kDialCommands, {true, true, true, false}, false},
      {"B", kTypedOrientationModes, {false, true, true, true}, false},
      {"C", kPointInstantModes, {true, true, false, true}, false},
      {"D", kPointMarkModes, {true, false, false, true}, false},
      {"any", kAnyMode, {true, true, true, true}, true},
      {"none", RunModeSet{}, {false, false, false, false}, false},
  };
  const RunMode commands[] = {RunMode::Compute, RunMode::Simulate, RunMode::Trace,
                              RunMode::Ephemeris};
  for (const SetCase& c : cases) {
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(c.set.Contains(commands[i]), c.commands[i]) << c.name << " mode " << i;
    }
    for (int other : {0, 4, -1, 31, 32, 1000}) {
      EXPECT_EQ(c.set.Contains(RunMode{other}), c.others) << c.name << " mode " << other;
    }
  }
}

TEST(RunMode, KeepsTheNumbersOfTheProjectFile) {
  EXPECT_EQ(static_cast<int>(RunMode::Compute), 1);
  EXPECT_EQ(static_cast<int>(RunMode::Simulate), 2);
  EXPECT_EQ(static_cast<int>(RunMode::Trace), 3);
  EXPECT_EQ(static_cast<int>(RunMode::Ephemeris), 8);
  EXPECT_EQ(ProjectState{}.RunMode, RunMode::Compute);
}

}  // namespace
}  // namespace umbrix
