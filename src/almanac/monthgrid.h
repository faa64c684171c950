#pragma once
// What the perpetual calendar shows for one month: 37 cells of day number and lunar label with the
// label's colour, the highlighted cell, and the animal and star-sign labels. The window paints it,
// the command-line tool prints it.
#include "core/dates.h"

#include <array>
#include <cstdint>
#include <string>

namespace yav {

// 37 cells hold a 31-day month that begins on a Saturday (6 + 31).
inline constexpr int MonthGridCells = 37;

// Cell i (1..37) lies in row (i - 1) / 7 and column (i - 1) % 7; column 0 is Sunday.
constexpr int monthGridRow(int cell) { return (cell - 1) / 7; }
constexpr int monthGridColumn(int cell) { return (cell - 1) % 7; }

// Label colours as 0xRRGGBB.
inline constexpr std::uint32_t LunarDayColour = 0x004000;   // dark green: the lunar day
inline constexpr std::uint32_t LunarMonthColour = 0xFF0000; // red: first day of a lunar month
inline constexpr std::uint32_t FestivalColour = 0xFF8000;   // orange: solar or lunar festival
inline constexpr std::uint32_t SolarTermColour = 0x5353FF;  // blue: solar term

struct MonthGridCell {
    int day = 0;            // 0 for an unused cell
    std::string lunarText;  // lunar day, lunar month name, festival or solar term
    std::uint32_t lunarColour = LunarDayColour;
    bool used() const { return day != 0; }
};

struct MonthGrid {
    int year = 0;
    int month = 0;
    int highlightDay = 0;  // the shown date's day
    int highlightCell = 0; // 1..37
    std::array<MonthGridCell, MonthGridCells> cells{}; // cells[i - 1] is cell i
    std::string animal;    // animal of the shown date's lunar year, as 辰龙
    std::string starSign;  // star sign of the highlighted day

    const MonthGridCell& cell(int i) const { return cells[static_cast<std::size_t>(i - 1)]; }
};

// year-month-min(day, length of the month): a day remembered from a longer month is clamped.
DayNumber clampedDate(int year, int month, int day);

// The grid of the month of `shown`, with `shown` highlighted. The lunar label shows the lunar day,
// or on the first day of a lunar month the month's name in red; a solar festival replaces it, a
// solar term replaces that, a lunar festival replaces everything. Outside the Chinese date
// library's years the lunar texts are empty.
MonthGrid buildMonthGrid(DayNumber shown);

} // namespace yav
