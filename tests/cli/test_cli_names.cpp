// yavname-cli plans and names end to end on the fixture database.
#include "cli/clirunner.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav::test;

namespace {

CliResult run(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--data", fixtureDir()});
    return runCli(args);
}

std::string lines(std::initializer_list<const char*> l)
{
    std::string out;
    for (const char* s : l)
        out += std::string(s) + "\n";
    return out;
}

} // namespace

TEST(CliNames, PlanLists)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"plans", "王"}, lines({"电脑全自动", "4|6-10(95分)", "4|8-6(90分)", "4|9-8(9分)"})},
        {{"plans", "王", "--single"}, lines({"电脑全自动", "4|8(81分)", "4|6(100分)"})},
        {{"plans", "王", "--fixed", "明"}, lines({"电脑全自动", "4|8-6(90分)"})},
        {{"plans", "王", "--fixed", "轩", "--position", "3"}, lines({"电脑全自动", "4|6-10(95分)"})},
        {{"plans", "王", "--min-score", "90"}, lines({"电脑全自动", "4|6-10(95分)", "4|8-6(90分)"})},
        {{"plans", "欧阳", "--sex", "女"}, lines({"电脑全自动", "15-17|8-6(86分)"})},
        {{"plans", " "}, lines({"电脑全自动"})},
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
    }
}

TEST(CliNames, RunsInEveryOutput)
{
    const auto all = run({"names", "王"});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, lines({"王林宇(90分)", "王林光(90分)", "王昊旭(90分)", "王俊林(9分)", "王星林(9分)", "王宇轩(95分)",
                              "王光轩(95分)", "王旭哲(95分)", "王宇峰(95分)", "王林旭(90分)", "王昊宇(90分)", "王昊光(90分)",
                              "王俊昊(9分)", "王星昊(9分)", "王旭轩(95分)", "王宇哲(95分)", "王光哲(95分)", "王旭峰(95分)",
                              "王光峰(95分)"}));

    EXPECT_EQ(run({"names", "王", "--output", "full"}).out,
              lines({"王林宇(90分)    王林光(90分)    王昊旭(90分)    王俊林(9分)     王星林(9分)     王宇轩(95分)    ",
                     "王光轩(95分)    王旭哲(95分)    王宇峰(95分)    王林旭(90分)    王昊宇(90分)    王昊光(90分)    ",
                     "王俊昊(9分)     王星昊(9分)     王旭轩(95分)    王宇哲(95分)    王光哲(95分)    王旭峰(95分)    ",
                     "王光峰(95分)    "}));
    EXPECT_EQ(run({"names", "王", "--output", "high", "--high-score", "9", "--plan", "4|9-8(9分)"}).out,
              lines({"王俊林(9分)", "王俊昊(9分)", "王星林(9分)", "王星昊(9分)"}));
    EXPECT_EQ(run({"names", "王", "--output", "high"}).out, "");
    EXPECT_EQ(run({"names", "王", "--single", "--output", "high"}).out,
              lines({"王安(100分)", "王宇(100分)", "王旭(100分)", "王光(100分)", "王如(100分)"}));

    EXPECT_EQ(run({"names", "王", "--elements", "木"}).out, lines({"王林光(90分)", "王俊林(9分)"}));
    EXPECT_EQ(run({"names", "王", "--fixed", "明"}).out,
              lines({"王明安(90分)", "王明宇(90分)", "王明旭(90分)", "王明光(90分)", "王明如(90分)"}));
    EXPECT_EQ(run({"names", "欧阳", "--sex", "女"}).out, lines({"欧阳佳伊(86分)"}));
    EXPECT_EQ(run({"names", "龙"}).out, ""); // no plan for the family name: nothing to run

    const auto sql = run({"names", "王", "--plan", "4|8-6(90分)", "--sql"});
    EXPECT_EQ(sql.out, "select * from (select '王' || a.zi || b.zi || '(90分)',(a.px + b.px + a.id) as px from ("
                       "select zi,px + 551 as px,id from word where 1 = 1  and xb = '男'  and bh = 8) a , ("
                       "select zi,px + 5000 as px,id from word where 1 = 1  and xb = '男'  and bh = 6) b\n"
                       ") p order by px \n");
}

TEST(CliNames, Errors)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    } cases[] = {
        {{"names"}, 2, "one family name"},
        {{"names", "王", "--sex", "x"}, 2, "--sex"},
        {{"names", "王", "--fixed", "明明"}, 2, "one character"},
        {{"names", "王", "--fixed", "明", "--position", "4"}, 2, "--position"},
        {{"names", "王", "--position", "3"}, 2, "--position needs --fixed"},
        {{"names", "王", "--single", "--fixed", "明"}, 2, "--single"},
        {{"names", "王", "--elements", "金x"}, 2, "--elements"},
        {{"names", "王", "--output", "all"}, 2, "--output"},
        {{"plans", "王", "--min-score", "high"}, 2, "--min-score"},
        {{"names", "王", "--plan", "4|8(81分)"}, 1, "4|8(81分)"}, // a 单字名 plan read as 双字名
    };
    for (const auto& c : cases) {
        const auto r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    const auto missing = runCli({"--data", "/nonexistent", "names", "王"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("YavCode.dll"), std::string::npos);
}
