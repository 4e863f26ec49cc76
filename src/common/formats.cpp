#include "common/formats.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

#include "platform/machine.h"

namespace sv {
namespace {

// A number as decimal digits: value = 0.digits x 10^exponent (no digits = zero).
// Working on digits rather than binary floating point keeps the rounding of the
// last shown digit exact and the same on every compiler.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

uint64_t magnitude(int64_t n) { return n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n); }

void trimZeros(Decimal& d) {
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    d.digits.erase(0, first);
    d.exponent -= static_cast<int>(first);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

// n / divisor exactly; a divisor of 2^a * 5^b has at most max(a, b) decimals.
Decimal quotient(int64_t n, uint64_t divisor, int decimals) {
    Decimal d;
    d.negative = n < 0;
    const uint64_t m = magnitude(n);
    const uint64_t whole = m / divisor;
    uint64_t rest = m % divisor;
    d.digits = whole ? std::to_string(whole) : std::string();
    d.exponent = static_cast<int>(d.digits.size());
    for (int i = 0; i < decimals; ++i) {
        rest *= 10;
        d.digits += static_cast<char>('0' + rest / divisor);
        rest %= divisor;
    }
    trimZeros(d);
    return d;
}

// Keeps `keep` significant digits, rounding half away from zero.
void roundTo(Decimal& d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    if (static_cast<size_t>(keep) >= d.digits.size()) return;
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i < 0) {
            d.digits.insert(0, "1");
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    trimZeros(d);
}

std::string groupThousands(const std::string& whole, char separator) {
    std::string out;
    const size_t n = whole.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += whole[i];
    }
    return out;
}

// The regional number format with thousands separators, `decimals` decimals and no
// more than `precision` significant digits; a number whose whole part needs more
// digits than that is shown in scientific form instead, its exponent at least
// `exponentDigits` long.
std::string formatNumber(Decimal d, int precision, int decimals, int exponentDigits) {
    const LocaleFormats loc = machine().system().localeFormats();
    roundTo(d, 18);  // the digits an extended-precision value carries
    roundTo(d, std::min(precision, d.exponent + decimals));
    const std::string sign = d.negative && !d.digits.empty() ? "-" : "";

    if (d.exponent > precision) {
        std::string out = sign + d.digits.substr(0, 1);
        if (d.digits.size() > 1) out += loc.decimalSeparator + d.digits.substr(1);
        std::string exp = std::to_string(d.exponent - 1);
        if (static_cast<int>(exp.size()) < exponentDigits) exp.insert(0, exponentDigits - exp.size(), '0');
        return out + "E" + exp;
    }

    std::string whole;
    for (int i = 0; i < d.exponent; ++i) whole += static_cast<size_t>(i) < d.digits.size() ? d.digits[i] : '0';
    if (whole.empty()) whole = "0";
    std::string out = sign + groupThousands(whole, loc.thousandSeparator);
    if (decimals > 0) {
        out += loc.decimalSeparator;
        for (int i = 0; i < decimals; ++i) {
            const int pos = d.exponent + i;
            out += pos >= 0 && static_cast<size_t>(pos) < d.digits.size() ? d.digits[pos] : '0';
        }
    }
    return out;
}

// --- dates ----------------------------------------------------------------------

std::optional<DateTimeFormats>& processFormats() {
    static std::optional<DateTimeFormats> formats;
    return formats;
}

const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string padded(int value, int width) {
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
    return s;
}

bool matchesAt(const std::string& s, size_t i, std::string_view word) {
    if (s.size() - i < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(s[i + k])) != word[k]) return false;
    return true;
}

struct DateWriter {
    const SystemTime& t;
    int dayOfWeek;
    LocaleFormats loc;
    DateTimeFormats formats;

    // Whether an am/pm marker follows before the next hour letter: it turns the
    // hour into the 12-hour clock.
    static bool twelveHourClockAfter(const std::string& f, size_t i) {
        char quote = 0;
        for (; i < f.size(); ++i) {
            const char c = f[i];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == 'h' || c == 'H') {
                return false;
            } else if (matchesAt(f, i, "am/pm") || matchesAt(f, i, "a/p") || matchesAt(f, i, "ampm")) {
                return true;
            }
        }
        return false;
    }

    void append(std::string& out, const std::string& f, int depth) {
        // Nested formats ("c", "ddddd") may not reach themselves again.
        if (depth > 2) return;
        char lastToken = 0;
        size_t i = 0;
        while (i < f.size()) {
            const char start = f[i];
            char token = static_cast<char>(std::toupper(static_cast<unsigned char>(start)));
            if (std::isalpha(static_cast<unsigned char>(token))) {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            size_t count = 1;
            if (std::string_view("YMDHNSZTC").find(token) != std::string_view::npos)
                while (i + count < f.size() && std::toupper(static_cast<unsigned char>(f[i + count])) ==
                                                   std::toupper(static_cast<unsigned char>(start)))
                    ++count;

            switch (token) {
            case 'Y':
                out += count <= 2 ? padded(t.year % 100, 2) : padded(t.year, 4);
                break;
            case 'M':
                if (count <= 2) out += padded(t.month, static_cast<int>(count));
                else out += (count == 3 ? kShortMonths : kLongMonths)[(t.month + 11) % 12];
                break;
            case 'D':
                if (count <= 2) out += padded(t.day, static_cast<int>(count));
                else if (count == 3) out += kShortDays[dayOfWeek];
                else if (count == 4) out += kLongDays[dayOfWeek];
                else append(out, formats.shortDate, depth + 1);  // no separate long date format here
                break;
            case 'H': {
                int hour = t.hour;
                if (twelveHourClockAfter(f, i + count)) hour = hour % 12 == 0 ? 12 : hour % 12;
                out += padded(hour, count == 1 ? 1 : 2);
                break;
            }
            case 'N':
                out += padded(t.minute, count == 1 ? 1 : 2);
                break;
            case 'S':
                out += padded(t.second, count == 1 ? 1 : 2);
                break;
            case 'Z':
                out += padded(t.milliseconds, count == 1 ? 1 : 3);
                break;
            case 'T':
                if (count >= 2) append(out, formats.longTime, depth + 1);
                else out += start;  // no short time format is kept
                break;
            case 'C':
                append(out, formats.shortDate, depth + 1);
                if (t.hour != 0 || t.minute != 0 || t.second != 0) {
                    out += ' ';
                    append(out, formats.longTime, depth + 1);
                }
                break;
            case 'A':
                if (matchesAt(f, i, "am/pm")) {
                    out += f.substr(t.hour >= 12 ? i + 3 : i, 2);
                    count = 5;
                } else if (matchesAt(f, i, "a/p")) {
                    out += f[t.hour >= 12 ? i + 2 : i];
                    count = 3;
                } else if (matchesAt(f, i, "ampm")) {
                    out += t.hour >= 12 ? loc.timePmString : loc.timeAmString;
                    count = 4;
                } else {
                    out += start;
                }
                break;
            case '/':
                out += loc.dateSeparator;
                break;
            case ':':
                out += loc.timeSeparator;
                break;
            case '"':
            case '\'': {
                const size_t end = f.find(start, i + 1);
                const size_t stop = end == std::string::npos ? f.size() : end;
                out += f.substr(i + 1, stop - i - 1);
                count = stop - i + (end == std::string::npos ? 0 : 1);
                break;
            }
            default:
                out += start;
                break;
            }
            i += count;
        }
    }
};

}  // namespace

std::string FormatBytes(int64_t bytes) { return formatNumber(quotient(bytes, 1, 0), 18, 0, 0); }

std::string FormatMegabytes(int64_t bytes) {
    // bytes x 9.765625E-7, that is / 1,024,000 = 2^13 x 5^3: at most 13 decimals.
    return formatNumber(quotient(bytes, 1'024'000, 13), 7, 2, 2);
}

std::string TotalSpaceRecoveredLine(int64_t bytes) {
    return "TOTAL SPACE RECOVERED: " + FormatBytes(bytes) + " bytes (" + FormatMegabytes(bytes) + " megabytes.)";
}

DateTimeFormats ProcessDateTimeFormats() {
    if (processFormats()) return *processFormats();
    const LocaleFormats loc = machine().system().localeFormats();
    return {loc.shortDateFormat, loc.longTimeFormat};
}

void SetProcessDateTimeFormats(const std::string& shortDate, const std::string& longTime) {
    processFormats() = DateTimeFormats{shortDate, longTime};
}

void ResetProcessDateTimeFormats() { processFormats().reset(); }

std::string FormatDateTime(const std::string& pattern, const SystemTime& t) {
    DateWriter writer{t, fileTimeToSystemTime(systemTimeToFileTime(t)).dayOfWeek, machine().system().localeFormats(),
                      ProcessDateTimeFormats()};
    std::string out;
    writer.append(out, pattern.empty() ? std::string("c") : pattern, 0);
    return out;
}

std::string TimeStamp() { return FormatDateTime("c", localNow(machine().system())); }

}  // namespace sv
