// The calendar commands of yavname-cli, end to end.
#include "cli/clirunner.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace yav::test;

TEST(CliCalendar, Outputs)
{
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"lunar", "2023-03-22", "2000-02-04", "1900-01-30"},
         "2023-03-22\t2023\t2\t1\t1\t癸卯(兔年)闰二月初一\t\n"
         "2000-02-04\t1999\t12\t29\t0\t己卯(兔年)十二月廿九\t立春\n"
         "1900-01-30\t0\t0\t0\t0\t\t\n"},
        {{"lunar", "--from", "2100-12-30", "--to", "2101-01-01"},
         "2100-12-30\t2100\t11\t30\t0\t庚申(猴年)十一月三十\t\n"
         "2100-12-31\t2100\t12\t1\t0\t庚申(猴年)十二月初一\t\n"
         "2101-01-01\t0\t0\t0\t0\t\t\n"},
        {{"solar", "2023", "2", "1", "--leap"}, "2023-03-22\n"},
        {{"solar", "2099", "12", "30"}, "2100-02-08\n"},
        {{"solar", "2024", "1", "1", "--leap"}, "0001-01-01\n"},
        {{"term", "2000", "2"}, "2000-02-04 19:08:37.470\n"},
        {{"term", "2024", "2"}, "2024-02-04 14:39:00.863\n"},
        {{"datecn", "2024-02-09", "2034-01-01", "2051-01-01"},
         "2024-02-09\t1230\t腊月\t三十\t除夕\t\t\t卯兔\t水瓶座\n"
         "2034-01-01\t-1111\t闰冬\t十一\t\t\t元旦节\t丑牛\t摩羯座\n"
         "2051-01-01\t0\t\t\t\t\t元旦节\t未羊\t摩羯座\n"},
        {{"datecn", "--from", "2024-02-03", "--to", "2024-02-04"},
         "2024-02-03\t1224\t腊月\t廿四\t\t\t\t卯兔\t水瓶座\n"
         "2024-02-04\t1225\t腊月\t廿五\t\t立春\t\t卯兔\t水瓶座\n"},
        {{"starsign", "2010-04-20", "2010-04-21", "2010-12-21"}, "[白羊座]\n[金牛座 ]\n[射手座]\n"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << " " << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
    }
}

TEST(CliCalendar, MonthGrid)
{
    // February 2015 begins on a Sunday; the highlighted day ends its line with *.
    auto r = runCli({"month", "2015", "2", "--day", "31"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), "1\t1\t十三\t#004000\n");
    EXPECT_NE(r.out.find("\n19\t19\t春节\t#FF8000\n"), std::string::npos);
    // The 31st is clamped to the 28th; then the animal and star-sign labels.
    const std::string tail = "\n28\t28\t初十\t#004000\t*\n未羊\t双鱼座\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 28 + 1);

    r = runCli({"month", "2024", "3", "--day", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n15\t10\t二月\t#FF0000\t*\n"), std::string::npos) << r.out;
}

TEST(CliCalendar, WholeRange)
{
    const auto r = runCli({"lunar", "--from", "1900-01-31", "--to", "2100-12-31"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 73384);
}

TEST(CliCalendar, Errors)
{
    struct Case {
        std::vector<std::string> args;
        std::string errPart;
    } cases[] = {
        {{"lunar"}, "no date given"},
        {{"lunar", "2023-02-30"}, "not a date"},
        {{"lunar", "--from", "2024-01-02", "--to", "2024-01-01"}, "--from lies after --to"},
        {{"lunar", "--from", "2024-01-02"}, "both --from and --to"},
        {{"lunar", "2024-01-01", "--from", "2024-01-01", "--to", "2024-01-02"}, "both --from and --to"},
        {{"solar", "2023", "2"}, "lunar year, month and day"},
        {{"solar", "2023", "x", "1"}, "not a whole number"},
        {{"term", "2024", "24"}, "INDEX must lie in 0..23"},
        {{"month", "2024", "13"}, "MONTH must lie in 1..12"},
        {{"starsign", "2024-13-01"}, "not a date"},
    };
    for (const auto& c : cases) {
        const auto r = runCli(c.args);
        EXPECT_EQ(r.status, 2) << c.args[0];
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}
