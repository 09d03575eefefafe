// The main window's option items through the session: check marks, the modified title, and
// the computation each click runs.

#include <gtest/gtest.h>

#include "app/SessionFixtures.h"

namespace umbrix {
namespace {

using testing::App;

struct SubdivisionStep {
  SubdivisionItem item;
  int expected;  // HourSubdivisions after the click
};

TEST(Subdivisions, AtMostOneCheckedAndUncheckingGivesOne) {
  DrawingOptions o;
  const std::vector<SubdivisionStep> steps = {
      {SubdivisionItem::Demi, 2},   {SubdivisionItem::Quart, 4}, {SubdivisionItem::Quart, 1},
      {SubdivisionItem::N10min, 6}, {SubdivisionItem::Demi, 2},  {SubdivisionItem::Demi, 1},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    ToggleSubdivision(o, steps[i].item);
    EXPECT_EQ(o.HourSubdivisions, steps[i].expected) << "step " << i;
    EXPECT_LE(o.Demi() + o.Quart() + o.N10min(), 1) << "step " << i;
  }
}

struct SignStep {
  SignArcItem item;
  int expected;  // SignArcs after the click
  bool equ, sol, tou;
};

TEST(SignArcs, AllExcludesTheOtherTwoWhichMayGoTogether) {
  DrawingOptions o;
  const std::vector<SignStep> steps = {
      {SignArcItem::SgEqu, 1, true, false, false},  {SignArcItem::SgSol, 3, true, true, false},
      {SignArcItem::SgTou, 7, false, false, true},  {SignArcItem::SgSol, 2, false, true, false},
      {SignArcItem::SgSol, 0, false, false, false}, {SignArcItem::SgTou, 7, false, false, true},
      {SignArcItem::SgTou, 0, false, false, false}, {SignArcItem::SgTou, 7, false, false, true},
      {SignArcItem::SgEqu, 1, true, false, false},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    ToggleSignArc(o, steps[i].item);
    EXPECT_EQ(o.SignArcs, steps[i].expected) << "step " << i;
    EXPECT_EQ(o.SgEqu(), steps[i].equ) << "step " << i;
    EXPECT_EQ(o.SgSol(), steps[i].sol) << "step " << i;
    EXPECT_EQ(o.SgTou(), steps[i].tou) << "step " << i;
  }
}

TEST(CasterType, ExactlyOneCheckedAndTheCurrentOneChangesNothing) {
  DrawingOptions o;
  EXPECT_FALSE(ChooseCaster(o, CasterItem::Style1));
  EXPECT_TRUE(o.Style1.checked);
  EXPECT_FALSE(o.Gnomon1.checked);
  EXPECT_TRUE(ChooseCaster(o, CasterItem::Gnomon1));
  EXPECT_FALSE(o.Style1.checked);
  EXPECT_TRUE(o.Gnomon1.checked);
  EXPECT_FALSE(ChooseCaster(o, CasterItem::Gnomon1));
  EXPECT_TRUE(ChooseCaster(o, CasterItem::Style1));
  EXPECT_TRUE(o.Style1.checked);
  EXPECT_FALSE(o.Gnomon1.checked);
}

TEST(OptionItems, EveryItemHasItsOwnCheckMark) {
  const std::vector<OptionItem> all = {
      OptionItem::Lighor1,   OptionItem::LhLim,     OptionItem::HiverPrintemps1,
      OptionItem::EteAutomne1, OptionItem::MenDat,  OptionItem::HiverPrintemps2,
      OptionItem::EteAutomne2, OptionItem::N2points1, OptionItem::Axes1,
      OptionItem::Carreaux1, OptionItem::Horizon1,  OptionItem::Refrac1,
      OptionItem::Ombre1,    OptionItem::Visible1};
  for (OptionItem item : all) {
    DrawingOptions o;
    const DrawingOptions before = o;
    OptionOf(o, item).checked = !OptionOf(o, item).checked;
    int changed = 0;
    for (OptionItem other : all) {
      changed += OptionOf(o, other).checked != OptionOf(before, other).checked;
    }
    EXPECT_EQ(changed, 1) << "option " << static_cast<int>(item);
  }
}

TEST(MenuClicks, ATogglesWithNothingTracedMarksModifiedAndReportsTheMissingEntry) {
  App app;
  ASSERT_FALSE(app.state().Modified);
  app.session.ToggleOption(OptionItem::Axes1);
  EXPECT_TRUE(app.project().Options.Axes1.checked);
  EXPECT_TRUE(app.state().Modified);
  EXPECT_EQ(app.session.Title(), "Umbrix * ");
  EXPECT_EQ(app.platform.MessageTexts(), std::vector<std::string>{"Donner la géométrie du cadran"});
}

TEST(MenuClicks, QuartAfterDemi) {
  App app;
  app.session.ToggleSubdivision(SubdivisionItem::Demi);
  app.session.ToggleSubdivision(SubdivisionItem::Quart);
  EXPECT_EQ(app.project().Options.HourSubdivisions, 4);
  EXPECT_FALSE(app.project().Options.Demi());
  app.session.ToggleSubdivision(SubdivisionItem::Quart);
  EXPECT_EQ(app.project().Options.HourSubdivisions, 1);
  EXPECT_EQ(app.platform.messages.size(), 3u);  // each click ran the computation
}

TEST(MenuClicks, TousThenSolstices) {
  App app;
  app.session.ToggleSignArc(SignArcItem::SgEqu);
  app.session.ToggleSignArc(SignArcItem::SgTou);
  EXPECT_EQ(app.project().Options.SignArcs, 7);
  app.session.ToggleSignArc(SignArcItem::SgSol);
  EXPECT_EQ(app.project().Options.SignArcs, 2);
  EXPECT_TRUE(app.state().Modified);
}

TEST(MenuClicks, StyleClickedWhileCheckedChangesNothing) {
  App app;
  app.session.ChooseCaster(CasterItem::Style1);
  EXPECT_FALSE(app.state().Modified);
  EXPECT_EQ(app.session.Title(), "Umbrix   ");
  EXPECT_TRUE(app.platform.messages.empty());  // no computation ran
  EXPECT_TRUE(app.project().Options.Style1.checked);

  app.session.ChooseCaster(CasterItem::Gnomon1);
  EXPECT_TRUE(app.state().Modified);
  EXPECT_EQ(app.session.Title(), "Umbrix * ");
  EXPECT_EQ(app.platform.messages.size(), 1u);
}

TEST(MenuClicks, ADisabledItemCannotBeClicked) {
  App app;
  ASSERT_FALSE(app.project().Options.Horizon1.enabled);
  app.session.ToggleOption(OptionItem::Horizon1);
  EXPECT_FALSE(app.project().Options.Horizon1.checked);
  EXPECT_FALSE(app.state().Modified);

  app.form().SetChecked(Check::Limite, true);
  ASSERT_TRUE(app.project().Options.Horizon1.enabled);
  app.session.ToggleOption(OptionItem::Horizon1);
  EXPECT_TRUE(app.project().Options.Horizon1.checked);
}

TEST(MenuClicks, AnOptionRedrawsTheDialWithTheNewFigure) {
  App app;
  testing::TypeWorkedCase(app.form());
  ASSERT_TRUE(app.session.StartComputation(RunMode::Compute));
  ASSERT_EQ(app.session.ReportPane().find("Equinoxiale"), std::string::npos);
  app.platform.Forget();
  app.session.ToggleSignArc(SignArcItem::SgEqu);
  EXPECT_NE(app.session.ReportPane().find("Equinoxiale"), std::string::npos);
  EXPECT_FALSE(app.platform.bitmap.Of(testing::CallKind::DrawSegment, colours::Purple).empty());
  EXPECT_TRUE(app.platform.messages.empty());
}

TEST(MenuClicks, SaisiesFocusesTheFirstFieldOfTheCurrentTab) {
  App app;
  struct Case {
    Tab tab;
    std::optional<ControlId> focus;
  };
  for (const Case c : {Case{Tab::Point1, ControlId::Date1}, Case{Tab::Point2, ControlId::Date2},
                       Case{Tab::Lieu, ControlId::Limite}, Case{Tab::Divers, ControlId::Dadiur},
                       Case{Tab::Cadran, ControlId::Cote}}) {
    app.form().SelectTab(c.tab);
    app.session.ShowSaisies();
    EXPECT_EQ(app.form().ActiveControl(), c.focus) << static_cast<int>(c.tab);
  }
  app.form().SetChecked(Check::Rectg, true);
  app.session.ShowSaisies();
  EXPECT_EQ(app.form().ActiveControl(), ControlId::Coteh);
  EXPECT_TRUE(app.platform.LogHasInOrder({"dialog"}));
}

TEST(MenuClicks, CommentsMarkTheProjectModified) {
  App app;
  app.session.CommentsEdited("Mur de la grange");
  EXPECT_TRUE(app.state().Modified);
  EXPECT_EQ(app.project().Comments, "Mur de la grange");
  EXPECT_EQ(app.session.Title(), "Umbrix * ");
}

}  // namespace
}  // namespace umbrix
