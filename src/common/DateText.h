#pragma once

#include <string>
#include <string_view>

// Dates ("yyyyMMdd") and times ("HH:mm") as the data files carry them.
namespace kelvo {

// Full English weekday name of a "yyyyMMdd" date; "Unknown" unless the text is a real
// date of exactly 8 characters.
std::string weekdayName(std::string_view date);

// A "yyyyMMdd" date in the picture "MMM d, yy" ("Dec 5, 06"); "" when it is no date.
std::string shortDate(std::string_view date);

// A "yyyyMMdd" date in the picture "dd-MMM" ("05-Dec"); "" when it is no date.
std::string dayMonthDate(std::string_view date);

// A "yyyyMMdd" date in the picture "MMM d, yyyy" ("Dec 5, 2006"); "" when it is no date.
std::string longDate(std::string_view date);

// Whole minutes from one "HH:mm" time to a later one on the same day. 0 when either text
// is no time, and 0 when `to` lies before `from` (a visit over midnight is not timed).
int minutesBetween(std::string_view from, std::string_view to);

}  // namespace kelvo
