#include "common/DateText.h"

#include <array>
#include <chrono>

#include "common/Translate.h"

namespace kelvo {

namespace {

bool allDigits(std::string_view s) {
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !s.empty();
}

int number(std::string_view s) {
    int n = 0;
    for (char c : s) {
        n = n * 10 + (c - '0');
    }
    return n;
}

// The calendar date of a "yyyyMMdd" text, when it is one.
bool parseDate(std::string_view date, std::chrono::year_month_day& out) {
    if (date.size() != 8 || !allDigits(date)) {
        return false;
    }
    out = std::chrono::year_month_day{std::chrono::year{number(date.substr(0, 4))},
                                      std::chrono::month{unsigned(number(date.substr(4, 2)))},
                                      std::chrono::day{unsigned(number(date.substr(6, 2)))}};
    return out.ok();
}

// "Jan" to "Dec", in the driver's language.
std::string monthName(const std::chrono::year_month_day& ymd) {
    static constexpr std::array<const char*, 12> kMonths = {
        KELVO_TR_NOOP("Jan"), KELVO_TR_NOOP("Feb"), KELVO_TR_NOOP("Mar"), KELVO_TR_NOOP("Apr"),
        KELVO_TR_NOOP("May"), KELVO_TR_NOOP("Jun"), KELVO_TR_NOOP("Jul"), KELVO_TR_NOOP("Aug"),
        KELVO_TR_NOOP("Sep"), KELVO_TR_NOOP("Oct"), KELVO_TR_NOOP("Nov"), KELVO_TR_NOOP("Dec")};
    return tr(kMonths[unsigned(ymd.month()) - 1]);
}

// Minutes since midnight of an "HH:mm" text, or -1.
int minuteOfDay(std::string_view time) {
    if (time.size() != 5 || time[2] != ':' || !allDigits(time.substr(0, 2)) ||
        !allDigits(time.substr(3, 2))) {
        return -1;
    }
    const int h = number(time.substr(0, 2));
    const int m = number(time.substr(3, 2));
    if (h > 23 || m > 59) {
        return -1;
    }
    return h * 60 + m;
}

}  // namespace

std::string weekdayName(std::string_view date) {
    static constexpr std::array<const char*, 7> kNames = {
        KELVO_TR_NOOP("Sunday"),    KELVO_TR_NOOP("Monday"),   KELVO_TR_NOOP("Tuesday"),
        KELVO_TR_NOOP("Wednesday"), KELVO_TR_NOOP("Thursday"), KELVO_TR_NOOP("Friday"),
        KELVO_TR_NOOP("Saturday")};
    std::chrono::year_month_day ymd;
    if (!parseDate(date, ymd)) {
        return "Unknown";  // a marker the callers compare with, never shown translated
    }
    return tr(kNames[std::chrono::weekday{std::chrono::sys_days{ymd}}.c_encoding()]);
}

std::string shortDate(std::string_view date) {
    std::chrono::year_month_day ymd;
    if (!parseDate(date, ymd)) {
        return "";
    }
    return monthName(ymd) + " " + std::to_string(unsigned(ymd.day())) + ", " +
           std::string(date.substr(2, 2));
}

std::string dayMonthDate(std::string_view date) {
    std::chrono::year_month_day ymd;
    if (!parseDate(date, ymd)) {
        return "";
    }
    return std::string(date.substr(6, 2)) + "-" + monthName(ymd);
}

std::string longDate(std::string_view date) {
    std::chrono::year_month_day ymd;
    if (!parseDate(date, ymd)) {
        return "";
    }
    return monthName(ymd) + " " + std::to_string(unsigned(ymd.day())) + ", " +
           std::string(date.substr(0, 4));
}

int minutesBetween(std::string_view from, std::string_view to) {
    const int a = minuteOfDay(from);
    const int b = minuteOfDay(to);
    if (a < 0 || b < 0 || b < a) {
        return 0;
    }
    return b - a;
}

}  // namespace kelvo
