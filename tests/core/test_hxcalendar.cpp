#include "calendar/hxCalendar.h"
#include "calendar/starsign.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace yav;

namespace {

DayNumber day(int y, int m, int d) { return toDayNumber(y, m, d); }

std::string describe(const LunarDate& l)
{
    return std::to_string(l.year) + "-" + std::to_string(l.month) + "-" + std::to_string(l.day) +
           (l.isLeap ? " leap" : "");
}

} // namespace

TEST(HxCalendar, TableFunctions)
{
    EXPECT_EQ(LunarYearDays(1900), 384);
    EXPECT_EQ(LunarYearDays(2000), 354);
    EXPECT_EQ(LeapMonthOf(1900), 8);
    EXPECT_EQ(LeapMonthDays(1900), 29); // 1901's nibble is 0
    EXPECT_EQ(LeapMonthOf(2017), 6);
    EXPECT_EQ(LeapMonthDays(2017), 30); // 2018's nibble is F
    EXPECT_EQ(LeapMonthOf(2018), 0);
    EXPECT_EQ(LeapMonthDays(2018), 0);
    EXPECT_EQ(LunarMonthDays(1900, 1), 29);
    EXPECT_EQ(LunarMonthDays(1900, 2), 30);
    EXPECT_EQ(LunarMonthDays(1900, 12), 30);
    EXPECT_EQ(LunarMonthDays(1900, 0), LunarMonthDays(1900, 1));
    EXPECT_EQ(LunarMonthDays(2024, 0), LunarMonthDays(2024, 1));
    // Outside the table nothing is read.
    for (int y : {1899, 2101, -5, 100000}) {
        EXPECT_EQ(LunarYearDays(y), 0);
        EXPECT_EQ(LeapMonthOf(y), 0);
        EXPECT_EQ(LunarMonthDays(y, 1), 0);
    }
    // Every year of the table: 353..385 days, and the years laid end to end reach 2101-01-23.
    DayNumber start = day(1900, 1, 31);
    for (int y = 1900; y <= 2100; ++y) {
        const int n = LunarYearDays(y);
        EXPECT_TRUE(n >= 353 && n <= 385) << y;
        EXPECT_EQ(n >= 383, LeapMonthOf(y) != 0) << y;
        start += n;
    }
    EXPECT_EQ(SolarToLunar(start - 1), (LunarDate{}));
}

TEST(HxCalendar, SolarToLunarCases)
{
    struct Row {
        Ymd solar;
        LunarDate lunar;
    };
    const Row rows[] = {
        {{1900, 1, 31}, {1900, 1, 1, false}},
        {{1900, 1, 30}, {}},
        {{2101, 1, 1}, {}},
        {{2100, 12, 31}, {2100, 12, 1, false}},
        {{2023, 3, 22}, {2023, 2, 1, true}},
        {{2023, 4, 19}, {2023, 2, 29, true}},
        {{2023, 4, 20}, {2023, 3, 1, false}},
        {{2000, 2, 5}, {2000, 1, 1, false}},
        {{2000, 2, 4}, {1999, 12, 29, false}},
        {{1900, 9, 24}, {1900, 8, 1, true}},  // the leap 8th month of 1900 (29 days)
        {{1900, 10, 22}, {1900, 8, 29, true}},
        {{1900, 10, 23}, {1900, 9, 1, false}},
        {{2017, 7, 23}, {2017, 6, 1, true}},  // the 30-day leap month of 2017
        {{2017, 8, 21}, {2017, 6, 30, true}},
        {{1984, 12, 2}, {1984, 10, 10, true}},
        {{2024, 2, 10}, {2024, 1, 1, false}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(formatDate(r.solar));
        EXPECT_EQ(describe(SolarToLunar(toDayNumber(r.solar))), describe(r.lunar));
    }
    // Only the whole day counts; nothing outside the range (NaN included) has a lunar date.
    EXPECT_EQ(SolarToLunar(day(2023, 3, 22) + 0.99), (LunarDate{2023, 2, 1, true}));
    EXPECT_EQ(SolarToLunar(31.999), (LunarDate{}));
    EXPECT_EQ(SolarToLunar(std::numeric_limits<double>::quiet_NaN()), (LunarDate{}));
    EXPECT_EQ(SolarToLunar(1e300), (LunarDate{}));
    EXPECT_FALSE(LunarDate{}.ok());
}

TEST(HxCalendar, LunarToSolarCases)
{
    struct Row {
        LunarDate lunar;
        Ymd solar; // {1, 1, 1}: not valid
    };
    const Row rows[] = {
        {{2023, 2, 1, true}, {2023, 3, 22}},
        {{2023, 2, 1, false}, {2023, 2, 20}},
        {{2023, 3, 1, false}, {2023, 4, 20}},
        {{1984, 10, 10, true}, {1984, 12, 2}},
        {{1901, 1, 1, false}, {1901, 2, 19}},
        {{2099, 12, 30}, {2100, 2, 8}},
        {{2000, 1, 1}, {2000, 2, 5}},
        // Lunar 1900 and 2100 exist for SolarToLunar but are not valid here.
        {{1900, 1, 1}, {1, 1, 1}},
        {{2100, 12, 1}, {1, 1, 1}},
        {{2023, 3, 1, true}, {1, 1, 1}}, // 2023 doubles the 2nd month, not the 3rd
        {{2024, 1, 1, true}, {1, 1, 1}}, // 2024 has no leap month
        {{2023, 1, 30}, {1, 1, 1}},      // a 29-day month
        {{2023, 13, 1}, {1, 1, 1}},
        {{2023, 1, 31}, {1, 1, 1}},
        // Month 0 is judged like month 1 and lands on it; day 0 is the day before day 1.
        {{2023, 0, 1}, {2023, 1, 22}},
        {{2023, 1, 0}, {2023, 1, 21}},
        {{2023, 3, -1}, {2023, 4, 18}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(describe(r.lunar));
        EXPECT_EQ(formatDate(LunarToSolar(r.lunar)), formatDate(r.solar));
        EXPECT_EQ(IsValidLunarDate(r.lunar), !(r.solar == Ymd{1, 1, 1}));
    }
    // A day so negative that the result would leave the calendar is refused, not wrapped.
    EXPECT_EQ(LunarToSolar({2000, 1, std::numeric_limits<std::int32_t>::min(), false}), NoSolarDay);
    EXPECT_EQ(LunarToSolar({2000, 1, -800000, false}), NoSolarDay);
}

// Every day whose lunar year is 1901..2099 converts there and back, and the lunar dates follow one
// another without gaps: the next lunar day, or day 1 of the next (or leap) month.
TEST(HxCalendar, SweepRoundTripsAndWalksWithoutGaps)
{
    LunarDate prev = SolarToLunar(day(1901, 2, 18));
    ASSERT_EQ(prev, (LunarDate{1900, 12, 30, false}));
    for (DayNumber d = day(1901, 2, 19); d <= day(2099, 12, 31); ++d) {
        const LunarDate l = SolarToLunar(d);
        if (LunarToSolar(l) != d)
            FAIL() << formatDate(d) << " -> " << describe(l) << " -> " << formatDate(LunarToSolar(l));
        bool step = false;
        if (l.day == prev.day + 1) {
            step = l.year == prev.year && l.month == prev.month && l.isLeap == prev.isLeap;
        } else if (l.day == 1) {
            const int prevLength = prev.isLeap ? LeapMonthDays(prev.year) : LunarMonthDays(prev.year, prev.month);
            const bool intoLeap = l.isLeap && !prev.isLeap && l.month == prev.month && l.year == prev.year &&
                                  LeapMonthOf(l.year) == l.month;
            const bool nextMonth = !l.isLeap && l.year == prev.year && l.month == prev.month + 1;
            const bool nextYear = !l.isLeap && l.year == prev.year + 1 && l.month == 1 && prev.month == 12;
            step = prev.day == prevLength && (intoLeap || nextMonth || nextYear);
        }
        if (!step)
            FAIL() << formatDate(d) << ": " << describe(prev) << " then " << describe(l);
        prev = l;
    }
}

TEST(HxCalendar, SolarTermInstants)
{
    struct Row {
        int year, n;
        const char* instant;
    };
    const Row rows[] = {
        {2000, 2, "2000-02-04 19:08:37.470"},
        {1900, 0, "1900-01-06 02:05:00.000"},
        {2024, 2, "2024-02-04 14:39:00.863"},
        {1900, 23, "1900-12-22 14:43:00.000"},
        {1899, 0, "1899-01-05 20:16:14.025"},
        {2024, 24, "2025-01-05 08:40:46.838"}, // index 24 is next year's 小寒
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.year) + "/" + std::to_string(r.n));
        EXPECT_EQ(formatDateTime(SolarTermTime(r.year, r.n)), r.instant);
    }
    EXPECT_EQ(SolarTermTime(2024, 24), SolarTermTime(2025, 0));
    EXPECT_EQ(SolarTermTime(2024, -1), SolarTermTime(2023, 23));
}

// The millisecond rounding follows 80-bit arithmetic with a double in between. Where the compiler's
// long double is that format, it is a second, independent way of computing every instant.
TEST(HxCalendar, SolarTermMillisMatchExtendedPrecision)
{
    if (LDBL_MANT_DIG != 64)
        GTEST_SKIP() << "long double is not the 80-bit format here";
    const long double year = 8470997813976838963.0L / 268435456.0L;
    EXPECT_EQ(static_cast<double>(year), 31556925974.7);
    const std::int64_t epoch = toDayNumber(1900, 1, 6) * MsPerDay + 7'500'000;
    for (int y = 1; y <= 9999; ++y) {
        for (int n = 0; n < 24; ++n) {
            volatile long double v = static_cast<long double>(y - 1900) * year;
            v = v + static_cast<long double>(SolarTermMinutes[static_cast<std::size_t>(n)]) * 60000.0L;
            const volatile double stored = static_cast<double>(v);
            const auto ms = static_cast<std::int64_t>(std::nearbyint(stored));
            if (SolarTermMillis(y, n) != epoch + ms)
                FAIL() << y << "/" << n;
        }
    }
}

TEST(HxCalendar, SolarTermOnADay)
{
    EXPECT_EQ(SolarTermOn(day(2000, 2, 4)), "立春");
    EXPECT_EQ(SolarTermOn(day(2000, 2, 5)), "");
    EXPECT_EQ(SolarTermOn(day(2000, 3, 5)), "惊蛰");
    EXPECT_EQ(SolarTermOn(day(1900, 12, 22)), "冬至");
    EXPECT_EQ(SolarTermOn(day(1900, 1, 6)), "小寒");
    // Compared as given: a value with a time of day never matches.
    EXPECT_EQ(SolarTermOn(day(2000, 2, 4) + 0.5), "");
    EXPECT_EQ(SolarTermOn(std::numeric_limits<double>::quiet_NaN()), "");
    // Each month has its two terms on two distinct days.
    for (int y : {1901, 1984, 2024, 2099}) {
        int count = 0;
        for (DayNumber d = day(y, 1, 1); d <= day(y, 12, 31); ++d)
            count += !SolarTermOn(d).empty();
        EXPECT_EQ(count, 24) << y;
    }
}

TEST(HxCalendar, Names)
{
    EXPECT_EQ(YearGanzhiText(120), "甲子(鼠年)");
    EXPECT_EQ(YearGanzhiText(146), "庚寅(虎年)");
    EXPECT_EQ(YearGanzhiText(0), "甲子(鼠年)");
    EXPECT_EQ(YearGanzhiText(59), "癸亥(猪年)");
    EXPECT_EQ(YearGanzhiText(-1), "癸亥(猪年)");

    const std::pair<int, const char*> days[] = {{1, "初一"}, {10, "初十"}, {11, "十一"}, {19, "十九"},
                                                {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"},
                                                {0, ""},     {31, ""},     {-1, ""}};
    for (const auto& [d, text] : days)
        EXPECT_EQ(LunarDayName(d), text) << d;

    struct Month {
        int m;
        bool leap;
        const char* text;
    };
    const Month months[] = {{1, false, "一月"},    {10, false, "十月"},  {11, true, "闰十一月"},
                            {12, false, "十二月"}, {4, true, "闰四月"}, {0, false, "月"},
                            {13, false, "月"},     {0, true, "闰月"}};
    for (const Month& r : months)
        EXPECT_EQ(LunarMonthName(r.m, r.leap), r.text) << r.m;

    // The lunar date as the reports spell it.
    const LunarDate l = SolarToLunar(day(2011, 1, 20));
    EXPECT_EQ(YearGanzhiText(l.year - 1864) + LunarMonthName(l.month, l.isLeap) + LunarDayName(l.day),
              "庚寅(虎年)十二月十七");
}

TEST(StarSign, RangesOfTheReports)
{
    const std::pair<Ymd, const char*> rows[] = {
        {{2010, 4, 20}, "白羊座"}, {{2010, 4, 21}, "金牛座 "}, {{2010, 5, 20}, "金牛座 "},
        {{2010, 5, 21}, "双子座"}, {{2010, 12, 22}, "摩羯座"}, {{2011, 1, 19}, "摩羯座"},
        {{2010, 12, 21}, "射手座"}, {{2011, 1, 20}, "水瓶座"}, {{2012, 2, 29}, "双鱼座"},
        {{2010, 12, 31}, "摩羯座"}, {{2010, 1, 1}, "摩羯座"},  {{2010, 8, 23}, "处女座"},
    };
    for (const auto& [date, sign] : rows)
        EXPECT_EQ(StarSignText(toDayNumber(date)), sign) << formatDate(date);
    // A time of day after midnight leaves the range that ends on its day.
    EXPECT_EQ(StarSignText(day(2010, 4, 20) + 0.5), "");
    EXPECT_EQ(StarSignText(day(2010, 4, 19) + 0.5), "白羊座");
    EXPECT_EQ(StarSignText(std::numeric_limits<double>::quiet_NaN()), "");
}
