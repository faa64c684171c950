#pragma once
// The plan list of the naming workbench: the stroke combinations of table zh that suit the family
// name, written as the texts of the drop-down "特别优先方案", and the reading of such a text back
// into the given name's stroke counts and the score text.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace yav::db {
class Query;
}

namespace yav::naming {

// First entry of every plan list: run over all the plans that follow it.
inline constexpr std::string_view AutoPlan = "电脑全自动";

// The naming inputs of the main window, copied out of its controls (on the user-interface thread)
// so that the plan list and the naming run never read a widget.
struct NamingInput {
    std::string family;                   // 姓氏, trimmed
    bool male = true;                     // 性别: 男, else 女
    bool singleName = false;              // 名字形式: 单字名, else 双字名
    std::array<bool, 5> elements{};       // 五行包括 金 木 水 火 土
    bool fixedOn = false;                 // 第 [x] checked
    bool fixedThird = false;              // 第三字, else 第二字
    std::string fixedChar;                // 固定为, trimmed
    std::optional<std::int64_t> minScore; // 只起 N 分以上名字, when checked and N is a whole number
    std::string plan = std::string(AutoPlan); // the chosen entry of the plan list, trimmed
    std::vector<std::string> plans;           // the plan list's entries after AutoPlan
};

// Name-form code: family-name characters × 10 + given-name characters (11, 12, 21 or 22). A
// family name of exactly two GBK bytes is one character; anything else counts as two.
int nameFormOf(std::string_view family, bool singleName);

// The plan-list statement for the family name's stroke counts s1 (and s2 for a two-character
// family name) and the fixed character's strokes at the second (f2) or third (f3) position.
std::string planStatement(const NamingInput& input, int nameForm, int s1, int s2, int f2, int f3);

// One plan text, as 12|8-10(95分), 7|16(88分) or 15-17|6-10(90分).
std::string planText(int nameForm, int s1, int s2, std::string_view g1, std::string_view g2, std::string_view score);

struct PlanList {
    int nameForm = 12;
    std::vector<std::string> entries; // AutoPlan first
};

// Looks up the strokes on the query (the main window's lookup query), runs the plan statement and
// returns the new entries. input.family must not be empty. Database errors are passed on.
PlanList fillCodeList(db::Query& query, const NamingInput& input);

// A plan text that does not read as numbers.
class PlanError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PlanReading {
    int g1 = 0;        // strokes of the given name's first character
    int g2 = 0;        // of its second, 0 for a one-character given name
    std::string score; // the score text, as (95分)
};

// Reads a plan text the way the run does (byte positions as in the texts above). Throws PlanError.
PlanReading readPlan(std::string_view plan, bool singleName);

} // namespace yav::naming
