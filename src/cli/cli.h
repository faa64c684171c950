#pragma once
// yavname-cli: the program's core for scripts and tests, without windows.
//
// Adding a command: in a file src/cli/cmd_<subsystem>.cpp (every .cpp of this folder is built
// into the tool), define a function `int run(const yav::cli::Args&, std::ostream& out)` and
// register it at namespace scope:
//
//   static const yav::cli::Registrar reg{{"lunar", "lunar DATE... | lunar --from DATE --to DATE",
//                                         {"--from", "--to"}, {}, &cmdLunar}};
//
// Options are parsed here, in one place: the command lists the options that take a value and
// the plain flags; anything else starting with "--" is a usage error. Throw UsageError for wrong
// arguments (exit 2) and Failure for anything else (exit 1); the message goes to standard error.
// Write UTF-8 lines to `out`; the tool converts them to GBK when --gbk is given.
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace yav::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    bool has(const std::string& option) const { return values.count(option) || flags.count(option); }
    std::string value(const std::string& option, const std::string& fallback = {}) const
    {
        auto it = values.find(option);
        return it == values.end() ? fallback : it->second;
    }
    // A whole number from an option or a positional argument; UsageError when it is none.
    int integer(const std::string& option, int fallback) const;
};

int toInteger(const std::string& text, const std::string& what); // UsageError when not a whole number

struct Command {
    std::string name;
    std::string usage;
    std::vector<std::string> valueOptions;
    std::vector<std::string> flags;
    int (*run)(const Args&, std::ostream& out);
};

void registerCommand(Command command);

struct Registrar {
    explicit Registrar(Command command) { registerCommand(std::move(command)); }
};

// The tool's entry, also called by tests: returns the exit status.
int runTool(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

} // namespace yav::cli
