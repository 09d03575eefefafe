#include "model/Dates.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <vector>

#include "model/Texts.h"

namespace umbrix {

namespace {

using namespace std::chrono;

constexpr sys_days kSerialEpoch = sys_days{year{1899} / December / 30};

constexpr std::array<const char*, 12> kFrenchMonths = {
    UMBRIX_TR("Dates", "janvier"), UMBRIX_TR("Dates", "février"),  UMBRIX_TR("Dates", "mars"),
    UMBRIX_TR("Dates", "avril"),   UMBRIX_TR("Dates", "mai"),      UMBRIX_TR("Dates", "juin"),
    UMBRIX_TR("Dates", "juillet"), UMBRIX_TR("Dates", "août"),     UMBRIX_TR("Dates", "septembre"),
    UMBRIX_TR("Dates", "octobre"), UMBRIX_TR("Dates", "novembre"), UMBRIX_TR("Dates", "décembre")};
constexpr std::array<const char*, 12> kEnglishMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string Pad2(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string Padded(int value, int width) {
  std::string s = std::to_string(value);
  while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
  return s;
}

// One token of a short date pattern: a run of d, m or y, or a literal character.
struct DateToken {
  char letter;  // 'd', 'm', 'y', or 0 for a literal
  int width;
  char literal;
};

std::vector<DateToken> Tokenize(const std::string& pattern) {
  std::vector<DateToken> tokens;
  for (size_t i = 0; i < pattern.size();) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    size_t j = i + 1;
    if (c == 'd' || c == 'm' || c == 'y') {
      while (j < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[j])) == c) ++j;
      tokens.push_back({c, static_cast<int>(j - i), 0});
    } else {
      tokens.push_back({0, 1, pattern[i]});
    }
    i = j;
  }
  return tokens;
}

// d, m, y once each, "/" between, year last: the orders the date parser can follow.
bool Usable(const std::vector<DateToken>& tokens) {
  std::string order;
  for (const DateToken& t : tokens) {
    if (t.letter == 0) {
      if (t.literal != '/') return false;
      continue;
    }
    if (t.letter == 'y' ? t.width != 2 && t.width != 4 : t.width > 2) return false;
    order += t.letter;
  }
  return order == "dmy" || order == "mdy";
}

}  // namespace

std::string UsableDatePattern(const std::string& pattern) {
  return Usable(Tokenize(pattern)) ? pattern : std::string("dd/mm/yyyy");
}

bool DayComesFirst(const std::string& pattern) {
  for (const DateToken& t : Tokenize(UsableDatePattern(pattern))) {
    if (t.letter == 'd' || t.letter == 'm') return t.letter == 'd';
  }
  return true;
}

std::string FormatDateInPattern(double serial, const std::string& pattern) {
  const CivilDate d = CivilFromSerial(serial);
  std::string out;
  for (const DateToken& t : Tokenize(UsableDatePattern(pattern))) {
    if (t.letter == 'd') {
      out += Padded(d.day, t.width);
    } else if (t.letter == 'm') {
      out += Padded(d.month, t.width);
    } else if (t.letter == 'y') {
      out += t.width == 2 ? Padded(d.year % 100, 2) : Padded(d.year, 4);
    } else {
      out += t.literal;
    }
  }
  return out;
}

double SerialFromCivil(CivilDate d) {
  const sys_days day{year{d.year} / month{static_cast<unsigned>(d.month)} /
                     std::chrono::day{static_cast<unsigned>(d.day)}};
  return static_cast<double>((day - kSerialEpoch).count());
}

CivilDate CivilFromSerial(double serial) {
  // serials outside the years 100 to 9999 that dates can hold are brought to the nearest one,
  // so that no number, however large, is turned into an out-of-range day count
  constexpr double kFirstSerial = -657434.0;  // 1 January 100
  constexpr double kLastSerial = 2958465.0;   // 31 December 9999
  const double kept = std::isnan(serial) ? 0.0 : std::clamp(serial, kFirstSerial, kLastSerial);
  const sys_days day = kSerialEpoch + days{static_cast<long long>(std::floor(kept))};
  const year_month_day ymd{day};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

bool IsValidCivil(CivilDate d) {
  if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31 || d.year < -32767 || d.year > 32767)
    return false;
  return year_month_day{year{d.year} / month{static_cast<unsigned>(d.month)} /
                        day{static_cast<unsigned>(d.day)}}
      .ok();
}

std::string FormatDateLong(double serial, MonthNames names) {
  const CivilDate d = CivilFromSerial(serial);
  const auto& months = names == MonthNames::French ? kFrenchMonths : kEnglishMonths;
  return std::to_string(d.day) + " " + months[static_cast<size_t>(d.month - 1)] + " " +
         std::to_string(d.year);
}

std::string FormatDateShort(double serial) {
  const CivilDate d = CivilFromSerial(serial);
  std::string y = std::to_string(d.year);
  while (y.size() < 4) y.insert(0, "0");
  return Pad2(d.day) + "/" + Pad2(d.month) + "/" + y;
}

ClockParts ClockPartsOf(double dayFraction) {
  // Rounded to the millisecond first, then each unit is cut.
  const double frac = dayFraction - std::floor(dayFraction);
  long long ms = static_cast<long long>(std::llround(frac * 86400000.0));
  ClockParts p;
  p.milliseconds = static_cast<int>(ms % 1000);
  ms /= 1000;
  p.seconds = static_cast<int>(ms % 60);
  ms /= 60;
  p.minutes = static_cast<int>(ms % 60);
  p.hours = static_cast<int>(ms / 60);
  return p;
}

std::string FormatLongTime(double dayFraction) {
  const ClockParts p = ClockPartsOf(dayFraction);
  return Pad2(p.hours % 24) + ":" + Pad2(p.minutes) + ":" + Pad2(p.seconds);
}

std::string FormatHourMinute(double dayFraction) {
  const ClockParts p = ClockPartsOf(dayFraction);
  return Pad2(p.hours % 24) + ":" + Pad2(p.minutes);
}

std::string FormatZoneHours(double hours) {
  const ClockParts p = ClockPartsOf(std::fabs(hours) / 24.0);
  const int h = std::fabs(hours) >= 24.0 ? static_cast<int>(std::fabs(hours)) : p.hours;
  return std::to_string(h) + ":" + Pad2(p.minutes);
}

std::string FormatHoursH(double hours) {
  const ClockParts p = ClockPartsOf(std::fabs(hours) / 24.0);
  return std::to_string(p.hours % 24) + " h " + Pad2(p.minutes);
}

std::string FormatHMS(double dayFraction) {
  const ClockParts p = ClockPartsOf(dayFraction);
  return std::to_string(p.hours % 24) + " h " + std::to_string(p.minutes) + " m " +
         std::to_string(p.seconds) + " s";
}

}  // namespace umbrix
