#include "platform/types.h"

#include <cmath>

namespace sv {
namespace {

constexpr uint64_t kTicksPerSecond = 10'000'000ULL;
constexpr uint64_t kTicksPerDay = 86'400ULL * kTicksPerSecond;
// Days from 1 January 1601 to 30 December 1899, the OLE date's day zero.
constexpr int64_t kOleEpochDays = 109'205;

// Days since 1 March of year 0 (proleptic Gregorian), the usual civil-date trick.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void civilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const int64_t kDays1601 = daysFromCivil(1601, 1, 1);

}  // namespace

SystemTime fileTimeToSystemTime(FileTime t) {
    SystemTime st;
    const int64_t days = static_cast<int64_t>(t.ticks / kTicksPerDay);
    uint64_t rest = t.ticks % kTicksPerDay;
    civilFromDays(days + kDays1601, st.year, st.month, st.day);
    st.dayOfWeek = static_cast<int>((days + 1) % 7);  // 1 January 1601 was a Monday
    st.hour = static_cast<int>(rest / (3600 * kTicksPerSecond));
    rest %= 3600 * kTicksPerSecond;
    st.minute = static_cast<int>(rest / (60 * kTicksPerSecond));
    rest %= 60 * kTicksPerSecond;
    st.second = static_cast<int>(rest / kTicksPerSecond);
    st.milliseconds = static_cast<int>((rest % kTicksPerSecond) / 10'000);
    return st;
}

FileTime systemTimeToFileTime(const SystemTime& st) {
    const int64_t days = daysFromCivil(st.year, static_cast<unsigned>(st.month), static_cast<unsigned>(st.day)) - kDays1601;
    const uint64_t secs = static_cast<uint64_t>(st.hour) * 3600 + static_cast<uint64_t>(st.minute) * 60 + static_cast<uint64_t>(st.second);
    return FileTime{static_cast<uint64_t>(days) * kTicksPerDay + secs * kTicksPerSecond +
                    static_cast<uint64_t>(st.milliseconds) * 10'000};
}

double systemTimeToOleDate(const SystemTime& st) {
    const int64_t days = daysFromCivil(st.year, static_cast<unsigned>(st.month), static_cast<unsigned>(st.day)) -
                         daysFromCivil(1899, 12, 30);
    const double fraction = (st.hour * 3600.0 + st.minute * 60.0 + st.second + st.milliseconds / 1000.0) / 86400.0;
    // Before day zero the fraction still counts forward in time (the OLE rule).
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

SystemTime oleDateToSystemTime(double d) {
    const double whole = std::trunc(d);
    double fraction = std::fabs(d - whole);
    int64_t days = static_cast<int64_t>(whole);
    int64_t ms = std::llround(fraction * 86'400'000.0);
    if (ms >= 86'400'000) { ms -= 86'400'000; days += d >= 0 ? 1 : -1; }
    FileTime t{static_cast<uint64_t>(days + kOleEpochDays) * kTicksPerDay + static_cast<uint64_t>(ms) * 10'000};
    return fileTimeToSystemTime(t);
}

uint32_t fileTimeToDosDateTime(FileTime localTime) {
    const SystemTime st = fileTimeToSystemTime(localTime);
    if (st.year < 1980 || st.year > 2107) return 0;
    const uint32_t date = static_cast<uint32_t>(((st.year - 1980) << 9) | (st.month << 5) | st.day);
    const uint32_t time = static_cast<uint32_t>((st.hour << 11) | (st.minute << 5) | (st.second / 2));
    return (date << 16) | time;
}

void appendUtf8(uint32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace sv
