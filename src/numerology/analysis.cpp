#include "numerology/analysis.h"

#include "calendar/starsign.h"
#include "core/database.h"
#include "core/gbk.h"
#include "naming/lookups.h"
#include "numerology/grids.h"
#include "numerology/talent.h"

#include <charconv>

namespace yav {
namespace {

constexpr std::string_view ClosingLine =
    "<-----------------------以上分析内容只作参考----------------------------->";

// Grids in the order the report reads them.
struct GridHeading {
    int kind;
    std::string_view name;
    std::string_view text; // after 【<name><n>的解析】：
};
constexpr std::array<GridHeading, 5> ReportGrids = {{
    {TianGe, "天格", "天格数是先祖留传下来的，其数理对人影响不大。"},
    {RenGe, "人格", "人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
    {DiGe, "地格", "地格数又称前运，影响人生（49岁）以前的命运。"},
    {ZongGe, "总格", "总格又称后运，影响人生（50岁）以后的命运。 "},
    {WaiGe, "外格", "外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
}};

// A whole number written in digits only; nullopt for anything else.
std::optional<int> digitsValue(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// The first failing input check, in the window's order, or empty.
std::string checkInputs(const std::string& family, const std::string& given, const AnalysisInput& in)
{
    const struct {
        const std::string& text;
        const char* message;
    } required[] = {
        {family, "姓不能为空!"},
        {given, "名不能为空!"},
        {gbk::trim(in.year), "请选择出生年!"},
        {gbk::trim(in.month), "请选择出生月!"},
        {gbk::trim(in.day), "请选择出生日!"},
        {gbk::trim(in.hour), "请选择出生小时!"},
    };
    for (const auto& r : required)
        if (r.text.empty())
            return r.message;
    // The grids read two characters of each part at most; longer names are refused rather than
    // analysed by half.
    if (gbk::length(family) > 4)
        return "姓最多只能有两个字!";
    if (gbk::length(given) > 4)
        return "名最多只能有两个字!";
    for (const auto* part : {&family, &given}) {
        const std::string bad = gbk::firstUnencodable(*part);
        if (!bad.empty())
            return "姓名中的字符“" + bad + "”无法识别，请改用常用汉字。";
    }
    return {};
}

} // namespace

std::optional<Birth> resolveBirth(const AnalysisInput& in, std::string& message)
{
    const std::string year = gbk::trim(in.year);
    const std::string month = gbk::trim(in.month);
    const std::string day = gbk::trim(in.day);
    std::optional<DayNumber> solar;
    if (in.calendar != 0) {
        const auto y = digitsValue(year), m = digitsValue(month), d = digitsValue(day);
        // The lunar conversion lets month 0 and day 0 through; they name no date.
        if (y && m && d && *m >= 1 && *m <= 12 && *d >= 1 && *d <= 30) {
            const DayNumber n = LunarToSolar(LunarDate{*y, *m, *d, false});
            if (n != NoSolarDay)
                solar = n;
        }
        if (!solar) {
            message = "农历" + year + "年" + month + "月" + day + "日不存在，或不在农历1901年至2099年之间，请重新选择出生日期!";
            return std::nullopt;
        }
    } else {
        solar = parseDate(year + "-" + month + "-" + day);
        if (!solar) {
            message = "公历" + year + "年" + month + "月" + day + "日不是有效的日期，请重新选择出生日期!";
            return std::nullopt;
        }
    }
    Birth b;
    b.solar = *solar;
    b.lunar = SolarToLunar(b.solar);
    if (!b.lunar.ok()) {
        message = "出生日期" + formatDate(b.solar) + "超出农历的换算范围（1900-01-31至2100-12-31），请重新选择出生日期!";
        return std::nullopt;
    }
    const std::string text = formatDate(b.solar);
    b.year = text.substr(0, 4);
    b.month = text.substr(5, 2);
    b.day = text.substr(8, 2);
    const std::string yearText = YearGanzhiText(b.lunar.year - 1900 + 36);
    b.lunarText = yearText + LunarMonthName(b.lunar.month, b.lunar.isLeap) + LunarDayName(b.lunar.day);
    // The animal is the character after "(" in 甲子(鼠年).
    b.zodiac = gbk::cut(gbk::trim(yearText), 5, 2).text;
    b.starSign = StarSignText(b.solar);
    return b;
}

std::string formatScore(double score)
{
    char buf[64];
    const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, score, std::chars_format::fixed);
    return ec == std::errc() ? std::string(buf, ptr) : std::string("0");
}

std::string_view verdictFor(double score)
{
    if (score >= 90)
        return "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
    if (score >= 80)
        return "【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
    if (score >= 70)
        return "【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。";
    if (score >= 60)
        return "【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
    return "【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
}

double computedScore(const std::array<int, 5>& grid, std::string_view title)
{
    double score = 0;
    for (int kind : {TianGe, DiGe, RenGe, ZongGe, WaiGe})
        score += GridScore(grid[static_cast<std::size_t>(kind)], kind);
    return score + TalentScore(title);
}

NameScore scoreName(std::string_view family, std::string_view given, bool alwaysCompute)
{
    NameScore r;
    const NameStrokes strokes = nameStrokes(family, given);
    for (int kind = TianGe; kind <= WaiGe; ++kind)
        r.grid[static_cast<std::size_t>(kind)] = gridNumber(strokes, kind);
    r.title = TalentTitle(r.grid[TianGe], r.grid[RenGe], r.grid[DiGe]);
    const NameChars f = splitNamePart(family);
    const NameChars g = splitNamePart(given);
    r.precomputed = CombinationScore(f.first, f.second, g.first, g.second);
    if (r.precomputed == 0 || alwaysCompute)
        r.computed = computedScore(r.grid, r.title);
    r.score = r.precomputed != 0 ? r.precomputed : r.computed;
    return r;
}

AnalysisResult analyseName(const AnalysisInput& in, int currentYear)
{
    AnalysisResult r;
    const std::string family = gbk::trim(in.family);
    const std::string given = gbk::trim(in.given);
    r.message = checkInputs(family, given, in);
    if (!r.message.empty())
        return r;
    const std::optional<Birth> birth = resolveBirth(in, r.message);
    if (!birth)
        return r;

    auto& out = r.lines;
    const std::string hour = gbk::trim(gbk::cut(gbk::trim(in.hour), 3, 2).text);
    out.push_back(family + given + ",您今年:" + std::to_string(currentYear - std::stoi(birth->year)) + "岁");
    out.push_back("您出生公历: " + birth->year + "年" + birth->month + "月" + birth->day + "日" + hour + "点"
                  + in.minute + "分");
    out.push_back("农历:" + birth->lunarText);
    out.push_back("生肖:" + birth->zodiac);
    out.push_back("星座:" + birth->starSign);

    try {
        const NameScore s = scoreName(family, given);
        const std::string score = formatScore(s.score);
        out.push_back("综合评分: " + score + "分");
        out.emplace_back(ReportSeparator);
        for (const auto& g : ReportGrids) {
            const int n = s.grid[static_cast<std::size_t>(g.kind)];
            out.push_back("【" + std::string(g.name) + std::to_string(n) + "的解析】：" + std::string(g.text));
            out.push_back(ShuliField(n, ShuliYy) + ShuliField(n, ShuliJx));
        }
        for (auto& line : TalentSection(s.title))
            out.push_back(std::move(line));
        out.emplace_back(ReportSeparator);
        for (const auto& g : ReportGrids) {
            const int n = s.grid[static_cast<std::size_t>(g.kind)];
            out.push_back("【" + std::string(g.name) + std::to_string(n) + "数理暗示】：");
            out.push_back(ShuliField(n, ShuliAs));
        }
        out.emplace_back(ReportSeparator);
        out.emplace_back(verdictFor(s.score));
        out.push_back("【系统综合评分】: " + score + "分");
        out.emplace_back();
        out.emplace_back(ClosingLine);
    } catch (const db::Error& e) {
        r.databaseError = e.what();
    }
    return r;
}

AnalysisResult analyseName(const AnalysisInput& in)
{
    return analyseName(in, toYmd(today()).year);
}

std::string givenNameOfLine(std::string_view line, std::string_view family)
{
    const std::string_view full = line.substr(0, line.find('('));
    return gbk::trim(gbk::cut(full, gbk::length(gbk::trim(family)), 20).text);
}

} // namespace yav
