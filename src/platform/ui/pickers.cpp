#include "platform/ui/pickers.h"

#include "platform/machine.h"
#include "platform/system.h"
#include "platform/ui/application.h"

namespace sv::ui {
namespace {

bool leapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : days[m - 1];
}

// 0 = Sunday (Sakamoto's method).
int weekday(int y, int m, int d) {
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

void checkTime(const TimeOfDay& t) {
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59 ||
        t.milliseconds < 0 || t.milliseconds > 999)
        throw PlatformError("Not a valid time of day.");
}

}  // namespace

SystemTime calendarDate(int year, int month, int day) {
    if (year < 1753 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        throw PlatformError("Not a valid date.");
    SystemTime st;
    st.year = year;
    st.month = month;
    st.day = day;
    st.dayOfWeek = weekday(year, month, day);
    return st;
}

// --- DatePicker ---------------------------------------------------------------

DatePicker::DatePicker(Control* parent, std::string name) : Control(parent, std::move(name)) {
    // A new picker shows today, as the window does.
    const SystemTime now = localNow(machine().system());
    date_ = calendarDate(now.year, now.month, now.day);
}

void DatePicker::setDate(const SystemTime& value) {
    const SystemTime d = calendarDate(value.year, value.month, value.day);
    if (d == date_) return;
    date_ = d;
    notify(Prop::Content);
}

void DatePicker::userSetDate(const SystemTime& value) {
    const SystemTime d = calendarDate(value.year, value.month, value.day);
    if (d == date_) return;
    date_ = d;
    if (onChange) application().dispatch(onChange);
}

// --- TimePicker ---------------------------------------------------------------

TimePicker::TimePicker(Control* parent, std::string name) : Control(parent, std::move(name)) {
    // A new picker shows the time it was made, to the second, as the window does.
    const SystemTime now = localNow(machine().system());
    time_ = {now.hour, now.minute, now.second, 0};
}

void TimePicker::setTime(const TimeOfDay& value) {
    checkTime(value);
    if (value == time_) return;
    time_ = value;
    notify(Prop::Content);
}

void TimePicker::userSetTime(const TimeOfDay& value) {
    checkTime(value);
    if (value == time_) return;
    time_ = value;
    if (onChange) application().dispatch(onChange);
}

}  // namespace sv::ui
