#include "common/DateText.h"

#include <gtest/gtest.h>

using namespace kelvo;

TEST(DateText, WeekdayName) {
    EXPECT_EQ(weekdayName("20030101"), "Wednesday");
    EXPECT_EQ(weekdayName("20061205"), "Tuesday");
    EXPECT_EQ(weekdayName("20240229"), "Thursday");
    EXPECT_EQ(weekdayName("20061210"), "Sunday");
}

TEST(DateText, WeekdayNameOfNoDateIsUnknown) {
    for (const char* text : {"", "2003011", "200301011", "2003O101", "20031301", "20030001",
                             "20030230", "20230229", "20030132"}) {
        EXPECT_EQ(weekdayName(text), "Unknown") << text;
    }
}

TEST(DateText, ShortDate) {
    EXPECT_EQ(shortDate("20061205"), "Dec 5, 06");
    EXPECT_EQ(shortDate("20100131"), "Jan 31, 10");
    EXPECT_EQ(shortDate("19990704"), "Jul 4, 99");
    EXPECT_EQ(shortDate("2006125"), "");
    EXPECT_EQ(shortDate("20061305"), "");
}

TEST(DateText, InvoiceDatePictures) {
    EXPECT_EQ(dayMonthDate("20061205"), "05-Dec");
    EXPECT_EQ(dayMonthDate("20100131"), "31-Jan");
    EXPECT_EQ(longDate("20061205"), "Dec 5, 2006");
    EXPECT_EQ(longDate("19990704"), "Jul 4, 1999");
    for (const char* text : {"", "2006125", "20061305", "2006-12-05"}) {
        EXPECT_EQ(dayMonthDate(text), "") << text;
        EXPECT_EQ(longDate(text), "") << text;
    }
}

TEST(DateText, MinutesBetweenTimesOfOneDay) {
    EXPECT_EQ(minutesBetween("08:40", "09:05"), 25);
    EXPECT_EQ(minutesBetween("00:00", "23:59"), 1439);
    EXPECT_EQ(minutesBetween("10:15", "10:15"), 0);
    // Over midnight and nonsense give no duration.
    EXPECT_EQ(minutesBetween("23:50", "00:10"), 0);
    EXPECT_EQ(minutesBetween("8:40", "09:05"), 0);
    EXPECT_EQ(minutesBetween("08:40", "09-05"), 0);
    EXPECT_EQ(minutesBetween("08:40", "24:00"), 0);
    EXPECT_EQ(minutesBetween("08:60", "09:05"), 0);
    EXPECT_EQ(minutesBetween("", "09:05"), 0);
}
