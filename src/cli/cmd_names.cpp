// Commands of the naming workbench: the plan list and the naming run.
#include "cli/cli.h"

#include "core/database.h"
#include "core/datafiles.h"
#include "core/gbk.h"
#include "naming/namerun.h"
#include "naming/plans.h"
#include "naming/resultlist.h"

#include <array>

namespace {

using namespace yav;

void requireGbk(const std::string& text, const std::string& what)
{
    const std::string bad = gbk::firstUnencodable(text);
    if (!bad.empty())
        throw cli::UsageError(what + " has a character without a GBK code: " + bad);
}

std::shared_ptr<db::Connection> openCode()
{
    try {
        return std::make_shared<db::Connection>(ConnStrCode());
    } catch (const db::Error& e) {
        throw cli::Failure(e.what());
    }
}

// The inputs of the main window from the options shared by both commands.
naming::NamingInput inputFrom(const cli::Args& args)
{
    if (args.positional.size() != 1)
        throw cli::UsageError("give one family name");
    naming::NamingInput in;
    requireGbk(args.positional[0], "the family name");
    in.family = gbk::trim(args.positional[0]);

    const std::string sex = args.value("--sex", "男");
    if (sex != "男" && sex != "女")
        throw cli::UsageError("--sex is 男 or 女");
    in.male = sex == "男";
    in.singleName = args.has("--single");

    if (args.has("--fixed")) {
        in.fixedChar = gbk::trim(args.value("--fixed"));
        requireGbk(in.fixedChar, "--fixed");
        if (gbk::length(in.fixedChar) > 2)
            throw cli::UsageError("--fixed takes one character");
        if (in.singleName)
            throw cli::UsageError("--fixed does not go with --single");
        in.fixedOn = true;
        const int position = args.integer("--position", 2);
        if (position != 2 && position != 3)
            throw cli::UsageError("--position is 2 or 3");
        in.fixedThird = position == 3;
    } else if (args.has("--position")) {
        throw cli::UsageError("--position needs --fixed");
    }
    if (args.has("--min-score"))
        in.minScore = args.integer("--min-score", 0);

    if (args.has("--elements")) {
        static constexpr std::array<std::string_view, 5> words = {"金", "木", "水", "火", "土"};
        const std::string list = args.value("--elements");
        for (std::size_t i = 0; i < list.size();) {
            bool known = false;
            for (std::size_t e = 0; e < words.size(); ++e) {
                if (list.compare(i, words[e].size(), words[e]) == 0) {
                    in.elements[e] = true;
                    i += words[e].size();
                    known = true;
                    break;
                }
            }
            if (!known)
                throw cli::UsageError("--elements takes characters of 金木水火土");
        }
    }
    return in;
}

// The plan list as the window shows it; an empty family name leaves it at its first entry.
naming::PlanList planList(const std::shared_ptr<db::Connection>& conn, const naming::NamingInput& in)
{
    if (in.family.empty())
        return {naming::nameFormOf(in.family, in.singleName), {std::string(naming::AutoPlan)}};
    db::Query query(conn);
    try {
        return naming::fillCodeList(query, in);
    } catch (const db::Error& e) {
        throw cli::Failure(e.what());
    }
}

int cmdPlans(const cli::Args& args, std::ostream& out)
{
    const naming::NamingInput in = inputFrom(args);
    for (const auto& entry : planList(openCode(), in).entries)
        out << entry << '\n';
    return 0;
}

int cmdNames(const cli::Args& args, std::ostream& out)
{
    naming::NamingInput in = inputFrom(args);
    const std::string output = args.value("--output", "lines");
    if (output != "lines" && output != "full" && output != "high")
        throw cli::UsageError("--output is lines, full or high");
    const int bar = args.integer("--high-score", 98);

    const auto conn = openCode();
    const auto plans = planList(conn, in);
    in.plans.assign(plans.entries.begin() + 1, plans.entries.end());
    if (args.has("--plan"))
        in.plan = gbk::trim(args.value("--plan"));

    try {
        if (args.has("--sql")) {
            const std::string sql = naming::runStatement(in);
            if (!sql.empty())
                out << sql << '\n';
            return 0;
        }
        const std::atomic<unsigned char> runFlag{1};
        naming::ResultList list;
        const std::string barText = std::to_string(bar);
        auto emitRow = [&](const std::optional<std::string>& row) {
            if (row && output == "full")
                out << *row << '\n';
        };
        naming::makeNames(conn, in, runFlag, [&](std::vector<std::string>&& lines) {
            for (const auto& line : lines) {
                if (output == "lines") {
                    out << line << '\n';
                    continue;
                }
                const auto step = list.add(line, true, barText);
                if (step.high && output == "high")
                    out << step.name << '\n';
                emitRow(step.row);
            }
        });
        emitRow(list.finish());
    } catch (const naming::PlanError& e) {
        throw cli::Failure(e.what());
    } catch (const db::Error& e) {
        throw cli::Failure(e.what());
    }
    return 0;
}

const cli::Registrar plansCommand{
    {"plans", "plans FAMILY [--single] [--fixed CHAR --position 2|3] [--min-score N] [--sex 男|女]",
     {"--fixed", "--position", "--min-score", "--sex"},
     {"--single"},
     &cmdPlans}};

const cli::Registrar namesCommand{
    {"names",
     "names FAMILY [--sex 男|女] [--single] [--plan PLANTEXT] [--elements 金木水火土] [--fixed CHAR --position 2|3] "
     "[--min-score N] [--high-score N] [--output lines|full|high] [--sql]",
     {"--sex", "--plan", "--elements", "--fixed", "--position", "--min-score", "--high-score", "--output"},
     {"--single", "--sql"},
     &cmdNames}};

} // namespace
