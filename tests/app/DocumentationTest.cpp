#include <gtest/gtest.h>

#include <fstream>

#include "app/Documentation.h"
#include "app/FakePlatform.h"
#include "app/ProgramIdentity.h"
#include "support/TempFolder.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::FakeDesktop;
using testing::FakePlatform;
using testing::TempFolder;

class DocumentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin());
    docs_.Register(menus_);
  }
  fs::path bin() const { return folder_.Path() / "bin"; }
  void Touch(const fs::path& p) { std::ofstream(folder_.Path() / p) << "%PDF-1.4"; }

  TempFolder folder_;
  FakePlatform platform_;
  FakeDesktop desktop_;
  Documentation docs_{platform_, desktop_, bin()};
  MenuCommands menus_;
};

TEST_F(DocumentationTest, AbsentManualSaysSoAndNothingElse) {
  EXPECT_TRUE(menus_.Run(MenuId::ManuelUtil1));
  ASSERT_EQ(platform_.messages.size(), 1u);
  EXPECT_EQ(platform_.messages[0], ErrorMessage("Le fichier Manuel.pdf est absent"));
  EXPECT_EQ(platform_.log, std::vector<std::string>{"message:Le fichier Manuel.pdf est absent"});
  // the desktop was not even asked
  EXPECT_TRUE(desktop_.log.empty());
}

TEST_F(DocumentationTest, AFolderNamedLikeTheManualIsNoManual) {
  fs::create_directories(bin() / "Manuel.pdf");
  docs_.OpenManual();
  EXPECT_EQ(platform_.MessageTexts(), std::vector<std::string>{kManualAbsentText});
  EXPECT_TRUE(desktop_.opened.empty());
}

TEST_F(DocumentationTest, EachWayTheDesktopFailsHasItsMessage) {
  Touch("bin/Manuel.pdf");
  const struct {
    OpenOutcome outcome;
    std::vector<std::string> texts;
  } cases[] = {
      {OpenOutcome::Opened, {}},
      {OpenOutcome::FileAbsent, {"Le fichier Manuel.pdf est absent"}},
      {OpenOutcome::NoApplication, {"Aucune application ne peut lire le fichier Manuel.pdf"}},
      {OpenOutcome::OtherFailure, {"Erreur à l'ouverture du fichier Manuel.pdf"}},
  };
  for (const auto& c : cases) {
    platform_.Forget();
    desktop_.opened.clear();
    desktop_.outcome = c.outcome;
    docs_.OpenManual();
    EXPECT_EQ(platform_.MessageTexts(), c.texts) << static_cast<int>(c.outcome);
    for (const Message& m : platform_.messages) {
      EXPECT_EQ(m.kind, MessageKind::Error);
      EXPECT_EQ(m.caption, "Erreur...");
    }
    ASSERT_EQ(desktop_.opened.size(), 1u);
    EXPECT_EQ(desktop_.opened[0], bin() / "Manuel.pdf");
  }
}

TEST_F(DocumentationTest, InstalledManualIsFoundInTheShareFolder) {
  fs::create_directories(folder_.Path() / "share/umbrix");
  Touch("share/umbrix/Manuel.pdf");
  docs_.OpenManual();
  EXPECT_TRUE(platform_.messages.empty());
  ASSERT_EQ(desktop_.opened.size(), 1u);
  EXPECT_EQ(desktop_.opened[0], folder_.Path() / "share/umbrix/Manuel.pdf");
}

TEST_F(DocumentationTest, EachLanguageOpensItsOwnManualAndEnglishFallsBackOnTheFrenchOne) {
  const struct {
    bool englishUi;
    std::vector<const char*> present;
    const char* opened;  // nullptr: the manual is missing
  } cases[] = {
      {false, {"Manuel.pdf", "Manual.pdf"}, "Manuel.pdf"},
      {false, {"Manual.pdf"}, nullptr},
      {true, {"Manuel.pdf", "Manual.pdf"}, "Manual.pdf"},
      {true, {"Manuel.pdf"}, "Manuel.pdf"},
      {true, {}, nullptr},
  };
  for (const auto& c : cases) {
    const TempFolder folder;
    fs::create_directories(folder.Path() / "bin");
    for (const char* name : c.present) std::ofstream(folder.Path() / "bin" / name) << "%PDF-1.4";
    FakePlatform platform;
    FakeDesktop desktop;
    Documentation docs(platform, desktop, folder.Path() / "bin", c.englishUi);
    docs.OpenManual();
    const std::string which = std::string(c.englishUi ? "English with " : "French with ") +
                              std::to_string(c.present.size()) + " manual(s)";
    if (c.opened == nullptr) {
      EXPECT_TRUE(desktop.opened.empty()) << which;
      EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kManualAbsentText}) << which;
    } else {
      EXPECT_EQ(desktop.opened, std::vector<fs::path>{folder.Path() / "bin" / c.opened}) << which;
      EXPECT_TRUE(platform.messages.empty()) << which;
    }
  }
}

TEST_F(DocumentationTest, AideShowsTheFirstPageAndF1ItsTopic) {
  EXPECT_TRUE(menus_.Run(MenuId::Aide1));
  docs_.ShowHelp(9);
  docs_.ShowHelp(40);  // no such page: the first one rather than nothing
  EXPECT_EQ(desktop_.topics, (std::vector<int>{0, 9, 0}));
  EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(DocumentationTest, AboutBoxLineByLine) {
  EXPECT_TRUE(menus_.Run(MenuId::Apropos2));
  ASSERT_EQ(platform_.messages.size(), 1u);
  const Message& about = platform_.messages[0];
  EXPECT_EQ(about.kind, MessageKind::Notice);
  EXPECT_EQ(about.caption, "A propos...");
  EXPECT_EQ(about.text,
            "Version du 3 juin 2012\r\n\r\nEnvoyez la photo de votre cadran à :\r\n     "
            "cadrans@umbrix.org");
  // the print header names the same address
  EXPECT_NE(about.text.find(kPhotoAddress), std::string::npos);
}

}  // namespace
}  // namespace umbrix
