#include "core/database.h"
#include "core/datafiles.h"
#include "naming/lookups.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

using namespace yav;

class Lookups : public ::testing::Test {
protected:
    void SetUp() override { setDataFolder(test::fixtureDir()); }
    void TearDown() override { setDataFolder(""); }
};

TEST_F(Lookups, StrokesAndElementsBySimplifiedThenTraditionalForm)
{
    struct Case {
        const char* ch;
        int strokes;
        const char* element;
    } cases[] = {
        {"王", 4, "土"},
        {"國", 11, "木"}, // stored only as the traditional form of 国
        {"乾", 11, "金"}, // its own row has 0 strokes, so the row that has 乾 as traditional form counts
        {"丫", 0, ""},    // 0 strokes either way
        {"龙", 0, ""},    // not in the table
        {"'", 0, ""},     // a quote neither breaks nor changes the statement
        {"王' or '1'='1", 0, ""},
    };
    auto conn = std::make_shared<db::Connection>(ConnStrCode());
    db::Query q(conn);
    for (const auto& c : cases) {
        EXPECT_EQ(strokesOn(q, c.ch), c.strokes) << c.ch;
        EXPECT_EQ(CharStrokes(c.ch), c.strokes) << c.ch;
        EXPECT_EQ(wuhangOn(q, c.ch), c.element) << c.ch;
        EXPECT_FALSE(q.isOpen());
    }
}

TEST_F(Lookups, CombinationScore)
{
    EXPECT_EQ(CombinationScore("王", "", "安", "家"), 95);
    EXPECT_EQ(CombinationScore("王", "", "明", ""), 81); // single given name: bh22 0
    EXPECT_EQ(CombinationScore("歐", "陽", "明", ""), 88);
    EXPECT_EQ(CombinationScore("王", "", "明", "明"), 0); // not in the table
    EXPECT_EQ(CombinationScore("'", "", "安", "家"), 0);
}

TEST_F(Lookups, MissingDatabaseGivesZero)
{
    setDataFolder("/nonexistent");
    EXPECT_EQ(CharStrokes("王"), 0);
    EXPECT_EQ(CombinationScore("王", "", "安", "家"), 0);
}
