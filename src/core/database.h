#pragma once
// A small RAII layer over SQLite, shaped like the query object the program's windows use:
// a statement text, open, empty test, record count, first/next/move, fields by position or name,
// close. A query reads its whole result into memory when it opens, so counts and positioned
// moves are cheap. Database files are always opened read-only.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

namespace yav::db {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text literal for a statement: single quotes around, inner single quotes doubled.
std::string quote(std::string_view text);

class Connection {
public:
    // Opens the file that a connection text names (see datafiles.h), read-only. Throws Error
    // with the engine's message when the file is missing or is no database.
    explicit Connection(const std::string& connText);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return m_db; }
    const std::string& path() const { return m_path; }

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
};

using Value = std::variant<std::monostate, std::int64_t, double, std::string>;

class Query {
public:
    // A query on a shared connection (the main window's two queries share one).
    explicit Query(std::shared_ptr<Connection> connection);
    // A query that opens a connection of its own from a connection text when it opens.
    explicit Query(std::string connText);
    ~Query();

    void setSql(std::string sql) { m_sql = std::move(sql); m_params.clear(); }
    const std::string& sql() const { return m_sql; }
    // Values for the statement's "?" parameters, in order.
    void addParam(std::string text) { m_params.emplace_back(std::move(text)); }
    void addParam(std::int64_t number) { m_params.emplace_back(number); }

    void open(); // throws Error; the result is then read in full
    void close();
    bool isOpen() const { return m_open; }

    bool isEmpty() const { return m_rows.empty(); }
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    void first() { m_row = 0; }
    void next() { if (m_row < recordCount()) ++m_row; }
    bool eof() const { return m_row >= recordCount(); }
    // Moves to the row at 1-based position n (as the program addresses rows).
    void moveTo(int n);
    int position() const { return m_row + 1; }

    int fieldCount() const { return static_cast<int>(m_columns.size()); }
    const std::vector<std::string>& columnNames() const { return m_columns; }
    int fieldIndex(std::string_view name) const; // -1 when absent (case-insensitive)

    // Field of the current row. NULL reads as empty text, 0 or 0.0; a number read as text is
    // written in its shortest form; text read as a number takes its leading number (0 if none).
    // Reading past the last row or an unknown field throws Error.
    std::string text(int field) const;
    std::string text(std::string_view name) const;
    std::int64_t integer(int field) const;
    std::int64_t integer(std::string_view name) const;
    double real(int field) const;
    double real(std::string_view name) const;
    bool isNull(int field) const;

    // Whole rows, for callers that walk the result themselves.
    const std::vector<std::vector<Value>>& rows() const { return m_rows; }

private:
    const Value& value(int field) const;
    int requireField(std::string_view name) const;

    std::shared_ptr<Connection> m_shared;
    std::string m_connText;
    std::unique_ptr<Connection> m_own;
    std::string m_sql;
    std::vector<Value> m_params;
    std::vector<std::string> m_columns;
    std::vector<std::vector<Value>> m_rows;
    int m_row = 0;
    bool m_open = false;
};

std::string valueToText(const Value& v);
std::int64_t valueToInteger(const Value& v);

} // namespace yav::db
