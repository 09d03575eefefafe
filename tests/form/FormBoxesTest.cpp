// The check boxes and their enabling rules, seen through the controls' state as a view shows it.

#include <gtest/gtest.h>

#include <algorithm>

#include "form/FakeFormHost.h"

namespace umbrix {
namespace {

using testing::Dialog;
using Mark = testing::FakeFormHost::Mark;

bool Enabled(const Dialog& d, ControlId id) { return d.form.Control(id).enabled; }
bool Visible(const Dialog& d, ControlId id) { return d.form.Control(id).visible; }
ControlColour ColourOf(const Dialog& d, ControlId id) { return d.form.Control(id).colour; }

// The invariants that hold after every handler, whatever the sequence.
void ExpectInvariants(const Dialog& d) {
  const DialProject& p = d.project;
  using C = ControlId;
  EXPECT_EQ(Enabled(d, C::Cote), !p.Rectg);
  EXPECT_EQ(Enabled(d, C::Coteh), p.Rectg);
  EXPECT_EQ(Enabled(d, C::Cotel), p.Rectg);
  if (!p.Rectg) {
    EXPECT_FALSE(p.Coteh.given || p.Cotel.given);
    EXPECT_EQ(p.Coteh.text + p.Cotel.text, "");
  } else {
    EXPECT_FALSE(p.Cote.given);
  }
  if (!p.Hautf) {
    EXPECT_EQ(p.Gnomf.value, p.Gnomon.value);
    EXPECT_EQ(p.Gnomx.value, 0);
    EXPECT_EQ(p.Gnomy.value, 0);
    EXPECT_FALSE(p.Gnomf.given || p.Gnomx.given || p.Gnomy.given);
    EXPECT_FALSE(Enabled(d, C::Gnomf));
  }
  if (!p.Limite) {
    EXPECT_FALSE(p.Lat.given);
    EXPECT_TRUE(p.Nord);
    EXPECT_FALSE(p.Mijou || p.Locc);
    EXPECT_FALSE(Visible(d, C::Mijou) || Visible(d, C::Locc));
    EXPECT_FALSE(Enabled(d, C::Lat));
  }
  EXPECT_FALSE(p.Mijou && p.Locc);
  EXPECT_EQ(Enabled(d, C::MiJour), p.Mijou);
  if (!p.Mijou) {
    EXPECT_FALSE(p.MiJour.given);
  }
  const bool longitude = p.Locc || p.Hvrai;
  EXPECT_EQ(Enabled(d, C::Long), longitude);
  EXPECT_EQ(Enabled(d, C::FusHor), longitude);
  EXPECT_EQ(Enabled(d, C::Est), longitude);
  if (!longitude) {
    EXPECT_FALSE(p.Long.given || p.FusHor.given);
    EXPECT_TRUE(p.Est);
  }
  EXPECT_EQ(p.Options.Horizon1.enabled, p.Limite);
  EXPECT_EQ(p.Options.Refrac1.enabled, p.Mijou || p.Locc);
  EXPECT_EQ(p.Options.HiverPrintemps1.enabled, !p.Hvrai);
  EXPECT_EQ(p.Options.EteAutomne1.enabled, !p.Hvrai);
  for (int i = 0; i < kFieldCount; ++i) {
    const ControlState s = d.form.Control(static_cast<Field>(i));
    EXPECT_EQ(s.colour, s.enabled ? ControlColour::Window : ControlColour::ButtonFace) << i;
  }
}

TEST(Controls, StartUpLayout) {
  Dialog d;
  using C = ControlId;
  EXPECT_TRUE(Enabled(d, C::Cote));
  EXPECT_EQ(ColourOf(d, C::Cote), ControlColour::Window);
  for (C id : {C::Coteh, C::Cotel, C::Gnomf, C::Gnomx, C::Gnomy, C::Lat, C::Nord, C::Sud, C::MiJour,
               C::Long, C::Est, C::Ouest, C::FusHor}) {
    EXPECT_FALSE(Enabled(d, id)) << static_cast<int>(id);
  }
  EXPECT_EQ(ColourOf(d, C::Coteh), ControlColour::ButtonFace);
  EXPECT_EQ(ColourOf(d, C::Lat), ControlColour::ButtonFace);
  EXPECT_FALSE(Visible(d, C::Mijou));
  EXPECT_FALSE(Visible(d, C::Locc));
  EXPECT_TRUE(Visible(d, C::Hvrai));
  EXPECT_TRUE(d.form.Control(Radio::Nord).checked);
  EXPECT_TRUE(d.form.Control(Radio::Est).checked);
  EXPECT_TRUE(d.form.Control(Radio::Dest).checked);
  EXPECT_FALSE(d.form.Control(Radio::Douest).checked);
  EXPECT_TRUE(Enabled(d, C::DecEd));
  EXPECT_FALSE(d.form.TabVisible(Tab::Test));
  EXPECT_FALSE(d.form.TabVisible(Tab::Option));
  EXPECT_FALSE(Visible(d, C::Edit20));
  EXPECT_TRUE(d.form.TabVisible(Tab::Lieu));
  EXPECT_EQ(d.form.SelectedTab(), Tab::Cadran);
  EXPECT_EQ(d.form.Control(C::Rectg).caption, "Cadran &rectangulaire");
  EXPECT_EQ(d.form.Control(Field::Lat).hint, "Format : dd°mm°ss");
  EXPECT_EQ(d.form.Control(Field::FusHor).hint, "Format : hh:mm");
  EXPECT_EQ(d.form.Control(Field::FusHor).unit, "h (mesure du cadran)");
  EXPECT_EQ(d.form.Control(Field::Heure1).hint, "Format : hh:mm:ss");
  EXPECT_EQ(d.form.Control(Field::Date2).hint, "Format : jj/mm/aaaa");
  EXPECT_EQ(d.form.Control(Field::Dadiur).hint, "Format : jj/mm/aaaa");
  EXPECT_EQ(d.form.Control(TestField::Edit26).hint,
            "0: x \"bibi\" vers la droite, 90: vers le bas");
  EXPECT_EQ(d.form.Control(C::Button1).hint, "Raccourci : Ctrl+M");
  EXPECT_FALSE(d.project.Options.Horizon1.enabled);
  EXPECT_FALSE(d.project.Options.Refrac1.enabled);
  ExpectInvariants(d);
}

TEST(Rectg, CheckingMovesASquareIntoHeightAndWidthWithoutModifying) {
  Dialog d;
  d.form.Enter(Field::Cote, "120");
  d.state.Modified = false;
  d.host.Forget();
  d.form.Click(Check::Rectg);
  EXPECT_EQ(d.project.Coteh.text, "120");
  EXPECT_EQ(d.project.Cotel.text, "120");
  EXPECT_TRUE(d.project.Coteh.given && d.project.Cotel.given);
  EXPECT_EQ(d.project.Cote.text, "");
  EXPECT_FALSE(d.project.Cote.given);
  EXPECT_FALSE(Enabled(d, ControlId::Cote));
  EXPECT_EQ(ColourOf(d, ControlId::Cote), ControlColour::ButtonFace);
  EXPECT_TRUE(Enabled(d, ControlId::Coteh));
  ExpectInvariants(d);

  d.form.Click(Check::Rectg);
  EXPECT_EQ(d.project.Cote.text, "120");
  EXPECT_TRUE(d.project.Cote.given);
  EXPECT_EQ(d.project.Plate.XMax, 60);
  EXPECT_EQ(d.project.Plate.YMin, -60);
  EXPECT_FALSE(d.state.Modified);
  EXPECT_TRUE(d.host.marks.empty());
  ExpectInvariants(d);
}

TEST(Rectg, UncheckingARectangleMakesItSquareOnItsWidth) {
  Dialog d;
  d.form.SetChecked(Check::Rectg, true);
  d.form.Enter(Field::Coteh, "80");
  d.form.Enter(Field::Cotel, "120");
  d.state.Modified = false;
  d.host.Forget();
  d.form.SetChecked(Check::Rectg, false);
  EXPECT_EQ(d.project.Plate.YMin, -60);
  EXPECT_EQ(d.project.Plate.YMax, 60);
  EXPECT_EQ(d.project.Plate.XMax, 60);
  EXPECT_EQ(d.project.Cote.text, "");
  EXPECT_FALSE(d.project.Cote.given);
  EXPECT_TRUE(d.state.Modified);
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{false, true, true}));
  EXPECT_EQ(d.host.fits, 1);
  ExpectInvariants(d);
}

TEST(Rectg, FractionalSidesAreWrittenInTheGeneralFormat) {
  Dialog d;
  d.form.Enter(Field::Cote, "1.25e2");
  d.form.SetChecked(Check::Rectg, true);
  EXPECT_EQ(d.project.Coteh.text, "125");
  d.form.Enter(Field::Cotel, "0.1");
  d.form.Enter(Field::Coteh, "0.1");
  d.form.SetChecked(Check::Rectg, false);
  EXPECT_EQ(d.project.Cote.text, "0.1");
}

TEST(Hautf, CheckingCopiesTheGnomonAndCentresTheFoot) {
  Dialog d;
  d.form.Enter(Field::Gnomon, "75.5");
  d.state.Modified = false;
  d.host.Forget();
  d.form.SetChecked(Check::Hautf, true);
  EXPECT_EQ(d.project.Gnomf.text, "75.5");
  EXPECT_TRUE(d.project.Gnomf.given);
  EXPECT_EQ(d.project.Gnomx.text, "0");
  EXPECT_EQ(d.project.Gnomy.text, "0");
  EXPECT_TRUE(d.project.Gnomx.given && d.project.Gnomy.given);
  EXPECT_TRUE(Enabled(d, ControlId::Gnomf));
  EXPECT_FALSE(d.state.Modified);
  ExpectInvariants(d);
}

TEST(Hautf, UncheckingMarksOnlyWhenTheCasterDiffered) {
  Dialog d;
  d.form.Enter(Field::Gnomon, "50");
  d.form.SetChecked(Check::Hautf, true);
  d.host.Forget();
  d.form.SetChecked(Check::Hautf, false);
  EXPECT_TRUE(d.host.marks.empty());

  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomf, "40");
  d.state.TestDataValid = true;
  d.host.Forget();
  d.form.SetChecked(Check::Hautf, false);
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{true, true, true}));
  EXPECT_EQ(d.project.Gnomf.value, 50);
  EXPECT_EQ(d.project.Gnomf.text, "");
  ExpectInvariants(d);

  d.form.SetChecked(Check::Hautf, true);
  d.form.Enter(Field::Gnomy, "3");
  d.host.Forget();
  d.form.SetChecked(Check::Hautf, false);
  EXPECT_EQ(d.host.marks.size(), 1u);
}

TEST(Limite, CheckingOpensThePlaceAndTheHorizonItem) {
  Dialog d;
  d.host.Forget();
  d.form.SetChecked(Check::Limite, true);
  EXPECT_TRUE(Enabled(d, ControlId::Lat));
  EXPECT_TRUE(Enabled(d, ControlId::Sud));
  EXPECT_TRUE(Visible(d, ControlId::Mijou));
  EXPECT_TRUE(Visible(d, ControlId::Locc));
  EXPECT_FALSE(d.project.Locc);
  EXPECT_TRUE(d.project.Options.Horizon1.enabled);
  // the old hours count from sunrise or sunset, on the horizon of the latitude
  EXPECT_EQ(d.host.menus, (std::vector<std::pair<MenuItem, bool>>{{MenuItem::Horizon1, true},
                                                                  {MenuItem::Italiques1, true},
                                                                  {MenuItem::Babyloniques1, true},
                                                                  {MenuItem::Temporaires1, true}}));
  ASSERT_EQ(d.host.marks.size(), 1u);
  EXPECT_EQ(d.host.marks[0], (Mark{false, true, true}));
  ExpectInvariants(d);
}

TEST(Limite, UncheckingClearsThePlace) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.form.Select(Radio::Sud);
  d.form.Enter(Field::Lat, "33");
  d.form.SetChecked(Check::Locc, true);
  d.form.Enter(Field::Long, "2");
  d.form.Enter(Field::FusHor, "1");
  d.form.Select(Radio::Ouest);
  d.host.Forget();
  d.form.SetChecked(Check::Limite, false);
  EXPECT_EQ(d.project.Lat.text, "");
  EXPECT_TRUE(d.project.Nord);
  EXPECT_FALSE(d.project.Locc);
  EXPECT_FALSE(d.project.Long.given);
  EXPECT_TRUE(d.project.Est);
  EXPECT_FALSE(d.project.Options.Horizon1.enabled);
  EXPECT_FALSE(d.project.Options.Refrac1.enabled);
  ExpectInvariants(d);
}

TEST(Limite, CheckingWithSolarHoursChecksFullLocalisation) {
  Dialog d;
  d.form.SetChecked(Check::Hvrai, true);
  EXPECT_FALSE(d.project.Locc);  // no place limit yet
  d.form.SetChecked(Check::Limite, true);
  EXPECT_TRUE(d.project.Locc);
  ExpectInvariants(d);
}

TEST(Hvrai, CheckingWithLimiteAndNoMidDayChecksLocc) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.host.Forget();
  d.form.SetChecked(Check::Hvrai, true);
  EXPECT_TRUE(d.project.Locc);
  EXPECT_TRUE(Enabled(d, ControlId::Long));
  EXPECT_FALSE(d.project.Options.HiverPrintemps1.enabled);
  EXPECT_FALSE(d.project.Options.EteAutomne1.enabled);
  EXPECT_TRUE(d.project.Options.Refrac1.enabled);
  ExpectInvariants(d);
}

TEST(Hvrai, WithMidDayItOnlyOpensTheLongitude) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.form.SetChecked(Check::Mijou, true);
  d.form.SetChecked(Check::Hvrai, true);
  EXPECT_FALSE(d.project.Locc);
  EXPECT_TRUE(d.project.Mijou);
  EXPECT_TRUE(Enabled(d, ControlId::FusHor));
  ExpectInvariants(d);
}

TEST(Hvrai, ClearingDependsOnModeSetA) {
  for (int mode : {1, 8}) {
    Dialog d;
    d.state.RunMode = RunMode{mode};
    d.form.SetChecked(Check::Hvrai, true);
    ASSERT_EQ(d.host.marks.size(), 1u);
    EXPECT_EQ(d.host.marks[0].clearDrawing, mode == 1);
    d.form.Enter(Field::Long, "3");
    d.host.Forget();
    d.form.SetChecked(Check::Hvrai, false);
    EXPECT_FALSE(d.project.Long.given);
    ASSERT_EQ(d.host.marks.size(), 1u);
    EXPECT_EQ(d.host.marks[0].clearDrawing, mode == 1);
    EXPECT_TRUE(d.project.Options.EteAutomne1.enabled);
    ExpectInvariants(d);
  }
}

TEST(Hvrai, UncheckingKeepsTheLongitudeWhileLoccHoldsIt) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.form.SetChecked(Check::Locc, true);
  d.form.SetChecked(Check::Hvrai, true);
  d.form.Enter(Field::Long, "3");
  d.form.SetChecked(Check::Hvrai, false);
  EXPECT_TRUE(d.project.Long.given);
  d.form.SetChecked(Check::Locc, false);
  EXPECT_FALSE(d.project.Long.given);
  ExpectInvariants(d);
}

TEST(MijouLocc, EachUnchecksTheOtherAndRefractionStaysEnabled) {
  Dialog d;
  d.form.SetChecked(Check::Limite, true);
  d.form.SetChecked(Check::Locc, true);
  EXPECT_TRUE(d.project.Options.Refrac1.enabled);
  d.form.Enter(Field::Long, "2");
  d.host.Forget();
  d.form.SetChecked(Check::Mijou, true);
  EXPECT_FALSE(d.project.Locc);
  EXPECT_FALSE(d.project.Long.given);
  EXPECT_TRUE(d.project.Options.Refrac1.enabled);
  EXPECT_TRUE(Enabled(d, ControlId::MiJour));
  EXPECT_EQ(d.host.marks.size(), 1u);  // marked by Locc's handler alone
  ExpectInvariants(d);

  d.form.Enter(Field::MiJour, "12:10");
  EXPECT_EQ(d.project.Amijour, "12:10:00");
  d.form.SetChecked(Check::Locc, true);
  EXPECT_FALSE(d.project.Mijou);
  EXPECT_FALSE(d.project.MiJour.given);
  EXPECT_EQ(d.project.Amijour, "");
  EXPECT_TRUE(d.project.Options.Refrac1.enabled);
  ExpectInvariants(d);

  d.form.SetChecked(Check::Locc, false);
  EXPECT_FALSE(d.project.Options.Refrac1.enabled);
  ExpectInvariants(d);
}

TEST(Boxes, SettingTheSameStateRunsNoHandler) {
  Dialog d;
  d.form.SetChecked(Check::Limite, false);
  d.form.SetChecked(Check::Rectg, false);
  d.form.Select(Radio::Dest);
  EXPECT_TRUE(d.host.marks.empty());
  EXPECT_TRUE(d.host.menus.empty());
  d.form.SetChecked(Check::Limite, true);
  d.host.Forget();
  d.form.SetChecked(Check::Limite, true);
  EXPECT_TRUE(d.host.marks.empty());
}

TEST(Boxes, RandomSequencesKeepTheInvariants) {
  // a fixed pseudo-random walk over the boxes and the place entries
  Dialog d;
  const Check boxes[] = {Check::Rectg, Check::Hautf, Check::Limite,
                         Check::Mijou, Check::Locc,  Check::Hvrai};
  unsigned state = 12345;
  int seen[4] = {0, 0, 0, 0};  // Locc, Mijou, Hvrai with Limite, rectangle
  for (int step = 0; step < 400; ++step) {
    state = state * 1103515245u + 12345u;
    const unsigned pick = (state >> 16) % 10;
    // clicks and typing go only where a user can reach: enabled, visible controls
    auto type = [&d](Field f, const char* text) {
      if (d.form.Control(f).enabled) d.form.Enter(f, text);
    };
    if (pick < 6) {
      const ControlState box = d.form.Control(boxes[pick]);
      if (box.enabled && box.visible) d.form.Click(boxes[pick]);
    } else if (pick == 6) {
      type(Field::Lat, "45");
    } else if (pick == 7) {
      type(Field::Long, "3");
    } else if (pick == 8) {
      type(Field::Cote, "100");
      type(Field::Coteh, "80");
    } else {
      const Radio r = (state >> 8) % 2 ? Radio::Sud : Radio::Nord;
      if (d.form.Control(r).enabled) d.form.Select(r);
    }
    ExpectInvariants(d);
    if (HasFailure()) {
      ADD_FAILURE() << "after step " << step;
      return;
    }
    seen[0] += d.project.Locc;
    seen[1] += d.project.Mijou;
    seen[2] += d.project.Hvrai && d.project.Limite;
    seen[3] += d.project.Rectg && d.project.Coteh.given;
  }
  for (int count : seen) EXPECT_GT(count, 10);  // the walk reached every kind of state
}

TEST(Focus, BoxesMoveTheFocusOnlyInTheActiveDialogOnTheirPage) {
  Dialog d;
  d.form.SetChecked(Check::Rectg, true);
  EXPECT_FALSE(d.form.ActiveControl().has_value());

  d.form.SetDialogActive(true);
  d.form.SetChecked(Check::Rectg, false);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Cote);
  d.form.SetChecked(Check::Rectg, true);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Coteh);
  d.form.SetChecked(Check::Hautf, true);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Gnomf);

  d.form.SetChecked(Check::Limite, true);  // not on its page
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Gnomf);
  d.form.SelectTab(Tab::Lieu);
  d.form.SetChecked(Check::Limite, false);
  d.form.SetChecked(Check::Limite, true);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Lat);
  d.form.SetChecked(Check::Mijou, true);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::MiJour);
  d.form.SetChecked(Check::Locc, true);
  EXPECT_EQ(d.form.ActiveControl(), ControlId::Long);
}

TEST(Sequ, UncheckingResetsThePictureNumber) {
  Dialog d;
  d.form.SetChecked(Check::Sequ, true);
  d.state.SequenceIndex = 7;
  d.form.SetChecked(Check::Sequ, false);
  EXPECT_EQ(d.state.SequenceIndex, 0);
  EXPECT_TRUE(d.host.marks.empty());
}

}  // namespace
}  // namespace umbrix
