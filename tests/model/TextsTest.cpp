// Patterns with numbered arguments, composed as the source language shows them.

#include <gtest/gtest.h>

#include "model/Message.h"
#include "model/Texts.h"

namespace umbrix {
namespace {

TEST(ComposeText, PutsEachArgumentInItsPlaceInOnePass) {
  const struct {
    const char* pattern;
    std::vector<std::string> args;
    long count;
    const char* composed;
  } rows[] = {
      {"Feuille : ligne %1, colonne %2 (%3 × %4) — %5", {"1", "2", "2", "3", "mur"}, 0,
       "Feuille : ligne 1, colonne 2 (2 × 3) — mur"},
      // the same argument twice, and out of order, as another language may place them
      {"x%1 = %2, y%1 = %3", {"2", "164.2", "-189.9"}, 0, "x2 = 164.2, y2 = -189.9"},
      {"%2 de %1", {"a", "b"}, 0, "b de a"},
      // an argument that holds a marker stays as it is
      {"%1 : format incorrect", {"100%2.umd"}, 0, "100%2.umd : format incorrect"},
      // a marker without its argument, and a percent sign of the text, stay
      {"%1 et %3", {"a"}, 0, "a et %3"},
      {"100 % à %1", {"midi"}, 0, "100 % à midi"},
      {"fin %", {}, 0, "fin %"},
      {"%n lignes", {}, 3, "3 lignes"},
      {"", {"a"}, 0, ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ComposeText(row.pattern, row.args, row.count), row.composed) << row.pattern;
  }
}

TEST(ComposeText, AMessageKeepsItsPatternAndShowsItComposed) {
  const Message m = ErrorMessage("%1 : déjà ouvert ou erreur d'ouverture", {"mur.umd"});
  EXPECT_EQ(m.text, "%1 : déjà ouvert ou erreur d'ouverture");
  EXPECT_EQ(m.Composed(), "mur.umd : déjà ouvert ou erreur d'ouverture");
  EXPECT_EQ(m.caption, "Erreur...");
}

}  // namespace
}  // namespace umbrix
