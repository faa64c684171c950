#include "core/database.h"
#include "core/datafiles.h"
#include "naming/namerun.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav;
using naming::NamingInput;

namespace {

NamingInput input(std::string family, std::vector<std::string> plans = {}, bool single = false)
{
    NamingInput in;
    in.family = std::move(family);
    in.plans = std::move(plans);
    in.singleName = single;
    return in;
}

NamingInput withElements(std::array<bool, 5> elements)
{
    NamingInput in = input("王");
    in.elements = elements;
    return in;
}

} // namespace

TEST(NameRun, WordFilterPieceByPiece)
{
    NamingInput girlSingle = input("王", {}, true);
    girlSingle.male = false;
    NamingInput fixed = input("王");
    fixed.fixedOn = true;

    struct Case {
        const char* what;
        NamingInput in;
        std::string w;
    } cases[] = {
        // " and ( ", "wuhang = '金' or", two blanks, "wuhang = '水'", one blank, " ) ", the sex.
        {"金 水", withElements({true, false, true, false, false}),
         " and ( wuhang = '金' or  wuhang = '水'  )  and xb = '男' "},
        // The text ends in "'", so no "or" is removed.
        {"木 土", withElements({false, true, false, false, true}), " and ( wuhang = '木' or  wuhang = '土' )  and xb = '男' "},
        {"金 水 火 土", withElements({true, false, true, true, true}),
         " and ( wuhang = '金' or  wuhang = '水' or  wuhang = '火' or  wuhang = '土' )  and xb = '男' "},
        {"金 alone", withElements({true, false, false, false, false}), " and wuhang = '金'  and xb = '男' "},
        {"none", withElements({}), " and xb = '男' "},
        {"all five", withElements({true, true, true, true, true}), " and xb = '男' "},
        {"单字名 girl", girlSingle, " and (xb = '女' or xb = '0') "},
        {"fixed character", fixed, " and (xb = '男' or xb = '0') "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(naming::wordFilter(c.in), c.w) << c.what;
}

TEST(NameRun, StatementsOfBothModes)
{
    NamingInput single = input("王", {"4|6-10(95分)", "4|8(81分)"});
    single.plan = "4|6-10(95分)";
    EXPECT_EQ(naming::runStatement(single),
              "select * from (select '王' || a.zi || b.zi || '(95分)',(a.px + b.px + a.id) as px from ("
              "select zi,px + 551 as px,id from word where 1 = 1  and xb = '男'  and bh = 6) a , ("
              "select zi,px + 5000 as px,id from word where 1 = 1  and xb = '男'  and bh = 10) b\n) p order by px ");

    NamingInput all = input("王", {"4|8-6(90分)", "4|9-8(9分)"});
    all.fixedOn = true;
    all.fixedChar = "明";
    EXPECT_EQ(naming::runStatement(all),
              "select * from (select '王' || a.zi || b.zi || '(90分)',(a.px + b.px) as px from ("
              "select '明' as zi,11 as px, 100 as id from word  limit 1) a , ("
              "select zi,px + 5001 as px,id from word where 1 = 1  and (xb = '男' or xb = '0')  and bh = 6) b\n"
              " union \n"
              "select '王' || a.zi || b.zi || '(9分)',(a.px + b.px) as px from ("
              "select '明' as zi,11 as px, 100 as id from word  limit 1) a , ("
              "select zi,px + 5001 as px,id from word where 1 = 1  and (xb = '男' or xb = '0')  and bh = 8) b\n"
              ") p order by px");

    // Single-plan constants of the fixed third character; a one-character given name has no B.
    NamingInput third = input("欧阳", {});
    third.fixedOn = true;
    third.fixedThird = true;
    third.fixedChar = "轩";
    third.plan = "15-17|6-10(90分)";
    EXPECT_NE(naming::runStatement(third).find(") a , (select '轩' as zi, 119 as px, 111 as id from word  limit 1) b\n"),
              std::string::npos);
    NamingInput one = input("王", {"4|8(81分)"}, true);
    EXPECT_EQ(naming::runStatement(one),
              "select * from (select '王' || a.zi || '(81分)',(a.px+ a.id) as px from ("
              "select zi,px + 1000 as px,id from word where 1 = 1  and (xb = '男' or xb = '0')  and bh = 8) a \n"
              ") p order by px");

    EXPECT_EQ(naming::runStatement(input("王")), ""); // no plan: nothing to run
    NamingInput wrongForm = input("王", {"4|8(81分)"}); // a single-name plan read as 双字名
    EXPECT_THROW(naming::runStatement(wrongForm), naming::PlanError);
}

TEST(NameRun, UserTextIsQuoted)
{
    NamingInput in = input("王' || (select count(*) from zh) || '", {"4|8-6(90分)"});
    in.fixedOn = true;
    in.fixedChar = "'";
    const std::string sql = naming::runStatement(in);
    EXPECT_NE(sql.find("select '王'' || (select count(*) from zh) || ''' || a.zi"), std::string::npos) << sql;
    EXPECT_NE(sql.find("select '''' as zi,11 as px"), std::string::npos) << sql;
}

namespace {

std::vector<std::size_t> walk(std::size_t n, std::size_t stopAfter = 0)
{
    std::atomic<unsigned char> flag{1};
    std::vector<std::size_t> seen;
    naming::walkOutputOrder(n, flag, [&](std::span<const std::size_t> positions) {
        seen.insert(seen.end(), positions.begin(), positions.end());
        if (stopAfter && seen.size() >= stopAfter)
            flag = 0;
    });
    return seen;
}

std::vector<std::size_t> range(std::size_t from, std::size_t to)
{
    std::vector<std::size_t> v;
    for (std::size_t i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

} // namespace

TEST(NameRun, OutputOrder)
{
    const std::vector<std::size_t> eighteen = {1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18};
    std::vector<std::size_t> twenty = eighteen;
    twenty.insert(twenty.end(), {19, 20});
    EXPECT_EQ(walk(18), eighteen);
    EXPECT_EQ(walk(20), twenty);
    EXPECT_EQ(walk(5), range(1, 5));
    EXPECT_EQ(walk(0), std::vector<std::size_t>{});
    EXPECT_EQ(walk(9), range(1, 9));
    // Every position exactly once, for sizes around the multiples of nine.
    for (std::size_t n = 1; n <= 100; ++n) {
        auto seen = walk(n);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, range(1, n)) << n;
    }
}

TEST(NameRun, StopEndsAfterTheCurrentGroupAndOneRow)
{
    struct Case {
        std::size_t n, stopAfter;
        std::vector<std::size_t> seen;
    } cases[] = {
        {30, 9, {1, 4, 7, 10, 13, 16, 19, 22, 25, 28}},        // first group, then the remainder's first row
        {20, 18, {1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19}},
        {20, 19, {1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19}}, // in the remainder
        {18, 9, {1, 3, 5, 7, 9, 11, 13, 15, 17}},              // no remainder to take a row from
        {5, 1, {1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(walk(c.n, c.stopAfter), c.seen) << c.n << " stopped after " << c.stopAfter;
}

class NameRunOnFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDataFolder(test::fixtureDir());
        m_connection = std::make_shared<db::Connection>(ConnStrCode());
    }
    void TearDown() override { setDataFolder(""); }

    std::vector<std::string> run(const NamingInput& in, naming::RunOutcome* outcome = nullptr, std::size_t stopAfter = 0)
    {
        std::atomic<unsigned char> flag{1};
        std::vector<std::string> lines;
        auto o = naming::makeNames(m_connection, in, flag, [&](std::vector<std::string>&& batch) {
            EXPECT_TRUE(batch.size() == 9 || batch.size() == 1) << batch.size();
            lines.insert(lines.end(), batch.begin(), batch.end());
            if (stopAfter && lines.size() >= stopAfter)
                flag = 0;
        });
        if (outcome)
            *outcome = o;
        return lines;
    }

    std::shared_ptr<db::Connection> m_connection;
};

TEST_F(NameRunOnFixture, NamesInOutputOrder)
{
    const std::vector<std::string> wangPlans = {"4|6-10(95分)", "4|8-6(90分)", "4|9-8(9分)"};
    NamingInput onePlan = input("王", wangPlans);
    onePlan.plan = "4|8-6(90分)";
    NamingInput fixedSecond = input("王", {"4|8-6(90分)"});
    fixedSecond.fixedOn = true;
    fixedSecond.fixedChar = "明";
    NamingInput fixedThird = input("王", {"4|6-10(95分)"});
    fixedThird.fixedOn = true;
    fixedThird.fixedThird = true;
    fixedThird.fixedChar = "轩";
    NamingInput wood = input("王", wangPlans);
    wood.elements[1] = true;
    NamingInput girl = input("欧阳", {"15-17|8-6(86分)"});
    girl.male = false;
    NamingInput emptyFixed = input("王", {"4|8-6(90分)"});
    emptyFixed.fixedOn = true; // nothing entered: no fixed character

    struct Case {
        const char* what;
        NamingInput in;
        std::vector<std::string> lines;
    } cases[] = {
        // 19 rows ranked 林宇 林旭 林光 昊宇 昊旭 昊光 俊林 俊昊 星林 星昊 宇轩 旭轩 光轩 宇哲 旭哲 光哲
        // 宇峰 旭峰 光峰: two groups of the odd and the even ranks, then the 19th.
        {"all plans", input("王", wangPlans),
         {"王林宇(90分)", "王林光(90分)", "王昊旭(90分)", "王俊林(9分)", "王星林(9分)", "王宇轩(95分)", "王光轩(95分)",
          "王旭哲(95分)", "王宇峰(95分)", "王林旭(90分)", "王昊宇(90分)", "王昊光(90分)", "王俊昊(9分)", "王星昊(9分)",
          "王旭轩(95分)", "王宇哲(95分)", "王光哲(95分)", "王旭峰(95分)", "王光峰(95分)"}},
        {"one plan", onePlan, {"王林宇(90分)", "王林旭(90分)", "王林光(90分)", "王昊宇(90分)", "王昊旭(90分)", "王昊光(90分)"}},
        // Characters of either sex join once a character is fixed.
        {"fixed second", fixedSecond, {"王明安(90分)", "王明宇(90分)", "王明旭(90分)", "王明光(90分)", "王明如(90分)"}},
        {"fixed third", fixedThird, {"王安轩(95分)", "王宇轩(95分)", "王旭轩(95分)", "王光轩(95分)", "王如轩(95分)"}},
        {"单字名", input("王", {"4|8(81分)", "4|6(100分)"}, true),
         {"王安(100分)", "王明(81分)", "王宇(100分)", "王旭(100分)", "王光(100分)", "王林(81分)", "王昊(81分)", "王如(100分)"}},
        {"木 only", wood, {"王林光(90分)", "王俊林(9分)"}},
        {"欧阳 女", girl, {"欧阳佳伊(86分)"}},
        {"fixed box checked, nothing entered", emptyFixed,
         {"王明安(90分)", "王明宇(90分)", "王明旭(90分)", "王明光(90分)", "王林安(90分)", "王林宇(90分)", "王林旭(90分)",
          "王林光(90分)", "王昊安(90分)", "王昊宇(90分)", "王昊旭(90分)", "王昊光(90分)", "王明如(90分)", "王林如(90分)",
          "王昊如(90分)"}},
        {"no plan", input("王"), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.in), c.lines) << c.what;
}

TEST_F(NameRunOnFixture, QuotesReachTheNames)
{
    NamingInput in = input("王'", {"4|8-6(90分)"});
    in.fixedOn = true;
    in.fixedChar = "'";
    const auto lines = run(in);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "王''安(90分)");
}

TEST_F(NameRunOnFixture, StopAndFailures)
{
    naming::RunOutcome outcome;
    const auto lines = run(input("王", {"4|6-10(95分)", "4|8-6(90分)", "4|9-8(9分)"}), &outcome, 1);
    EXPECT_EQ(lines.size(), 10u); // the first group and the 19th row
    EXPECT_EQ(lines.back(), "王光峰(95分)");
    EXPECT_EQ(outcome.rows, 19u);
    EXPECT_EQ(outcome.output, 10u);
    EXPECT_TRUE(outcome.stopped);

    EXPECT_THROW(run(input("王", {"电脑全自动x"})), naming::PlanError);
    // A database without the character table fails the run instead of finding nothing.
    m_connection = std::make_shared<db::Connection>(test::fixtureDir() + "/QorFile.dll");
    EXPECT_THROW(run(input("王", {"4|8-6(90分)"})), db::Error);
}
