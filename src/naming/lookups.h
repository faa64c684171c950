#pragma once
// Stroke counts, elements and precomputed combination scores from the character database.
#include <string>
#include <string_view>

namespace yav::db {
class Query;
}

namespace yav {

// Stroke count of a character on the given query (the main window's ADOTem): looked up by the
// simplified form, then, when that gives 0, by the traditional form. 0 when neither is found.
// Database errors are passed on to the caller.
int strokesOn(db::Query& query, std::string_view ch);

// Element word of a character on the given query, by simplified then traditional form; empty when
// none. The value is returned untrimmed. Database errors are passed on.
std::string wuhangOn(db::Query& query, std::string_view ch);

// Stroke count on a connection of its own (ConnStrCode); every failure gives 0.
int CharStrokes(std::string_view ch);

// Precomputed score of the name's stroke combination from table zh; 0 when the combination is not
// there or on any failure. The second character of either part may be empty.
int CombinationScore(std::string_view family1, std::string_view family2, std::string_view given1,
                     std::string_view given2);

} // namespace yav
