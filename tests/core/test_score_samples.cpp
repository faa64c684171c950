// The stroke combinations that the generator of table zh scored (refdata/sources/score_samples.tsv)
// must get the same grids, title, grade and score here, against the program's own QorFile.dll, so
// that a generated name and its analysis agree.
#include "core/datafiles.h"
#include "core/gbk.h"
#include "numerology/analysis.h"
#include "numerology/grids.h"
#include "numerology/talent.h"
#include "support/testenv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

using namespace yav;

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::stringstream ss(line);
    std::string f;
    while (std::getline(ss, f, '\t'))
        out.push_back(f);
    return out;
}

} // namespace

TEST(ScoreSamples, AnalysisAgreesWithTheGenerator)
{
    setDataFolder(test::dataDir());
    std::ifstream in(test::envOr("YAV_SOURCE_DIR", "..") + "/refdata/sources/score_samples.tsv");
    ASSERT_TRUE(in) << "score_samples.tsv not found";
    std::string line;
    std::vector<std::string> header;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (header.empty()) {
            header = fields(line);
            ASSERT_EQ(header, (std::vector<std::string>{"s1", "s2", "g1", "g2", "tian", "ren", "di", "zong", "wai",
                                                        "title", "djc", "exact", "zf"}));
            continue;
        }
        const auto f = fields(line);
        ASSERT_EQ(f.size(), header.size()) << line;
        NameStrokes s{std::stoi(f[0]), std::stoi(f[1]), std::stoi(f[2]), std::stoi(f[3])};
        s.compoundFamily = s.s2 != 0;
        s.doubleGiven = s.g2 != 0;
        s.oneCharEach = !s.compoundFamily && !s.doubleGiven;
        std::array<int, 5> grid{};
        for (int kind = TianGe; kind <= WaiGe; ++kind)
            grid[static_cast<std::size_t>(kind)] = gridNumber(s, kind);
        EXPECT_EQ(grid[TianGe], std::stoi(f[4])) << line;
        EXPECT_EQ(grid[RenGe], std::stoi(f[5])) << line;
        EXPECT_EQ(grid[DiGe], std::stoi(f[6])) << line;
        EXPECT_EQ(grid[ZongGe], std::stoi(f[7])) << line;
        EXPECT_EQ(grid[WaiGe], std::stoi(f[8])) << line;
        const std::string title = TalentTitle(grid[TianGe], grid[RenGe], grid[DiGe]);
        EXPECT_EQ(title, f[9]) << line;
        EXPECT_EQ(TalentScore(title), TalentGradePoints(std::stoi(f[10]))) << line;
        EXPECT_EQ(formatScore(computedScore(grid, title)), f[11]) << line;
        // zh stores the score rounded half up.
        EXPECT_EQ(static_cast<int>(std::floor(computedScore(grid, title) + 0.5)), std::stoi(f[12])) << line;
        ++rows;
    }
    EXPECT_GT(rows, 100);
}
