// The desk-dial settings file: its name, its thirteen lines, the header check, and the exchange
// on entering and leaving the mode.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/DeskSettings.h"
#include "files/FileFixtures.h"
#include "files/TextLines.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(DeskPath, BesideTheProjectOrInTheUserFolderWhenUntitled) {
  EXPECT_EQ(DeskSettingsPath("/home/a/cadran.umd", "/home/a/.config/umbrix"), "/home/a/cadran.umb");
  EXPECT_EQ(DeskSettingsPath("/home/a/cadran", "/cfg"), "/home/a/cadran.umb");
  EXPECT_EQ(DeskSettingsPath("/home/a/v1.2.umd", "/cfg"), "/home/a/v1.2.umb");
  EXPECT_EQ(DeskSettingsPath("", "/cfg"), "/cfg/sans-titre.umb");
}

TEST(DeskLines, FourteenLinesWithTheirComments) {
  DeskSettings s;
  s.leftNormal = -8;
  s.maximizedNormal = 1;
  s.stayOnTopDesktop = 0;
  s.reportWidthNormal = 0;
  const std::vector<std::string> expected = {
      "UmbrixBur1",          "-8 'Left normal",      "100 'Top normal",       "100 'Width normal",
      "100 'Height normal",  "100 'MinWidth normal", "100 'MinHeight normal", "1 'Maximized normal",
      "100 'Left desktop",   "100 'Top desktop",     "100 'Width desktop",    "100 'Height desktop",
      "0 'StayOnTop desktop", "0 'ReportWidth normal"};
  EXPECT_EQ(BuildDeskSettingsLines(s), expected);
  EXPECT_EQ(ParseDeskSettings(expected), s);
  // an earlier version's file without the report pane's width, or with a blank one, still reads
  std::vector<std::string> older = expected;
  older.back() = " 'ReportWidth normal";
  EXPECT_EQ(ParseDeskSettings(older), s);
  older.pop_back();
  EXPECT_EQ(ParseDeskSettings(older), s);
}

TEST(DeskLines, ValuesThatAreNotWholeNumbersGiveNothing) {
  std::vector<std::string> lines = BuildDeskSettingsLines(DeskSettings{});
  lines[5] = "12.5 'MinWidth normal";
  EXPECT_FALSE(ParseDeskSettings(lines).has_value());
  lines.resize(6);
  EXPECT_FALSE(ParseDeskSettings(lines).has_value());
  lines = BuildDeskSettingsLines(DeskSettings{});
  lines[1] = " 1 2 'Left normal";  // blanks go, as in a project file
  EXPECT_EQ(ParseDeskSettings(lines)->leftNormal, 12);
}

TEST(DeskHeader, AnotherFirstWordIsFormatIncorrect) {
  TempFolder dir;
  EXPECT_FALSE(CheckDeskSettingsHeader(dir.File("absent.umb")).has_value());
  WriteBytes(dir.File("good.umb"), "UmbrixBur9 whatever\r\n");
  EXPECT_FALSE(CheckDeskSettingsHeader(dir.File("good.umb")).has_value());
  WriteBytes(dir.File("bad.umb"), "Umbrix6\r\n");
  const auto error = CheckDeskSettingsHeader(dir.File("bad.umb"));
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(testing::AsShown(*error), ErrorMessage(dir.File("bad.umb") + " : format incorrect"));
  WriteBytes(dir.File("empty.umb"), "");
  EXPECT_TRUE(CheckDeskSettingsHeader(dir.File("empty.umb")).has_value());
}

// A settings file that is a named pipe would block the reader until a writer came; it is refused
// at once, and entering the mode then neither waits nor replaces the pipe.
TEST(DeskHeader, APipeIsRefusedWithoutWaitingAndNeverReplaced) {
  TempFolder dir;
  const std::string pipe = dir.File("tube.umb");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_EQ(testing::AsShown(CheckDeskSettingsHeader(pipe)),
            ErrorMessage(pipe + " : déjà ouvert ou erreur d'ouverture"));
  DeskSettingsFile desk;
  const auto entered = desk.Enter(pipe, {30, 40, 760, 638, 541, 420, 0}, 25, 35);
  ASSERT_TRUE(entered.error.has_value());
  EXPECT_EQ(entered.error->Composed(), pipe +
                                     " : erreur d'écriture, le fichier n'a pas été enregistré "
                                     "(le nom ne désigne pas un fichier ordinaire)");
  EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
}

TEST(DeskExchange, FirstUseOpensASmallWindowAtTheCurrentPosition) {
  TempFolder dir;
  const std::string file = dir.File("cadran.umb");
  DeskSettingsFile desk;
  const WindowGeometry normal{30, 40, 760, 638, 541, 420, 1, 320};
  const auto entered = desk.Enter(file, normal, 25, 35);
  EXPECT_FALSE(entered.error.has_value());
  EXPECT_EQ(entered.geometry, (WindowGeometry{25, 35, 160, 160, 160, 160, 0}));
  EXPECT_TRUE(desk.Active());

  const auto lines = DecodeLines(ReadBytes(file));
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "UmbrixBur1");
  EXPECT_EQ(lines[13], "320 'ReportWidth normal");
  EXPECT_EQ(lines[1], "30 'Left normal");
  EXPECT_EQ(lines[7], "1 'Maximized normal");
  for (int i = 8; i <= 12; ++i) EXPECT_EQ(FieldValueOf(lines[i]), "100") << i;
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(file));  // held while the mode lasts

  const auto left = desk.Leave({500, 20, 180, 190, 160, 160, 1});
  EXPECT_FALSE(left.error.has_value());
  EXPECT_EQ(left.geometry, normal);  // restored exactly, maximized again
  EXPECT_FALSE(desk.Active());
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(file));
  const auto stored = ParseDeskSettings(DecodeLines(ReadBytes(file)));
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->leftDesktop, 500);
  EXPECT_EQ(stored->heightDesktop, 190);
  EXPECT_EQ(stored->stayOnTopDesktop, 1);
  EXPECT_EQ(stored->widthNormal, 760);
}

TEST(DeskExchange, TheNextUseReopensTheDeskWindowWhereItWas) {
  TempFolder dir;
  const std::string file = dir.File("cadran.umb");
  {
    DeskSettingsFile desk;
    desk.Enter(file, {0, 0, 700, 600, 541, 420, 0}, 0, 0);
    desk.Leave({900, 50, 200, 210, 160, 160, 1});
  }
  DeskSettingsFile desk;
  const auto entered = desk.Enter(file, {10, 10, 800, 700, 541, 420, 0}, 10, 10);
  EXPECT_EQ(entered.geometry, (WindowGeometry{900, 50, 200, 210, 160, 160, 1}));
  const auto left = desk.Leave({901, 51, 200, 210, 160, 160, 0});
  EXPECT_EQ(left.geometry, (WindowGeometry{10, 10, 800, 700, 541, 420, 0}));
}

TEST(DeskExchange, BadValuesFallBackToAFirstUse) {
  TempFolder dir;
  const std::string file = dir.File("cadran.umb");
  std::vector<std::string> lines = BuildDeskSettingsLines(DeskSettings{});
  lines[9] = "haut 'Top desktop";
  WriteBytes(file, EncodeLines(lines));
  DeskSettingsFile desk;
  const auto entered = desk.Enter(file, {1, 2, 3, 4, 5, 6, 0}, 70, 80);
  EXPECT_EQ(entered.geometry, (WindowGeometry{70, 80, 160, 160, 160, 160, 0}));
  EXPECT_EQ(ParseDeskSettings(DecodeLines(ReadBytes(file)))->topDesktop, 100);
}

TEST(DeskExchange, AnUnwritableFolderIsReportedAndTheModeGoesOn) {
  TempFolder dir;
  DeskSettingsFile desk;
  const auto entered = desk.Enter(dir.File("absent/cadran.umb"), {0, 0, 500, 400, 400, 300, 0}, 5, 6);
  ASSERT_TRUE(entered.error.has_value());
  EXPECT_NE(entered.error->Composed().find("erreur d'écriture"), std::string::npos);
  EXPECT_EQ(entered.geometry.width, 160);
  const auto left = desk.Leave({0, 0, 160, 160, 160, 160, 0});
  EXPECT_EQ(left.geometry, (WindowGeometry{0, 0, 500, 400, 400, 300, 0}));
  EXPECT_TRUE(left.error.has_value());
}

}  // namespace
}  // namespace umbrix
