#pragma once
// The naming run: one statement over table word built from the chosen plan (or every plan of the
// list), the element and sex filters and the fixed character; its rows become name lines such as
// 王子涵(95分), handed on in an interleaved order so that the first names already span the whole
// range of rankings.
#include "naming/plans.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace yav::db {
class Connection;
}

namespace yav::naming {

// The word filter W: the element condition of the checked elements followed by the sex condition.
std::string wordFilter(const NamingInput& input);

// The select of one plan. allPlans chooses the constants of the all-plans mode.
std::string planSelect(const NamingInput& input, const PlanReading& plan, bool allPlans, const std::string& w);

// True when the run goes over every plan of the list.
bool allPlansMode(const NamingInput& input);

// The whole statement of a run; empty when there is no plan to run. Throws PlanError.
std::string runStatement(const NamingInput& input);

// Walks the positions 1..n of the result in output order: for h = 1..n/9 the group of the nine
// positions h + k·(n/9), k = 0..8; then each of the remaining positions alone. After every group
// and every remaining position the run flag is read: 0 leaves the groups, and the remainder then
// stops after its first position. Returns the number of positions emitted.
std::size_t walkOutputOrder(std::size_t n, const std::atomic<unsigned char>& runFlag,
                     const std::function<void(std::span<const std::size_t>)>& emit);

// Receives the name lines of a run: a group of nine at a time, the last few one by one. It is
// called on the thread of the run.
using NameSink = std::function<void(std::vector<std::string>&& lines)>;

struct RunOutcome {
    std::size_t rows = 0;           // rows of the statement
    std::size_t output = 0;         // name lines handed to the sink
    bool stopped = false;           // the run flag ended it early
    double statementSeconds = 0;    // running the statement and reading its rows
    double untilRowsSeconds = 0;    // from the start of the run to the end of the statement
};

// One naming run on the connection. The run flag is read as walkOutputOrder says; it is never
// written here. Database errors and unreadable plan texts are thrown (db::Error, PlanError).
RunOutcome makeNames(const std::shared_ptr<db::Connection>& connection, const NamingInput& input,
                     const std::atomic<unsigned char>& runFlag, const NameSink& sink);

} // namespace yav::naming
