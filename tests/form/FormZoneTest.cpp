#include <gtest/gtest.h>

#include "FakeFormHost.h"
#include "form/Form.h"

namespace umbrix {
namespace {

// A dialog with the full localisation at 45 N, 5 E and no time zone typed.
struct PlaceDialog : testing::Dialog {
  PlaceDialog() {
    form.SetChecked(Check::Limite, true);
    form.Enter(Field::Lat, "45");
    form.SetChecked(Check::Locc, true);
    form.Enter(Field::Long, "5");
    host.Forget();
  }
};

TEST(ZoneByName, ChoosingFillsTheDialsClockOnlyWhenEmptyAndRefusesWhatItCannotUse) {
  struct Case {
    const char* name;
    bool place;          // `Locc` checked
    const char* fusHor;  // typed before the choice
    const char* zone;
    std::string refusal;  // empty when accepted
    const char* fusHorAfter;
  };
  const Case cases[] = {
      {"standard offset filled in", true, "", "Europe/Paris", "", "1:00"},
      {"a quarter-hour zone", true, "", "Asia/Kathmandu", "", "5:45"},
      {"west of Greenwich", true, "", "America/Caracas", "", "-4:00"},
      {"a summer-time dial kept", true, "2", "Europe/Paris", "", "2"},
      {"unknown name", true, "", "Europe/Atlantis", "Fuseau horaire inconnu : Europe/Atlantis", ""},
      {"no place to apply it to", false, "", "Europe/Paris", kZoneNeedsPlaceText, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceDialog d;
    if (!c.place) d.form.SetChecked(Check::Locc, false);
    d.form.Enter(Field::FusHor, c.fusHor);
    const auto refused = d.form.ChooseZone(c.zone);
    EXPECT_EQ(refused ? refused->Composed() : "", c.refusal);
    EXPECT_EQ(d.project.Zone, c.refusal.empty() ? c.zone : "");
    EXPECT_EQ(d.project.FusHor.text, c.fusHorAfter);
    EXPECT_EQ(d.form.Control(ControlId::TypeHeure).enabled, !c.refusal.empty());
  }
}

TEST(ZoneByName, EachMarkTakesItsLegalOffsetAndTheEdgeTimesAreRefusedOrAsked) {
  struct Case {
    const char* name;
    const char* date;
    const char* time;
    bool takeLater;
    bool kept;      // the time stays given
    double offset;  // hours, when kept
    size_t questions;
  };
  const Case cases[] = {
      {"winter", "24/03/2024", "13:00:00", false, true, 1, 0},
      {"summer", "01/04/2024", "17:00:00", false, true, 2, 0},
      {"spring gap", "31/03/2024", "02:30:00", false, false, 0, 0},
      {"autumn repeat, first (summer)", "27/10/2024", "02:30:00", false, true, 2, 1},
      {"autumn repeat, second (winter)", "27/10/2024", "02:30:00", true, true, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaceDialog d;
    ASSERT_FALSE(d.form.ChooseZone("Europe/Paris"));
    d.host.takeLater = c.takeLater;
    d.form.Enter(Field::Date2, c.date);
    d.form.Enter(Field::Heure2, c.time);
    EXPECT_EQ(d.project.Heure2.given, c.kept);
    EXPECT_EQ(d.project.ZoneOffsets[kZonePoint2], (ZoneOffset{c.kept, c.kept ? c.offset : 0.0}));
    EXPECT_EQ(d.host.questions.size(), c.questions);
    if (!c.kept) {
      ASSERT_EQ(d.host.messages.size(), 1u);
      EXPECT_EQ(d.host.messages[0].Composed(),
                "Point 2 : l'heure 02:30:00 du 31/03/2024 n'existe pas dans le fuseau "
                "Europe/Paris, où l'heure légale passe de UTC+1:00 à UTC+2:00 ce jour-là. "
                "Saisie refusée.");
      EXPECT_EQ(d.form.SelectedTab(), Tab::Point2);
      EXPECT_EQ(d.project.Aheure2, "");
    }
    // leaving the time again without a change asks nothing more
    d.form.Leave(Field::Heure2);
    EXPECT_EQ(d.host.questions.size(), c.questions);
  }
}

TEST(ZoneByName, NamingTheZoneAfterTheMarksResolvesThemAndLeavingThePlaceForgetsIt) {
  PlaceDialog d;
  d.form.Enter(Field::Date1, "24/03/2024");
  d.form.Enter(Field::Heure1, "13:00:00");
  d.form.Enter(Field::Date2, "31/03/2024");
  d.form.Enter(Field::Heure2, "02:30:00");
  EXPECT_FALSE(d.project.ZoneOffsets[kZonePoint1].known);
  ASSERT_FALSE(d.form.ChooseZone("Europe/Paris"));
  EXPECT_EQ(d.project.ZoneOffsets[kZonePoint1], (ZoneOffset{true, 1.0}));
  EXPECT_FALSE(d.project.Heure2.given);  // the gap's time is refused now that it means nothing
  EXPECT_EQ(d.project.ZoneOffsets[kZoneCurrent], (ZoneOffset{true, 1.0}));  // 01/01/2010 noon
  EXPECT_EQ(d.form.Control(ControlId::TypeHeure).hint, kTypeHeureZoneHint);

  d.form.SetChecked(Check::Locc, false);
  EXPECT_EQ(d.project.Zone, "");
  EXPECT_FALSE(d.project.ZoneOffsets[kZonePoint1].known);
  EXPECT_TRUE(d.form.Control(ControlId::TypeHeure).enabled);
}

TEST(ZoneByName, TheListOffersNoneThenTheComputersZoneFirst) {
  PlaceDialog d;
  const std::vector<ZoneItem> items = d.form.ZoneItems();
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].id, "");
  EXPECT_EQ(items[1].id, "Europe/Paris");
  EXPECT_EQ(items[1].caption, "Europe/Paris (UTC+2:00)");  // 14 July 2023
  EXPECT_EQ(items[2].caption, "America/Caracas (UTC-4:00)");
}

}  // namespace
}  // namespace umbrix
