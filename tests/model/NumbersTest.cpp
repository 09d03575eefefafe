#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>

#include "model/Numbers.h"

namespace umbrix {
namespace {

TEST(RoundScaled, TiesGoToEven) {
  struct Row {
    double k, x, expected;
  } rows[] = {
      {10, 0.25, 0.2},   {10, 0.35, 0.3},  {10, 0.45, 0.5},  {10, -0.25, -0.2},
      {100, 1.005, 1.0}, {2, 5.75, 6.0},   {2, 5.25, 5.0},   {2, 5.7, 5.5},
      {2, 5.8, 6.0},     {10, 12.25, 12.2}, {1, 2.5, 2.0},   {1, 3.5, 4.0},
      {10, -50.0, -50.0},
  };
  for (const auto& r : rows) EXPECT_EQ(RoundScaled(r.k, r.x), r.expected) << r.k << " " << r.x;
}

TEST(RoundScaled, ZeroFactorReturnsTheValue) {
  EXPECT_EQ(RoundScaled(0, 0.123456789), 0.123456789);
  EXPECT_EQ(RoundScaled(0, -7.77), -7.77);
}

TEST(RoundHalfEven, Table) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEvenLong(2.5L), 2.0L);
}

TEST(SignOf, ZeroCountsPositive) {
  EXPECT_EQ(SignOf(0.0), 1.0);
  EXPECT_EQ(SignOf(-0.0), 1.0);
  EXPECT_EQ(SignOf(-1e-300), -1.0);
  EXPECT_EQ(SignOf(3.0), 1.0);
}

TEST(FormatGeneral, Table) {
  struct Row {
    double x;
    const char* text;
  } rows[] = {
      {12.25, "12.25"},
      {0.1, "0.1"},
      {-50.0, "-50"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1e-7, "1E-7"},
      {0.00001, "1E-5"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {123456789012345678.0, "1.23456789012346E17"},
      {1e15, "1E15"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E15"},
      {1.5e20, "1.5E20"},
      {0.1 + 0.2, "0.3"},
      {0.0, "0"},
      {-0.0, "0"},
      {100.0, "100"},
      {-0.01, "-0.01"},
      {20.0, "20"},
      {1234.5, "1234.5"},
      {-1e-20, "-1E-20"},
  };
  for (const auto& r : rows) EXPECT_EQ(FormatGeneral(r.x), r.text) << r.x;
}

TEST(FormatGeneral, IgnoresACommaDecimalLocale) {
  struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(FormatGeneral(12.25), "12.25");
  EXPECT_EQ(FormatGeneral(1.5e20), "1.5E20");
  std::locale::global(previous);
  if (cLocale != nullptr) std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace umbrix
