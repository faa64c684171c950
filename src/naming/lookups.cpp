#include "naming/lookups.h"

#include "core/database.h"
#include "core/datafiles.h"

namespace yav {
namespace {

// First column of the first row, or nullptr-like empty result.
bool firstValue(db::Query& q, const std::string& sql, std::string& out)
{
    q.close();
    q.setSql(sql);
    q.open();
    if (q.isEmpty())
        return false;
    q.first();
    out = q.text(0);
    return true;
}

// The character goes into the statement as a quoted literal, inner quotes doubled, so a quote in
// what the user typed can neither break nor change the statement. The row limit ("top 1") is
// spelled at the end, as the engine wants it.
int ownStrokes(db::Query& q, std::string_view column, std::string_view ch)
{
    q.close();
    q.setSql(std::string("select  bh from word where ").append(column).append(" = ") + db::quote(ch) + " limit 1");
    q.open();
    if (q.isEmpty())
        return 0;
    q.first();
    return static_cast<int>(q.integer("bh"));
}

} // namespace

int strokesOn(db::Query& query, std::string_view ch)
{
    std::string v;
    int count = 0;
    if (firstValue(query, "select bh from word where zi = " + db::quote(ch), v))
        count = static_cast<int>(db::valueToInteger(db::Value(v)));
    if (count == 0) {
        v.clear();
        if (firstValue(query, "select bh from word where ft = " + db::quote(ch), v))
            count = static_cast<int>(db::valueToInteger(db::Value(v)));
    }
    query.close();
    return count;
}

std::string wuhangOn(db::Query& query, std::string_view ch)
{
    std::string element;
    firstValue(query, "select wuhang from word where zi = " + db::quote(ch), element);
    if (element.empty())
        firstValue(query, "select wuhang from word where ft = " + db::quote(ch) + " ", element);
    query.close();
    return element;
}

int CharStrokes(std::string_view ch)
{
    try {
        db::Query q(ConnStrCode());
        int count = 0;
        try {
            count = ownStrokes(q, "zi", ch);
        } catch (const db::Error&) {
            count = 0;
        }
        if (count == 0)
            count = ownStrokes(q, "ft", ch);
        return count;
    } catch (const db::Error&) {
        return 0;
    }
}

int CombinationScore(std::string_view family1, std::string_view family2, std::string_view given1,
                     std::string_view given2)
{
    const int s1 = CharStrokes(family1);
    const int s2 = family2.empty() ? 0 : CharStrokes(family2);
    const int g1 = given1.empty() ? 0 : CharStrokes(given1);
    const int g2 = given2.empty() ? 0 : CharStrokes(given2);
    try {
        db::Query q(ConnStrCode());
        q.setSql("select  zf from zh where bh11 = " + std::to_string(s1) + " and bh12 = " + std::to_string(s2)
                 + " and bh21 = " + std::to_string(g1) + " and bh22 = " + std::to_string(g2) + "  limit 1");
        q.open();
        if (q.isEmpty())
            return 0;
        q.first();
        return static_cast<int>(q.integer("zf"));
    } catch (const db::Error&) {
        return 0;
    }
}

} // namespace yav
