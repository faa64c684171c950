#include "core/database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace yav::db {

std::string quote(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    out += '\'';
    return out;
}

namespace {

// "file:" URI of a connection text; the text is either such a URI or a plain path.
std::string pathOf(const std::string& connText)
{
    if (connText.rfind("file:", 0) == 0) {
        auto q = connText.find('?');
        return connText.substr(5, q == std::string::npos ? std::string::npos : q - 5);
    }
    return connText;
}

} // namespace

Connection::Connection(const std::string& connText)
    : m_path(pathOf(connText))
{
    // SQLITE_OPEN_READONLY never creates a file, so a missing file fails here as it should.
    const int rc = sqlite3_open_v2(m_path.c_str(), &m_db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = std::string(sqlite3_errstr(rc)) + ": " + m_path;
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(msg);
    }
    // A file that is no database only shows when it is read.
    char* err = nullptr;
    if (sqlite3_exec(m_db, "select count(*) from sqlite_master", nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = std::string(err ? err : "not a database") + ": " + m_path;
        sqlite3_free(err);
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Error(msg);
    }
}

Connection::~Connection()
{
    if (m_db)
        sqlite3_close(m_db);
}

Query::Query(std::shared_ptr<Connection> connection)
    : m_shared(std::move(connection))
{
}

Query::Query(std::string connText)
    : m_connText(std::move(connText))
{
}

Query::~Query() = default;

void Query::open()
{
    close();
    sqlite3* db = nullptr;
    if (m_shared) {
        db = m_shared->handle();
    } else if (!m_connText.empty()) {
        if (!m_own)
            m_own = std::make_unique<Connection>(m_connText);
        db = m_own->handle();
    }
    if (!db)
        throw Error("no connection");

    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, m_sql.c_str(), static_cast<int>(m_sql.size()), &st, nullptr) != SQLITE_OK)
        throw Error(sqlite3_errmsg(db));
    for (std::size_t i = 0; i < m_params.size(); ++i) {
        const int idx = static_cast<int>(i) + 1;
        if (auto* s = std::get_if<std::string>(&m_params[i]))
            sqlite3_bind_text(st, idx, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
        else if (auto* n = std::get_if<std::int64_t>(&m_params[i]))
            sqlite3_bind_int64(st, idx, *n);
    }
    const int cols = sqlite3_column_count(st);
    for (int c = 0; c < cols; ++c) {
        const char* name = sqlite3_column_name(st, c);
        m_columns.emplace_back(name ? name : "");
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
        std::vector<Value> row;
        row.reserve(cols);
        for (int c = 0; c < cols; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER: row.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(st, c))); break;
            case SQLITE_FLOAT: row.emplace_back(sqlite3_column_double(st, c)); break;
            case SQLITE_NULL: row.emplace_back(std::monostate{}); break;
            default: {
                const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                row.emplace_back(std::string(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(st, c))));
            }
            }
        }
        m_rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        std::string msg = sqlite3_errmsg(db);
        sqlite3_finalize(st);
        m_columns.clear();
        m_rows.clear();
        throw Error(msg);
    }
    sqlite3_finalize(st);
    m_row = 0;
    m_open = true;
}

void Query::close()
{
    m_columns.clear();
    m_rows.clear();
    m_row = 0;
    m_open = false;
}

void Query::moveTo(int n)
{
    if (n < 1 || n > recordCount())
        throw Error("row " + std::to_string(n) + " is out of range");
    m_row = n - 1;
}

int Query::fieldIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const auto& c = m_columns[i];
        if (c.size() == name.size()
            && std::equal(c.begin(), c.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
               }))
            return static_cast<int>(i);
    }
    return -1;
}

int Query::requireField(std::string_view name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw Error("no field " + std::string(name));
    return i;
}

const Value& Query::value(int field) const
{
    if (!m_open || eof())
        throw Error("no current row");
    if (field < 0 || field >= fieldCount())
        throw Error("no field " + std::to_string(field));
    return m_rows[m_row][field];
}

std::string valueToText(const Value& v)
{
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    if (auto* n = std::get_if<std::int64_t>(&v))
        return std::to_string(*n);
    if (auto* d = std::get_if<double>(&v)) {
        char buf[32];
        auto res = std::to_chars(buf, buf + sizeof buf, *d);
        return std::string(buf, res.ptr);
    }
    return {};
}

std::int64_t valueToInteger(const Value& v)
{
    if (auto* n = std::get_if<std::int64_t>(&v))
        return *n;
    if (auto* d = std::get_if<double>(&v))
        return static_cast<std::int64_t>(std::llround(*d));
    if (auto* s = std::get_if<std::string>(&v))
        return std::strtoll(s->c_str(), nullptr, 10);
    return 0;
}

std::string Query::text(int field) const { return valueToText(value(field)); }
std::string Query::text(std::string_view name) const { return text(requireField(name)); }
std::int64_t Query::integer(int field) const { return valueToInteger(value(field)); }
std::int64_t Query::integer(std::string_view name) const { return integer(requireField(name)); }
double Query::real(int field) const
{
    const Value& v = value(field);
    if (auto* d = std::get_if<double>(&v))
        return *d;
    if (auto* n = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*n);
    if (auto* s = std::get_if<std::string>(&v))
        return std::strtod(s->c_str(), nullptr);
    return 0.0;
}
double Query::real(std::string_view name) const { return real(requireField(name)); }
bool Query::isNull(int field) const { return std::holds_alternative<std::monostate>(value(field)); }

} // namespace yav::db
