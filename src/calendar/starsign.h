#pragma once
// The star sign of the name analysis and the birth chart. The perpetual calendar keeps its own
// table (almanac/DateCn.h), whose boundaries differ in several months.
#include "core/dates.h"

#include <string>

namespace yav {

// The sign of a solar day, from this unit's table of date ranges (both ends inclusive). 金牛座
// carries a trailing blank, as the reports have always printed it: "金牛座 ". A value with a time
// of day after midnight falls outside the range that ends on its day, so meant for whole days;
// empty when no range holds the value.
std::string StarSignText(DateTime date);

} // namespace yav
