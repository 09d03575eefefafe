#pragma once
// The text kinds of the entries: parsing, shorthands and ranges. "Today" and "now" are always
// arguments, so every result is reproducible.

#include <optional>
#include <string>
#include <string_view>

#include "model/DialProject.h"

namespace umbrix {

/// Decimal number: leading blanks, optional sign, digits with an optional "." (one side may be
/// empty), optional exponent; nothing after, not even a blank. "," is never a separator.
std::optional<double> ParseDecimal(std::string_view text);
/// The text of a decimal entry with a decimal comma read as the point ("45,5" -> "45.5"), the
/// form entries are stored and saved in.
std::string DecimalPointText(std::string_view text);
/// Whole 32-bit number: leading blanks, optional sign, digits, nothing after.
std::optional<int> ParseWhole(std::string_view text);
/// Sexagesimal value with separator "°" (UTF-8) or ":": degrees (hours), minutes, seconds...
/// A negative first part makes the following parts count negative ("-0:30" is -0.5).
std::optional<double> ParseSexagesimal(std::string_view text, std::string_view separator);

/// What the parsers need to know of the moment and the interface.
struct ParseContext {
  double today = kStartupDadiurSerial;  // serial of the current date (whole day)
  double now = 0.0;                     // current time of day, day fraction
  /// Short date format order: true for day/month/year (the French "dd/mm/yyyy"), false for
  /// month/day/year.
  bool dayFirst = true;
};

/// A date in the short date format, "/" separated, blanks around numbers allowed, the year
/// optional (the current year). Two-digit years go into the century that puts them within 50
/// years of the current year. The same order with "." separators ("21.06.2024") and the
/// year-month-day form "2024-06-21" are read too. Returns the whole-day serial.
std::optional<double> ParseDate(std::string_view text, const ParseContext& ctx);
/// A clock time: hours[:minutes[:seconds[.milliseconds]]] with an optional AM/PM marker before or
/// after, trailing blanks allowed. Returns the fraction of a day.
std::optional<double> ParseTime(std::string_view text);

/// Resolves the shorthands "*", "**", "." and ".." of a date or time field into the text they
/// stand for, given the current texts of the project. Returns nullopt when the text is not a
/// shorthand for that field. Substitution is bounded: a copied text that is itself a shorthand is
/// not expanded again.
std::optional<std::string> ExpandShorthand(Field field, std::string_view text,
                                           const DialProject& project, const ParseContext& ctx);

/// Whether a time-zone value is a whole number of quarter hours within [-12, 12].
bool IsValidZone(double hours);

}  // namespace umbrix
