#pragma once
// The three-talent configuration (三才配置) of a name: its grade points from table sancai and its
// reading section from table sancai2009, both in QorFile.dll.
#include <string>
#include <string_view>
#include <vector>

namespace yav {

// Points of a grade 1 (best) to 7: 20, 18, 16, 15, 14, 13, 12; -1 for any other grade.
double TalentGradePoints(long long grade);

// Grade points of a title; -1 when the title has no row in sancai. Throws db::Error when the
// database cannot be read.
double TalentScore(std::string_view title);

// The report's three-talent section for a title: a separator, the heading and six reading lines,
// each stored value trimmed; no lines at all when sancai2009 has no row for the title. Throws
// db::Error when the database cannot be read.
std::vector<std::string> TalentSection(std::string_view title);

// The line between the report's sections.
inline constexpr std::string_view ReportSeparator =
    "<-----------------------名字分析内容分隔线----------------------------->";

} // namespace yav
