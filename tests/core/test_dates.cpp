#include "core/dates.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace yav;

TEST(Dates, KnownDayNumbers)
{
    struct Row {
        Ymd date;
        DayNumber day;
        int weekday; // 0 = Sunday
    };
    const Row rows[] = {
        {{1899, 12, 30}, 0, 6},     {{1899, 12, 31}, 1, 0},      {{1900, 1, 31}, 32, 3},
        {{1900, 3, 1}, 61, 4},      {{2000, 1, 1}, 36526, 6},    {{2000, 2, 29}, 36585, 2},
        {{2024, 2, 10}, 45332, 6},  {{2101, 1, 1}, 73416, 6},    {{1, 1, 1}, -693593, 1},
        {{9999, 12, 31}, 2958465, 5}, {{1582, 10, 15}, -115858, 5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(formatDate(r.date));
        EXPECT_EQ(toDayNumber(r.date), r.day);
        EXPECT_EQ(toYmd(r.day), r.date);
        EXPECT_EQ(weekday(r.day), r.weekday);
    }
}

TEST(Dates, EveryDayOfTheYearsOneToNineThousandRoundTrips)
{
    DayNumber expected = toDayNumber(1, 1, 1);
    for (int y = 1; y <= 9999; ++y) {
        EXPECT_EQ(toYmd(expected).year, y);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= daysInMonth(y, m); ++d) {
                if (toDayNumber(y, m, d) != expected || !(toYmd(expected) == Ymd{y, m, d}))
                    FAIL() << y << '-' << m << '-' << d << " is not day " << expected;
                ++expected;
            }
        }
    }
    EXPECT_EQ(dayOfYear(toDayNumber(2024, 12, 31)), 366);
    EXPECT_EQ(dayOfYear(toDayNumber(2023, 12, 31)), 365);
}

TEST(Dates, ParseIsStrict)
{
    struct Row {
        const char* text;
        bool ok;
        Ymd date;
    };
    const Row rows[] = {
        {"2024-02-29", true, {2024, 2, 29}},
        {"2024-2-9", true, {2024, 2, 9}},
        {"0001-01-01", true, {1, 1, 1}},
        {"9999-12-31", true, {9999, 12, 31}},
        {"2000-02-29", true, {2000, 2, 29}},
        {"2023-02-29", false, {}},
        {"2023-02-30", false, {}},
        {"1900-02-29", false, {}},
        {"2023-04-31", false, {}},
        {"2023-13-01", false, {}},
        {"2023-00-10", false, {}},
        {"2023-01-00", false, {}},
        {"0000-01-01", false, {}},
        {"23-01-01", false, {}},
        {"20230-01-01", false, {}},
        {"2023-001-01", false, {}},
        {"2023/01/01", false, {}},
        {" 2023-01-01", false, {}},
        {"2023-01-01 ", false, {}},
        {"2023-01-01x", false, {}},
        {"2023-01-", false, {}},
        {"-2023-01-01", false, {}},
        {"", false, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const auto day = parseDate(r.text);
        ASSERT_EQ(day.has_value(), r.ok);
        if (r.ok) {
            EXPECT_EQ(toYmd(*day), r.date);
        }
    }
}

TEST(Dates, Formatting)
{
    EXPECT_EQ(formatDate(toDayNumber(1, 1, 1)), "0001-01-01");
    EXPECT_EQ(formatDate(32), "1900-01-31");
    EXPECT_EQ(formatDateTime(36526.5), "2000-01-01 12:00:00.000");
    // The time of day rounds to the nearest millisecond, also when that reaches midnight.
    EXPECT_EQ(formatDateTime(36526.0 + 86399999.6 / 86400000.0), "2000-01-02 00:00:00.000");
    EXPECT_EQ(formatDateTime(fromMillis(toDayNumber(2024, 2, 4) * MsPerDay + 52740863)),
              "2024-02-04 14:39:00.863");
    // Before day 0 the fraction still counts forward from midnight.
    EXPECT_EQ(formatDateTime(-0.25), "1899-12-29 18:00:00.000");
    EXPECT_EQ(datePart(-0.25), -1);
    EXPECT_EQ(datePart(45332.99), 45332);
}
