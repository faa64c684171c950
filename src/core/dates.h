#pragma once
// Dates as the program counts them: one serial day number, the days since 1899-12-30 (day 0),
// through which every calendar converts. Day 1 is 1899-12-31, day 32 is 1900-01-31, day 36526 is
// 2000-01-01. Where a time of day matters the value carries it as a fraction (a DateTime, 0.5 is
// noon). Dates travel as "yyyy-MM-dd" text.
//
// Civil dates follow the Gregorian rules, extended backwards (0001-01-01 is day -693593).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yav {

using DayNumber = std::int32_t; // days since 1899-12-30
using DateTime = double;        // DayNumber + time of day as a fraction of a day

inline constexpr std::int64_t MsPerDay = 86'400'000;

struct Ymd {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend constexpr bool operator==(const Ymd&, const Ymd&) = default;
};

constexpr bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days of the month, 0 for a month outside 1..12.
constexpr int daysInMonth(int y, int m)
{
    constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return 0;
    return m == 2 && isLeapYear(y) ? 29 : lengths[m - 1];
}

// A date that exists, in the years 1..9999 (the range the date texts can hold).
constexpr bool isValidYmd(int y, int m, int d)
{
    return y >= 1 && y <= 9999 && d >= 1 && d <= daysInMonth(y, m);
}
constexpr bool isValidYmd(const Ymd& v) { return isValidYmd(v.year, v.month, v.day); }

// Day number of a civil date. The arguments are not checked: callers pass a date that exists
// (a day beyond the month's end simply runs on into the next month).
constexpr DayNumber toDayNumber(int y, int m, int d)
{
    // Count in years that start on 1 March, so that the leap day is the last day of its year.
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;                                 // [0, 399]
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1; // [0, 365]
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;         // [0, 146096]
    return era * 146097 + doe - 693899;                            // 0000-03-01 is -693899
}
constexpr DayNumber toDayNumber(const Ymd& v) { return toDayNumber(v.year, v.month, v.day); }

constexpr Ymd toYmd(DayNumber n)
{
    const int z = n + 693899;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;                                     // [0, 146096]
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);              // [0, 365]
    const int mp = (5 * doy + 2) / 153;                                   // [0, 11], March first
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

// 0 = Sunday .. 6 = Saturday. Day 0 (1899-12-30) was a Saturday.
constexpr int weekday(DayNumber n) { return ((n % 7) + 13) % 7; }

// 1 for 1 January, up to 365 or 366.
constexpr int dayOfYear(DayNumber n) { return n - toDayNumber(toYmd(n).year, 1, 1) + 1; }

// The day a date-time falls on (rounded down, so also right for values before day 0).
DayNumber datePart(DateTime t);

// Milliseconds since 1899-12-30 00:00, rounded to the nearest millisecond, and back.
std::int64_t toMillis(DateTime t);
DateTime fromMillis(std::int64_t ms);

// Today's date by the local clock.
DayNumber today();

// "yyyy-MM-dd", with the year padded to four digits.
std::string formatDate(DayNumber n);
std::string formatDate(const Ymd& v);

// "yyyy-MM-dd HH:mm:ss.zzz" (the time rounded to the millisecond).
std::string formatDateTime(DateTime t);

// Reads "yyyy-MM-dd": a four-digit year 0001..9999, '-', the month and '-' and the day, each of one
// or two digits (so "2024-2-9" passes, as the date pickers build such texts). A date that does not
// exist (2023-02-30, 2023-13-01) is refused, never rolled over; so is any other character,
// including blanks around the text.
std::optional<DayNumber> parseDate(std::string_view text);

} // namespace yav
