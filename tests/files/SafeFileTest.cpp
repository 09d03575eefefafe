// The one writer of every file: its messages, links, holds and what it never replaces. Every
// output against every destination is the command line's table test.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "files/FileFixtures.h"
#include "files/SafeFile.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

size_t EntriesIn(const fs::path& folder) {
  return static_cast<size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(WriteFailureMessage, OneMessagePerCauseTheSameForEveryOutput) {
  const struct {
    WriteCause cause;
    const char* text;
  } rows[] = {
      {WriteCause::DiskFull,
       "a.dxf : erreur d'écriture, le fichier n'a pas été enregistré (disque plein)"},
      {WriteCause::AccessRefused,
       "a.dxf : erreur d'écriture, le fichier n'a pas été enregistré (accès refusé)"},
      {WriteCause::FolderMissing,
       "a.dxf : erreur d'écriture, le fichier n'a pas été enregistré (dossier introuvable)"},
      {WriteCause::NotRegularFile,
       "a.dxf : erreur d'écriture, le fichier n'a pas été enregistré (le nom ne désigne pas un "
       "fichier ordinaire)"},
      {WriteCause::InputOutput,
       "a.dxf : erreur d'écriture, le fichier n'a pas été enregistré (erreur d'entrée-sortie)"},
      // as a file another program has open: the project file's own words
      {WriteCause::ReadOnlyFile, "a.dxf : déjà ouvert ou erreur d'ouverture"},
      {WriteCause::FileHeld, "a.dxf : déjà ouvert ou erreur d'ouverture"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(testing::AsShown(WriteFailureMessage("a.dxf", row.cause)), ErrorMessage(row.text));
  }
}

TEST(WriteFileSafely, WritesTheBytesExactlyAndLeavesNoTemporary) {
  TempFolder dir;
  const std::string bytes = std::string("a\0b\r\n", 5) + std::string(100000, 'x');
  EXPECT_EQ(WriteFileSafely(dir.File("f"), bytes), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("f")), bytes);
  EXPECT_EQ(WriteFileSafely(dir.File("f"), "court"), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("f")), "court");
  EXPECT_EQ(WriteFileSafely(dir.File("vide"), ""), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("vide")), "");
  EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

TEST(WriteFileSafely, FollowsAChainOfLinksAndRefusesALoop) {
  TempFolder dir;
  WriteBytes(dir.File("fin"), "ancien");
  fs::create_symlink("fin", dir.File("un"));
  fs::create_symlink(dir.File("un"), dir.File("deux"));  // absolute, then relative
  EXPECT_EQ(WriteFileSafely(dir.File("deux"), "neuf"), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("fin")), "neuf");
  EXPECT_TRUE(fs::is_symlink(dir.File("un")));
  EXPECT_TRUE(fs::is_symlink(dir.File("deux")));

  // a dangling chain creates the file at its end, in the folder the last link names
  fs::create_directory(dir.File("sous"));
  fs::create_symlink("sous/nouveau", dir.File("pend"));
  EXPECT_EQ(WriteFileSafely(dir.File("pend"), "créé"), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("sous/nouveau")), "créé");

  fs::create_symlink("boucle-b", dir.File("boucle-a"));
  fs::create_symlink("boucle-a", dir.File("boucle-b"));
  EXPECT_EQ(WriteFileSafely(dir.File("boucle-a"), "x"), WriteCause::NotRegularFile);
  // a link into a missing folder
  fs::create_symlink("absent/f", dir.File("perdu"));
  EXPECT_EQ(WriteFileSafely(dir.File("perdu"), "x"), WriteCause::FolderMissing);
  EXPECT_EQ(EntriesIn(dir.Path()), 8u);
}

TEST(WriteFileSafely, NamesThatAreNoFileAreRefused) {
  TempFolder dir;
  EXPECT_EQ(WriteFileSafely("", "x"), WriteCause::NotRegularFile);
  EXPECT_EQ(WriteFileSafely(dir.Path() / "", "x"), WriteCause::NotRegularFile);  // "dir/"
  EXPECT_EQ(WriteFileSafely(dir.File("absent/f"), "x"), WriteCause::FolderMissing);
  WriteBytes(dir.File("fichier"), "ancien");
  EXPECT_EQ(WriteFileSafely(dir.File("fichier/f"), "x"), WriteCause::FolderMissing);
  EXPECT_EQ(ReadBytes(dir.File("fichier")), "ancien");
}

TEST(WriteFileSafely, AHeldWriteComesBackHeldUnderItsTargetsName) {
  TempFolder dir;
  WriteBytes(dir.File("cible.umd"), "ancien");
  fs::create_symlink("cible.umd", dir.File("lien.umd"));
  ProjectFileLock hold;
  EXPECT_EQ(WriteFileSafely(dir.File("lien.umd"), "Umbrix6\r\n", &hold), std::nullopt);
  ASSERT_TRUE(hold.Held());
  EXPECT_EQ(hold.Path(), fs::canonical(dir.File("cible.umd")));
  EXPECT_EQ(hold.ReadAll(), "Umbrix6\r\n");
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(dir.File("cible.umd")));
  // and an export never replaces it, by either name
  EXPECT_EQ(WriteOutputFile(dir.File("lien.umd"), "dxf"),
            WriteFailureMessage(dir.File("lien.umd"), WriteCause::FileHeld));
  EXPECT_EQ(ReadBytes(dir.File("cible.umd")), "Umbrix6\r\n");
  hold.Release();
  EXPECT_EQ(WriteOutputFile(dir.File("lien.umd"), "dxf"), std::nullopt);
  EXPECT_EQ(ReadBytes(dir.File("cible.umd")), "dxf");
}

TEST(WriteFileSafely, ANewFileTakesTheCreationMaskAndAReplacedOneKeepsItsMode) {
  TempFolder dir;
  const mode_t previous = ::umask(077);
  EXPECT_EQ(WriteFileSafely(dir.File("prive"), "x"), std::nullopt);
  ::umask(previous);
  EXPECT_EQ(fs::status(dir.File("prive")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(dir.File("prive"), fs::perms::owner_read | fs::perms::owner_write |
                                         fs::perms::group_read | fs::perms::others_read |
                                         fs::perms::owner_exec);
  EXPECT_EQ(WriteFileSafely(dir.File("prive"), "y"), std::nullopt);
  EXPECT_EQ(static_cast<int>(fs::status(dir.File("prive")).permissions()), 0744);
}

}  // namespace
}  // namespace umbrix
