#include "app/HelpTopics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace umbrix {
namespace {

TEST(HelpTopicsTest, F1OnADialogControlTakesTheNearestId) {
  const struct {
    ControlId control;
    int topic;
  } cases[] = {
      {ControlId::Cote, 1},    {ControlId::Coteh, 1},  {ControlId::Rectg, 1},
      {ControlId::Gnomon, 1},  {ControlId::Hautf, 1},  {ControlId::Gnomf, 8},
      {ControlId::Gnomx, 8},   {ControlId::Gnomy, 8},  {ControlId::GroupFinal, 8},
      {ControlId::Date1, 2},   {ControlId::Adate1, 2}, {ControlId::Mesy2, 2},
      {ControlId::Heure2, 2},  {ControlId::Lat, 3},    {ControlId::Sud, 3},
      {ControlId::Hvrai, 3},   {ControlId::FusHor, 3}, {ControlId::Dadiur, 6},
      {ControlId::TypeHeure, 6}, {ControlId::Outil, 6}, {ControlId::DecEd, 5},
      {ControlId::Douest, 5},  {ControlId::Simul, 5},  {ControlId::Caldir, 5},
      {ControlId::Carreau, 9}, {ControlId::Button1, 11}, {ControlId::Edit20, 11},
      {ControlId::Sequ, 11},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DialogHelpTopic(c.control), c.topic) << "control " << static_cast<int>(c.control);
  }
}

TEST(HelpTopicsTest, F1OnATabPageOrTheMainWindow) {
  EXPECT_EQ(DialogHelpTopic(Tab::Cadran), 1);
  EXPECT_EQ(DialogHelpTopic(Tab::Point1), 2);
  EXPECT_EQ(DialogHelpTopic(Tab::Point2), 2);
  EXPECT_EQ(DialogHelpTopic(Tab::Lieu), 3);
  EXPECT_EQ(DialogHelpTopic(Tab::Divers), 6);
  // the developer's tabs have no page of their own: the dialog's
  EXPECT_EQ(DialogHelpTopic(Tab::Test), 11);
  EXPECT_EQ(MainWindowHelpTopic(MainWindowPart::CommentsPane), 4);
  EXPECT_EQ(MainWindowHelpTopic(MainWindowPart::Drawing), 4);
  EXPECT_EQ(MainWindowHelpTopic(MainWindowPart::ReportPane), 10);
  EXPECT_EQ(MainWindowHelpTopic(MainWindowPart::Window), 4);
}

TEST(HelpTopicsTest, F1OnAHighlightedMenuItemTakesItsMenusId) {
  const struct {
    MenuId item;
    int topic;
  } cases[] = {
      {MenuId::Nouveau1, 7}, {MenuId::Quitter1, 7},  {MenuId::N4formats1, 7},
      {MenuId::Fichier1, 7}, {MenuId::Style1, 12},   {MenuId::Gnomon1, 12},
      {MenuId::Type1, 12},   {MenuId::Visible1, 4},  {MenuId::Demi, 4},
      {MenuId::SgTou, 4},    {MenuId::Ombre1, 4},    {MenuId::CadBur1, 4},
      {MenuId::Saisies1, 4}, {MenuId::ManuelUtil1, 4}, {MenuId::RetUmbrix1, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MenuHelpTopic(c.item), c.topic) << RowOf(c.item).name;
  }
}

TEST(HelpTopicsTest, EveryTopicIsReachable) {
  std::set<int> reached = {kFirstTopic};  // "&Aide"
  for (int i = 0; i < kControlCount; ++i) reached.insert(DialogHelpTopic(static_cast<ControlId>(i)));
  for (int t = 0; t < kTabCount; ++t) reached.insert(DialogHelpTopic(static_cast<Tab>(t)));
  for (const MenuRow& row : MenuTable()) reached.insert(MenuHelpTopic(row.id));
  for (const MainWindowPart part : {MainWindowPart::Window, MainWindowPart::Drawing,
                                    MainWindowPart::ReportPane, MainWindowPart::CommentsPane}) {
    reached.insert(MainWindowHelpTopic(part));
  }
  std::set<int> all;
  for (const HelpTopic& t : HelpTopics()) all.insert(t.id);
  EXPECT_EQ(reached, all);
  EXPECT_EQ(all.size(), static_cast<size_t>(kHelpTopicCount));
}

TEST(HelpTopicsTest, TopicsAreInIdOrderWithDistinctPages) {
  std::set<std::string> pages;
  int expected = 0;
  for (const HelpTopic& t : HelpTopics()) {
    EXPECT_EQ(t.id, expected++);
    EXPECT_TRUE(pages.insert(t.page).second) << t.page;
    EXPECT_NE(std::string(t.title), "");
  }
  EXPECT_EQ(TopicOf(kHelpTopicCount - 1).id, kHelpTopicCount - 1);
  // an id with no page shows the first page, never another one
  EXPECT_EQ(TopicOf(kHelpTopicCount).id, 0);
  EXPECT_EQ(TopicOf(-1).id, 0);
}

}  // namespace
}  // namespace umbrix
