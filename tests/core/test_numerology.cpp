#include "core/database.h"
#include "core/datafiles.h"
#include "numerology/analysis.h"
#include "numerology/grids.h"
#include "numerology/numberreading.h"
#include "numerology/talent.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace yav;

namespace {

class Numerology : public ::testing::Test {
protected:
    void SetUp() override { setDataFolder(test::fixtureDir()); }
};

NameStrokes strokes(int s1, int s2, int g1, int g2)
{
    NameStrokes s{s1, s2, g1, g2};
    s.compoundFamily = s2 != 0;
    s.doubleGiven = g2 != 0;
    s.oneCharEach = !s.compoundFamily && !s.doubleGiven;
    return s;
}

// 天格 人格 地格 总格 外格
std::array<int, 5> reportOrder(const NameStrokes& s)
{
    return {gridNumber(s, TianGe), gridNumber(s, RenGe), gridNumber(s, DiGe), gridNumber(s, ZongGe),
            gridNumber(s, WaiGe)};
}

} // namespace

TEST(Grids, FromStrokes)
{
    struct Case {
        NameStrokes s;
        std::array<int, 5> grids; // 天 人 地 总 外
    } cases[] = {
        {strokes(4, 0, 3, 8), {5, 7, 11, 15, 9}},     // single family, double given (worked example)
        {strokes(10, 5, 6, 0), {15, 11, 7, 21, 11}},  // compound family, single given (worked example)
        {strokes(20, 0, 25, 0), {21, 45, 26, 45, 2}}, // one character each: 外格 2 whatever the strokes
        {strokes(15, 17, 6, 10), {32, 23, 16, 48, 26}},
        {strokes(0, 0, 0, 0), {1, 0, 1, 0, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportOrder(c.s), c.grids) << c.s.s1 << "," << c.s.s2 << "," << c.s.g1 << "," << c.s.g2;
    EXPECT_EQ(gridNumber(strokes(4, 0, 3, 8), 5), 0);
    EXPECT_EQ(gridNumber(strokes(4, 0, 3, 8), -1), 0);
}

TEST_F(Numerology, GridNumberLooksUpTheCharacters)
{
    struct Case {
        const char* family;
        const char* given;
        std::array<int, 5> grids; // 天 人 地 总 外
    } cases[] = {
        {"王", "安家", {5, 10, 16, 20, 11}},
        {"王", "明", {5, 12, 9, 12, 2}},
        {"欧阳", "明", {32, 25, 9, 40, 16}},
        {"欧阳", "安家", {32, 23, 16, 48, 26}},
        {"王", "龙", {5, 4, 1, 4, 2}},    // a character not in the table has 0 strokes
        {"A", "明", {1, 8, 9, 8, 1}},     // a one-byte family name is not two bytes: no 外格 of 2
        {"王", "乾", {5, 15, 12, 15, 2}}, // 乾 has 0 strokes as 乾 and is found as the traditional form of 干
    };
    for (const auto& c : cases) {
        std::array<int, 5> got{};
        const int kinds[] = {TianGe, RenGe, DiGe, ZongGe, WaiGe};
        for (int i = 0; i < 5; ++i)
            got[static_cast<std::size_t>(i)] = GridNumber(c.family, c.given, kinds[i]);
        EXPECT_EQ(got, c.grids) << c.family << c.given;
    }
    EXPECT_EQ(GridNumber("王", "明", 7), 0);
}

TEST(Grids, ElementsAndTitle)
{
    const std::pair<int, const char*> cases[] = {
        {10, "水"}, {20, "水"}, {11, "木"}, {0, "水"}, {1, "木"}, {2, "木"}, {3, "火"}, {4, "火"},
        {5, "土"},  {6, "土"},  {7, "金"},  {8, "金"}, {9, "水"}, {81, "木"}, {-3, ""},
    };
    for (const auto& [n, element] : cases)
        EXPECT_EQ(ElementOfNumber(n), element) << n;
    EXPECT_EQ(TalentTitle(5, 7, 11), "土金木");
    EXPECT_EQ(TalentTitle(-1, 7, 11), "金木");
}

TEST(Grids, ScorePoints)
{
    struct Case {
        int number, kind;
        double points;
    } cases[] = {
        {6, RenGe, 25.5},  {81, ZongGe, 20}, {9, WaiGe, 7},   {82, RenGe, 0}, {0, TianGe, 0},
        {1, TianGe, 10},   {17, DiGe, 8.5},  {2, RenGe, 21},  {75, ZongGe, 17}, {80, ZongGe, 14},
        {-1, RenGe, 0},    {5, 5, 0},        {5, -1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GridScore(c.number, c.kind), c.points) << c.number << " kind " << c.kind;
    // Every number from 1 to 81 lies in exactly one class, and nothing else does.
    for (int n = 0; n <= 90; ++n) {
        const std::string key = "," + std::to_string(n) + ",";
        const int in = (NumberClassFirst.find(key) != std::string_view::npos)
                       + (NumberClassSecond.find(key) != std::string_view::npos)
                       + (NumberClassThird.find(key) != std::string_view::npos);
        EXPECT_EQ(in, n >= 1 && n <= 81 ? 1 : 0) << n;
    }
}

TEST_F(Numerology, ShuliField)
{
    EXPECT_EQ(ShuliField(5, ShuliYy), "五数读。");
    EXPECT_EQ(ShuliField(5, ShuliJx), "吉");
    EXPECT_EQ(ShuliField(5, ShuliAs), "五数暗示。");
    EXPECT_EQ(ShuliField(5, ShuliContent), "五数详解。");
    EXPECT_EQ(ShuliField(10, ShuliYy), " 十数读。 "); // as stored
    EXPECT_EQ(ShuliField(5, 4), "");
    EXPECT_EQ(ShuliField(11, ShuliYy), " "); // no row: one blank
    EXPECT_EQ(ShuliField(11, 4), " ");
    setDataFolder("/nonexistent");
    EXPECT_THROW(ShuliField(5, ShuliYy), db::Error);
}

TEST(NumberReadings, Positions)
{
    const std::string first = numberEntryText(0);
    EXPECT_EQ(first, "大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，其具体表现为："
                     "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");
    struct Case {
        const char* text;
        int position;
    } cases[] = {
        {"81", 0}, {"0", 0}, {"162", 0}, {"80", 80}, {"1", 1}, {"82", 1},
        {"123456789012345678", static_cast<int>(123456789012345678LL % 81)},
        {"9223372036854775807", static_cast<int>(9223372036854775807LL % 81)},
        {"000000000000000085", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberReading(c.text), numberEntryText(c.position)) << c.text;
    EXPECT_EQ(NumberReading("1").value().rfind("根基不固，摇摇欲坠，一盛一衰，劳而无获|凶|主人性格类型：[独断独行/吸引人型]", 0), 0u);
    EXPECT_EQ(NumberReading("-5"), std::string(NumberRefusal));
    EXPECT_EQ(NumberReading("-81"), numberEntryText(0)); // remainder 0 is no refusal
    for (const char* bad : {"", "12a", "abc", " 12", "9223372036854775808", "1.5", "+-1"})
        EXPECT_EQ(NumberReading(bad), std::nullopt) << bad;
}

TEST(NumberReadings, TableAsPrinted)
{
    // Spot checks of entries whose type breaks the running order, and of odd verses.
    struct Case {
        int position;
        const char* verse;
        const char* luck;
        const char* type;
    } cases[] = {
        {26, "一成一败，一盛一衰，惟靠谨慎，可守成功", "凶带吉", "做事喜好凭直觉型"},
        {27, "鱼临旱地，难逃恶运，此数大凶，不如更名", "凶", "好奇心旺求知欲强型"},
        {44, "杨柳遇春，绿叶发枝，冲破难关，一举成名", "吉", "热情/善变梦想家型"},
        {67, "思虎虑周祥，计书力行，不失先机，可望成功", "吉", "不善表达/疑心大型"},
        {73, "利不及费，坐食山空，如无章法，难望成功", "凶", "独断独行/吸引人型"},
        {80, "最极之数，还本归元，能得繁荣，发达成功", "吉", "做事喜好凭直觉型"},
    };
    for (const auto& c : cases) {
        const NumberEntry& e = NumberEntries[static_cast<std::size_t>(c.position)];
        EXPECT_EQ(e.verse, c.verse) << c.position;
        EXPECT_EQ(e.luck, c.luck) << c.position;
        EXPECT_EQ(PersonalityTypes[static_cast<std::size_t>(e.type)].name, c.type) << c.position;
    }
    for (const auto& e : NumberEntries)
        EXPECT_TRUE(e.luck == "吉" || e.luck == "凶" || e.luck == "吉带凶" || e.luck == "凶带吉") << e.verse;
}

TEST_F(Numerology, TalentScoreAndSection)
{
    const std::pair<const char*, double> cases[] = {
        {"土土金", 20}, {"木木木", 12}, {"水水水", 18}, {"土金木", 16},
        {"火火火", -1}, {"金金金", -1}, {"木火土", -1}, {"土'木", -1},
    };
    for (const auto& [title, points] : cases)
        EXPECT_EQ(TalentScore(title), points) << title;

    const std::vector<std::string> section = TalentSection("土水土");
    const std::vector<std::string> expected = {
        std::string(ReportSeparator),
        "【三才数理分析】：您的姓名三才配置为：土水土。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        "土水土总论。",
        "【对基础运的影响】：基础运读。凶",
        "【对成功运的影响】：成功运读。凶",
        "【对人际关系的影响】：人际读。凶",
        "【对性格的影响】：性格读。",
    };
    EXPECT_EQ(section, expected);
    EXPECT_TRUE(TalentSection("土土金").empty());
    EXPECT_TRUE(TalentSection("'").empty());
    setDataFolder("/nonexistent");
    EXPECT_THROW(TalentScore("土土金"), db::Error);
    EXPECT_THROW(TalentSection("土土金"), db::Error);
}

TEST_F(Numerology, ScoreWorkedExample)
{
    // 天格 5, 人格 7, 地格 11, 总格 15, 外格 9 (by GridKind: 天 地 人 总 外).
    const std::array<int, 5> grid = {5, 11, 7, 15, 9};
    EXPECT_EQ(computedScore(grid, "土金木"), 93);   // 10 + 10 + 30 + 20 + 7 + 16
    EXPECT_EQ(computedScore(grid, "土水木"), 76);   // title without a grade: -1
    EXPECT_EQ(computedScore({1, 1, 1, 1, 1}, "木木木"), 92);
    EXPECT_EQ(computedScore({1, 1, 1, 1, 1}, "木火土"), 79); // full grid points, title missing
}

TEST_F(Numerology, ScoreName)
{
    struct Case {
        const char* family;
        const char* given;
        int precomputed;
        std::string score;
    } cases[] = {
        {"王", "安家", 95, "95"},
        {"欧阳", "明", 88, "88"},
        {"王", "国安", 0, "98.5"}, // 5, 15, 17, 21, 7: 10 + 8.5 + 30 + 20 + 10, 土土金 grade 1
        {"王", "明明", 0, "61"},   // 5, 12, 16, 20, 9: 10 + 10 + 21 + 14 + 7, 土木土 without a grade
    };
    for (const auto& c : cases) {
        const NameScore s = scoreName(c.family, c.given);
        EXPECT_EQ(s.precomputed, c.precomputed) << c.family << c.given;
        EXPECT_EQ(formatScore(s.score), c.score) << c.family << c.given;
    }
    // The precomputed score wins, whatever the grid points give.
    const NameScore s = scoreName("王", "安家", true);
    EXPECT_EQ(s.score, 95);
    EXPECT_EQ(s.title, "土水土");
    EXPECT_EQ(formatScore(s.computed), "64"); // 5, 10, 16, 20, 11: 10 + 10 + 21 + 14 + 10, 土水土 without a grade
}

TEST(Report, ScoreTextAndVerdicts)
{
    EXPECT_EQ(formatScore(90), "90");
    EXPECT_EQ(formatScore(85.5), "85.5");
    EXPECT_EQ(formatScore(79), "79");
    EXPECT_EQ(formatScore(-1), "-1");
    EXPECT_EQ(formatScore(0), "0");
    const std::pair<double, const char*> bands[] = {
        {100, "非常棒"}, {90, "非常棒"}, {89.5, "起得不错"}, {80, "起得不错"}, {79.5, "不太理想"},
        {70, "不太理想"}, {69.5, "不太好"}, {60, "不太好"}, {59.5, "不是很好"}, {-1, "不是很好"},
    };
    for (const auto& [score, words] : bands)
        EXPECT_NE(verdictFor(score).find(words), std::string_view::npos) << score;
    EXPECT_EQ(verdictFor(90), "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
}

TEST_F(Numerology, ReportLineByLine)
{
    AnalysisInput in;
    in.family = " 王 ";
    in.given = "安家";
    in.year = "2000";
    in.month = "2";
    in.day = "5";
    in.hour = "巳 10";
    in.minute = "05";
    const AnalysisResult r = analyseName(in, 2024);
    ASSERT_FALSE(r.refused()) << r.message;
    EXPECT_EQ(r.databaseError, "");
    const std::vector<std::string> expected = {
        "王安家,您今年:24岁",
        "您出生公历: 2000年02月05日10点05分",
        "农历:庚辰(龙年)一月初一",
        "生肖:龙",
        "星座:水瓶座",
        "综合评分: 95分",
        std::string(ReportSeparator),
        "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。",
        "五数读。吉",
        "【人格10的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
        " 十数读。 凶",
        "【地格16的解析】：地格数又称前运，影响人生（49岁）以前的命运。",
        "十六数读。吉",
        "【总格20的解析】：总格又称后运，影响人生（50岁）以后的命运。 ",
        "二十数读。凶",
        "【外格11的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
        "  ",
        std::string(ReportSeparator),
        "【三才数理分析】：您的姓名三才配置为：土水土。它具有如下数理诱导力，据此会对人生产生一定的影响。",
        "土水土总论。",
        "【对基础运的影响】：基础运读。凶",
        "【对成功运的影响】：成功运读。凶",
        "【对人际关系的影响】：人际读。凶",
        "【对性格的影响】：性格读。",
        std::string(ReportSeparator),
        "【天格5数理暗示】：",
        "五数暗示。",
        "【人格10数理暗示】：",
        "十数暗示。",
        "【地格16数理暗示】：",
        "十六数暗示。",
        "【总格20数理暗示】：",
        "二十数暗示。",
        "【外格11数理暗示】：",
        " ",
        std::string(ReportSeparator),
        "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。",
        "【系统综合评分】: 95分",
        "",
        "<-----------------------以上分析内容只作参考----------------------------->",
    };
    EXPECT_EQ(r.lines, expected);
}

TEST_F(Numerology, ReportWithoutTalentReadingAndComputedScore)
{
    AnalysisInput in;
    in.family = "王";
    in.given = "国安";
    const AnalysisResult r = analyseName(in, 2024);
    ASSERT_FALSE(r.refused()) << r.message;
    ASSERT_GE(r.lines.size(), 20u);
    EXPECT_EQ(r.lines[0], "王国安,您今年:44岁");
    EXPECT_EQ(r.lines[1], "您出生公历: 1980年01月01日0点0分");
    EXPECT_EQ(r.lines[5], "综合评分: 98.5分");
    // No 土土金 reading: the hints follow the grid readings right after their separator.
    EXPECT_EQ(r.lines[17], std::string(ReportSeparator));
    EXPECT_EQ(r.lines[18], "【天格5数理暗示】：");
    EXPECT_EQ(r.lines[r.lines.size() - 3], "【系统综合评分】: 98.5分");
}

TEST_F(Numerology, HeaderVariants)
{
    struct Case {
        AnalysisInput in;
        int currentYear;
        std::vector<std::string> header;
    };
    auto input = [](int calendar, const char* y, const char* m, const char* d, const char* hour, const char* minute) {
        AnalysisInput in;
        in.family = "王";
        in.given = "明";
        in.sex = "";
        in.calendar = calendar;
        in.year = y;
        in.month = m;
        in.day = d;
        in.hour = hour;
        in.minute = minute;
        return in;
    };
    const Case cases[] = {
        // Lunar 2023 二月初一 is 2023-02-20; the solar line shows it zero-padded.
        {input(1, "2023", "2", "1", "子 23", "7"), 2024,
         {"王明,您今年:1岁", "您出生公历: 2023年02月20日23点7分", "农历:癸卯(兔年)二月初一", "生肖:兔", "星座:双鱼座"}},
        // Born in December of last year: 1 岁 by the years alone.
        {input(0, "2023", "12", "31", " 亥 22 ", "59"), 2024,
         {"王明,您今年:1岁", "您出生公历: 2023年12月31日22点59分", "农历:癸卯(兔年)十一月十九", "生肖:兔", "星座:摩羯座"}},
        // A leap month, and the star sign with its trailing blank.
        {input(0, "2023", "04", "21", "卯 5", "00"), 2023,
         {"王明,您今年:0岁", "您出生公历: 2023年04月21日5点00分", "农历:癸卯(兔年)三月初二", "生肖:兔", "星座:金牛座 "}},
        {input(0, "2023", "4", "19", "卯 5", "0"), 2023,
         {"王明,您今年:0岁", "您出生公历: 2023年04月19日5点0分", "农历:癸卯(兔年)闰二月廿九", "生肖:兔", "星座:白羊座"}},
    };
    for (const auto& c : cases) {
        const AnalysisResult r = analyseName(c.in, c.currentYear);
        ASSERT_FALSE(r.refused()) << r.message;
        EXPECT_EQ(std::vector<std::string>(r.lines.begin(), r.lines.begin() + 5), c.header) << c.in.year << c.in.month << c.in.day;
    }
}

TEST_F(Numerology, InputMessages)
{
    const char* const lunarRefused = "不存在，或不在农历1901年至2099年之间，请重新选择出生日期!";
    struct Case {
        const char* family;
        const char* given;
        const char* year;
        const char* month;
        const char* day;
        const char* hour;
        int calendar;
        std::string message; // empty: a report is made
    } cases[] = {
        {" ", "", "", "", "", "", 0, "姓不能为空!"},
        {"王", " ", "", "", "", "", 0, "名不能为空!"},
        {"王", "明", " ", "", "", "", 0, "请选择出生年!"},
        {"王", "明", "1980", "", "", "", 0, "请选择出生月!"},
        {"王", "明", "1980", "1", "", "", 0, "请选择出生日!"},
        {"王", "明", "1980", "1", "1", " ", 0, "请选择出生小时!"},
        {"欧阳", "明明", "1980", "1", "1", "子 0", 0, ""},
        {"欧阳上", "明", "1980", "1", "1", "子 0", 0, "姓最多只能有两个字!"},
        {"王", "明明明", "1980", "1", "1", "子 0", 0, "名最多只能有两个字!"},
        {"王", "😀", "1980", "1", "1", "子 0", 0, "姓名中的字符“😀”无法识别，请改用常用汉字。"},
        {"王", "明", "1980", "2", "30", "子 0", 0, "公历1980年2月30日不是有效的日期，请重新选择出生日期!"},
        {"王", "明", "abc", "1", "1", "子 0", 0, "公历abc年1月1日不是有效的日期，请重新选择出生日期!"},
        {"王", "明", "1900", "1", "30", "子 0", 0,
         "出生日期1900-01-30超出农历的换算范围（1900-01-31至2100-12-31），请重新选择出生日期!"},
        {"王", "明", "1900", "1", "31", "子 0", 0, ""},
        {"王", "明", "2101", "1", "1", "子 0", 0,
         "出生日期2101-01-01超出农历的换算范围（1900-01-31至2100-12-31），请重新选择出生日期!"},
        {"王", "明", "1900", "1", "1", "子 0", 1, std::string("农历1900年1月1日") + lunarRefused},
        {"王", "明", "2100", "1", "1", "子 0", 1, std::string("农历2100年1月1日") + lunarRefused},
        {"王", "明", "1980", "0", "1", "子 0", 1, std::string("农历1980年0月1日") + lunarRefused},
        {"王", "明", "1980", "1", "0", "子 0", 1, std::string("农历1980年1月0日") + lunarRefused},
        {"王", "明", "1980", "13", "1", "子 0", 1, std::string("农历1980年13月1日") + lunarRefused},
        {"王", "明", "1980", "1", "1x", "子 0", 1, std::string("农历1980年1月1x日") + lunarRefused},
        {"王", "明", "1980", "2", "30", "子 0", 1, std::string("农历1980年2月30日") + lunarRefused}, // 29 days
        {"王", "明", "1980", "1", "30", "子 0", 1, ""},                                          // 30 days
        {"王", "明", "2099", "12", "30", "子 0", 1, ""},
    };
    for (const auto& c : cases) {
        AnalysisInput in;
        in.family = c.family;
        in.given = c.given;
        in.year = c.year;
        in.month = c.month;
        in.day = c.day;
        in.hour = c.hour;
        in.calendar = c.calendar;
        const AnalysisResult r = analyseName(in, 2024);
        EXPECT_EQ(r.message, c.message) << c.family << c.given << " " << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(r.lines.empty(), r.refused()) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST_F(Numerology, DatabaseErrorKeepsTheLinesWritten)
{
    AnalysisInput in;
    in.family = "王";
    in.given = "安家";
    // Without the readings database: the precomputed score comes through, the first reading fails.
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("yav_num_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(test::fixtureDir() + "/YavCode.dll", dir / "YavCode.dll",
                               std::filesystem::copy_options::overwrite_existing);
    setDataFolder(dir.string());
    AnalysisResult r = analyseName(in, 2024);
    EXPECT_FALSE(r.refused());
    EXPECT_NE(r.databaseError.find("QorFile.dll"), std::string::npos) << r.databaseError;
    ASSERT_EQ(r.lines.size(), 8u);
    EXPECT_EQ(r.lines[5], "综合评分: 95分");
    EXPECT_EQ(r.lines[7], "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。");
    std::filesystem::remove_all(dir);

    // Without any database: strokes and the precomputed score are 0, the grade lookup fails.
    setDataFolder("/nonexistent");
    r = analyseName(in, 2024);
    EXPECT_FALSE(r.databaseError.empty());
    EXPECT_EQ(r.lines.size(), 5u);
}

TEST(HandOff, GivenNameOfALine)
{
    struct Case {
        const char* line;
        const char* family;
        const char* given;
    } cases[] = {
        {"欧阳明轩(95分)", "欧阳", "明轩"},
        {"欧阳明轩(95分)", " 欧阳 ", "明轩"},
        {"王子涵(95分)", "王", "子涵"},
        {"王子涵", "王", "子涵"},
        {"王子涵 (95分)", "王", "子涵"},
        {"王一二三四五六七八九十甲乙(90分)", "王", "一二三四五六七八九十"},
        {"(95分)", "王", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(givenNameOfLine(c.line, c.family), c.given) << c.line;
}
