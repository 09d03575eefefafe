#include <gtest/gtest.h>

#include <cmath>

#include "model/Dates.h"

namespace umbrix {
namespace {

TEST(DateSerial, KnownDays) {
  struct Row {
    CivilDate date;
    double serial;
  } rows[] = {
      {{1899, 12, 30}, 0},     {{2010, 1, 1}, 40179}, {{2020, 3, 1}, 43891}, {{2017, 6, 22}, 42908},
      {{2017, 12, 21}, 43090}, {{2020, 1, 1}, 43831}, {{1900, 3, 1}, 61},    {{2024, 2, 29}, 45351},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(SerialFromCivil(r.date), r.serial) << r.serial;
    const CivilDate back = CivilFromSerial(r.serial + 0.75);
    EXPECT_EQ(back.year, r.date.year);
    EXPECT_EQ(back.month, r.date.month);
    EXPECT_EQ(back.day, r.date.day);
  }
}

// A number typed or read for another entry once reached the date labels and overflowed the
// day count: serials beyond the dates a text can hold stop at the first or last of them.
TEST(DateSerial, OutOfRangeSerialsStopAtTheFirstOrLastDate) {
  EXPECT_EQ(SerialFromCivil({100, 1, 1}), -657434);
  EXPECT_EQ(SerialFromCivil({9999, 12, 31}), 2958465);
  struct Row {
    double serial;
    int year, month, day;
  } rows[] = {
      {5.5e113, 9999, 12, 31}, {1e300, 9999, 12, 31}, {2958466, 9999, 12, 31},
      {-1e300, 100, 1, 1},     {-657435, 100, 1, 1},  {std::nan(""), 1899, 12, 30},
  };
  for (const auto& r : rows) {
    const CivilDate d = CivilFromSerial(r.serial);
    EXPECT_EQ(d.year, r.year) << r.serial;
    EXPECT_EQ(d.month, r.month) << r.serial;
    EXPECT_EQ(d.day, r.day) << r.serial;
  }
  EXPECT_EQ(FormatDateLong(1e300), "31 décembre 9999");
}

TEST(DateSerial, ValidCivilDates) {
  EXPECT_TRUE(IsValidCivil({2024, 2, 29}));
  EXPECT_FALSE(IsValidCivil({2023, 2, 29}));
  EXPECT_FALSE(IsValidCivil({2024, 2, 31}));
  EXPECT_FALSE(IsValidCivil({2024, 13, 1}));
  EXPECT_FALSE(IsValidCivil({2024, 0, 1}));
}

TEST(DateText, LongAndShortForms) {
  EXPECT_EQ(FormatDateLong(40179), "1 janvier 2010");
  EXPECT_EQ(FormatDateLong(40179, MonthNames::English), "1 January 2010");
  EXPECT_EQ(FormatDateLong(SerialFromCivil({2012, 7, 14})), "14 juillet 2012");
  EXPECT_EQ(FormatDateLong(SerialFromCivil({2024, 8, 3})), "3 août 2024");
  EXPECT_EQ(FormatDateLong(SerialFromCivil({2024, 2, 3})), "3 février 2024");
  EXPECT_EQ(FormatDateLong(SerialFromCivil({2024, 12, 25})), "25 décembre 2024");
  EXPECT_EQ(FormatDateShort(40179), "01/01/2010");
  EXPECT_EQ(FormatDateShort(SerialFromCivil({2012, 7, 14})), "14/07/2012");
}

TEST(ClockText, RoundedToTheMillisecondThenCut) {
  const double t = (5 * 3600 + 53 * 60 + 25.7) / 86400.0;
  EXPECT_EQ(FormatLongTime(t), "05:53:25");
  EXPECT_EQ(FormatHourMinute(t), "05:53");
  EXPECT_EQ(FormatLongTime(0.5), "12:00:00");
  EXPECT_EQ(FormatLongTime((59.9996) / 86400.0), "00:01:00");
  EXPECT_EQ(FormatLongTime(13.0 / 24.0), "13:00:00");
  const ClockParts p = ClockPartsOf((3600 + 2.0005) / 86400.0);
  EXPECT_EQ(p.hours, 1);
  EXPECT_EQ(p.seconds, 2);
  EXPECT_EQ(p.milliseconds, 1);
}

TEST(ClockText, ZonesAndHourForms) {
  EXPECT_EQ(FormatZoneHours(3.5), "3:30");
  EXPECT_EQ(FormatZoneHours(0.0), "0:00");
  EXPECT_EQ(FormatZoneHours(5.75), "5:45");
  EXPECT_EQ(FormatZoneHours(12.0), "12:00");
  EXPECT_EQ(FormatHoursH(1.0 + 8.0 / 60.0), "1 h 08");
  EXPECT_EQ(FormatHoursH(12.0), "12 h 00");
  EXPECT_EQ(FormatHMS((6 * 3600 + 2 * 60 + 24) / 86400.0), "6 h 2 m 24 s");
}

struct PatternCase {
  const char* pattern;
  const char* text;      // 4 July 2012 in the pattern
  const char* usable;    // the pattern followed
  bool dayFirst;
};

TEST(DatePattern, PatternsAndTheFallback) {
  const double serial = SerialFromCivil({2012, 7, 4});
  const PatternCase cases[] = {
      {"dd/mm/yyyy", "04/07/2012", "dd/mm/yyyy", true},
      {"d/M/yyyy", "4/7/2012", "d/M/yyyy", true},
      {"M/d/yy", "7/4/12", "M/d/yy", false},
      {"MM/dd/yyyy", "07/04/2012", "MM/dd/yyyy", false},
      {"yyyy-MM-dd", "04/07/2012", "dd/mm/yyyy", true},  // not "/" separated
      {"yyyy/MM/dd", "04/07/2012", "dd/mm/yyyy", true},  // year first
      {"dd/mm/yyy", "04/07/2012", "dd/mm/yyyy", true},   // a year of three digits
      {"ddd/mm/yyyy", "04/07/2012", "dd/mm/yyyy", true}, // a day of three letters
      {"dd/mm", "04/07/2012", "dd/mm/yyyy", true},       // no year
      {"", "04/07/2012", "dd/mm/yyyy", true},
  };
  for (const PatternCase& c : cases) {
    EXPECT_EQ(FormatDateInPattern(serial, c.pattern), c.text) << c.pattern;
    EXPECT_EQ(UsableDatePattern(c.pattern), c.usable) << c.pattern;
    EXPECT_EQ(DayComesFirst(c.pattern), c.dayFirst) << c.pattern;
  }
}

}  // namespace
}  // namespace umbrix
