#include "naming/namerun.h"

#include "core/database.h"
#include "core/gbk.h"

#include <array>
#include <chrono>

namespace yav::naming {
namespace {

constexpr std::array<const char*, 5> ElementWords = {"金", "木", "水", "火", "土"};

std::string num(int n) { return std::to_string(n); }

// A fixed character takes part only when the box is checked and a character was entered; an
// empty one would put names of the wrong length under the plan's score.
bool fixedAt(const NamingInput& input, bool third)
{
    return input.fixedOn && input.fixedThird == third && !input.fixedChar.empty();
}

double secondsSince(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t).count();
}

} // namespace

std::string wordFilter(const NamingInput& input)
{
    int k = 0;
    for (bool on : input.elements)
        k += on ? 1 : 0;
    std::string w;
    if (k == 1) {
        for (std::size_t i = 0; i < ElementWords.size(); ++i)
            if (input.elements[i])
                w = std::string(" and wuhang = '") + ElementWords[i] + "' ";
    } else if (k > 1 && k < 5) {
        // Every piece but the last element's ends in "or"; what is left of it after the trim is
        // removed, so a list ending in 土 keeps its text and one ending elsewhere keeps a blank.
        std::string pieces;
        for (std::size_t i = 0; i < ElementWords.size(); ++i)
            if (input.elements[i])
                pieces += std::string(" wuhang = '") + ElementWords[i] + (i + 1 < ElementWords.size() ? "' or " : "' ");
        pieces = gbk::trim(pieces);
        if (pieces.size() >= 2 && pieces.compare(pieces.size() - 2, 2, "or") == 0)
            pieces.resize(pieces.size() - 2);
        w = " and ( " + pieces + " ) ";
    }
    if (input.singleName || input.fixedOn)
        w += input.male ? " and (xb = '男' or xb = '0') " : " and (xb = '女' or xb = '0') ";
    else
        w += input.male ? " and xb = '男' " : " and xb = '女' ";
    return w;
}

std::string planSelect(const NamingInput& input, const PlanReading& plan, bool allPlans, const std::string& w)
{
    // The family name, the fixed character and the score text are quoted literals; the stroke
    // counts are numbers read from the plan text. "top 1" is a row limit, "+" on text is "||".
    const std::string family = db::quote(input.family);
    const std::string score = db::quote(plan.score);

    std::string a;
    if (fixedAt(input, false)) {
        a = allPlans ? "select " + db::quote(input.fixedChar) + " as zi,11 as px, 100 as id from word  limit 1"
                     : "select " + db::quote(input.fixedChar) + " as zi, 120 as px, 131 as id from word  limit 1";
    } else {
        a = std::string(allPlans ? "select zi,px + 1000 as px,id from word where 1 = 1 "
                                 : "select zi,px + 551 as px,id from word where 1 = 1 ")
            + w;
        if (plan.g1 > 0)
            a += " and bh = " + num(plan.g1);
    }

    std::string b;
    if (fixedAt(input, true))
        b = allPlans ? "select " + db::quote(input.fixedChar) + " as zi,12 as px, 100 as id from word  limit 1"
                     : "select " + db::quote(input.fixedChar) + " as zi, 119 as px, 111 as id from word  limit 1";
    else if (plan.g2 > 0)
        b = std::string(allPlans ? "select zi,px + 5001 as px,id from word where 1 = 1 "
                                 : "select zi,px + 5000 as px,id from word where 1 = 1 ")
            + w + " and bh = " + num(plan.g2);

    if (!b.empty())
        return "select " + family + " || a.zi || b.zi || " + score
               + (allPlans ? ",(a.px + b.px) as px from (" : ",(a.px + b.px + a.id) as px from (") + a + ") a , (" + b
               + ") b";
    return "select " + family + " || a.zi || " + score + (allPlans ? ",(a.px+ a.id) as px from (" : ",(a.px + a.id) as px from (")
           + a + ") a ";
}

bool allPlansMode(const NamingInput& input) { return input.plan == AutoPlan; }

std::string runStatement(const NamingInput& input)
{
    const std::string w = wordFilter(input);
    if (!allPlansMode(input))
        return "select * from (" + planSelect(input, readPlan(input.plan, input.singleName), false, w)
               + "\n) p order by px ";
    if (input.plans.empty())
        return {};
    std::string selects;
    for (std::size_t i = 0; i < input.plans.size(); ++i) {
        if (i > 0)
            selects += " union \n";
        selects += planSelect(input, readPlan(input.plans[i], input.singleName), true, w) + "\n";
    }
    return "select * from (" + selects + ") p order by px";
}

std::size_t walkOutputOrder(std::size_t n, const std::atomic<unsigned char>& runFlag,
                            const std::function<void(std::span<const std::size_t>)>& emit)
{
    const std::size_t g = n / 9;
    std::size_t emitted = 0;
    std::array<std::size_t, 9> group{};
    for (std::size_t h = 1; h <= g; ++h) {
        for (std::size_t k = 0; k < 9; ++k)
            group[k] = h + k * g;
        emit(group);
        emitted += 9;
        if (runFlag.load() == 0)
            break;
    }
    // The remainder runs after a stop too, and then ends after its first row.
    for (std::size_t pos = 9 * g + 1; pos <= n; ++pos) {
        const std::size_t one[1] = {pos};
        emit(one);
        ++emitted;
        if (runFlag.load() == 0)
            break;
    }
    return emitted;
}

RunOutcome makeNames(const std::shared_ptr<db::Connection>& connection, const NamingInput& input,
                     const std::atomic<unsigned char>& runFlag, const NameSink& sink)
{
    const auto start = std::chrono::steady_clock::now();
    RunOutcome outcome;
    const std::string sql = runStatement(input);
    if (sql.empty())
        return outcome;

    // The rows are all read into memory: the output addresses them far apart.
    db::Query query(connection);
    query.setSql(sql);
    const auto statementStart = std::chrono::steady_clock::now();
    query.open();
    outcome.statementSeconds = secondsSince(statementStart);
    outcome.untilRowsSeconds = secondsSince(start);

    const auto& rows = query.rows();
    outcome.rows = rows.size();
    outcome.output = walkOutputOrder(rows.size(), runFlag, [&](std::span<const std::size_t> positions) {
        std::vector<std::string> lines;
        lines.reserve(positions.size());
        for (std::size_t pos : positions)
            lines.push_back(db::valueToText(rows[pos - 1][0]));
        sink(std::move(lines));
    });
    outcome.stopped = outcome.output < outcome.rows;
    return outcome;
}

} // namespace yav::naming
