// Entries and shown numbers must read and print the same on a machine set up in German, where the
// C library and the streams would use a decimal comma.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <optional>
#include <string>
#include <vector>

#include "model/Dates.h"
#include "model/Formats.h"
#include "model/Numbers.h"

namespace umbrix {
namespace {

/// Everything the parsers and formatters give for a fixed set of texts and values, as one text.
std::string Results() {
  const auto show = [](std::optional<double> v) { return v ? FormatGeneral(*v) : "refusé"; };
  std::string out;
  for (const char* t : {"15.5", "15,5", "1.5e1", "-0.25", " 15", "1e-7", "123456789012345678"}) {
    out += show(ParseDecimal(t)) + "|";
  }
  for (const char* t : {"48°51°24", "48°30.5", "-0°30", "48° 30"}) {
    out += show(ParseSexagesimal(t, "°")) + "|";
  }
  for (const char* t : {"-3:30", "5:45", "5:45.5"}) out += show(ParseSexagesimal(t, ":")) + "|";
  ParseContext ctx;
  ctx.today = 46364;  // 8 December 2026
  for (const char* t : {"21/06/2024", "14/7", "1/3/20"}) out += show(ParseDate(t, ctx)) + "|";
  for (const char* t : {"13:00:00.250", "1:05 PM", "17"}) out += show(ParseTime(t)) + "|";
  for (double x : {12.25, 0.1, -50.0, 1.0 / 3, 1e-7, 1.5e20, 0.0005}) out += FormatGeneral(x) + "|";
  out +=
      FormatLongTime(0.5 + 53.0 / 1440) + "|" + FormatZoneHours(-3.5) + "|" + FormatDateLong(45464);
  return out;
}

TEST(Locale, ParsersAndFormattersIgnoreAGermanLocale) {
  const std::string inC = Results();

  const std::string previousC = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "the locale de_DE.UTF-8 cannot be created on this machine";
  }
  std::locale previous = std::locale::global(std::locale("de_DE.UTF-8"));
  const std::string inGerman = Results();
  std::locale::global(previous);
  std::setlocale(LC_ALL, previousC.c_str());

  EXPECT_EQ(inGerman, inC);
  // the texts really went through the parsers: a comma is refused, a point read
  EXPECT_NE(inC.find("15.5|refusé|15|"), std::string::npos) << inC;
}

}  // namespace
}  // namespace umbrix
