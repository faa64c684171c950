#include "core/database.h"
#include "core/datafiles.h"
#include "naming/plans.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav;
using naming::NamingInput;

namespace {

NamingInput input(std::string family, bool single = false)
{
    NamingInput in;
    in.family = std::move(family);
    in.singleName = single;
    return in;
}

} // namespace

TEST(Plans, StatementLineByLine)
{
    NamingInput single = input("李", true);
    NamingInput fixedCompound = input("欧阳");
    fixedCompound.fixedOn = true;
    fixedCompound.fixedChar = "明";
    NamingInput girlCompound = input("欧阳");
    girlCompound.male = false;
    NamingInput minimum = input("王");
    minimum.minScore = 85;

    struct Case {
        const char* what;
        const NamingInput& in;
        int nameForm, s1, s2, f2, f3;
        std::string sql;
    } cases[] = {
        {"单字名, one-character family name of 7 strokes", single, 11, 7, 0, 0, 0,
         "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 11 and bh11 = 7 \n"
         " order by jxjx asc,zf asc\n limit 40"},
        {"fixed second character of 9 strokes, compound family name", fixedCompound, 22, 15, 17, 9, 0,
         "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 15 and bh12 = 17 \n"
         " and bh21 = 9 \n and (xb = '男' or xb = '0') \n order by jxjx asc,zf asc\n limit 80"},
        {"fixed third character", fixedCompound, 22, 15, 17, 0, 6,
         "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 15 and bh12 = 17 \n"
         " and bh22 = 6 \n and (xb = '男' or xb = '0') \n order by jxjx asc,zf asc\n limit 80"},
        {"双字名 for a girl, compound family name: the strict sex line", girlCompound, 22, 15, 17, 0, 0,
         "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and lx = 22 and bh11 = 15 and bh12 = 17 \n"
         " and xb = '女' \n order by jxjx asc,zf asc\n limit 20"},
        {"只起 85 分以上", minimum, 12, 4, 0, 0, 0,
         "select bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and  lx = 12 and bh11 = 4 \n"
         " and zf >= 85 \n order by jxjx asc,zf asc\n limit 20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(naming::planStatement(c.in, c.nameForm, c.s1, c.s2, c.f2, c.f3), c.sql) << c.what;
}

TEST(Plans, NameFormAndPlanTexts)
{
    EXPECT_EQ(naming::nameFormOf("王", false), 12);
    EXPECT_EQ(naming::nameFormOf("王", true), 11);
    EXPECT_EQ(naming::nameFormOf("欧阳", false), 22);
    EXPECT_EQ(naming::nameFormOf("欧阳", true), 21);
    EXPECT_EQ(naming::nameFormOf("ab", false), 12); // two bytes are one character
    EXPECT_EQ(naming::nameFormOf("", false), 22);

    EXPECT_EQ(naming::planText(11, 7, 0, "16", "0", "88"), "7|16(88分)");
    EXPECT_EQ(naming::planText(12, 12, 0, "8", "10", "95"), "12|8-10(95分)");
    EXPECT_EQ(naming::planText(21, 15, 17, "8", "0", "88"), "15-17|8(88分)");
    EXPECT_EQ(naming::planText(22, 15, 17, "6", "10", "90"), "15-17|6-10(90分)");
}

TEST(Plans, ReadingAPlanText)
{
    struct Case {
        const char* plan;
        bool single;
        int g1, g2;
        const char* score;
    } cases[] = {
        {"5|8-6(90分)", false, 8, 6, "(90分)"},   // one digit: the "(" follows at once
        {"5|12-10(88分)", false, 12, 10, "(88分)"},
        {"4|9-8(9分)", false, 9, 8, "(9分)"},
        {"4|6-10(100分)", false, 6, 10, "(100分)"},
        {"15-17|6-10(90分)", false, 6, 10, "(90分)"},
        {"7|16(88分)", true, 16, 0, "(88分)"},
        {"15-17|8(88分)", true, 8, 0, "(88分)"},
    };
    for (const auto& c : cases) {
        const auto r = naming::readPlan(c.plan, c.single);
        EXPECT_EQ(r.g1, c.g1) << c.plan;
        EXPECT_EQ(r.g2, c.g2) << c.plan;
        EXPECT_EQ(r.score, c.score) << c.plan;
    }
    // A list built for the other name form, or no plan at all, does not read.
    for (const char* bad : {"7|16(88分)", "电脑全自动", "", "4|x-6(90分)"})
        EXPECT_THROW(naming::readPlan(bad, false), naming::PlanError) << bad;
    EXPECT_THROW(naming::readPlan("5|8-6(90分)", true), naming::PlanError);
}

class PlanList : public ::testing::Test {
protected:
    void SetUp() override
    {
        setDataFolder(test::fixtureDir());
        m_query = std::make_unique<db::Query>(std::make_shared<db::Connection>(ConnStrCode()));
    }
    void TearDown() override { setDataFolder(""); }
    std::unique_ptr<db::Query> m_query;
};

TEST_F(PlanList, FromTheCombinationTable)
{
    NamingInput fixedMing = input("王");
    fixedMing.fixedOn = true;
    fixedMing.fixedChar = "明";
    NamingInput fixedUnknown = fixedMing;
    fixedUnknown.fixedChar = "龙"; // 0 strokes: the list is not restricted
    NamingInput minimum = input("王");
    minimum.minScore = 90;
    NamingInput girl = input("欧阳");
    girl.male = false;

    struct Case {
        const char* what;
        NamingInput in;
        int nameForm;
        std::vector<std::string> entries;
    } cases[] = {
        {"王", input("王"), 12, {"电脑全自动", "4|6-10(95分)", "4|8-6(90分)", "4|9-8(9分)"}},
        {"王 单字名", input("王", true), 11, {"电脑全自动", "4|8(81分)", "4|6(100分)"}},
        {"王 fixed 明", fixedMing, 12, {"电脑全自动", "4|8-6(90分)"}},
        {"王 fixed unknown", fixedUnknown, 12, {"电脑全自动", "4|6-10(95分)", "4|8-6(90分)", "4|9-8(9分)"}},
        {"王 from 90", minimum, 12, {"电脑全自动", "4|6-10(95分)", "4|8-6(90分)"}},
        {"欧阳 男", input("欧阳"), 22, {"电脑全自动", "15-17|6-10(90分)"}},
        {"欧阳 女", girl, 22, {"电脑全自动", "15-17|8-6(86分)"}},
        {"欧阳 单字名", input("欧阳", true), 21, {"电脑全自动", "15-17|8(88分)"}},
        {"unknown family name", input("龙"), 12, {"电脑全自动"}},
    };
    for (const auto& c : cases) {
        const auto list = naming::fillCodeList(*m_query, c.in);
        EXPECT_EQ(list.nameForm, c.nameForm) << c.what;
        EXPECT_EQ(list.entries, c.entries) << c.what;
        EXPECT_FALSE(m_query->isOpen());
    }
}

TEST_F(PlanList, QuotesInTheInputsStayText)
{
    NamingInput in = input("王'");
    in.fixedOn = true;
    in.fixedChar = "'";
    EXPECT_EQ(naming::fillCodeList(*m_query, in).entries, std::vector<std::string>{"电脑全自动"});
}
