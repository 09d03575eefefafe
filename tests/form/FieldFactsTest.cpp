// The table of the entries' facts, driven through the dialog: every range at its two ends and
// every companion label, looping over the same rows a view builds its edits from.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "form/FakeFormHost.h"
#include "model/Numbers.h"

namespace umbrix {
namespace {

using testing::Dialog;

// Whether the dialog takes `text` for the entry, and the magnitude it stores.
bool Takes(Field f, const std::string& text, double* magnitude = nullptr) {
  Dialog d;
  d.form.Enter(f, text);
  if (magnitude) *magnitude = std::abs(d.project.At(f).value);
  return d.project.At(f).given;
}

TEST(FieldFacts, EveryRangeHoldsAtBothEnds) {
  int checked = 0;
  for (const FieldFacts& facts : kFieldFacts) {
    if (facts.kind != TextKind::Decimal && facts.kind != TextKind::Angle) continue;
    const Range r = facts.range;
    const char* name = FieldName(facts.field);
    if (!std::isfinite(r.min) && !std::isfinite(r.max)) continue;
    if (std::isfinite(r.max)) {
      double stored = 0;
      EXPECT_TRUE(Takes(facts.field, FormatGeneral(r.max), &stored)) << name;
      EXPECT_EQ(stored, std::abs(r.max)) << name;
      EXPECT_FALSE(Takes(facts.field, FormatGeneral(r.max + 0.5))) << name;
    }
    if (std::isfinite(r.min)) {
      EXPECT_EQ(Takes(facts.field, FormatGeneral(r.min)), !r.minExclusive) << name;
      EXPECT_FALSE(Takes(facts.field, FormatGeneral(r.min - 0.5))) << name;
      EXPECT_TRUE(Takes(facts.field, FormatGeneral(r.min + 0.5))) << name;
    }
    ++checked;
  }
  EXPECT_EQ(checked, 11);  // the plate sides, the heights, the squares and the five angles
}

TEST(FieldFacts, TheRangesOfThePlaceAndTheSimulation) {
  EXPECT_EQ(FactsOf(Field::Lat).range.max, 90.0);
  EXPECT_EQ(FactsOf(Field::Lat).range.min, 0.0);
  EXPECT_EQ(FactsOf(Field::RotEd).range.min, -180.0);
  EXPECT_TRUE(FactsOf(Field::Carreau).range.minExclusive);
}

TEST(FieldFacts, EveryLabelShowsTheParsedEntryAndEmptiesWithIt) {
  int labels = 0;
  for (const FieldFacts& facts : kFieldFacts) {
    if (!facts.label) continue;
    const bool date = facts.kind == TextKind::Date;
    Dialog d;
    d.form.Enter(facts.field, date ? "14/07/2012" : "10:30");
    EXPECT_EQ(d.form.Control(facts.label->control).text, date ? "14 juillet 2012" : "10:30:00")
        << FieldName(facts.field);
    d.form.Enter(facts.field, "n'importe quoi");
    EXPECT_EQ(d.form.Control(facts.label->control).text, "") << FieldName(facts.field);
    ++labels;
  }
  EXPECT_EQ(labels, 7);  // Adate1, Aheure1, Adate2, Aheure2, Amijour, Adadiur, Ahediur
}

TEST(FieldFacts, TheDialogShowsEachEditAsItsRowSays) {
  Dialog d;
  for (const FieldFacts& facts : kFieldFacts) {
    const ControlState s = d.form.Control(facts.field);
    EXPECT_EQ(s.caption, facts.caption) << FieldName(facts.field);
    EXPECT_EQ(s.unit, facts.unit) << FieldName(facts.field);
    EXPECT_EQ(InfoOf(ControlOf(facts.field)).group, facts.group) << FieldName(facts.field);
    EXPECT_EQ(s.hint, facts.kind == TextKind::Date ? "Format : jj/mm/aaaa" : facts.hint)
        << FieldName(facts.field);
  }
}

}  // namespace
}  // namespace umbrix
