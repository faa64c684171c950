#include "core/gbk.h"
#include "naming/resultlist.h"

#include <gtest/gtest.h>

using namespace yav;

TEST(ResultList, HighScoreRule)
{
    struct Case {
        const char* line;
        const char* bar;
        bool high;
    } cases[] = {
        {"王子涵(100分)", "98", true},
        {"王子涵(100分)", "150", true}, // "100" anywhere, whatever the bar
        {"王子涵(98分)", "98", true},
        {"王子涵(97分)", "98", false},
        {"王子涵(95分)", "150", false},
        {"王子涵(95分)", "-3", true},
        {"王子涵(95分)", " 95 ", true},
        {"王子(9分)", "5", true}, // one digit reads as 9, not as "9" and half of "分"
        {"王子(9分)", "10", false},
        // An empty bar is the field's default 98; any other text counts as 95, what leaving the
        // field makes of it.
        {"王子涵(98分)", "", true},
        {"王子涵(97分)", "", false},
        {"王子涵(95分)", "abc", true},
        {"王子涵(94分)", "9x", false},
        {"王子涵(96分)", "99999999999999999999", true},
        {"王子涵", "0", false},      // no score
        {"王子涵(分)", "0", false},
        {"王(子)涵(99分)", "0", false}, // the first "(" decides
    };
    for (const auto& c : cases)
        EXPECT_EQ(naming::isHighScore(c.line, c.bar), c.high) << c.line << " against " << c.bar;
    EXPECT_EQ(naming::scoreOf("王子(9分)"), 9);
    EXPECT_EQ(naming::scoreOf("欧阳明轩(100分)"), 100);
}

TEST(ResultList, ColumnsOfSixteenBytes)
{
    struct Case {
        const char* name;
        std::size_t bytes;
    } cases[] = {
        {"王子(9分)", 9},         // too short for the rule: as it is
        {"王子(95分)", 16},       // 10 bytes get 6 blanks
        {"王子涵(95分)", 16},     // 12 bytes get 4
        {"欧阳明轩(100分)", 16},  // 15 bytes get 1
        {"欧阳明轩宇(95分)", 16}, // 16 bytes as they are
        {"欧阳明轩宇(100分)", 17},
    };
    for (const auto& c : cases) {
        const std::string col = naming::column(c.name);
        EXPECT_EQ(gbk::length(col), c.bytes) << c.name;
        EXPECT_EQ(col.rfind(c.name, 0), 0u) << c.name;
    }
}

TEST(ResultList, RowsOfSixAndTheLastShorterRow)
{
    naming::ResultList list;
    for (int i = 0; i < 5; ++i) {
        const auto step = list.add(" 王子涵(95分) ", true, "98");
        EXPECT_EQ(step.name, "王子涵(95分)");
        EXPECT_FALSE(step.high);
        EXPECT_FALSE(step.row);
    }
    const auto sixth = list.add("王子涵(98分)", true, "98");
    EXPECT_TRUE(sixth.high);
    ASSERT_TRUE(sixth.row);
    EXPECT_EQ(gbk::length(*sixth.row), 96u);
    EXPECT_EQ(gbk::cut(*sixth.row, 0, 16).text, "王子涵(95分)    ");
    EXPECT_EQ(gbk::cut(*sixth.row, 80).text, "王子涵(98分)    ");
    EXPECT_FALSE(list.finish()); // nothing left over

    // A long name is added unpadded and shifts the rest of its row.
    EXPECT_FALSE(list.add("欧阳明轩宇(100分)", false, "98").high); // 自动挑选 unchecked
    list.add("王子(9分)", true, "98");
    const auto last = list.finish();
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, "欧阳明轩宇(100分)王子(9分)");
    EXPECT_FALSE(list.finish());

    list.add("王子涵(95分)", true, "98");
    list.reset();
    EXPECT_FALSE(list.finish());
}
