#include "cli/clirunner.h"
#include "core/dates.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav::test;

namespace {
std::vector<std::string> withFixture(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--data", fixtureDir()});
    return args;
}
std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        out.push_back(text.substr(start, nl - start));
    return out;
}
} // namespace

TEST(CliNumerology, Analyse)
{
    const int year = yav::toYmd(yav::today()).year;
    auto r = runCli(withFixture({"analyse", "王", "安家", "--year", "2000", "--month", "2", "--day", "5", "--hour", "10",
                                 "--minute", "05"}));
    ASSERT_EQ(r.status, 0) << r.err;
    auto out = lines(r.out);
    ASSERT_EQ(out.size(), 40u);
    EXPECT_EQ(out[0], "王安家,您今年:" + std::to_string(year - 2000) + "岁");
    EXPECT_EQ(out[1], "您出生公历: 2000年02月05日10点05分");
    EXPECT_EQ(out[5], "综合评分: 95分");
    EXPECT_EQ(out[39], "<-----------------------以上分析内容只作参考----------------------------->");

    // The window's defaults: 1980-1-1, hour 子 0, minute 0; and a lunar entry.
    r = runCli(withFixture({"analyse", "王", "明"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out)[1], "您出生公历: 1980年01月01日0点0分");
    r = runCli(withFixture({"analyse", "王", "明", "--calendar", "lunar", "--year", "2023", "--month", "2", "--day", "1",
                            "--hour", "23", "--sex", "女"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(lines(r.out)[1], "您出生公历: 2023年02月20日23点0分");

    struct Bad {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    } bad[] = {
        {{"analyse", "王"}, 2, "family name"},
        {{"analyse", "王", "明", "--hour", "24"}, 2, "--hour"},
        {{"analyse", "王", "明", "--calendar", "moon"}, 2, "--calendar"},
        {{"analyse", "王", "明", "--sex", "x"}, 2, "--sex"},
        {{"analyse", "王", "明", "--month", "2", "--day", "30"}, 1, "不是有效的日期"},
        {{"analyse", "王", " "}, 1, "名不能为空!"},
    };
    for (const auto& b : bad) {
        r = runCli(withFixture(b.args));
        EXPECT_EQ(r.status, b.status) << r.err;
        EXPECT_NE(r.err.find(b.errPart), std::string::npos) << r.err;
    }
}

TEST(CliNumerology, GridsAndNumbers)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"grids", "王", "安家"}, 0, "5\t10\t16\t20\t11\t土水土\t64\t95\n"},
        {{"grids", "王", "国安"}, 0, "5\t15\t17\t21\t7\t土土金\t98.5\t0\n"},
        {{"grids", "欧阳", "明"}, 0, "32\t25\t9\t40\t16\t木土水\t70\t88\n"},
        {{"grids", "王", "明明明"}, 2, ""},
        {{"number", "81"}, 0, ""},
        {{"number", "-5"}, 0, "对不起,此号不在分解之类。\n"},
        {{"number", "12a"}, 2, ""},
    };
    for (const auto& c : cases) {
        auto r = runCli(withFixture(c.args));
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << c.args[1] << " " << r.err;
        if (!c.out.empty()) {
            EXPECT_EQ(r.out, c.out) << c.args[1];
        }
    }
    auto r = runCli({"number", "162"});
    EXPECT_EQ(r.out.rfind("大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]", 0), 0u) << r.out;
}
