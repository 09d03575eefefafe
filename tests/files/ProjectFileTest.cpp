// Saving and loading project files: round trips, every older version, malformed and truncated
// files, the held file against a second instance, and saves that fail without harm.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/FileFixtures.h"
#include "files/TextLines.h"
#include "model/Dates.h"
#include "support/ShownMessages.h"

namespace umbrix {
namespace {

using testing::DataFile;
using testing::Dialog;
using testing::FillEverything;
using testing::ReadBytes;
using testing::Session;
using testing::TempFolder;
using testing::WriteBytes;

bool IsDateOrTime(Field f) {
  switch (f) {
    case Field::Date1:
    case Field::Date2:
    case Field::Dadiur:
    case Field::Heure1:
    case Field::Heure2:
    case Field::Hediur:
    case Field::MiJour:
      return true;
    default:
      return false;
  }
}

// Two projects hold the same entries, boxes, options and comments. Dates and times are compared
// by value, since the file writes them in their canonical form.
void ExpectSameProject(const DialProject& a, const DialProject& b, bool withTestTab) {
  for (int i = 0; i < kFieldCount; ++i) {
    const Field f = static_cast<Field>(i);
    EXPECT_EQ(a.At(f).given, b.At(f).given) << FieldName(f);
    if (a.At(f).given) {
      EXPECT_NEAR(a.At(f).value, b.At(f).value, 1e-12) << FieldName(f);
    }
    if (!IsDateOrTime(f)) {
      EXPECT_EQ(a.At(f).text, b.At(f).text) << FieldName(f);
    }
  }
  EXPECT_EQ(a.Adate1, b.Adate1);
  EXPECT_EQ(a.Aheure2, b.Aheure2);
  EXPECT_EQ(a.Amijour, b.Amijour);
  EXPECT_EQ(a.Adadiur, b.Adadiur);
  EXPECT_EQ(a.Ahediur, b.Ahediur);
  EXPECT_EQ(a.Plate.XMin, b.Plate.XMin);
  EXPECT_EQ(a.Plate.YMax, b.Plate.YMax);
  EXPECT_EQ(a.Rectg, b.Rectg);
  EXPECT_EQ(a.Hautf, b.Hautf);
  EXPECT_EQ(a.Limite, b.Limite);
  EXPECT_EQ(a.Nord, b.Nord);
  EXPECT_EQ(a.Mijou, b.Mijou);
  EXPECT_EQ(a.Locc, b.Locc);
  EXPECT_EQ(a.Hvrai, b.Hvrai);
  EXPECT_EQ(a.Est, b.Est);
  EXPECT_EQ(a.Dest, b.Dest);
  EXPECT_EQ(a.TypeHeureItem, b.TypeHeureItem);
  EXPECT_EQ(a.TypeHeure, b.TypeHeure);
  EXPECT_EQ(a.Comments, b.Comments);
  const DrawingOptions& x = a.Options;
  const DrawingOptions& y = b.Options;
  EXPECT_EQ(x.HourSubdivisions, y.HourSubdivisions);
  EXPECT_EQ(x.SignArcs, y.SignArcs);
  const MenuOption DrawingOptions::*items[] = {
      &DrawingOptions::Lighor1,     &DrawingOptions::LhLim,      &DrawingOptions::HiverPrintemps1,
      &DrawingOptions::EteAutomne1, &DrawingOptions::MenDat,     &DrawingOptions::HiverPrintemps2,
      &DrawingOptions::EteAutomne2, &DrawingOptions::N2points1,  &DrawingOptions::Axes1,
      &DrawingOptions::Carreaux1,   &DrawingOptions::Horizon1,   &DrawingOptions::Refrac1,
      &DrawingOptions::Ombre1,      &DrawingOptions::Visible1,   &DrawingOptions::Style1,
      &DrawingOptions::Gnomon1,     &DrawingOptions::Italiques1, &DrawingOptions::Babyloniques1,
      &DrawingOptions::Temporaires1};
  for (size_t i = 0; i < std::size(items); ++i) {
    EXPECT_EQ((x.*items[i]).checked, (y.*items[i]).checked) << "option " << i;
    EXPECT_EQ((x.*items[i]).enabled, (y.*items[i]).enabled) << "option " << i;
  }
  if (withTestTab) {
    for (int i = 0; i < kTestFieldCount; ++i) {
      EXPECT_EQ(a.Test[i].text, b.Test[i].text) << "Edit" << 20 + i;
      EXPECT_EQ(a.Test[i].value, b.Test[i].value) << "Edit" << 20 + i;
    }
    EXPECT_EQ(a.Corref, b.Corref);
    EXPECT_EQ(a.Pta12h, b.Pta12h);
  }
}

// ---- round trips

TEST(RoundTrip, EveryOptionalLineComesBack) {
  TempFolder dir;
  Session writer;
  FillEverything(writer);
  const FileResult saved = writer.Save(dir.File("full.umd"), false, {"rapport 1", "rapport 2"});
  ASSERT_TRUE(saved.ok) << saved.error.Composed();
  EXPECT_FALSE(writer.state.Modified);
  EXPECT_EQ(writer.state.ProjectFileName, dir.File("full.umd"));
  EXPECT_TRUE(writer.state.ProjectFileHeld);
  writer.lock.Release();  // let the second instance in

  Session reader;
  const FileResult loaded = reader.Load(dir.File("full.umd"));
  ASSERT_TRUE(loaded.ok) << loaded.error.Composed();
  ExpectSameProject(writer.project, reader.project, false);
  EXPECT_EQ(reader.state.RunMode, RunMode{2});
  EXPECT_FALSE(reader.state.TestDataValid);
  EXPECT_FALSE(reader.state.Modified);
  EXPECT_EQ(reader.project.At(TestField::Edit20).text, "");  // reduced format
}

TEST(RoundTrip, ExtendedFormatCarriesTheTestTab) {
  TempFolder dir;
  Session writer({"MAP"});
  FillEverything(writer);
  writer.form.SetChecked(Check::Pta12h, true);
  ASSERT_TRUE(writer.Save(dir.File("ext.umd"), true).ok);
  EXPECT_EQ(ReadBytes(dir.File("ext.umd")).substr(0, 10), "Umbrix6d\r\n");
  writer.lock.Release();

  Session reader({"MAP"});
  const FileResult loaded = reader.Load(dir.File("ext.umd"));
  ASSERT_TRUE(loaded.ok) << loaded.error.Composed();
  ExpectSameProject(writer.project, reader.project, true);
  EXPECT_TRUE(reader.state.TestDataValid);
}

TEST(RoundTrip, AlmostEmptyProjectWritesTheFewestLines) {
  TempFolder dir;
  Session writer;
  writer.form.Enter(Field::Cote, "100");
  writer.form.SetChecked(Check::Hvrai, false);
  ASSERT_TRUE(writer.Save(dir.File("small.umd")).ok);
  EXPECT_EQ(SplitLines(ReadBytes(dir.File("small.umd"))).size(), 41u + 2);
  writer.lock.Release();

  Session reader;
  reader.form.SetChecked(Check::Rectg, true);  // a different project was open before
  reader.form.Enter(Field::Coteh, "30");
  reader.form.SetChecked(Check::Limite, true);
  reader.form.Enter(Field::Lat, "10");
  ASSERT_TRUE(reader.Load(dir.File("small.umd")).ok);
  ExpectSameProject(writer.project, reader.project, false);
}

TEST(RoundTrip, CommentsKeepTheirAccentsAndBlankLines) {
  TempFolder dir;
  Session writer;
  writer.form.Enter(Field::Cote, "100");
  writer.project.Comments = "Côté jardin\r\n\r\n--- fin ---\r\n";
  ASSERT_TRUE(writer.Save(dir.File("c.umd")).ok);
  const std::string bytes = ReadBytes(dir.File("c.umd"));
  EXPECT_NE(bytes.find("---\r\nC\xF4t\xE9 jardin\r\n\r\n--- fin ---\r\n---\r\n"),
            std::string::npos);
  writer.lock.Release();
  Session reader;
  ASSERT_TRUE(reader.Load(dir.File("c.umd")).ok);
  EXPECT_EQ(reader.project.Comments, writer.project.Comments);
}

// The old hours follow the comments' closing separator, where a reader that does not know them
// stops; without them the file is what it always was.
TEST(RoundTrip, OldHoursFollowTheCommentsAndComeBack) {
  TempFolder dir;
  Session writer;
  FillEverything(writer);
  const std::vector<std::string> report = {"Indice de précision : 0.03", "Heures italiques :"};
  ASSERT_TRUE(writer.Save(dir.File("plain.umd"), false, report).ok);
  const std::string plain = ReadBytes(dir.File("plain.umd"));
  writer.project.Options.Babyloniques1.checked = writer.project.Options.Temporaires1.checked = true;
  ASSERT_TRUE(writer.Save(dir.File("old.umd"), false, report).ok);
  writer.lock.Release();
  const std::string closing = "Troisi\xE8me\r\n---\r\n";
  const std::size_t after = plain.find(closing) + closing.size();
  EXPECT_EQ(ReadBytes(dir.File("old.umd")),
            plain.substr(0, after) +
                "Non 'Heures italiques\r\nOui 'Heures babyloniques\r\nOui 'Heures temporaires\r\n" +
                plain.substr(after));
  for (const bool old : {true, false}) {
    Session reader;
    reader.project.Options.Italiques1.checked = true;  // another project showed them before
    ASSERT_TRUE(reader.Load(dir.File(old ? "old.umd" : "plain.umd")).ok);
    writer.project.Options.Babyloniques1.checked = writer.project.Options.Temporaires1.checked =
        old;
    ExpectSameProject(writer.project, reader.project, false);
  }
}

TEST(Save, UnrepresentableCharactersBecomeQuestionMarksAndTheUserIsTold) {
  TempFolder dir;
  Session s;
  s.project.Comments = "flèche → nord\r\n";
  const FileResult r = s.Save(dir.File("q.umd"));
  ASSERT_TRUE(r.ok);
  EXPECT_NE(ReadBytes(dir.File("q.umd"))
                .find("fl\xE8"
                      "che ? nord\r\n"),
            std::string::npos);
  ASSERT_TRUE(r.warning.has_value());
  EXPECT_EQ(*r.warning, InfoMessage(kReplacedCharactersText));

  s.project.Comments = "flèche vers le nord\r\n";
  EXPECT_FALSE(s.Save(dir.File("q.umd")).warning.has_value());
}

// ---- older versions written by hand

TEST(Versions, Version1ReadsOneSideAndTakesEveryDefault) {
  Session s;
  s.project.Options.Axes1.checked = true;  // options a version 1 file does not hold stay
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v1.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  EXPECT_FALSE(p.Rectg);
  EXPECT_EQ(p.Cote.text, "120");
  EXPECT_EQ(p.Plate.XMax, 60);
  EXPECT_EQ(p.Gnomon.value, 60);
  EXPECT_FALSE(p.Hautf);
  EXPECT_EQ(p.Date1.value, SerialFromCivil({2005, 6, 21}));
  EXPECT_EQ(p.Date1.text, "21/06/2005");
  EXPECT_EQ(p.Heure2.value, 15.0 / 24);
  EXPECT_EQ(p.Mesx1.value, -20.5);
  EXPECT_EQ(p.Mesy2.value, 30.2);
  EXPECT_TRUE(p.Limite);
  EXPECT_NEAR(p.Lat.value, 48 + 50 / 60.0, 1e-12);
  EXPECT_TRUE(p.Locc);
  EXPECT_FALSE(p.Hvrai);
  EXPECT_NEAR(p.Long.value, -(2 + 20 / 60.0), 1e-12);
  EXPECT_EQ(p.FusHor.value, 1);
  EXPECT_EQ(p.Carreau.text, "50");
  EXPECT_EQ(p.Dadiur.value, kStartupDadiurSerial);
  EXPECT_EQ(p.TypeHeureItem, 0);
  EXPECT_EQ(p.Hediur.text, "12:00:00");
  EXPECT_FALSE(p.DecEd.given || p.IncEd.given || p.RotEd.given);
  EXPECT_TRUE(p.Dest);
  EXPECT_FALSE(p.Options.Refrac1.checked);
  EXPECT_TRUE(p.Options.Refrac1.enabled);
  EXPECT_TRUE(p.Options.Axes1.checked);
  EXPECT_TRUE(p.Options.Style1.checked);
  EXPECT_EQ(s.state.RunMode, RunMode{1});
  EXPECT_EQ(p.Comments, "Cadran de la maison, côté sud\r\n");
}

TEST(Versions, Version2OpensWithGridDateTimeDefaultsAndNoSimulation) {
  Session s;
  s.form.Enter(Field::DecEd, "40");
  s.form.Enter(Field::Carreau, "10");
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v2.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  EXPECT_TRUE(p.Rectg);
  EXPECT_EQ(p.Plate.XMax, 75);
  EXPECT_EQ(p.Plate.YMin, -40);
  EXPECT_FALSE(p.Cote.given);
  EXPECT_TRUE(p.Hautf);
  EXPECT_EQ(p.Gnomf.value, 40);
  EXPECT_EQ(p.Gnomx.value, 10);
  EXPECT_EQ(p.Gnomy.value, -5);
  EXPECT_FALSE(p.Date2.given);
  EXPECT_FALSE(p.Limite);
  EXPECT_EQ(p.Carreau.value, 50);
  EXPECT_EQ(p.Dadiur.text, "01/01/2010");
  EXPECT_EQ(p.Hediur.value, 0.5);
  EXPECT_FALSE(p.DecEd.given);
  EXPECT_EQ(p.Comments, "");
}

TEST(Versions, Version3ReadsYesNoSubdivisionsAndTheVisibleGnomonPair) {
  Session s;
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v3.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  const DrawingOptions& o = p.Options;
  EXPECT_EQ(p.Cote.value, 200);
  EXPECT_NEAR(p.Lat.value, -33.5, 1e-12);
  EXPECT_FALSE(p.Nord);
  EXPECT_TRUE(p.Mijou);
  EXPECT_EQ(p.MiJour.text, "12:14:00");
  EXPECT_FALSE(p.Locc);
  EXPECT_EQ(p.Carreau.value, 25);
  EXPECT_EQ(o.HourSubdivisions, 2);
  EXPECT_FALSE(o.Lighor1.checked);
  EXPECT_TRUE(o.N2points1.checked);
  EXPECT_FALSE(o.Axes1.checked);
  EXPECT_TRUE(o.Carreaux1.checked);
  EXPECT_TRUE(o.Horizon1.checked);
  EXPECT_EQ(o.SignArcs, 7);
  EXPECT_TRUE(o.EteAutomne1.checked);
  EXPECT_FALSE(o.HiverPrintemps1.checked);
  EXPECT_TRUE(o.Gnomon1.checked);
  EXPECT_TRUE(o.Visible1.checked);  // first line no, but a gnomon is drawn
  EXPECT_FALSE(o.Style1.checked);
  EXPECT_EQ(p.Dadiur.value, kStartupDadiurSerial);
  EXPECT_EQ(s.state.RunMode, RunMode{1});
  EXPECT_EQ(p.Comments, "Première ligne\r\nDeuxième ligne, l'été\r\n");
}

TEST(Versions, Version4ReadsTheDiversLinesButNoSimulation) {
  Session s;
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v4.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  const DrawingOptions& o = p.Options;
  EXPECT_EQ(o.HourSubdivisions, 4);
  EXPECT_EQ(o.SignArcs, 3);
  EXPECT_TRUE(o.MenDat.checked);
  EXPECT_EQ(p.Dadiur.value, SerialFromCivil({2011, 3, 21}));
  EXPECT_EQ(p.Adadiur, "21 mars 2011");
  EXPECT_TRUE(o.EteAutomne2.checked);
  EXPECT_FALSE(o.HiverPrintemps2.checked);
  EXPECT_TRUE(o.LhLim.checked);
  EXPECT_TRUE(o.Ombre1.checked);
  EXPECT_EQ(p.TypeHeureItem, 1);
  EXPECT_EQ(p.TypeHeure, -1.0 / 24);
  EXPECT_EQ(p.Hediur.value, 14.5 / 24);
  EXPECT_FALSE(o.EteAutomne1.checked);
  EXPECT_TRUE(o.HiverPrintemps1.checked);
  EXPECT_TRUE(o.Style1.checked);
  EXPECT_FALSE(o.Gnomon1.checked);
  EXPECT_FALSE(o.Refrac1.checked);
  EXPECT_FALSE(p.DecEd.given);
  EXPECT_EQ(s.state.RunMode, RunMode{1});
}

TEST(Versions, Version5ReadsSimulationAndValuesWithBlanks) {
  Session s;
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v5.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  EXPECT_TRUE(p.Locc);
  EXPECT_FALSE(p.Est);
  EXPECT_EQ(p.Long.text, "5°45");
  EXPECT_EQ(p.Long.value, 5.75);
  EXPECT_EQ(p.FusHor.text, "-3:30");
  EXPECT_EQ(p.FusHor.value, -3.5);
  EXPECT_EQ(p.Options.HourSubdivisions, 6);
  EXPECT_TRUE(p.Options.Refrac1.checked);
  EXPECT_EQ(p.TypeHeure, 1.0 / 24);
  EXPECT_FALSE(p.Dest);
  EXPECT_EQ(p.DecEd.value, 15);
  EXPECT_EQ(p.IncEd.value, 90);
  EXPECT_EQ(p.RotEd.value, -5);
  EXPECT_FALSE(p.Hvrai);
  EXPECT_EQ(s.state.RunMode, RunMode{2});
  EXPECT_EQ(p.Comments, "Mur ouest\r\n");
}

TEST(Versions, Version6ReadsSolarHoursWithoutPlaceLimit) {
  Session s;
  TempFolder dir;
  const FileResult r = s.Load(DataFileCopy(dir, "v6.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  const DialProject& p = s.project;
  EXPECT_FALSE(p.Limite);
  EXPECT_TRUE(p.Hvrai);
  EXPECT_FALSE(p.Locc);
  EXPECT_EQ(p.Long.value, 4.35);
  EXPECT_TRUE(p.FusHor.given);
  EXPECT_EQ(p.FusHor.value, 0);
  EXPECT_FALSE(p.Options.HiverPrintemps1.enabled);
  EXPECT_TRUE(p.Options.HiverPrintemps2.checked);
  EXPECT_EQ(p.Options.SignArcs, 1);
  EXPECT_EQ(p.Hediur.text, "09:00:00");
  EXPECT_EQ(s.state.RunMode, RunMode{3});
  EXPECT_FALSE(s.state.TestDataValid);
  EXPECT_EQ(p.Comments, "Cadran solaire, côté jardin\r\n");
}

TEST(Versions, ExtendedFileOpensOnlyInTestMode) {
  Session plain;
  plain.form.Enter(Field::Cote, "77");
  plain.state.Modified = true;
  TempFolder dir;
  const std::string extended = DataFileCopy(dir, "v6d.umd");
  const FileResult refused = plain.Load(extended);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(testing::AsShown(refused.error), ErrorMessage(extended + " : format incorrect"));
  EXPECT_EQ(plain.project.Cote.text, "77");
  EXPECT_TRUE(plain.state.Modified);
  EXPECT_FALSE(plain.lock.Held());

  Session map({"MAP"});
  const FileResult r = map.Load(extended);
  ASSERT_TRUE(r.ok) << r.error.Composed();
  EXPECT_TRUE(map.state.TestDataValid);
  EXPECT_EQ(map.project.At(TestField::Edit21).text, "48.85");
  EXPECT_NEAR(map.project.At(TestField::Edit21).value, 48.85 * 3.141592653589793 / 180, 1e-15);
  EXPECT_EQ(map.project.At(TestField::Edit22).value, 1);
  EXPECT_TRUE(map.project.Corref);
  EXPECT_FALSE(map.project.Pta12h);
  EXPECT_EQ(map.project.Comments, "Cadran solaire, côté jardin\r\n");
}

// ---- malformed, missing, truncated

class BadHeader : public ::testing::TestWithParam<const char*> {};

TEST_P(BadHeader, IsRefusedAsFormatIncorrect) {
  TempFolder dir;
  WriteBytes(dir.File("bad.umd"), std::string(GetParam()) + "\r\nNon 'Cadran rectangulaire\r\n");
  Session s({"MAP"});
  const FileResult r = s.Load(dir.File("bad.umd"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error.Composed(), dir.File("bad.umd") + " : format incorrect");
  EXPECT_EQ(r.error.caption, "Erreur...");
  EXPECT_EQ(s.state.ProjectFileName, "");
}

INSTANTIATE_TEST_SUITE_P(Table, BadHeader,
                         ::testing::Values("Umbrix7", "Umbrix0", "umbrix6", "Umbrix6 ", "Umbrix6x",
                                           "Umbrix6dd", "Umbrix", "", "UmbrixBur1",
                                           "\xFF\xFE"
                                           "U"));

// A text editor that re-saves the file as UTF-8 turns every "°" and accent into two bytes; read
// as Windows-1252 every entry holding "°" would be lost.
TEST(Load, AFileReSavedAsUtf8IsReadAsUtf8AndSavedBackIn1252) {
  TempFolder dir;
  const std::string cp1252 = ReadBytes(DataFile("v6.umd"));
  Session original;
  ASSERT_TRUE(original.Load(DataFileCopy(dir, "v6.umd")).ok);
  for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
    SCOPED_TRACE(mark.empty() ? "without a byte-order mark" : "with a byte-order mark");
    WriteBytes(dir.File("utf8.umd"), mark + Cp1252ToUtf8(cp1252));
    Session s;
    const FileResult r = s.Load(dir.File("utf8.umd"));
    ASSERT_TRUE(r.ok) << r.error.Composed();
    EXPECT_EQ(s.project.Long.text, "4°21");
    EXPECT_EQ(s.project.Long.value, 4.35);
    EXPECT_EQ(s.project.Comments, "Cadran solaire, côté jardin\r\n");
    EXPECT_EQ(BuildProjectFileLines(s.project, s.state, false, {}),
              BuildProjectFileLines(original.project, original.state, false, {}));
    // written back as the program always writes: Windows-1252
    ASSERT_TRUE(s.Save(dir.File("utf8.umd")).ok);
    const std::string saved = ReadBytes(dir.File("utf8.umd"));
    EXPECT_NE(saved.find("4\xB0"
                         "21 'Longitude"),
              std::string::npos);
    EXPECT_FALSE(IsUtf8Text(saved));
  }
}

// A named pipe would block the reader in open() until a writer came; a device or a folder is no
// project either. Each is refused at once.
TEST(Load, AnythingButARegularFileIsRefusedWithoutWaiting) {
  TempFolder dir;
  ASSERT_EQ(::mkfifo(dir.File("pipe.umd").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.File("folder.umd"));
  for (const std::string& name : {dir.File("pipe.umd"), dir.File("folder.umd"),
                                  std::string("/dev/null"), std::string("/dev/zero")}) {
    Session s;
    s.form.Enter(Field::Cote, "120");
    const FileResult r = s.Load(name);
    EXPECT_FALSE(r.ok) << name;
    EXPECT_EQ(r.error.Composed(), name + " : déjà ouvert ou erreur d'ouverture");
    EXPECT_EQ(s.project.Cote.text, "120");
    EXPECT_FALSE(s.lock.Held());
    EXPECT_EQ(ReadWholeFile(name), std::nullopt) << name;
  }
}

TEST(Load, ALargeFileOfAnotherKindIsRefusedByItsFirstLine) {
  TempFolder dir;
  WriteBytes(dir.File("big.umd"), "Umbrix6 and more on the first line\r\n" + std::string(1 << 20, 'z'));
  Session s;
  EXPECT_EQ(s.Load(dir.File("big.umd")).error.Composed(), dir.File("big.umd") + " : format incorrect");
}

TEST(Load, AnEmptyFileIsFormatIncorrect) {
  TempFolder dir;
  WriteBytes(dir.File("empty.umd"), "");
  Session s;
  EXPECT_EQ(s.Load(dir.File("empty.umd")).error.Composed(), dir.File("empty.umd") + " : format incorrect");
}

TEST(Load, AMissingFileIsReportedWithItsNameAsGiven) {
  Session s;
  const FileResult r = s.Load("nulle-part/absent.umd");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(testing::AsShown(r.error), ErrorMessage("nulle-part/absent.umd n'existe pas"));
}

TEST(Load, LinesMissingAtTheEndReadAsEmptyValues) {
  TempFolder dir;
  WriteBytes(dir.File("cut.umd"),
             "Umbrix6\r\nNon 'Cadran rectangulaire\r\n150 'Cot\xE9 du cadran\r\n"
             "60 'Hauteur du gnomon\r\nNon 'Gnomon final diff\xE9rent\r\n14/0");
  Session s;
  s.project.Comments = "ancien\r\n";
  const FileResult r = s.Load(dir.File("cut.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  EXPECT_EQ(s.project.Cote.value, 150);
  EXPECT_EQ(s.project.Gnomon.value, 60);
  EXPECT_FALSE(s.project.Date1.given);  // the cut date line
  EXPECT_FALSE(s.project.Carreau.given);
  EXPECT_FALSE(s.project.Dadiur.given);
  EXPECT_FALSE(s.project.Hediur.given);
  EXPECT_EQ(s.project.TypeHeureItem, 0);
  EXPECT_EQ(s.state.RunMode, RunMode{1});
  EXPECT_EQ(s.project.Comments, "");
  ASSERT_TRUE(r.warning);
  EXPECT_EQ(testing::AsShown(*r.warning), ErrorMessage(ComposeText(kCutFileText, {dir.File("cut.umd")})));
}

TEST(Load, OnlyAFileOfTheCurrentVersionCutBeforeItsEndIsSaidIncomplete) {
  TempFolder dir;
  const std::string v6 = ReadBytes(DataFileCopy(dir, "v6.umd"));
  const std::string v5 = ReadBytes(DataFileCopy(dir, "v5.umd"));
  const auto firstLines = [](const std::string& bytes, int count) {
    size_t at = 0;
    for (int i = 0; i < count; ++i) at = bytes.find("\r\n", at) + 2;
    return bytes.substr(0, at);
  };
  const std::string comments = "Cadran solaire, c\xf4t\xe9 jardin\r\n";
  const struct {
    const char* what;
    std::string bytes;
    bool incomplete;
    double cote;
    const char* comments;
  } rows[] = {
      {"whole", v6, false, 300, "Cadran solaire, côté jardin\r\n"},
      {"without the last line end", v6.substr(0, v6.size() - 2), false, 300,
       "Cadran solaire, côté jardin\r\n"},
      {"cut in the data lines", firstLines(v6, 20), true, 300, ""},
      {"cut after the data lines", firstLines(v6, 44), true, 300, ""},
      {"cut after the separator", firstLines(v6, 45), true, 300, ""},
      {"cut in the comments", firstLines(v6, 45) + comments, true, 300,
       "Cadran solaire, côté jardin\r\n"},
      {"an old version cut short", firstLines(v5, 20), false, 100, ""},
  };
  for (const auto& r : rows) {
    WriteBytes(dir.File("p.umd"), r.bytes);
    Session s;
    const FileResult loaded = s.Load(dir.File("p.umd"));
    ASSERT_TRUE(loaded.ok) << r.what << ": " << loaded.error.text;
    EXPECT_EQ(loaded.warning.has_value(), r.incomplete) << r.what;
    EXPECT_EQ(s.project.Cote.value, r.cote) << r.what;
    EXPECT_EQ(s.project.Comments, r.comments) << r.what;
  }
}

TEST(Load, OddWholeNumberLinesFallBackToDefaults) {
  TempFolder dir;
  std::vector<std::string> lines;
  {
    Session w;
    w.form.Enter(Field::Cote, "100");
    lines = BuildProjectLines(w.project, w.state, false, true);
  }
  auto replace = [&lines](const std::string& comment, const std::string& value) {
    for (std::string& line : lines) {
      if (line.ends_with(comment)) line = value + comment;
    }
  };
  replace(" 'Heures été/hiver", "x");
  replace(" 'Dernière commande", "deux");
  replace(" 'Tracé des fractions d'heure", "3");
  replace(" 'Tracé des arcs des signes", "Non");
  replace(" 'Cadran rectangulaire", "oui");
  replace(" 'Tracé des axes", "Yes");
  lines.push_back("---");
  WriteBytes(dir.File("odd.umd"), EncodeLines(lines));
  Session s;
  s.form.SelectTypeHeure(2);
  s.form.LeaveTypeHeure();
  s.state.RunMode = RunMode{3};
  s.project.Options.SignArcs = 7;
  ASSERT_TRUE(s.Load(dir.File("odd.umd")).ok);
  EXPECT_EQ(s.project.TypeHeureItem, 0);
  EXPECT_EQ(s.project.TypeHeure, 0);
  EXPECT_EQ(s.state.RunMode, RunMode{1});
  EXPECT_EQ(s.project.Options.HourSubdivisions, 1);
  EXPECT_EQ(s.project.Options.SignArcs, 0);
  EXPECT_FALSE(s.project.Rectg);                 // lower-case oui is no
  EXPECT_TRUE(s.project.Options.Axes1.checked);  // "Yes" is yes
}

TEST(Load, TypeHeureOutsideTheListAndAnyWholeRunModeAreTaken) {
  TempFolder dir;
  Session w;
  w.form.Enter(Field::Cote, "100");
  std::vector<std::string> lines = BuildProjectLines(w.project, w.state, false, true);
  for (std::string& line : lines) {
    if (line.ends_with(" 'Heures été/hiver")) line = "5 'Heures été/hiver";
    if (line.ends_with(" 'Dernière commande")) line = "8 'Dernière commande";
  }
  WriteBytes(dir.File("w.umd"), EncodeLines(lines));
  Session s;
  ASSERT_TRUE(s.Load(dir.File("w.umd")).ok);
  EXPECT_EQ(s.project.TypeHeureItem, 0);
  EXPECT_EQ(s.state.RunMode, RunMode{8});
}

TEST(Load, CommentsWithoutTheClosingSeparatorKeepTheirLastLine) {
  TempFolder dir;
  Session w;
  std::vector<std::string> lines = BuildProjectLines(w.project, w.state, false, true);
  lines.insert(lines.end(), {"---", "un", "deux"});
  std::string bytes = EncodeLines(lines);
  bytes.resize(bytes.size() - 2);  // no final line end either
  WriteBytes(dir.File("open.umd"), bytes);
  Session s;
  ASSERT_TRUE(s.Load(dir.File("open.umd")).ok);
  EXPECT_EQ(s.project.Comments, "un\r\ndeux\r\n");
}

TEST(Load, LineFeedOnlyFilesAreReadToo) {
  TempFolder dir;
  std::string bytes = ReadBytes(DataFile("v1.umd"));
  std::string lf;
  for (char c : bytes) {
    if (c != '\r') lf += c;
  }
  WriteBytes(dir.File("lf.umd"), lf);
  Session s;
  ASSERT_TRUE(s.Load(dir.File("lf.umd")).ok);
  EXPECT_EQ(s.project.FusHor.value, 1);
  EXPECT_EQ(s.project.Comments, "Cadran de la maison, côté sud\r\n");
}

TEST(Load, ScrambledValuesNeverStopTheReading) {
  // every line holds a value meant for another kind of entry; the reader must take them all
  const char* pool[] = {"Oui",      "Non",        "Yes",        "",         "12", "-3:30",
                        "abc",      "14/07/2012", "*",          "**",       ".",  "..",
                        "1e999",    "48°°30",     "---",        "7",        "-1", "99999999999",
                        "12:00:00", "0",          "2147483648", "\xC3\xA9", "'",  "9:99"};
  TempFolder dir;
  unsigned seed = 2024;
  for (int file = 0; file < 60; ++file) {
    std::vector<std::string> lines = {"Umbrix" + std::to_string(1 + file % 6) +
                                      (file % 12 >= 6 ? "d" : "")};
    const int count = 10 + file;
    for (int i = 0; i < count; ++i) {
      seed = seed * 1103515245u + 12345u;
      lines.push_back(pool[(seed >> 16) % std::size(pool)] + std::string(" 'x"));
    }
    WriteBytes(dir.File("s.umd"), EncodeLines(lines));
    Session s({"MAP"});
    const FileResult r = s.Load(dir.File("s.umd"));
    ASSERT_TRUE(r.ok) << "file " << file << ": " << r.error.Composed();
    EXPECT_FALSE(s.state.Modified);
    EXPECT_FALSE(s.project.Mijou && s.project.Locc) << "file " << file;
    EXPECT_TRUE(s.project.Limite || !s.project.Lat.given) << "file " << file;
    EXPECT_NE(s.project.Options.Style1.checked, s.project.Options.Gnomon1.checked);
  }
}

// ---- what the main window sees of a load

TEST(Load, TheHostSeesTheMessagesTheClearingTheFitAndTheMenus) {
  TempFolder dir;
  std::vector<std::string> lines;
  {
    Session w;
    w.form.Enter(Field::Cote, "200");
    w.form.SetChecked(Check::Hautf, true);
    w.form.Enter(Field::Gnomx, "80");
    w.form.SetChecked(Check::Limite, true);
    lines = BuildProjectLines(w.project, w.state, false, true);
  }
  for (std::string& line : lines) {
    if (line.ends_with(" 'Coté du cadran")) line = "100 'Coté du cadran";
  }
  WriteBytes(dir.File("foot.umd"), EncodeLines(lines));
  Session s;
  s.state.DrawingExists = true;
  s.state.Modified = true;
  s.host.Forget();
  const FileResult r = s.Load(dir.File("foot.umd"));
  ASSERT_TRUE(r.ok);
  ASSERT_EQ(s.host.messages.size(), 1u);
  EXPECT_EQ(s.host.messages[0].text, "Le pied du gnomon doit être à l'intérieur du cadran");
  EXPECT_FALSE(s.project.Gnomx.given);
  EXPECT_TRUE(s.host.AnyClear());
  EXPECT_EQ(s.host.fits, 1);
  EXPECT_EQ(s.host.menus, (std::vector<std::pair<MenuItem, bool>>{{MenuItem::Horizon1, true},
                                                                  {MenuItem::Italiques1, true},
                                                                  {MenuItem::Babyloniques1, true},
                                                                  {MenuItem::Temporaires1, true}}));
  EXPECT_FALSE(s.state.Modified);
  EXPECT_FALSE(s.state.DrawingExists);
}

TEST(Load, AFailedLoadLeavesTheCurrentProjectAndItsFile) {
  TempFolder dir;
  Session s;
  const std::string v5 = DataFileCopy(dir, "v5.umd");
  ASSERT_TRUE(s.Load(v5).ok);
  s.form.Enter(Field::Mesx1, "7");
  const DialProject before = s.project;
  const ProjectState stateBefore = s.state;
  WriteBytes(dir.File("bad.umd"), "Umbrix9\r\n");
  s.host.Forget();
  EXPECT_FALSE(s.Load(dir.File("bad.umd")).ok);
  EXPECT_FALSE(s.Load(dir.File("absent.umd")).ok);
  ExpectSameProject(before, s.project, true);
  EXPECT_EQ(s.state.ProjectFileName, stateBefore.ProjectFileName);
  EXPECT_TRUE(s.state.Modified);
  EXPECT_EQ(s.state.RunMode, RunMode{2});
  EXPECT_TRUE(s.lock.Held());
  EXPECT_EQ(s.lock.Path(), v5);
  EXPECT_TRUE(s.host.marks.empty());
  EXPECT_TRUE(s.host.messages.empty());
}

// ---- the held file

TEST(Held, AFileHeldByAnotherInstanceCanBeNeitherReadNorOverwritten) {
  TempFolder dir;
  Session first;
  first.form.Enter(Field::Cote, "120");
  ASSERT_TRUE(first.Save(dir.File("shared.umd")).ok);
  const std::string original = ReadBytes(dir.File("shared.umd"));
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(dir.File("shared.umd")));

  Session second;
  second.form.Enter(Field::Cote, "90");
  const FileResult read = second.Load(dir.File("shared.umd"));
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(testing::AsShown(read.error), ErrorMessage(dir.File("shared.umd") + " : déjà ouvert ou erreur d'ouverture"));
  EXPECT_EQ(second.project.Cote.text, "90");
  const FileResult write = second.Save(dir.File("shared.umd"));
  EXPECT_FALSE(write.ok);
  EXPECT_EQ(write.error, read.error);
  EXPECT_EQ(ReadBytes(dir.File("shared.umd")), original);
  EXPECT_TRUE(second.state.Modified);

  first.lock.Release();
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(dir.File("shared.umd")));
  EXPECT_TRUE(second.Load(dir.File("shared.umd")).ok);
  EXPECT_EQ(second.project.Cote.text, "120");
}

TEST(Held, TheCurrentProjectIsReReadAndRewrittenDespiteItsOwnHold) {
  TempFolder dir;
  Session s;
  s.form.Enter(Field::Cote, "120");
  ASSERT_TRUE(s.Save(dir.File("mine.umd")).ok);
  s.form.Enter(Field::Cote, "130");
  ASSERT_TRUE(s.Save(dir.File("mine.umd")).ok);
  s.form.Enter(Field::Cote, "140");
  const FileResult r = s.Load(dir.File("mine.umd"));
  ASSERT_TRUE(r.ok) << r.error.Composed();
  EXPECT_EQ(s.project.Cote.text, "130");
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(dir.File("mine.umd")));
}

TEST(Held, ClosingTheHeldFileLetsOthersIn) {
  TempFolder dir;
  Session s;
  ASSERT_TRUE(s.Save(dir.File("a.umd")).ok);
  CloseHeldFile(s.state, s.lock);
  EXPECT_FALSE(s.state.ProjectFileHeld);
  EXPECT_FALSE(s.lock.Held());
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(dir.File("a.umd")));
}

TEST(Held, SavingUnderANewNameMovesTheHold) {
  TempFolder dir;
  Session s;
  ASSERT_TRUE(s.Save(dir.File("a.umd")).ok);
  ASSERT_TRUE(s.Save(dir.File("b.umd")).ok);
  EXPECT_TRUE(ProjectFileLock::CanOpenExclusively(dir.File("a.umd")));
  EXPECT_FALSE(ProjectFileLock::CanOpenExclusively(dir.File("b.umd")));
  EXPECT_EQ(s.state.ProjectFileName, dir.File("b.umd"));
}

TEST(Held, RelativeNamesAreExpandedToFullPaths) {
  TempFolder dir;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  Session s;
  const FileResult r = s.Save("./sub/../rel.umd");
  std::filesystem::current_path(previous);
  ASSERT_TRUE(r.ok) << r.error.Composed();
  EXPECT_EQ(s.state.ProjectFileName, dir.File("rel.umd"));
  EXPECT_TRUE(std::filesystem::exists(dir.File("rel.umd")));
}

// ---- saves that fail

TEST(SaveFailure, AMissingFolderLeavesEverythingAsItWas) {
  TempFolder dir;
  Session s;
  ASSERT_TRUE(s.Save(dir.File("old.umd")).ok);
  s.form.Enter(Field::Cote, "100");
  const std::string target = dir.File("absent/new.umd");
  const FileResult r = s.Save(target);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(testing::AsShown(r.error), ErrorMessage(target + " : erreur d'écriture, le fichier n'a pas été "
                                           "enregistré (dossier introuvable)"));
  EXPECT_TRUE(s.state.Modified);
  EXPECT_EQ(s.state.ProjectFileName, dir.File("old.umd"));
  EXPECT_TRUE(s.lock.Held());
  EXPECT_EQ(s.lock.Path(), dir.File("old.umd"));
}

TEST(SaveFailure, AFolderInTheWayIsNotReplaced) {
  TempFolder dir;
  std::filesystem::create_directory(dir.File("x.umd"));
  Session s;
  const FileResult r = s.Save(dir.File("x.umd"));
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("x.umd")));
}

TEST(SaveFailure, AReadOnlyFolderRefusesTheSave) {
  if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
  TempFolder dir;
  Session s;
  ASSERT_TRUE(s.Save(dir.File("ro.umd")).ok);
  const std::string original = ReadBytes(dir.File("ro.umd"));
  s.form.Enter(Field::Cote, "100");
  std::filesystem::permissions(
      dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const FileResult r = s.Save(dir.File("ro.umd"));
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.Composed().find("accès refusé"), std::string::npos);
  EXPECT_EQ(ReadBytes(dir.File("ro.umd")), original);
  EXPECT_TRUE(s.state.Modified);
}

TEST(SaveFailure, AReadOnlyFileIsNotReplaced) {
  TempFolder dir;
  WriteBytes(dir.File("locked.umd"), "old");
  std::filesystem::permissions(dir.File("locked.umd"), std::filesystem::perms::owner_read);
  Session s;
  const FileResult r = s.Save(dir.File("locked.umd"));
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error.Composed(), dir.File("locked.umd") + " : déjà ouvert ou erreur d'ouverture");
  EXPECT_EQ(ReadBytes(dir.File("locked.umd")), "old");
}

// A write cut short (as on a full disk) leaves the old file whole and no temporary behind. The
// file-size limit makes the write fail even for root.
TEST(SaveFailure, AWriteCutShortLeavesTheOldFileIntact) {
  TempFolder dir;
  Session s;
  s.form.Enter(Field::Cote, "100");
  ASSERT_TRUE(s.Save(dir.File("keep.umd")).ok);
  const std::string original = ReadBytes(dir.File("keep.umd"));
  s.project.Comments = std::string(4000, 'x') + "\r\n";
  s.state.Modified = true;  // as the comments pane does

  rlimit previous{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
  auto* previousHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 2048;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileResult r = s.Save(dir.File("keep.umd"));
  ::setrlimit(RLIMIT_FSIZE, &previous);
  ::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.Composed().find("(disque plein)"), std::string::npos) << r.error.Composed();
  EXPECT_EQ(ReadBytes(dir.File("keep.umd")), original);
  EXPECT_TRUE(s.state.Modified);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(Save, ALinkIsFollowedNotReplaced) {
  TempFolder dir;
  WriteBytes(dir.File("real.umd"), "old");
  std::filesystem::create_symlink(dir.File("real.umd"), dir.File("link.umd"));
  Session s;
  ASSERT_TRUE(s.Save(dir.File("link.umd")).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.umd")));
  EXPECT_EQ(ReadBytes(dir.File("real.umd")).substr(0, 9), "Umbrix6\r\n");
}

TEST(Save, AReplacedFileKeepsItsPermissions) {
  TempFolder dir;
  WriteBytes(dir.File("p.umd"), "old");
  std::filesystem::permissions(dir.File("p.umd"), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_write |
                                                  std::filesystem::perms::group_read);
  Session s;
  ASSERT_TRUE(s.Save(dir.File("p.umd")).ok);
  EXPECT_EQ(std::filesystem::status(dir.File("p.umd")).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
}

// ---- opening by name

TEST(Open, ADeskDialNameOpensItsProjectAndAsksForDeskMode) {
  TempFolder dir;
  {
    Session w;
    w.form.Enter(Field::Cote, "100");
    ASSERT_TRUE(w.Save(dir.File("bureau.umd")).ok);
  }
  Session s;
  const OpenResult desk = OpenProject(s.form, s.lock, dir.File("bureau.umb"));
  ASSERT_TRUE(desk.file.ok) << desk.file.error.Composed();
  EXPECT_TRUE(desk.enterDeskMode);
  EXPECT_EQ(s.state.ProjectFileName, dir.File("bureau.umd"));

  Session t;
  const OpenResult upper = OpenProject(t.form, t.lock, dir.File("bureau.UMB"));
  EXPECT_FALSE(upper.file.ok);  // the extension compares exactly
  EXPECT_EQ(upper.file.error.Composed(), dir.File("bureau.UMB") + " n'existe pas");
  EXPECT_FALSE(upper.enterDeskMode);

  const OpenResult plain = OpenProject(t.form, t.lock, dir.File("absent.umb"));
  EXPECT_FALSE(plain.enterDeskMode);
  EXPECT_EQ(plain.file.error.Composed(), dir.File("absent.umd") + " n'existe pas");
}

}  // namespace
}  // namespace umbrix
