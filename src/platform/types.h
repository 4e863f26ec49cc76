// Small value types shared by every platform service.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sv {

// A point in time as Windows keeps it: 100-nanosecond intervals since
// 1 January 1601. Whether it is UTC or local time is said by the caller.
struct FileTime {
    uint64_t ticks = 0;
    friend bool operator==(FileTime a, FileTime b) { return a.ticks == b.ticks; }
    friend bool operator!=(FileTime a, FileTime b) { return a.ticks != b.ticks; }
    friend bool operator<(FileTime a, FileTime b) { return a.ticks < b.ticks; }
};

// A calendar date and time (the fields of a SYSTEMTIME).
struct SystemTime {
    int year = 1601, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
    int dayOfWeek = 0;  // 0 = Sunday
    friend bool operator==(const SystemTime& a, const SystemTime& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second && a.milliseconds == b.milliseconds;
    }
};

// Calendar conversions that need no operating system (pure arithmetic).
SystemTime fileTimeToSystemTime(FileTime t);
FileTime systemTimeToFileTime(const SystemTime& st);
// Days since 30 December 1899 with the time of day as fraction (OLE date).
double systemTimeToOleDate(const SystemTime& st);
SystemTime oleDateToSystemTime(double d);
// MS-DOS packed date and time (2-second resolution), as the directory search reports it.
uint32_t fileTimeToDosDateTime(FileTime localTime);

// Appends the UTF-8 bytes of one code point (as our strings hold text).
void appendUtf8(uint32_t codePoint, std::string& out);

// An error the platform reports as its own (for example an I/O error or a
// registry type mismatch). Event dispatch shows its text in the error box.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace sv
