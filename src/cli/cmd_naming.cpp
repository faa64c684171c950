// Commands of the naming workbench: character lookups and combination scores.
#include "cli/cli.h"

#include "core/database.h"
#include "core/datafiles.h"
#include "core/gbk.h"
#include "naming/lookups.h"

namespace {

using namespace yav;

// One character of an argument, refused when GBK cannot hold it.
void requireGbk(const std::string& text)
{
    const std::string bad = gbk::firstUnencodable(text);
    if (!bad.empty())
        throw cli::UsageError("character without a GBK code: " + bad);
}

int cmdStrokes(const cli::Args& args, std::ostream& out)
{
    if (args.positional.empty())
        throw cli::UsageError("no character given");
    // One connection serves every character, as the main window's query does.
    std::shared_ptr<db::Connection> conn;
    try {
        conn = std::make_shared<db::Connection>(ConnStrCode());
    } catch (const db::Error& e) {
        throw cli::Failure(e.what());
    }
    db::Query query(conn);
    for (const auto& ch : args.positional) {
        requireGbk(ch);
        out << ch << '\t' << CharStrokes(ch) << '\t' << wuhangOn(query, ch) << '\n';
    }
    return 0;
}

// The family and given names split into characters as the numerology reads them: a part of at
// most two GBK bytes is one character, a longer one gives its first two.
std::pair<std::string, std::string> twoChars(const std::string& part)
{
    return {gbk::cut(part, 0, 2).text, gbk::cut(part, 2, 2).text};
}

int cmdScore(const cli::Args& args, std::ostream& out)
{
    if (args.positional.size() != 2)
        throw cli::UsageError("give the family name and the given name");
    requireGbk(args.positional[0]);
    requireGbk(args.positional[1]);
    const auto [f1, f2] = twoChars(args.positional[0]);
    const auto [g1, g2] = twoChars(args.positional[1]);
    out << CombinationScore(f1, f2, g1, g2) << '\n';
    return 0;
}

// The word row of each character (found by its own form, else as a traditional form); a
// character without a row prints alone.
int cmdChar(const cli::Args& args, std::ostream& out)
{
    if (args.positional.empty())
        throw cli::UsageError("no character given");
    db::Query query(ConnStrCode());
    for (const auto& ch : args.positional) {
        requireGbk(ch);
        bool found = false;
        for (const char* column : {"zi", "ft"}) {
            query.setSql(std::string("select zi, ft, bh, wuhang, xb, px from word where ") + column + " = "
                         + db::quote(ch) + " order by id limit 1");
            try {
                query.open();
            } catch (const db::Error& e) {
                throw cli::Failure(e.what());
            }
            if (!query.isEmpty()) {
                out << query.text(0);
                for (int f = 1; f < query.fieldCount(); ++f)
                    out << '\t' << query.text(f);
                out << '\n';
                found = true;
                break;
            }
        }
        if (!found)
            out << ch << '\n';
    }
    return 0;
}

const cli::Registrar charCommand{{"char", "char CHAR...", {}, {}, &cmdChar}};
const cli::Registrar strokesCommand{{"strokes", "strokes CHAR...", {}, {}, &cmdStrokes}};
const cli::Registrar scoreCommand{{"score", "score FAMILY GIVEN", {}, {}, &cmdScore}};

} // namespace
