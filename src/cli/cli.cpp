#include "cli/cli.h"

#include "core/datafiles.h"
#include "core/gbk.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace yav::cli {
namespace {

std::vector<Command>& commands()
{
    static std::vector<Command> list;
    return list;
}

const char* const GlobalUsage = "usage: yavname-cli [--data DIR] [--gbk] COMMAND [ARGS...]\ncommands:\n";

std::string usageText()
{
    std::string text = GlobalUsage;
    auto list = commands();
    std::sort(list.begin(), list.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const auto& c : list)
        text += "  " + c.usage + "\n";
    return text;
}

bool contains(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

} // namespace

int toInteger(const std::string& text, const std::string& what)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto res = std::from_chars(text.data(), end, value);
    if (text.empty() || res.ec != std::errc() || res.ptr != end)
        throw UsageError(what + " is not a whole number: " + text);
    return value;
}

int Args::integer(const std::string& option, int fallback) const
{
    auto it = values.find(option);
    return it == values.end() ? fallback : toInteger(it->second, option);
}

void registerCommand(Command command) { commands().push_back(std::move(command)); }

int runTool(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err)
{
    bool gbkOutput = false;
    std::size_t i = 0;
    try {
        // Options of the tool itself come before the command.
        for (; i < argv.size() && argv[i].rfind("--", 0) == 0; ++i) {
            if (argv[i] == "--gbk") {
                gbkOutput = true;
            } else if (argv[i] == "--data") {
                if (++i == argv.size())
                    throw UsageError("--data needs a folder");
                setDataFolder(argv[i]);
            } else if (argv[i] == "--help") {
                out << usageText();
                return 0;
            } else {
                throw UsageError("unknown option " + argv[i]);
            }
        }
        if (i == argv.size())
            throw UsageError("no command given");
        const std::string name = argv[i++];
        auto it = std::find_if(commands().begin(), commands().end(), [&](const Command& c) { return c.name == name; });
        if (it == commands().end())
            throw UsageError("unknown command " + name);
        const Command& cmd = *it;

        Args args;
        for (; i < argv.size(); ++i) {
            const std::string& a = argv[i];
            if (a == "--gbk") {
                gbkOutput = true;
            } else if (a == "--data") {
                if (++i == argv.size())
                    throw UsageError("--data needs a folder");
                setDataFolder(argv[i]);
            } else if (contains(cmd.valueOptions, a)) {
                if (++i == argv.size())
                    throw UsageError(a + " needs a value");
                args.values[a] = argv[i];
            } else if (contains(cmd.flags, a)) {
                args.flags.insert(a);
            } else if (a.rfind("--", 0) == 0 && a.size() > 2) {
                throw UsageError("unknown option " + a + " for " + name + "\nusage: yavname-cli " + cmd.usage);
            } else {
                args.positional.push_back(a);
            }
        }

        std::ostringstream buffer;
        int status = 0;
        try {
            status = cmd.run(args, buffer);
        } catch (const UsageError& e) {
            throw UsageError(std::string(e.what()) + "\nusage: yavname-cli " + cmd.usage);
        }
        const std::string text = buffer.str();
        if (gbkOutput) {
            // Lines that GBK cannot hold whole are written with '?' for the missing characters.
            auto encoded = gbk::encode(text);
            out << (encoded ? *encoded : gbk::toGbkLinesCrLf(text));
        } else {
            out << text;
        }
        return status;
    } catch (const UsageError& e) {
        err << "yavname-cli: " << e.what() << "\n";
        if (i >= argv.size() && std::string(e.what()) == "no command given")
            err << usageText();
        return 2;
    } catch (const std::exception& e) {
        err << "yavname-cli: " << e.what() << "\n";
        return 1;
    }
}

} // namespace yav::cli
