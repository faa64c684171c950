// Figures of the naming run on the character database beside the program (or in DATA_DIR):
//   bench_naming [DATA_DIR]
// Per case: the rows of the statement; the statement's time; the time until the first nine name
// lines are handed over, and how long after the statement's end that is; the whole run (its own
// connection, the statement, the interleaved output and the result list's rows); the peak
// memory of the run; and, for the same statement text, Debian's sqlite3 shell on the same file,
// the engine's floor. Times are the best of several runs, in milliseconds.
#include "core/database.h"
#include "core/datafiles.h"
#include "naming/namerun.h"
#include "naming/plans.h"
#include "naming/resultlist.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace yav;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Repeats = 7;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Peak resident memory since the last reset, in MiB (Linux: VmHWM, reset through clear_refs).
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
double peakMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

struct Case {
    const char* what;
    naming::NamingInput input;
    bool firstPlanOnly = false;
};

naming::NamingInput make(const char* family, bool male = true)
{
    naming::NamingInput in;
    in.family = family;
    in.male = male;
    return in;
}

struct Figures {
    std::size_t rows = 0, plans = 0;
    double statement = 1e9, firstNine = 1e9, afterStatement = 1e9, total = 1e9, run = 1e9, peak = 0;
};

Figures measure(const naming::NamingInput& in)
{
    Figures f;
    // Small runs are repeated more often, so that a busy machine does not decide their figures.
    const auto begin = Clock::now();
    for (int r = 0; r < 500 && (r < Repeats || Clock::now() - begin < std::chrono::milliseconds(500)); ++r) {
        resetPeak();
        const auto start = Clock::now();
        Clock::time_point firstBatch{};
        naming::ResultList list;
        std::size_t rowsOut = 0;
        const std::atomic<unsigned char> flag{1};
        // As the worker does: a connection of its own, then the run; the sink does the window's
        // part that is not drawing (the high-score decision and the rows of the full list).
        auto connection = std::make_shared<db::Connection>(ConnStrCode());
        const auto runStart = Clock::now();
        const auto outcome = naming::makeNames(connection, in, flag, [&](std::vector<std::string>&& lines) {
            if (firstBatch == Clock::time_point{})
                firstBatch = Clock::now();
            for (const auto& l : lines)
                if (list.add(l, true, "98").row)
                    ++rowsOut;
        });
        if (list.finish())
            ++rowsOut;
        const auto end = Clock::now();
        f.peak = std::max(f.peak, peakMiB());
        f.rows = outcome.rows;
        f.statement = std::min(f.statement, outcome.statementSeconds * 1000);
        f.total = std::min(f.total, ms(end - start));
        f.run = std::min(f.run, ms(end - runStart));
        if (firstBatch != Clock::time_point{}) {
            f.firstNine = std::min(f.firstNine, ms(firstBatch - start));
            f.afterStatement = std::min(f.afterStatement, ms(firstBatch - start) - outcome.untilRowsSeconds * 1000);
        }
    }
    return f;
}

// Best wall time of the sqlite3 shell running a script on the file.
double shellWall(const std::string& script, const std::string& dbPath, std::string* output = nullptr)
{
    const auto file = std::filesystem::temp_directory_path() / ("bench_naming_" + std::to_string(::getpid()) + ".sql");
    std::ofstream(file) << script;
    const std::string cmd = "sqlite3 -readonly '" + dbPath + "' < '" + file.string() + "' 2>&1";
    double best = 1e9;
    for (int r = 0; r < Repeats; ++r) {
        const auto start = Clock::now();
        FILE* p = ::popen(cmd.c_str(), "r");
        if (!p)
            break;
        std::string out;
        char buf[512];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        const int status = ::pclose(p);
        if (status != 0)
            std::fprintf(stderr, "sqlite3 failed: %s\n", out.c_str());
        best = std::min(best, ms(Clock::now() - start));
        if (output)
            *output = out;
    }
    std::filesystem::remove(file);
    return best;
}

// The engine's floor for the statement: the sqlite3 shell running it with its rows written to
// /dev/null. The shell's own timer counts whole milliseconds, so the statement is also run k times
// in one shell and the time of a shell without it taken off; that gives the time of one run.
struct ShellFigures {
    double timer = 0; // .timer of one run
    double perRun = 0;
};
ShellFigures shellTimes(const std::string& sql, const std::string& dbPath)
{
    ShellFigures f;
    std::string out;
    shellWall(".timer on\n.output /dev/null\n" + sql + ";\n", dbPath, &out);
    const auto at = out.find("Run Time: real ");
    if (at != std::string::npos)
        f.timer = std::stod(out.substr(at + 15)) * 1000;
    const int k = std::clamp(static_cast<int>(300 / std::max(f.timer, 0.5)), 1, 300);
    std::string many = ".output /dev/null\n";
    for (int i = 0; i < k; ++i)
        many += sql + ";\n";
    const double empty = shellWall(".output /dev/null\n", dbPath);
    f.perRun = (shellWall(many, dbPath) - empty) / k;
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        setDataFolder(argv[1]);
    std::shared_ptr<db::Connection> conn;
    try {
        conn = std::make_shared<db::Connection>(ConnStrCode());
        db::Query q(conn);
        q.setSql("select (select count(*) from word), (select count(*) from zh)");
        q.open();
        resetPeak();
        std::printf("data: %s (word %lld rows, zh %lld rows); memory before the runs %.1f MiB\n",
                    conn->path().c_str(), static_cast<long long>(q.integer(0)), static_cast<long long>(q.integer(1)),
                    peakMiB());
    } catch (const db::Error& e) {
        std::fprintf(stderr, "bench_naming: %s\n", e.what());
        return 1;
    }

    naming::NamingInput wood = make("王");
    wood.elements[1] = true;
    naming::NamingInput fixedSecond = make("王");
    fixedSecond.fixedOn = true;
    fixedSecond.fixedChar = "明";
    naming::NamingInput single = make("王");
    single.singleName = true;
    std::vector<Case> cases = {
        {"王 双字名 男, all plans", make("王")},
        {"王 双字名 男, 木, all plans", wood},
        {"欧阳 双字名 女, all plans", make("欧阳", false)},
        {"王 双字名 男, fixed 2nd 明", fixedSecond},
        {"王 单字名 男, all plans", single},
        {"李 双字名 男, all plans", make("李")},
        {"王 双字名 男, first plan", make("王"), true},
    };

    std::printf("%-30s %6s %7s %9s %9s %9s %9s %9s %9s %12s %9s %6s\n", "case", "plans", "rows", "stmt ms",
                "first9 ms", "+stmt ms", "total ms", "run ms", "peak MiB", "shell .timer", "shell ms", "ratio");
    for (auto& c : cases) {
        db::Query q(conn);
        const auto plans = naming::fillCodeList(q, c.input);
        c.input.plans.assign(plans.entries.begin() + 1, plans.entries.end());
        if (c.firstPlanOnly && !c.input.plans.empty())
            c.input.plan = c.input.plans.front();
        const std::string sql = naming::runStatement(c.input);
        const Figures f = measure(c.input);
        const auto shell = shellTimes(sql, conn->path());
        std::printf("%-30s %6zu %7zu %9.2f %9.2f %9.2f %9.2f %9.2f %9.1f %12.1f %9.2f %6.2f\n", c.what,
                    c.firstPlanOnly ? std::size_t(1) : c.input.plans.size(), f.rows, f.statement, f.firstNine,
                    f.afterStatement, f.total, f.run, f.peak, shell.timer, shell.perRun, f.total / shell.perRun);
    }
    std::printf("stmt: the statement with its rows read; first9: start to the first nine lines; +stmt: of which "
                "after the statement's end;\ntotal: the whole run with its own connection and the result list; run: the same without "
                "opening the connection;\n"
                "shell ms: sqlite3 on the same text, per run of k in one shell; ratio: total / shell ms.\n");
    return 0;
}
