// The one place where numbers, byte amounts and dates become text. Every tool goes
// through here so that logs, lists and reports agree on separators and layout.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace sv {

// A byte amount as a whole number with the user's thousands separator: "1,572,864".
std::string FormatBytes(int64_t bytes);
// A byte amount in megabytes of 1,024,000 bytes, kept to seven significant digits and
// shown with thousands separators and exactly two decimals: "1.54", "12,345,680.00".
// From ten million megabytes on, seven digits no longer reach the decimal point and
// the text turns to the scientific form "1.234568E07".
std::string FormatMegabytes(int64_t bytes);
// "TOTAL SPACE RECOVERED: 2,048 bytes (0.00 megabytes.)"
std::string TotalSpaceRecoveredLine(int64_t bytes);
// The privacy eraser's line for a run that recovered nothing (or less than nothing);
// its byte part carries decimals, unlike every computed line.
inline constexpr const char* ZeroSpaceRecoveredLine = "TOTAL SPACE RECOVERED: 0.00 bytes (0.00 megabytes.)";

// The short date and long time formats of this process. They start as the user's
// regional formats; the file list view replaces them for the rest of the process.
struct DateTimeFormats {
    std::string shortDate, longTime;
};
DateTimeFormats ProcessDateTimeFormats();
void SetProcessDateTimeFormats(const std::string& shortDate, const std::string& longTime);
// Back to following the regional formats (a fresh process, as tests need it).
void ResetProcessDateTimeFormats();

// Formats `t` with Delphi-style pattern letters:
//   c            short date, then a blank and the long time unless it is exactly midnight
//   d dd         day;  ddd dddd  short / long day name;  ddddd dddddd  the short date format
//   m mm         month; mmm mmmm short / long month name; right after h or hh: minutes
//   yy yyyy      year (two or four digits)
//   h hh  n nn  s ss  z zzz   hour, minute, second, milliseconds (one letter: no leading zero)
//   tt           the long time format
//   am/pm a/p    12-hour clock for the h before them, written in the pattern's letter case
//   ampm         12-hour clock with the regional AM and PM texts
//   / :          the regional date and time separators
//   "x" 'x'      literal text
// Any other character is copied as it is. An empty pattern means "c".
std::string FormatDateTime(const std::string& pattern, const SystemTime& t);
// The current local date and time in the "c" form: the log and list time stamp.
std::string TimeStamp();

}  // namespace sv
