#include "common/Clock.h"

#include <ctime>

#include "common/Text.h"

namespace kelvo {

std::string timeText(const LocalTime& t) {
    return format("%02d:%02d", t.hour, t.minute);
}

std::string clockText(const LocalTime& t) {
    const int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return format("%02d:%02d %s", h12, t.minute, t.hour < 12 ? "AM" : "PM");
}

std::string dateText(const LocalTime& t) {
    return format("%04d%02d%02d", t.year, t.month, t.day);
}

LocalTime SystemClock::now() const {
    const std::time_t raw = std::time(nullptr);
    std::tm tm{};
    localtime_r(&raw, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

}  // namespace kelvo
