#pragma once
// The 81-entry number reading compiled into the program, used by the number tools (mobile, QQ and
// other numbers). It is separate from table "81" of QorFile.dll, which only the name analysis reads.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace yav {

struct PersonalityType {
    std::string_view name;
    std::string_view description;
};
extern const std::array<PersonalityType, 9> PersonalityTypes;

struct NumberEntry {
    std::string_view verse;
    std::string_view luck; // 吉, 凶, 吉带凶 or 凶带吉
    int type;              // index into PersonalityTypes
};
extern const std::array<NumberEntry, 81> NumberEntries;

// The answer for a number whose remainder by 81 is negative.
inline constexpr std::string_view NumberRefusal = "对不起,此号不在分解之类。";

// Entry at position 0..80 as one text: verse|luck word|主人性格类型：[type]，其具体表现为：description.
std::string numberEntryText(int position);

// Reading of a decimal number given as text (an optional sign, then digits; it must fit in a
// signed 64-bit integer, so 18 digits always do). The position is the remainder by 81 with the
// number's sign: 81, 162 and 0 read position 0, and a negative number gets NumberRefusal.
// nullopt when the text is no such number.
std::optional<std::string> NumberReading(std::string_view numberText);

} // namespace yav
