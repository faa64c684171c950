// Commands of the two lunar calendars, the star sign and the perpetual calendar's month grid.
#include "cli/cli.h"

#include "almanac/DateCn.h"
#include "almanac/monthgrid.h"
#include "calendar/hxCalendar.h"
#include "calendar/starsign.h"
#include "core/dates.h"

#include <cstdio>

namespace {

using namespace yav;

DayNumber dateArgument(const std::string& text)
{
    const auto day = parseDate(text);
    if (!day)
        throw cli::UsageError("not a date (yyyy-MM-dd): " + text);
    return *day;
}

// The days named on the command line: DATE... or --from DATE --to DATE (inclusive).
std::vector<DayNumber> daysOf(const cli::Args& args)
{
    std::vector<DayNumber> days;
    if (args.has("--from") || args.has("--to")) {
        if (!args.has("--from") || !args.has("--to") || !args.positional.empty())
            throw cli::UsageError("give either dates or both --from and --to");
        const DayNumber from = dateArgument(args.value("--from"));
        const DayNumber to = dateArgument(args.value("--to"));
        if (from > to)
            throw cli::UsageError("--from lies after --to");
        days.reserve(static_cast<std::size_t>(to - from + 1));
        for (DayNumber d = from; d <= to; ++d)
            days.push_back(d);
        return days;
    }
    if (args.positional.empty())
        throw cli::UsageError("no date given");
    for (const auto& text : args.positional)
        days.push_back(dateArgument(text));
    return days;
}

int integerInRange(const std::string& text, const std::string& what, int low, int high)
{
    const int v = cli::toInteger(text, what);
    if (v < low || v > high)
        throw cli::UsageError(what + " must lie in " + std::to_string(low) + ".." + std::to_string(high) + ": " + text);
    return v;
}

int cmdLunar(const cli::Args& args, std::ostream& out)
{
    std::string line;
    for (const DayNumber day : daysOf(args)) {
        const LunarDate l = SolarToLunar(day);
        line = formatDate(day);
        line += '\t' + std::to_string(l.year) + '\t' + std::to_string(l.month) + '\t' + std::to_string(l.day) + '\t';
        line += l.isLeap ? '1' : '0';
        line += '\t';
        if (l.ok())
            line += YearGanzhiText(l.year - 1864) + LunarMonthName(l.month, l.isLeap) + LunarDayName(l.day);
        line += '\t' + SolarTermOn(day) + '\n';
        out << line;
    }
    return 0;
}

int cmdSolar(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 3)
        throw cli::UsageError("give the lunar year, month and day");
    LunarDate d;
    d.year = cli::toInteger(args.positional[0], "YEAR");
    d.month = cli::toInteger(args.positional[1], "MONTH");
    d.day = cli::toInteger(args.positional[2], "DAY");
    d.isLeap = args.has("--leap");
    // A lunar date that does not exist gives 0001-01-01, as the calendar answers it.
    out << formatDate(LunarToSolar(d)) << '\n';
    return 0;
}

int cmdTerm(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 2)
        throw cli::UsageError("give the year and the term's index");
    const int year = integerInRange(args.positional[0], "YEAR", 1, 9999);
    const int n = integerInRange(args.positional[1], "INDEX", 0, 23);
    out << formatDateTime(SolarTermTime(year, n)) << '\n';
    return 0;
}

int cmdDatecn(const cli::Args& args, std::ostream& out)
{
    using namespace datecn;
    for (const DayNumber day : daysOf(args)) {
        out << formatDate(day) << '\t' << LunarDateCode(day) << '\t' << LunarMonthText(day) << '\t'
            << LunarDayText(day) << '\t' << LunarFestivalName(day) << '\t' << SolarTermName(day) << '\t'
            << SolarFestivalName(toYmd(day).day, day) << '\t' << ZodiacOfDate(day) << '\t'
            << StarSignOfDate(day) << '\n';
    }
    return 0;
}

std::string colourText(std::uint32_t rgb)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

int cmdMonth(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 2)
        throw cli::UsageError("give the year and the month");
    const int year = integerInRange(args.positional[0], "YEAR", 1, 9999);
    const int month = integerInRange(args.positional[1], "MONTH", 1, 12);
    // As the window does after its spinners moved: today's day of the month, clamped to the
    // month's length (so today itself when the month is today's).
    const int day = args.has("--day") ? integerInRange(args.value("--day"), "--day", 1, 31) : toYmd(today()).day;
    const MonthGrid grid = buildMonthGrid(clampedDate(year, month, day));
    for (int i = 1; i <= MonthGridCells; ++i) {
        const MonthGridCell& c = grid.cell(i);
        if (!c.used())
            continue;
        out << i << '\t' << c.day << '\t' << c.lunarText << '\t' << colourText(c.lunarColour);
        if (i == grid.highlightCell)
            out << "\t*";
        out << '\n';
    }
    out << grid.animal << '\t' << grid.starSign << '\n';
    return 0;
}

int cmdStarsign(const cli::Args& args, std::ostream& out)
{
    for (const DayNumber day : daysOf(args))
        out << "[" << StarSignText(day) << "]\n";
    return 0;
}

const cli::Registrar lunarCommand{{"lunar", "lunar DATE... | lunar --from DATE --to DATE", {"--from", "--to"}, {}, &cmdLunar}};
const cli::Registrar solarCommand{{"solar", "solar YEAR MONTH DAY [--leap]", {}, {"--leap"}, &cmdSolar}};
const cli::Registrar termCommand{{"term", "term YEAR INDEX   (INDEX 0 = 小寒 .. 23 = 冬至)", {}, {}, &cmdTerm}};
const cli::Registrar datecnCommand{{"datecn", "datecn DATE... | datecn --from DATE --to DATE", {"--from", "--to"}, {}, &cmdDatecn}};
const cli::Registrar monthCommand{
    {"month", "month YEAR MONTH [--day D]   (the highlighted cell ends in *)", {"--day"}, {}, &cmdMonth}};
const cli::Registrar starsignCommand{{"starsign", "starsign DATE...", {}, {}, &cmdStarsign}};

} // namespace
