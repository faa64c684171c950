#pragma once
// The lunar calendar of the name analysis and the birth chart: solar <-> lunar dates for the lunar
// years 1900 to 2100, month lengths and leap months, the instants of the 24 solar terms by a linear
// formula, and Chinese spellings of years, months and days.
//
// Pure functions over constant tables; safe from any thread. The perpetual calendar has its own,
// separate library (almanac/DateCn.h) with its own tables and range; neither calls the other.
#include "core/dates.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace yav {

// A lunar date. The all-zero record means "no lunar date".
struct LunarDate {
    std::int32_t year = 0;
    std::int32_t month = 0; // 1..12
    std::int32_t day = 0;   // 1..30
    bool isLeap = false;    // the leap month that follows the regular month of the same number

    bool ok() const { return year != 0 || month != 0 || day != 0 || isLeap; }
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

inline constexpr int LunarFirstYear = 1900;
inline constexpr int LunarLastYear = 2100;

// One word per lunar year 1900..2100: bits 15..4 are months 1..12 (set = 30 days, clear = 29),
// bits 3..0 the month followed by a leap month (0 = none). A low nibble of 15 means: no leap month
// this year, and last year's leap month had 30 days.
extern const std::array<std::uint16_t, 201> LunarYearWords;

// Minutes of each solar term after 小寒 within a tropical year.
extern const std::array<std::int32_t, 24> SolarTermMinutes;

inline constexpr std::array<std::string_view, 24> TermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
inline constexpr std::array<std::string_view, 10> StemNames = {"甲", "乙", "丙", "丁", "戊",
                                                               "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 12> AnimalNames = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
// Index 0 is never spelled.
inline constexpr std::array<std::string_view, 11> NumeralNames = {"日", "一", "二", "三", "四", "五",
                                                                  "六", "七", "八", "九", "十"};

// The four table functions know the lunar years 1900..2100; they answer 0 for any other year.
int LunarYearDays(int year);             // 353..385, leap month included
int LeapMonthOf(int year);               // 1..12, 0 when the year has none
int LeapMonthDays(int year);             // 29 or 30, 0 when the year has no leap month
int LunarMonthDays(int year, int month); // 29 or 30; month 0 (or below) reads like month 1

// The lunar date of a solar day; all zero before 1900-01-31 and from 2101-01-01 on.
// Only the whole day counts; the time of day is ignored.
LunarDate SolarToLunar(DateTime date);

// True when the lunar date exists in the years 1901..2099. As the name analysis has always judged
// it, there is no lower bound on month and day: month 0 passes like month 1, day 0 and negative
// days pass.
bool IsValidLunarDate(const LunarDate& d);

// The answer of LunarToSolar for a date that is not valid.
inline constexpr DayNumber NoSolarDay = toDayNumber(1, 1, 1); // 0001-01-01

// The solar day of a lunar date; NoSolarDay when the date is not valid (and for a day so far
// negative that the result would leave the years 1..9999).
DayNumber LunarToSolar(const LunarDate& d);

// Instant of solar term n (0 = 小寒 .. 23 = 冬至) of the solar year, in milliseconds since
// 1899-12-30 00:00, and as a date-time. An index beyond 0..23 counts on into the neighbouring
// years (24 is next year's 小寒). Meant for the years 1..9999.
std::int64_t SolarTermMillis(int year, int n);
DateTime SolarTermTime(int year, int n);

// The name of the solar term whose instant falls on the day x, else empty. x is compared as given:
// a value with a time of day never matches.
std::string SolarTermOn(DateTime x);

// Stem, branch and animal of cycle number n, as 甲子(鼠年); callers pass lunar year - 1864.
// Negative n counts backwards through the cycle (-1 is 癸亥).
std::string YearGanzhiText(int n);

// "初一" .. "三十"; empty outside 1..30.
std::string LunarDayName(int day);

// 一月 .. 十二月, 闰 in front for a leap month; a month it cannot spell leaves "月" (or "闰月").
std::string LunarMonthName(int month, bool isLeap);

} // namespace yav
