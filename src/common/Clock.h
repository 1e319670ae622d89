#pragma once

#include <string>

namespace kelvo {

// A local date and time as the program reads it from its clock.
struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "HH:mm", 24 hours: the time stored in the data files.
std::string timeText(const LocalTime& t);

// "hh:mm AM" / "hh:mm PM": the clock shown on the start and end dialogs.
std::string clockText(const LocalTime& t);

// "yyyyMMdd".
std::string dateText(const LocalTime& t);

// The program's source of the local time.
class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now.
    virtual LocalTime now() const = 0;
};

// The host's local time.
class SystemClock : public Clock {
public:
    LocalTime now() const override;
};

// A clock that stands still at the time it was last set (tests and scenarios).
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalTime t = {}) : m_time(t) {}
    LocalTime now() const override { return m_time; }
    // Sets the time the clock shows from now on.
    void set(const LocalTime& t) { m_time = t; }

private:
    LocalTime m_time;
};

}  // namespace kelvo
