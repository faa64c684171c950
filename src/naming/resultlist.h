#pragma once
// The output step of a naming run: each name line goes to the high-score list when it scores high
// enough, and to the full list, six names to a row in columns of 16 bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yav::naming {

inline constexpr std::size_t ColumnBytes = 16;
inline constexpr int NamesPerRow = 6;

// The score of a name line: the whole number between its first "(" and the "分" after it
// (王子(9分) scores 9, 王子涵(95分) 95); nullopt when there is none.
std::optional<std::int64_t> scoreOf(std::string_view line);

// The bar of the high-score list from the text of "N 分以上名字". An empty field counts as its
// default 98; any other text that is no whole number counts as 95, the value the field itself
// takes when the user leaves it.
std::int64_t highScoreBar(std::string_view text);

// A line with "100" anywhere is always high; otherwise its score must reach the bar.
bool isHighScore(std::string_view line, std::string_view barText);

// A name of 10 to 15 bytes padded with blanks to the column's 16; other lengths stay as they are.
std::string column(std::string_view name);

// The full list's row buffer with the rules of the output step. It keeps only the row being
// filled; the caller keeps the lists.
class ResultList {
public:
    struct Step {
        std::string name;                // the line, trimmed
        bool high = false;               // goes to the high-score list
        std::optional<std::string> row;  // a full row of six, ready for the full list
    };
    // One name line. autoPick is "自动挑选"; barText the high-score field as it reads now.
    Step add(std::string_view line, bool autoPick, std::string_view barText);
    // The last, shorter row at the end of a run, if names are left over.
    std::optional<std::string> finish();
    void reset();

private:
    std::string RowText;
    int RowCount = 0;
};

} // namespace yav::naming
