#include "core/gbk.h"

#include <gtest/gtest.h>

using namespace yav;

TEST(Gbk, EncodesAndDecodesAtTheBoundaries)
{
    // 啊 is the first GB2312 character, 齄 the last; 亍 lies in the GBK extension area; € is 0x80.
    struct Case {
        const char* utf8;
        const char* gbk;
    } cases[] = {
        {"abc", "abc"},
        {"啊", "\xB0\xA1"},
        {"齄", "\xF7\xFE"},
        {"王子涵(95分)", "\xCD\xF5\xD7\xD3\xBA\xAD(95\xB7\xD6)"},
        {"丂", "\x81\x40"},
    };
    for (const auto& c : cases) {
        auto encoded = gbk::encode(c.utf8);
        ASSERT_TRUE(encoded) << c.utf8;
        EXPECT_EQ(*encoded, c.gbk) << c.utf8;
        EXPECT_EQ(gbk::decode(c.gbk), c.utf8);
    }
}

TEST(Gbk, RefusesWhatItCannotEncode)
{
    EXPECT_FALSE(gbk::encode("王😀"));
    EXPECT_EQ(gbk::firstUnencodable("王😀明"), "😀");
    EXPECT_TRUE(gbk::encodable("王明 abc"));
    EXPECT_FALSE(gbk::encodable("\xFF"));             // broken UTF-8
    EXPECT_EQ(gbk::decode("\xB0"), "\xEF\xBF\xBD");   // lone lead byte
}

TEST(Gbk, MeasuresCutsAndPadsInBytes)
{
    EXPECT_EQ(gbk::length("王子涵(95分)"), 12u);
    EXPECT_EQ(gbk::length("欧阳"), 4u);
    EXPECT_EQ(gbk::padRight("王子涵(95分)", 16), "王子涵(95分)    ");
    EXPECT_EQ(gbk::padRight("欧阳明轩(100分)xx", 16), "欧阳明轩(100分)xx");

    EXPECT_EQ(gbk::cut("欧阳明轩", 0, 2).text, "欧");
    EXPECT_EQ(gbk::cut("欧阳明轩", 4).text, "明轩");
    auto tail = gbk::cut("欧阳明轩", 2, 20);
    EXPECT_EQ(tail.text, "阳明轩");
    EXPECT_FALSE(tail.split());

    // "(9分)": the two bytes after "(" are 9 and the first byte of 分.
    auto score = gbk::cut("王子(9分)", 5, 2);
    EXPECT_EQ(score.text, "9");
    EXPECT_TRUE(score.splitAtEnd);
    auto middle = gbk::cut("王子", 1, 2);
    EXPECT_EQ(middle.text, "");
    EXPECT_TRUE(middle.splitAtStart && middle.splitAtEnd);
}

TEST(Gbk, SavesLinesWithCrLf)
{
    EXPECT_EQ(gbk::toGbkLinesCrLf("王\nab\n"), "\xCD\xF5\r\nab\r\n");
    EXPECT_EQ(gbk::toGbkLinesCrLf("a\r\n\nb"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(gbk::toGbkLinesCrLf("x😀"), "x?\r\n");
    EXPECT_EQ(gbk::trim(" \t王 \n"), "王");
    EXPECT_EQ(gbk::wrap("王子涵abc\n\n明", 5), (std::vector<std::string>{"王子", "涵abc", "", "明"}));
}
