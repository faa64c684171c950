// Prints how long the calendars take over their whole ranges. Not a test: figures only.
#include "almanac/DateCn.h"
#include "almanac/monthgrid.h"
#include "calendar/hxCalendar.h"
#include "core/dates.h"

#include <chrono>
#include <cstdio>
#include <string>

using namespace yav;

namespace {

template <typename F>
void measure(const char* what, long items, F&& work)
{
    const auto start = std::chrono::steady_clock::now();
    const std::size_t checksum = work();
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    std::printf("%-58s %8ld items %9.1f ms %8.3f us/item  (checksum %zu)\n", what, items, ms, 1000.0 * ms / items,
                checksum);
}

} // namespace

int main()
{
    const DayNumber first = toDayNumber(1900, 1, 31);
    const DayNumber last = toDayNumber(2100, 12, 31);
    const long days = last - first + 1;

    // What `yavname-cli lunar --from 1900-01-31 --to 2100-12-31` computes and writes.
    measure("lunar lines 1900-01-31..2100-12-31", days, [&] {
        std::string out;
        out.reserve(static_cast<std::size_t>(days) * 64);
        for (DayNumber d = first; d <= last; ++d) {
            const LunarDate l = SolarToLunar(d);
            out += formatDate(d);
            out += '\t' + std::to_string(l.year) + '\t' + std::to_string(l.month) + '\t' + std::to_string(l.day);
            out += l.isLeap ? "\t1\t" : "\t0\t";
            out += YearGanzhiText(l.year - 1864) + LunarMonthName(l.month, l.isLeap) + LunarDayName(l.day);
            out += '\t' + SolarTermOn(d) + '\n';
        }
        return out.size();
    });

    measure("SolarToLunar + LunarToSolar round trip, same range", days, [&] {
        std::size_t sum = 0;
        for (DayNumber d = first; d <= last; ++d)
            sum += static_cast<std::size_t>(LunarToSolar(SolarToLunar(d)) - first);
        return sum;
    });

    const DayNumber cnFirst = toDayNumber(1901, 1, 1);
    const DayNumber cnLast = toDayNumber(2050, 12, 31);
    measure("datecn fields 1901-01-01..2050-12-31", cnLast - cnFirst + 1, [&] {
        using namespace datecn;
        std::size_t bytes = 0;
        for (DayNumber d = cnFirst; d <= cnLast; ++d) {
            bytes += std::to_string(LunarDateCode(d)).size() + LunarMonthText(d).size() + LunarDayText(d).size() +
                     LunarFestivalName(d).size() + SolarTermName(d).size() +
                     SolarFestivalName(toYmd(d).day, d).size() + ZodiacOfDate(d).size() + StarSignOfDate(d).size();
        }
        return bytes;
    });

    measure("month grids 1901-01..2050-12", 150 * 12, [&] {
        std::size_t cells = 0;
        for (int y = 1901; y <= 2050; ++y)
            for (int m = 1; m <= 12; ++m)
                cells += static_cast<std::size_t>(buildMonthGrid(toDayNumber(y, m, 1)).highlightCell);
        return cells;
    });
    return 0;
}
