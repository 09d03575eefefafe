#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "model/Dates.h"
#include "model/DialProject.h"
#include "model/Formats.h"

namespace umbrix {
namespace {

constexpr double kTol = 1e-9;

TEST(ParseDecimal, GrammarTable) {
  struct Row {
    const char* text;
    bool ok;
    double value;
  } rows[] = {
      {"1.5e1", true, 15},   {"15", true, 15},     {" 15", true, 15},    {"15 ", false, 0},
      {"15,5", false, 0},    {"", false, 0},       {".", false, 0},      {"5.", true, 5},
      {".5", true, 0.5},     {"-.5", true, -0.5},  {"+2", true, 2},      {"-50", true, -50},
      {"1e", false, 0},      {"1e+", false, 0},    {"1E-2", true, 0.01}, {"e5", false, 0},
      {"--1", false, 0},     {"1.2.3", false, 0},  {"1e999", false, 0},  {"inf", false, 0},
      {"nan", false, 0},     {"0x10", false, 0},   {"  -3.25e+1", true, -32.5},
      {"1e-400", true, 0},   {"12a", false, 0},
  };
  for (const auto& r : rows) {
    const auto v = ParseDecimal(r.text);
    EXPECT_EQ(v.has_value(), r.ok) << '"' << r.text << '"';
    if (v && r.ok) {
      EXPECT_NEAR(*v, r.value, kTol) << r.text;
    }
  }
}

TEST(ParseWhole, Table) {
  EXPECT_EQ(ParseWhole("12"), 12);
  EXPECT_EQ(ParseWhole(" -5"), -5);
  EXPECT_EQ(ParseWhole("+7"), 7);
  EXPECT_EQ(ParseWhole("2147483647"), 2147483647);
  EXPECT_EQ(ParseWhole("-2147483648"), -2147483647 - 1);
  EXPECT_FALSE(ParseWhole("2147483648"));
  EXPECT_FALSE(ParseWhole("1.0"));
  EXPECT_FALSE(ParseWhole("5 "));
  EXPECT_FALSE(ParseWhole(""));
  EXPECT_FALSE(ParseWhole("-"));
}

TEST(ParseSexagesimal, DegreesAndHours) {
  struct Row {
    const char* text;
    const char* sep;
    bool ok;
    double value;
  } rows[] = {
      {"48°51°24", "°", true, 48 + 51 / 60.0 + 24 / 3600.0},
      {"48°30.5", "°", true, 48 + 30.5 / 60.0},
      {"48°", "°", true, 48},
      {"48°°30", "°", false, 0},
      {"48 °30", "°", false, 0},
      {"48° 30", "°", true, 48.5},
      {"-3:30", ":", true, -3.5},
      {"5:45", ":", true, 5.75},
      {"1:00", ":", true, 1},
      {"2°20", "°", true, 2 + 20 / 60.0},
      {"", "°", false, 0},
      {"°", "°", false, 0},
      {"1:2:3:4", ":", true, 1 + 2 / 60.0 + 3 / 3600.0 + 4 / 216000.0},
      {"abc", ":", false, 0},
  };
  for (const auto& r : rows) {
    const auto v = ParseSexagesimal(r.text, r.sep);
    EXPECT_EQ(v.has_value(), r.ok) << r.text;
    if (v && r.ok) {
      EXPECT_NEAR(*v, r.value, 1e-12) << r.text;
    }
  }
}

TEST(ParseSexagesimal, MinusZeroKeepsItsSign) {
  EXPECT_DOUBLE_EQ(*ParseSexagesimal("-0:30", ":"), -0.5);
  EXPECT_DOUBLE_EQ(*ParseSexagesimal("-0°30", "°"), -0.5);
  EXPECT_DOUBLE_EQ(*ParseSexagesimal(" -0:15", ":"), -0.25);
  EXPECT_DOUBLE_EQ(*ParseSexagesimal("0:30", ":"), 0.5);
}

TEST(ParseDate, ShortDateFormat) {
  ParseContext ctx;
  ctx.today = SerialFromCivil({2026, 12, 8});
  EXPECT_EQ(ParseDate("14/07/2012", ctx), SerialFromCivil({2012, 7, 14}));
  EXPECT_EQ(ParseDate(" 14 / 7 / 2012 ", ctx), SerialFromCivil({2012, 7, 14}));
  EXPECT_EQ(ParseDate("14/7", ctx), SerialFromCivil({2026, 7, 14}));
  EXPECT_EQ(ParseDate("1/1/10", ctx), SerialFromCivil({2010, 1, 1}));
  EXPECT_EQ(ParseDate("1/1/76", ctx), SerialFromCivil({2076, 1, 1}));
  EXPECT_EQ(ParseDate("1/1/77", ctx), SerialFromCivil({1977, 1, 1}));
  EXPECT_FALSE(ParseDate("31/02/2024", ctx));
  EXPECT_FALSE(ParseDate("14-07-2012", ctx));
  EXPECT_FALSE(ParseDate("14", ctx));
  EXPECT_FALSE(ParseDate("", ctx));
  EXPECT_FALSE(ParseDate("1/2/3/4", ctx));
  ctx.dayFirst = false;
  EXPECT_EQ(ParseDate("7/14/2012", ctx), SerialFromCivil({2012, 7, 14}));
}

TEST(ParseDate, DottedAndYearFirstForms) {
  ParseContext ctx;
  ctx.today = SerialFromCivil({2026, 12, 8});
  const struct {
    const char* text;
    std::optional<CivilDate> date;
  } rows[] = {
      {"21.06.2024", CivilDate{2024, 6, 21}}, {" 21 . 6 ", CivilDate{2026, 6, 21}},
      {"2024-06-21", CivilDate{2024, 6, 21}}, {" 2024-6-1 ", CivilDate{2024, 6, 1}},
      {"2024-02-30", std::nullopt},           {"2024-13-01", std::nullopt},
      {"24-06-21", std::nullopt},             {"2024-06-21-1", std::nullopt},
      {"2024-06", std::nullopt},              {"2024-006-21", std::nullopt},
      {"21.06/2024", std::nullopt},           {"31.04.2024", std::nullopt},
  };
  for (const auto& row : rows) {
    const auto serial = ParseDate(row.text, ctx);
    ASSERT_EQ(serial.has_value(), row.date.has_value()) << row.text;
    if (row.date) {
      EXPECT_EQ(*serial, SerialFromCivil(*row.date)) << row.text;
    }
  }
  ctx.dayFirst = false;  // the dotted form follows the short date format's order
  EXPECT_EQ(ParseDate("6.21.2024", ctx), SerialFromCivil({2024, 6, 21}));
}

TEST(ParseTime, ClockTimes) {
  struct Row {
    const char* text;
    bool ok;
    double seconds;
  } rows[] = {
      {"12:00:00", true, 43200}, {"13", true, 46800},       {"13:05", true, 47100},
      {"5:53:25.5", true, 21205.5}, {"12:00 ", true, 43200}, {"1 PM", true, 46800},
      {"PM 1:30", true, 48600},  {"12 AM", true, 0},         {"12 pm", true, 43200},
      {"24:00", false, 0},       {"13 PM", false, 0},        {"10:60", false, 0},
      {"10:00:60", false, 0},    {"", false, 0},             {"*", false, 0},
      {"1:2:3:4", false, 0},     {"10.5", false, 0},         {"0 AM", false, 0},
  };
  for (const auto& r : rows) {
    const auto v = ParseTime(r.text);
    EXPECT_EQ(v.has_value(), r.ok) << r.text;
    if (v && r.ok) {
      EXPECT_NEAR(*v * 86400, r.seconds, 1e-6) << r.text;
    }
  }
}

TEST(ExpandShorthand, EveryCellOfTheTable) {
  DialProject p;
  p.Date1.text = "14/07/2012";
  p.Date2.text = "15/08/2013";
  p.Dadiur.text = "01/01/2010";
  p.Heure1.text = "10:00:00";
  p.Heure2.text = "11:00:00";
  p.Hediur.text = "12:00:00";
  ParseContext ctx;
  ctx.today = SerialFromCivil({2026, 12, 8});
  ctx.now = 0.25;
  struct Row {
    Field field;
    const char* text;
    const char* expected;  // nullptr: not a shorthand there
  } rows[] = {
      {Field::Date1, "*", "08/12/2026"},  {Field::Date1, "**", "01/01/2010"},
      {Field::Date1, ".", nullptr},       {Field::Date1, "..", "15/08/2013"},
      {Field::Date2, "*", "08/12/2026"},  {Field::Date2, "**", "01/01/2010"},
      {Field::Date2, ".", "14/07/2012"},  {Field::Date2, "..", nullptr},
      {Field::Dadiur, "*", "08/12/2026"}, {Field::Dadiur, "**", nullptr},
      {Field::Dadiur, ".", "14/07/2012"}, {Field::Dadiur, "..", "15/08/2013"},
      {Field::Heure1, "*", nullptr},      {Field::Heure1, "**", "12:00:00"},
      {Field::Heure1, ".", nullptr},      {Field::Heure1, "..", nullptr},
      {Field::Heure2, "*", nullptr},      {Field::Heure2, "**", "12:00:00"},
      {Field::Hediur, "*", "06:00:00"},   {Field::Hediur, "**", nullptr},
      {Field::Hediur, ".", "10:00:00"},   {Field::Hediur, "..", "11:00:00"},
      {Field::MiJour, "*", nullptr},      {Field::MiJour, ".", nullptr},
      {Field::Date1, "14/07/2012", nullptr},
  };
  for (const auto& r : rows) {
    const auto v = ExpandShorthand(r.field, r.text, p, ctx);
    if (r.expected == nullptr) {
      EXPECT_FALSE(v.has_value()) << FieldName(r.field) << " " << r.text;
    } else {
      ASSERT_TRUE(v.has_value()) << FieldName(r.field) << " " << r.text;
      EXPECT_EQ(*v, r.expected) << FieldName(r.field) << " " << r.text;
    }
  }
}

TEST(ExpandShorthand, CopiedShorthandIsNotExpandedAgain) {
  DialProject p;
  p.Date1.text = "..";
  p.Date2.text = ".";
  ParseContext ctx;
  const auto v = ExpandShorthand(Field::Date2, ".", p, ctx);
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(*v, "..");
  EXPECT_FALSE(ParseDate(*v, ctx));
}

TEST(Ranges, Zones) {
  EXPECT_TRUE(IsValidZone(5.75));
  EXPECT_TRUE(IsValidZone(-3.5));
  EXPECT_TRUE(IsValidZone(12));
  EXPECT_FALSE(IsValidZone(5 + 40 / 60.0));
  EXPECT_FALSE(IsValidZone(1 + 20 / 60.0));
  EXPECT_FALSE(IsValidZone(13));
}

TEST(StartupProject, DiversTabAndPlate) {
  const DialProject p = StartupProject();
  EXPECT_EQ(p.Dadiur.text, "01/01/2010");
  EXPECT_EQ(p.Dadiur.value, 40179);
  EXPECT_EQ(p.Adadiur, "1 janvier 2010");
  EXPECT_EQ(p.Hediur.text, "12:00:00");
  EXPECT_EQ(p.Hediur.value, 0.5);
  EXPECT_EQ(p.Carreau.value, 50);
  EXPECT_EQ(p.TypeHeure, 0.0);
  EXPECT_EQ(kTypeHeureValues[1], -1.0 / 24.0);
  EXPECT_FALSE(p.Cote.given);
  EXPECT_EQ(p.Plate.XMax - p.Plate.XMin, 100.0);
  EXPECT_TRUE(p.Options.Lighor1.checked);
  EXPECT_TRUE(p.Options.Style1.checked);
  EXPECT_FALSE(p.Options.Horizon1.enabled);
  EXPECT_FALSE(p.Options.Refrac1.enabled);
}

// Random texts of every shape never crash or read out of bounds (run under the sanitizers).
TEST(Parsers, SurviveRandomText) {
  std::mt19937 rng(12345);
  const std::string alphabet = std::string("0123456789+-.eE:/ °AMPamp*,\t\xC3\xA9") + '\0';
  ParseContext ctx;
  DialProject p;
  for (int n = 0; n < 20000; ++n) {
    std::string s;
    const int len = static_cast<int>(rng() % 40);
    for (int i = 0; i < len; ++i) s += alphabet[rng() % alphabet.size()];
    (void)ParseDecimal(s);
    (void)ParseWhole(s);
    (void)ParseSexagesimal(s, "°");
    (void)ParseSexagesimal(s, ":");
    (void)ParseDate(s, ctx);
    (void)ParseTime(s);
    (void)ExpandShorthand(Field::Date2, s, p, ctx);
  }
  EXPECT_FALSE(ParseDecimal(std::string(100000, '9')).has_value());
  EXPECT_TRUE(ParseDecimal(std::string(300, '9')).has_value());
}

}  // namespace
}  // namespace umbrix
