#include "numerology/grids.h"

#include "core/database.h"
#include "core/datafiles.h"
#include "core/gbk.h"
#include "naming/lookups.h"

#include <array>

namespace yav {

NameChars splitNamePart(std::string_view part)
{
    if (gbk::length(part) <= 2)
        return {std::string(part), {}};
    return {gbk::cut(part, 0, 2).text, gbk::cut(part, 2, 2).text};
}

NameStrokes nameStrokes(std::string_view family, std::string_view given)
{
    const NameChars f = splitNamePart(family);
    const NameChars g = splitNamePart(given);
    NameStrokes s;
    s.compoundFamily = gbk::length(family) > 2;
    s.doubleGiven = gbk::length(given) > 2;
    s.oneCharEach = gbk::length(family) == 2 && gbk::length(given) == 2;
    s.s1 = CharStrokes(f.first);
    s.s2 = s.compoundFamily ? CharStrokes(f.second) : 0;
    s.g1 = CharStrokes(g.first);
    s.g2 = s.doubleGiven ? CharStrokes(g.second) : 0;
    return s;
}

int gridNumber(const NameStrokes& s, int kind)
{
    const int family = s.s1 + (s.compoundFamily ? s.s2 : 0);
    const int given = s.g1 + (s.doubleGiven ? s.g2 : 0);
    const int person = (s.compoundFamily ? s.s2 : s.s1) + s.g1;
    switch (kind) {
    case TianGe:
        return s.compoundFamily ? family : s.s1 + 1;
    case DiGe:
        return s.doubleGiven ? given : s.g1 + 1;
    case RenGe:
        return person;
    case ZongGe:
        return family + given;
    case WaiGe:
        return s.oneCharEach ? 2 : family + given - person + 1;
    default:
        return 0;
    }
}

int GridNumber(std::string_view family, std::string_view given, int kind)
{
    if (kind < TianGe || kind > WaiGe)
        return 0;
    return gridNumber(nameStrokes(family, given), kind);
}

std::string ElementOfNumber(int number)
{
    // Indexed by the last digit; a negative number leaves a negative remainder and no element.
    static constexpr std::array<std::string_view, 10> byDigit = {"水", "木", "木", "火", "火",
                                                                 "土", "土", "金", "金", "水"};
    const int r = number % 10;
    return r < 0 ? std::string() : std::string(byDigit[static_cast<std::size_t>(r)]);
}

std::string TalentTitle(int heaven, int person, int earth)
{
    return ElementOfNumber(heaven) + ElementOfNumber(person) + ElementOfNumber(earth);
}

double GridScore(int number, int kind)
{
    // Points per kind (天格, 地格, 人格, 总格, 外格) and class.
    static constexpr double points[5][3] = {
        {10, 8.5, 7}, {10, 8.5, 7}, {30, 25.5, 21}, {20, 17, 14}, {10, 8.5, 7}};
    if (kind < TianGe || kind > WaiGe)
        return 0;
    const std::string key = "," + std::to_string(number) + ",";
    const std::array<std::string_view, 3> classes = {NumberClassFirst, NumberClassSecond, NumberClassThird};
    for (std::size_t c = 0; c < classes.size(); ++c)
        if (classes[c].find(key) != std::string_view::npos)
            return points[kind][c];
    return 0;
}

std::string ShuliField(int number, int column)
{
    static constexpr std::array<const char*, 4> columns = {"yy", "jx", "as", "content"};
    db::Query q(ConnStrFile());
    q.setSql("Select * from \"81\" where num = " + std::to_string(number));
    q.open();
    if (q.isEmpty())
        return " ";
    if (column < 0 || column > 3)
        return {};
    q.first();
    return q.text(columns[static_cast<std::size_t>(column)]);
}

} // namespace yav
