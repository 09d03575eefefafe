#pragma once
// Date-time serials: days since 30 December 1899, the fraction being the time of day.

#include <string>

namespace umbrix {

struct CivilDate {
  int year = 1899;
  int month = 12;  // 1..12
  int day = 30;    // 1..31
};

/// Whole-day serial of a civil date (1 January 2010 -> 40179).
double SerialFromCivil(CivilDate d);
/// Civil date of the whole day of a serial (floor).
CivilDate CivilFromSerial(double serial);
/// True when the date exists in the proleptic Gregorian calendar.
bool IsValidCivil(CivilDate d);

/// Language of month names for "d mmmm yyyy".
enum class MonthNames { French, English };

/// "d mmmm yyyy": "1 janvier 2010", "14 juillet 2012"; English: "1 January 2010".
std::string FormatDateLong(double serial, MonthNames names = MonthNames::French);
/// "dd/mm/yyyy", the project file's date form and the French short date format.
std::string FormatDateShort(double serial);

/// The short date pattern a date is written in and parsed with: `pattern` itself when it holds
/// "d" or "dd", "m" or "mm" (either case) and "yy" or "yyyy", once each, separated by "/", with
/// the day before the month or the month before the day; "dd/mm/yyyy" otherwise.
std::string UsableDatePattern(const std::string& pattern);
/// Whether the usable form of `pattern` puts the day before the month.
bool DayComesFirst(const std::string& pattern);
/// A serial's day in the usable form of `pattern` ("14/07/2012", "7/14/12").
std::string FormatDateInPattern(double serial, const std::string& pattern);

/// Hours, minutes, seconds of a day fraction: the fraction is rounded to the nearest millisecond,
/// then each unit is cut (05:53:25.7 shows as "05:53:25" and as "05:53").
struct ClockParts {
  int hours = 0;  // 0..23 (24 only for a fraction that rounds up to the next day)
  int minutes = 0;
  int seconds = 0;
  int milliseconds = 0;
};
ClockParts ClockPartsOf(double dayFraction);

/// The long time format "hh:nn:ss" ("12:00:00", "05:53:25").
std::string FormatLongTime(double dayFraction);
/// "hh:nn", seconds dropped ("05:53").
std::string FormatHourMinute(double dayFraction);
/// "h:nn" of a magnitude in hours: hours without leading zero, minutes on two digits
/// (3.5 -> "3:30", 0 -> "0:00"). Callers put the sign.
std::string FormatZoneHours(double hours);
/// "h' h 'nn" of a magnitude in hours ("1 h 08").
std::string FormatHoursH(double hours);
/// "h' h 'n' m 's' s" of a day fraction, no leading zeros ("6 h 2 m 24 s").
std::string FormatHMS(double dayFraction);

}  // namespace umbrix
