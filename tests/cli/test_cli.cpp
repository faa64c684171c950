#include "cli/clirunner.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav::test;

namespace {
std::vector<std::string> withFixture(std::vector<std::string> args)
{
    args.insert(args.begin(), {"--data", fixtureDir()});
    return args;
}
} // namespace

TEST(CliNaming, StrokesAndScores)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"strokes", "王", "國", "龙"}, "王\t4\t土\n國\t11\t木\n龙\t0\t\n"},
        {{"strokes", "'"}, "'\t0\t\n"},
        {{"score", "王", "安家"}, "95\n"},
        {{"score", "王", "明"}, "81\n"},
        {{"score", "欧阳", "明"}, "88\n"},
        {{"score", "王", "明明"}, "0\n"},
        {{"char", "王", "國", "龙", "'"}, "王\t王\t4\t土\t0\t10\n国\t國\t11\t木\t男\t20\n龙\n'\n"},
    };
    for (const auto& c : cases) {
        auto r = runCli(withFixture(c.args));
        EXPECT_EQ(r.status, 0) << c.args[0] << " " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
}

TEST(CliNaming, GbkOutput)
{
    auto r = runCli(withFixture({"--gbk", "strokes", "王"}));
    EXPECT_EQ(r.out, "\xCD\xF5\t4\t\xCD\xC1\n");
}

TEST(CliNaming, ErrorsAndStatus)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string errPart;
    } cases[] = {
        {{}, 2, "no command"},
        {{"nosuch"}, 2, "unknown command"},
        {{"strokes"}, 2, "usage: yavname-cli strokes"},
        {{"strokes", "--bad", "王"}, 2, "unknown option --bad"},
        {{"score", "王"}, 2, "family name and the given name"},
        {{"strokes", "😀"}, 2, "GBK"},
        {{"--data"}, 2, "--data needs a folder"},
        {{"--data", "/nonexistent", "strokes", "王"}, 1, "YavCode.dll"},
    };
    for (const auto& c : cases) {
        auto r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}
