// Date and time-of-day pickers.
#pragma once

#include <functional>

#include "platform/types.h"
#include "platform/ui/control.h"

namespace sv::ui {

// A calendar date with the day of the week filled in and a zero time of day.
// Throws PlatformError for a date that does not exist (30 February) or lies
// outside 1753..9999, which the window could not show.
SystemTime calendarDate(int year, int month, int day);

class DatePicker : public Control {
public:
    DatePicker(Control* parent, std::string name);
    const char* kind() const override { return "datepicker"; }

    // The date part only: the time of day is always zero.
    const SystemTime& date() const { return date_; }
    // Keeps the date part of `value` (no onChange).
    void setDate(const SystemTime& value);

    // The user picked a date: stored, then onChange when it differs.
    void userSetDate(const SystemTime& value);
    std::function<void()> onChange;

private:
    SystemTime date_;
};

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0, milliseconds = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

class TimePicker : public Control {
public:
    TimePicker(Control* parent, std::string name);
    const char* kind() const override { return "timepicker"; }

    const TimeOfDay& time() const { return time_; }
    // Throws PlatformError outside 00:00:00.000..23:59:59.999 (no onChange).
    void setTime(const TimeOfDay& value);
    // The time-of-day part of a date and time.
    void setTime(const SystemTime& value) { setTime(timeOfDay(value)); }

    // The user changed the time (the window shows seconds, not milliseconds, so
    // a user's time has none): stored, then onChange when it differs.
    void userSetTime(const TimeOfDay& value);
    std::function<void()> onChange;

    static TimeOfDay timeOfDay(const SystemTime& t) { return {t.hour, t.minute, t.second, t.milliseconds}; }

private:
    TimeOfDay time_;
};

}  // namespace sv::ui
