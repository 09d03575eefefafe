#include <gtest/gtest.h>

#include "FileFixtures.h"
#include "files/TextLines.h"

namespace umbrix {
namespace {

using testing::ReadBytes;
using testing::Session;
using testing::TempFolder;

// 45 N, 5 E, the zone Europe/Paris, marks on 24/03/2024 13:00 and `date2` at `time2`.
void MarkInParis(Session& s, const char* date2, const char* time2) {
  s.form.SetChecked(Check::Limite, true);
  s.form.Enter(Field::Lat, "45");
  s.form.SetChecked(Check::Locc, true);
  s.form.Enter(Field::Long, "5");
  ASSERT_FALSE(s.form.ChooseZone("Europe/Paris"));
  s.form.Enter(Field::Date1, "24/03/2024");
  s.form.Enter(Field::Heure1, "13:00:00");
  s.form.Enter(Field::Date2, date2);
  s.form.Enter(Field::Heure2, time2);
}

TEST(ZoneFile, TheZoneAndTheAnsweredRepeatComeBackWithoutAQuestion) {
  TempFolder dir;
  Session writer;
  writer.host.takeLater = true;  // 02:30 on 27/10/2024 was the second one, in winter time
  MarkInParis(writer, "27/10/2024", "02:30:00");
  ASSERT_EQ(writer.host.questions.size(), 1u);
  writer.project.Options.Italiques1.checked = true;  // its lines come first after the comments
  ASSERT_TRUE(writer.Save(dir.File("zone.umd"), false, {"r1", "r2"}).ok);
  const std::string bytes = ReadBytes(dir.File("zone.umd"));
  EXPECT_NE(
      bytes.find(
          "---\r\n---\r\nOui 'Heures italiques\r\nNon 'Heures babyloniques\r\n"
          "Non 'Heures temporaires\r\nUmbrix6z\r\nEurope/Paris 'Fuseau horaire par son nom\r\n"
          "1:00 'Heure l\xE9gale du point 1\r\n1:00 'Heure l\xE9gale du point 2\r\n"
          "r1\r\nr2\r\n"),
      std::string::npos);
  writer.lock.Release();

  Session reader;
  ASSERT_TRUE(reader.Load(dir.File("zone.umd")).ok);
  EXPECT_EQ(reader.project.Zone, "Europe/Paris");
  EXPECT_EQ(reader.project.ZoneOffsets, writer.project.ZoneOffsets);
  EXPECT_TRUE(reader.host.questions.empty());
  EXPECT_TRUE(reader.host.messages.empty());
  EXPECT_EQ(reader.project.Heure2.text, "02:30:00");
  EXPECT_TRUE(reader.project.Options.Italiques1.checked);
}

TEST(ZoneFile, AReaderWithoutZonesReadsTheSameLinesAsFromAFileWithoutOne) {
  Session writer;
  MarkInParis(writer, "01/04/2024", "17:00:00");
  DialProject zoneless = writer.project;
  zoneless.Zone.clear();
  const auto withZone = BuildProjectFileLines(writer.project, writer.state, false, {"rapport"});
  const auto without = BuildProjectFileLines(zoneless, writer.state, false, {"rapport"});
  // an older reader stops at the second "---": up to it, both files are the same lines
  const size_t first = std::find(without.begin(), without.end(), "---") - without.begin();
  const size_t second =
      std::find(without.begin() + first + 1, without.end(), "---") - without.begin();
  ASSERT_LT(second, without.size());
  EXPECT_TRUE(std::equal(without.begin(), without.begin() + second + 1, withZone.begin()));
  EXPECT_EQ(without.size() + 4, withZone.size());

  // what such a reader reads of it: the file up to the second "---"
  TempFolder dir;
  testing::WriteBytes(dir.File("older.umd"),
                      EncodeLines({withZone.begin(), withZone.begin() + second + 1}));
  Session older;
  ASSERT_TRUE(older.Load(dir.File("older.umd")).ok);
  for (Field f : {Field::Date1, Field::Heure1, Field::Heure2, Field::Long, Field::FusHor}) {
    EXPECT_EQ(older.project.At(f).text, writer.project.At(f).text);
  }
  EXPECT_EQ(older.project.Zone, "");
}

TEST(ZoneFile, ChangedOrMissingRulesAreReportedAndTheStoredOffsetsKept) {
  struct Case {
    const char* name;
    bool removeZone;
    std::string message;
  };
  const Case cases[] = {
      {"Paris on summer time all year", false,
       "Les règles du fuseau Europe/Paris ont changé depuis l'enregistrement : le point 1 garde "
       "son décalage enregistré UTC+1:00 (le fuseau donne aujourd'hui UTC+2:00)."},
      {"Paris unknown here", true,
       "Fuseau horaire Europe/Paris inconnu de ce système : les décalages enregistrés des points "
       "sont gardés."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder dir;
    Session writer;
    MarkInParis(writer, "01/04/2024", "17:00:00");
    ASSERT_TRUE(writer.Save(dir.File("zone.umd")).ok);
    writer.lock.Release();

    Session reader;
    if (c.removeZone) {
      reader.host.zones.rules.erase("Europe/Paris");
    } else {
      reader.host.zones.rules["Europe/Paris"] = {2.0, false};
    }
    ASSERT_TRUE(reader.Load(dir.File("zone.umd")).ok);
    ASSERT_EQ(reader.host.messages.size(), 1u);
    EXPECT_EQ(reader.host.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(reader.host.messages[0].Composed(), c.message);
    EXPECT_EQ(reader.project.ZoneOffsets[kZonePoint1], (ZoneOffset{true, 1.0}));
    EXPECT_EQ(reader.project.ZoneOffsets[kZonePoint2], (ZoneOffset{true, 2.0}));
  }
}

}  // namespace
}  // namespace umbrix
