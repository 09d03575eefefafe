#include "model/Formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/Dates.h"

namespace umbrix {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view t) {
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  return t;
}
std::string_view Trim(std::string_view t) {
  t = TrimLeft(t);
  while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
  return t;
}

// Unsigned decimal digits only, as a bounded int.
std::optional<int> ParseDigits(std::string_view t) {
  if (t.empty() || t.size() > 9) return std::nullopt;
  int v = 0;
  for (char c : t) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// Rough decimal exponent of a valid unsigned decimal text, enough to tell overflow from
// underflow when the value is out of range.
long long DecimalMagnitude(std::string_view body) {
  long long position = 0;  // digits before the point, minus leading zeros after it
  bool seenNonZero = false, afterPoint = false;
  size_t i = 0;
  for (; i < body.size() && body[i] != 'e' && body[i] != 'E'; ++i) {
    const char c = body[i];
    if (c == '.') {
      afterPoint = true;
    } else if (!seenNonZero && c == '0') {
      if (afterPoint) --position;
    } else {
      seenNonZero = true;
      if (!afterPoint) ++position;
    }
  }
  long long exponent = 0;
  if (i < body.size()) {
    ++i;
    const bool negative = i < body.size() && body[i] == '-';
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    for (; i < body.size(); ++i) exponent = std::min(exponent * 10 + (body[i] - '0'), 1000000000LL);
    if (negative) exponent = -exponent;
  }
  return position + exponent;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  std::string_view t = TrimLeft(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  const size_t numberStart = i;
  size_t intDigits = 0, fracDigits = 0;
  while (i < t.size() && IsDigit(t[i])) ++i, ++intDigits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i, ++fracDigits;
  }
  if (intDigits + fracDigits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;

  // from_chars takes neither a "+" nor a bare leading "." with a sign: rebuild a canonical text.
  std::string canonical;
  if (t[0] == '-') canonical += '-';
  std::string_view body = t.substr(numberStart);
  if (body.front() == '.') canonical += '0';
  canonical.append(body);
  double value = 0.0;
  const auto res =
      std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Underflow is a value of zero for the user; overflow is no number at all.
    return DecimalMagnitude(body) < 0 ? std::optional<double>(0.0) : std::nullopt;
  }
  if (res.ec != std::errc() || res.ptr != canonical.data() + canonical.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ParseWhole(std::string_view text) {
  std::string_view t = TrimLeft(text);
  if (t.empty()) return std::nullopt;
  bool negative = false;
  if (t.front() == '+' || t.front() == '-') {
    negative = t.front() == '-';
    t.remove_prefix(1);
  }
  if (t.empty()) return std::nullopt;
  long long v = 0;
  for (char c : t) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(v);
}

std::optional<double> ParseSexagesimal(std::string_view text, std::string_view separator) {
  if (text.empty() || separator.empty()) return std::nullopt;
  // The sign belongs to the whole value: "-0:30" is minus half an hour.
  const bool negativeText = !TrimLeft(text).empty() && TrimLeft(text).front() == '-';
  double result = 0.0;
  double d = 1.0;
  std::string_view rest = text;
  bool first = true;
  while (!rest.empty()) {
    const size_t pos = rest.find(separator);
    std::string_view part = pos == std::string_view::npos ? rest : rest.substr(0, pos);
    const auto value = ParseDecimal(part);
    if (!value) return std::nullopt;
    result += *value / d;
    const bool negativePart = *value < 0 || (first && negativeText);
    d = negativePart ? -60.0 * d : 60.0 * d;
    if (pos == std::string_view::npos) break;
    rest.remove_prefix(pos + separator.size());
    first = false;
  }
  return result;
}

std::string DecimalPointText(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), ',', '.');
  return out;
}

namespace {

// "2024-06-21": a four-digit year, then month and day, "-" separated.
std::optional<double> ParseIsoDate(std::string_view text) {
  const std::string_view t = Trim(text);
  const size_t first = t.find('-');
  const size_t second = first == std::string_view::npos ? first : t.find('-', first + 1);
  if (first != 4 || second == std::string_view::npos) return std::nullopt;
  const auto y = ParseDigits(t.substr(0, first));
  const std::string_view m = t.substr(first + 1, second - first - 1);
  const std::string_view d = t.substr(second + 1);
  if (m.empty() || m.size() > 2 || d.empty() || d.size() > 2) return std::nullopt;
  const auto month = ParseDigits(m);
  const auto day = ParseDigits(d);
  if (!y || !month || !day) return std::nullopt;
  const CivilDate date{*y, *month, *day};
  if (date.year < 100 || !IsValidCivil(date)) return std::nullopt;
  return SerialFromCivil(date);
}

}  // namespace

std::optional<double> ParseDate(std::string_view text, const ParseContext& ctx) {
  if (text.find('-') != std::string_view::npos) return ParseIsoDate(text);
  // "21.06.2024": the dotted form many European desks type, read as the short date format
  const char separator = text.find('/') == std::string_view::npos ? '.' : '/';
  std::vector<std::string_view> parts;
  std::string_view rest = text;
  while (true) {
    const size_t pos = rest.find(separator);
    parts.push_back(Trim(pos == std::string_view::npos ? rest : rest.substr(0, pos)));
    if (pos == std::string_view::npos) break;
    rest.remove_prefix(pos + 1);
  }
  if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
  std::vector<int> numbers;
  for (auto p : parts) {
    const auto v = ParseDigits(p);
    if (!v) return std::nullopt;
    numbers.push_back(*v);
  }
  const int currentYear = CivilFromSerial(ctx.today).year;
  CivilDate d;
  d.day = ctx.dayFirst ? numbers[0] : numbers[1];
  d.month = ctx.dayFirst ? numbers[1] : numbers[0];
  if (numbers.size() == 3) {
    int y = numbers[2];
    if (parts[2].size() <= 2) {
      // Into the century that puts the year within 50 years of the current one.
      int candidate = currentYear - currentYear % 100 + y;
      if (candidate > currentYear + 50) candidate -= 100;
      if (candidate <= currentYear - 50) candidate += 100;
      y = candidate;
    }
    d.year = y;
  } else {
    d.year = currentYear;
  }
  if (d.year < 100 || d.year > 9999 || !IsValidCivil(d)) return std::nullopt;
  return SerialFromCivil(d);
}

std::optional<double> ParseTime(std::string_view text) {
  std::string_view t = Trim(text);
  if (t.empty()) return std::nullopt;
  int marker = 0;  // 0 none, 1 AM, 2 PM
  auto takeMarker = [&](bool atEnd) {
    for (const char* m : {"AM", "PM"}) {
      if (t.size() < 2) continue;
      std::string_view cut = atEnd ? t.substr(t.size() - 2) : t.substr(0, 2);
      if (EqualsNoCase(cut, m)) {
        marker = m[0] == 'A' ? 1 : 2;
        t = atEnd ? Trim(t.substr(0, t.size() - 2)) : Trim(t.substr(2));
        return;
      }
    }
  };
  takeMarker(true);
  if (marker == 0) takeMarker(false);
  if (t.empty()) return std::nullopt;

  std::vector<std::string_view> fields;
  std::string_view rest = t;
  while (true) {
    const size_t pos = rest.find(':');
    fields.push_back(pos == std::string_view::npos ? rest : rest.substr(0, pos));
    if (pos == std::string_view::npos) break;
    rest.remove_prefix(pos + 1);
  }
  if (fields.size() > 3) return std::nullopt;
  int ms = 0;
  std::string_view& last = fields.back();
  if (const size_t dot = last.find('.'); dot != std::string_view::npos) {
    if (fields.size() != 3) return std::nullopt;
    std::string_view msText = last.substr(dot + 1);
    last = last.substr(0, dot);
    if (msText.empty() || msText.size() > 3) return std::nullopt;
    const auto v = ParseDigits(msText);
    if (!v) return std::nullopt;
    ms = *v;
    for (size_t k = msText.size(); k < 3; ++k) ms *= 10;
  }
  int values[3] = {0, 0, 0};
  for (size_t k = 0; k < fields.size(); ++k) {
    if (fields[k].size() > 2) return std::nullopt;
    const auto v = ParseDigits(fields[k]);
    if (!v) return std::nullopt;
    values[k] = *v;
  }
  int h = values[0];
  if (marker != 0) {
    if (h < 1 || h > 12) return std::nullopt;
    if (h == 12) h = 0;
    if (marker == 2) h += 12;
  } else if (h > 23) {
    return std::nullopt;
  }
  if (values[1] > 59 || values[2] > 59) return std::nullopt;
  return (h * 3600000.0 + values[1] * 60000.0 + values[2] * 1000.0 + ms) / 86400000.0;
}

std::optional<std::string> ExpandShorthand(Field field, std::string_view text,
                                           const DialProject& p, const ParseContext& ctx) {
  const std::string today = FormatDateShort(ctx.today);
  auto copy = [](const Entry& e) -> std::optional<std::string> {
    // A copied text that is itself a shorthand is not expanded again: it will fail to parse.
    return e.text;
  };
  const bool star = text == "*", twoStars = text == "**", dot = text == ".",
             twoDots = text == "..";
  switch (field) {
    case Field::Date1:
      if (star) return today;
      if (twoStars) return copy(p.Dadiur);
      if (twoDots) return copy(p.Date2);
      break;
    case Field::Date2:
      if (star) return today;
      if (twoStars) return copy(p.Dadiur);
      if (dot) return copy(p.Date1);
      break;
    case Field::Dadiur:
      if (star) return today;
      if (dot) return copy(p.Date1);
      if (twoDots) return copy(p.Date2);
      break;
    case Field::Heure1:
    case Field::Heure2:
      if (twoStars) return copy(p.Hediur);
      break;
    case Field::Hediur:
      if (star) return FormatLongTime(ctx.now);
      if (dot) return copy(p.Heure1);
      if (twoDots) return copy(p.Heure2);
      break;
    default:
      break;
  }
  return std::nullopt;
}

bool IsValidZone(double hours) {
  return hours >= -12.0 && hours <= 12.0 && std::floor(hours * 4.0) == hours * 4.0;
}

}  // namespace umbrix
