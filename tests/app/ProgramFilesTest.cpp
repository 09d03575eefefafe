#include "app/ProgramFiles.h"

#include <gtest/gtest.h>

#include <fstream>

namespace umbrix {
namespace {

namespace fs = std::filesystem;

class ProgramFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("umbrix-files-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
    fs::create_directories(root_ / "share/umbrix");
  }
  void TearDown() override { fs::remove_all(root_); }
  void Touch(const fs::path& p) { std::ofstream(root_ / p) << "x"; }
  fs::path root_;
};

TEST_F(ProgramFilesTest, FileBesideTheProgramComesFirst) {
  Touch("bin/Manuel.pdf");
  Touch("share/umbrix/Manuel.pdf");
  EXPECT_EQ(LocateProgramFile(root_ / "bin", "Manuel.pdf"), root_ / "bin/Manuel.pdf");
}

TEST_F(ProgramFilesTest, InstalledShareFolderWhenNothingIsBesideTheProgram) {
  Touch("share/umbrix/Manuel.pdf");
  EXPECT_EQ(LocateProgramFile(root_ / "bin", "Manuel.pdf"), root_ / "share/umbrix/Manuel.pdf");
}

TEST_F(ProgramFilesTest, AbsentEverywhereNamesThePathBesideTheProgram) {
  EXPECT_EQ(LocateProgramFile(root_ / "bin", "Manuel.pdf"), root_ / "bin/Manuel.pdf");
  EXPECT_FALSE(fs::exists(LocateProgramFile(root_ / "bin", "Manuel.pdf")));
}

TEST_F(ProgramFilesTest, FoldersAreFoundLikeFiles) {
  fs::create_directories(root_ / "share/umbrix/examples");
  EXPECT_EQ(LocateProgramFile(root_ / "bin", "examples"), root_ / "share/umbrix/examples");
}

}  // namespace
}  // namespace umbrix
