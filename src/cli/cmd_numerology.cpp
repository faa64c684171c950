// Commands of the name numerology: the analysis report, the grids and score of a name, and the
// compiled reading of a number.
#include "cli/cli.h"

#include "core/database.h"
#include "core/gbk.h"
#include "numerology/analysis.h"
#include "numerology/numberreading.h"

namespace {

using namespace yav;

int cmdAnalyse(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 2)
        throw cli::UsageError("give the family name and the given name");
    AnalysisInput in;
    in.family = args.positional[0];
    in.given = args.positional[1];
    in.sex = args.value("--sex", "男");
    if (in.sex != "男" && in.sex != "女")
        throw cli::UsageError("--sex is 男 or 女");
    const std::string calendar = args.value("--calendar", "solar");
    if (calendar != "solar" && calendar != "lunar")
        throw cli::UsageError("--calendar is solar or lunar");
    in.calendar = calendar == "lunar" ? 1 : 0;
    in.year = args.value("--year", in.year);
    in.month = args.value("--month", in.month);
    in.day = args.value("--day", in.day);
    if (args.has("--hour")) {
        const int hour = args.integer("--hour", 0);
        if (hour < 0 || hour > 23)
            throw cli::UsageError("--hour is a clock hour 0 to 23");
        in.hour = std::string(HourItems[static_cast<std::size_t>(hour)]);
    }
    in.minute = args.value("--minute", in.minute);

    const AnalysisResult r = analyseName(in);
    if (r.refused())
        throw cli::Failure(r.message);
    for (const auto& line : r.lines)
        out << line << '\n';
    if (!r.databaseError.empty())
        throw cli::Failure(r.databaseError);
    return 0;
}

int cmdGrids(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 2)
        throw cli::UsageError("give the family name and the given name");
    for (const auto& part : args.positional) {
        const std::string bad = gbk::firstUnencodable(part);
        if (!bad.empty())
            throw cli::UsageError("character without a GBK code: " + bad);
        if (gbk::trim(part).empty() || gbk::length(part) > 4)
            throw cli::UsageError("a name part is one or two characters");
    }
    try {
        const NameScore s = scoreName(args.positional[0], args.positional[1], true);
        for (int kind : {0, 2, 1, 3, 4}) // 天格 人格 地格 总格 外格
            out << s.grid[static_cast<std::size_t>(kind)] << '\t';
        out << s.title << '\t' << formatScore(s.computed) << '\t' << s.precomputed << '\n';
    } catch (const db::Error& e) {
        throw cli::Failure(e.what());
    }
    return 0;
}

int cmdNumber(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 1)
        throw cli::UsageError("give one number");
    const auto reading = NumberReading(args.positional[0]);
    if (!reading)
        throw cli::UsageError("not a whole number that fits in 64 bits: " + args.positional[0]);
    out << *reading << '\n';
    return 0;
}

const cli::Registrar analyseCommand{
    {"analyse",
     "analyse FAMILY GIVEN [--sex 男|女] [--calendar solar|lunar] [--year Y] [--month M] [--day D] [--hour H] [--minute MM]",
     {"--sex", "--calendar", "--year", "--month", "--day", "--hour", "--minute"},
     {},
     &cmdAnalyse}};
const cli::Registrar gridsCommand{{"grids", "grids FAMILY GIVEN", {}, {}, &cmdGrids}};
const cli::Registrar numberCommand{{"number", "number TEXT", {}, {}, &cmdNumber}};

} // namespace
