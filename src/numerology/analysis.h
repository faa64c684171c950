#pragma once
// The name-analysis report: five header lines (age, solar and lunar birthday, zodiac animal,
// star sign), the overall score, the readings of the five grids and of the three talents, the
// hints of the grid numbers and a verdict by the score. The window shows the lines; the
// command-line tool prints them.
#include "calendar/hxCalendar.h"
#include "core/dates.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yav {

// The hour list of the birth moment: branch, one blank, clock hour.
inline constexpr std::array<std::string_view, 24> HourItems = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
    "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

// What the analysis window holds when its button is pressed. Texts are taken as typed; the
// analysis trims them where it reads them.
struct AnalysisInput {
    std::string family;
    std::string given;
    std::string sex = "男"; // shown in the window only; the report does not use it
    int calendar = 0;       // 0 solar (公历), 1 lunar (农历)
    std::string year = "1980";
    std::string month = "1";
    std::string day = "1";
    std::string hour = "子 0"; // an hour item
    std::string minute = "0";
};

// The birth moment resolved to a solar day and its lunar date.
struct Birth {
    DayNumber solar = 0;
    std::string year, month, day; // of the solar day, zero-padded ("1980", "01", "01")
    LunarDate lunar;
    std::string lunarText; // as 庚申(猴年)十一月十六
    std::string zodiac;    // the animal of the lunar year
    std::string starSign;
};

// The birth moment of the inputs, or the message that tells the user what is wrong with it: a
// solar date that does not exist, a lunar date that does not exist or lies outside the lunar
// years 1901 to 2099, or a solar date outside 1900-01-31 to 2100-12-31, the range of the lunar
// calendar.
std::optional<Birth> resolveBirth(const AnalysisInput& in, std::string& message);

// The score as the report writes it: shortest decimal form, no exponent (90, 85.5, 79).
std::string formatScore(double score);

// The verdict line of a score: bands from 90, 80, 70 and 60 up.
std::string_view verdictFor(double score);

// Grids and score of a full name.
struct NameScore {
    // Grid numbers by GridKind (天格, 地格, 人格, 总格, 外格).
    std::array<int, 5> grid{};
    std::string title;     // three-talent title of 天格, 人格, 地格
    int precomputed = 0;   // CombinationScore, 0 when the combination has none
    double computed = 0;   // grid points + TalentScore; only filled in by scoreName(..., true)
    double score = 0;      // the precomputed score when there is one, else the computed one
};

// Throws db::Error when QorFile.dll cannot be read (only when the computed score is needed).
// With alwaysCompute the grid points are added up even when a precomputed score exists.
NameScore scoreName(std::string_view family, std::string_view given, bool alwaysCompute = false);

// Sum of the grid points and the three-talent points, added in the report's order.
double computedScore(const std::array<int, 5>& grid, std::string_view title);

struct AnalysisResult {
    // Set when the inputs were refused; the window shows it and keeps its previous report.
    std::string message;
    // The report; when databaseError is set, the lines written before the failure.
    std::vector<std::string> lines;
    std::string databaseError;
    bool refused() const { return !message.empty(); }
};

// The whole analysis of the window's button, with the age counted against currentYear.
AnalysisResult analyseName(const AnalysisInput& in, int currentYear);
// The same against this year.
AnalysisResult analyseName(const AnalysisInput& in);

// The given name of a high-score list line such as 欧阳明轩(95分): the text before the first "(",
// from the byte after the family name on, at most 20 bytes, trimmed.
std::string givenNameOfLine(std::string_view line, std::string_view family);

} // namespace yav
