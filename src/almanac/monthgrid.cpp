#include "almanac/monthgrid.h"

#include "almanac/DateCn.h"

#include <algorithm>

namespace yav {

DayNumber clampedDate(int year, int month, int day)
{
    return toDayNumber(year, month, std::clamp(day, 1, daysInMonth(year, month)));
}

MonthGrid buildMonthGrid(DayNumber shown)
{
    using namespace datecn;
    const Ymd v = toYmd(shown);
    MonthGrid grid;
    grid.year = v.year;
    grid.month = v.month;
    grid.highlightDay = v.day;
    grid.animal = ZodiacOfDate(shown);

    const DayNumber first = toDayNumber(v.year, v.month, 1);
    const int firstCell = weekday(first) + 1; // Sunday starts the row
    const int length = daysInMonth(v.year, v.month);
    for (int d = 1; d <= length; ++d) {
        const int i = firstCell + d - 1;
        const DayNumber c = first + d - 1;
        MonthGridCell& cell = grid.cells[static_cast<std::size_t>(i - 1)];
        cell.day = d;
        cell.lunarText = LunarDayText(c);
        cell.lunarColour = LunarDayColour;
        if (cell.lunarText == "初一") {
            cell.lunarText = LunarMonthText(c);
            cell.lunarColour = LunarMonthColour;
        }
        if (std::string s = SolarFestivalName(d, shown); !s.empty()) {
            cell.lunarText = std::move(s);
            cell.lunarColour = FestivalColour;
        }
        if (std::string s = SolarTermName(c); !s.empty()) {
            cell.lunarText = std::move(s);
            cell.lunarColour = SolarTermColour;
        }
        if (std::string s = LunarFestivalName(c); !s.empty()) {
            cell.lunarText = std::move(s);
            cell.lunarColour = FestivalColour;
        }
        if (d == v.day) {
            grid.highlightCell = i;
            grid.starSign = StarSignOfDay(d, c);
        }
    }
    return grid;
}

} // namespace yav
