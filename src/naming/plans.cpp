#include "naming/plans.h"

#include "core/database.h"
#include "core/gbk.h"
#include "naming/lookups.h"

#include <charconv>

namespace yav::naming {
namespace {

std::string num(std::int64_t n) { return std::to_string(n); }

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines) {
        if (!out.empty())
            out += '\n';
        out += l;
    }
    return out;
}

// A whole number as the plan texts hold them (blanks around are allowed); nullopt otherwise.
std::optional<int> wholeNumber(std::string_view text)
{
    const std::string t = gbk::trim(text);
    std::string_view s = t;
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    int value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

int planNumber(std::string_view text, std::string_view plan)
{
    if (auto n = wholeNumber(text))
        return *n;
    throw PlanError("方案“" + std::string(plan) + "”读不出笔画数");
}

} // namespace

int nameFormOf(std::string_view family, bool singleName)
{
    if (gbk::length(family) == 2)
        return singleName ? 11 : 12;
    return singleName ? 21 : 22;
}

std::string planStatement(const NamingInput& input, int nameForm, int s1, int s2, int f2, int f3)
{
    const bool oneCharFamily = nameForm < 20;
    const bool singleGiven = nameForm == 11 || nameForm == 21;
    // "top 20/40/80" of the plan list; the limit follows the order by, so the rows are the same.
    const int limit = (f2 > 0 || f3 > 0) ? 80 : singleGiven ? 40 : 20;
    std::vector<std::string> lines;
    if (oneCharFamily)
        lines.push_back("select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = " + num(nameForm)
                        + " and bh11 = " + num(s1) + " ");
    else
        lines.push_back("select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = " + num(nameForm)
                        + " and bh11 = " + num(s1) + " and bh12 = " + num(s2) + " ");
    if (f2 > 0)
        lines.push_back(" and bh21 = " + num(f2) + " ");
    if (f3 > 0)
        lines.push_back(" and bh22 = " + num(f3) + " ");
    if (!oneCharFamily) {
        // Only the combinations of compound family names carry a sex.
        if (input.singleName || input.fixedOn)
            lines.push_back(input.male ? " and (xb = '男' or xb = '0') " : " and (xb = '女' or xb = '0') ");
        else
            lines.push_back(input.male ? " and xb = '男' " : " and xb = '女' ");
    }
    if (input.minScore)
        lines.push_back(" and zf >= " + num(*input.minScore) + " ");
    lines.push_back(" order by jxjx asc,zf asc");
    lines.push_back(" limit " + num(limit));
    return joinLines(lines);
}

std::string planText(int nameForm, int s1, int s2, std::string_view g1, std::string_view g2, std::string_view score)
{
    std::string family = num(s1);
    if (nameForm > 20)
        family += "-" + num(s2);
    std::string given(g1);
    if (nameForm == 12 || nameForm == 22)
        given += "-" + std::string(g2);
    return family + "|" + given + "(" + std::string(score) + "分)";
}

PlanList fillCodeList(db::Query& query, const NamingInput& input)
{
    int f2 = 0, f3 = 0;
    if (input.fixedOn && !input.fixedChar.empty())
        (input.fixedThird ? f3 : f2) = strokesOn(query, input.fixedChar);

    PlanList list;
    list.nameForm = nameFormOf(input.family, input.singleName);
    int s1 = 0, s2 = 0;
    if (list.nameForm < 20) {
        s1 = strokesOn(query, input.family);
    } else {
        // Bytes 1-2 are the first character, bytes 3-4 the second.
        s1 = strokesOn(query, gbk::cut(input.family, 0, 2).text);
        s2 = strokesOn(query, gbk::cut(input.family, 2, 2).text);
    }

    query.close();
    query.setSql(planStatement(input, list.nameForm, s1, s2, f2, f3));
    query.open();
    list.entries.reserve(static_cast<std::size_t>(query.recordCount()) + 1);
    list.entries.emplace_back(AutoPlan);
    for (query.first(); !query.eof(); query.next())
        list.entries.push_back(planText(list.nameForm, s1, s2, gbk::trim(query.text(2)), gbk::trim(query.text(3)),
                                        gbk::trim(query.text(4))));
    query.close();
    return list;
}

PlanReading readPlan(std::string_view plan, bool singleName)
{
    // Everything after the first "|" (the whole text when there is none), at most 30 bytes.
    const std::size_t bar = plan.find('|');
    const std::string t = gbk::trim(gbk::cut(bar == std::string_view::npos ? plan : plan.substr(bar + 1), 0, 30).text);
    const std::string_view tv = t;

    PlanReading r;
    const std::size_t paren = tv.find('(');
    if (singleName) {
        r.g1 = planNumber(paren == std::string_view::npos ? std::string_view() : tv.substr(0, paren), plan);
    } else {
        const std::size_t dash = tv.find('-');
        if (dash == std::string_view::npos)
            throw PlanError("方案“" + std::string(plan) + "”读不出笔画数");
        r.g1 = planNumber(tv.substr(0, dash), plan);
        // The second count is one or two digits, so the score's "(" may follow at once.
        const std::string_view after = tv.substr(dash + 1);
        const std::string two = gbk::trim(gbk::cut(after, 0, 2).text);
        r.g2 = planNumber(two.find('(') != std::string::npos ? gbk::cut(after, 0, 1).text : two, plan);
    }
    r.score = gbk::trim(gbk::cut(paren == std::string_view::npos ? tv : tv.substr(paren), 0, 16).text);
    return r;
}

} // namespace yav::naming
