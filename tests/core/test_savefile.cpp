#include "core/savefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace yav;

TEST(SaveFile, ProposedAndWrittenNames)
{
    struct Case {
        const char* defaultName;
        const char* previous;
        const char* proposed;
    } cases[] = {
        {"王家", "", "王家"},
        {"", "/home/u/王家", "*.txt"}, // the earlier save's full path holds a separator
        {"王?", "", "*.txt"},
        {"a|b", "", "*.txt"},
        {"名:字\"", "", "名:字\""}, // colon and double quote are let through
        {"", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(savefile::proposedName(c.defaultName, c.previous), c.proposed) << c.defaultName;
    EXPECT_EQ(savefile::writtenName("/tmp/王家"), "/tmp/王家.txt");
    EXPECT_EQ(savefile::writtenName("/tmp/王家.txt"), "/tmp/王家.txt.txt");
}

TEST(SaveFile, WritesGbkWithCrLfAndReportsFailure)
{
    const auto path = std::filesystem::temp_directory_path() / "yav_save_test.txt";
    EXPECT_EQ(savefile::writeText(path.string(), "王子涵(95分)\nab"), "");
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(ss.str(), "\xCD\xF5\xD7\xD3\xBA\xAD(95\xB7\xD6)\r\nab\r\n");
    std::filesystem::remove(path);

    EXPECT_NE(savefile::writeText("/nonexistent-folder/x.txt", "a"), "");
}
