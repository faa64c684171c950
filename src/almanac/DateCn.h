#pragma once
// The Chinese date library of the perpetual calendar: for any solar day of 1901-01-01..2050-12-31,
// the lunar month and day (leap months included) and their names, the lunar festival, the solar
// term and the solar festival of the day, the animal of the year and the star sign.
//
// Independent of the lunar calendar of the name analysis (calendar/hxCalendar.h): its own tables,
// encoding and range. Pure functions over constant tables; safe from any thread. Text results are
// UTF-8; empty text means that nothing applies (also for days outside 1901..2050).
#include "core/dates.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace yav::datecn {

inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2050;

// One record per solar year 1901..2050, bytes from the high end: byte 0 = bit 7 set when the month
// in progress on 1 January is the 12th (else the 11th), bits 0..6 the lunar day of 1 January;
// bytes 1..2 = month lengths from that month on, high bit first (set = 30 days); byte 3 = the month
// followed by a leap month in this run of months, 0 for none.
extern const std::array<std::uint32_t, 150> LunarYearTable;

// One byte per solar year 1901..2050 and month: high nibble h puts the month's first solar term on
// day 15 - h, low nibble l the second one on day 15 + l.
extern const std::array<std::array<std::uint8_t, 12>, 150> SolarTermTable;

// Index 1..24; month m holds terms 2m - 1 and 2m.
inline constexpr std::array<std::string_view, 25> SolarTermNames = {
    "",     "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
// Index 1..12.
inline constexpr std::array<std::string_view, 13> LunarMonthNames = {
    "", "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
// Index 1..30.
inline constexpr std::array<std::string_view, 31> LunarDayNames = {
    "",     "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
// Index 0 belongs to 1972.
inline constexpr std::array<std::string_view, 12> ZodiacNames = {
    "子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇", "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

// month * 100 + day, negated in a leap month (正月初一 = 101, the first of the leap 2nd month =
// -201); 0 outside 1901..2050.
int LunarDateCode(DayNumber date);

// 正月 .. 腊月, or "闰" + the name for a leap month (闰二, 闰冬).
std::string LunarMonthText(DayNumber date);

// 初一 .. 三十.
std::string LunarDayText(DayNumber date);

// 春节, 元宵节, 端午节, 七夕节, 中秋节, 重阳节, 腊八节, 除夕 or empty.
std::string LunarFestivalName(DayNumber date);

// 1..24 when a solar term falls on the day, else 0.
int SolarTermIndex(std::uint16_t year, std::uint16_t month, std::uint16_t day);
std::string SolarTermName(DayNumber date);

// The solar festival of day d of monthDate's year and month (any year); empty for none, and for a
// day the month does not have.
std::string SolarFestivalName(int d, DayNumber monthDate);

// The branch and animal of the lunar year (子鼠 .. 亥猪); the animal changes on 正月初一.
std::string ZodiacOfDate(DayNumber date);

// The star sign by this library's own table (any year).
std::string StarSignOfDate(DayNumber date);
std::string StarSignOfDay(int d, DayNumber monthDate);

// 1 for 1 January up to 365 or 366.
int DayOfYearNumber(DayNumber date);

} // namespace yav::datecn
