// Builds one read-only database file of the program from a reviewed source folder:
// every <table>.sql is executed (one CREATE TABLE and its indexes), then every <table>.tsv
// is loaded into the table of the same name. See refdata/README.md for the file format.
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Failure {
    std::string what;
};

void exec(sqlite3* db, const std::string& sql)
{
    char* msg = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &msg) != SQLITE_OK) {
        std::string text = msg ? msg : "unknown error";
        sqlite3_free(msg);
        throw Failure{text};
    }
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

std::string unescape(const std::string& field, const std::string& where)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size())
            throw Failure{where + ": backslash at the end of a field"};
        switch (field[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: throw Failure{where + ": unknown escape \\" + std::string(1, field[i])};
        }
    }
    return out;
}

std::string quoteIdent(const std::string& name)
{
    std::string out = "\"";
    for (char c : name)
        out += (c == '"') ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

// Declared type of each column, upper-cased ("INTEGER", "TEXT", ...).
std::vector<std::pair<std::string, std::string>> columnsOf(sqlite3* db, const std::string& table)
{
    std::vector<std::pair<std::string, std::string>> cols;
    sqlite3_stmt* st = nullptr;
    std::string sql = "PRAGMA table_info(" + quoteIdent(table) + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw Failure{sqlite3_errmsg(db)};
    while (sqlite3_step(st) == SQLITE_ROW) {
        std::string name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        std::string type = reinterpret_cast<const char*>(sqlite3_column_text(st, 2));
        std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::toupper(c); });
        cols.emplace_back(name, type);
    }
    sqlite3_finalize(st);
    return cols;
}

void loadTsv(sqlite3* db, const fs::path& path)
{
    const std::string table = path.stem().string();
    const auto tableCols = columnsOf(db, table);
    if (tableCols.empty())
        throw Failure{path.string() + ": no table " + table + " (is " + table + ".sql there?)"};

    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line))
        throw Failure{path.string() + ": no header line"};
    const auto header = splitTabs(line);
    std::vector<bool> numeric;
    std::string names, marks;
    for (const auto& h : header) {
        auto it = std::find_if(tableCols.begin(), tableCols.end(), [&](const auto& c) { return c.first == h; });
        if (it == tableCols.end())
            throw Failure{path.string() + ": column " + h + " is not in table " + table};
        numeric.push_back(it->second.find("INT") != std::string::npos || it->second == "REAL"
                          || it->second == "NUMERIC" || it->second == "DOUBLE");
        names += (names.empty() ? "" : ",") + quoteIdent(h);
        marks += marks.empty() ? "?" : ",?";
    }
    const std::string sql = "INSERT INTO " + quoteIdent(table) + " (" + names + ") VALUES (" + marks + ")";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw Failure{sqlite3_errmsg(db)};

    int lineNo = 1;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            throw Failure{path.string() + ":" + std::to_string(lineNo) + ": CR LF line end (the files use LF)"};
        if (line.empty())
            continue;
        const auto fields = splitTabs(line);
        const std::string where = path.string() + ":" + std::to_string(lineNo);
        if (fields.size() != header.size())
            throw Failure{where + ": " + std::to_string(fields.size()) + " fields, header has "
                          + std::to_string(header.size())};
        sqlite3_reset(st);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const int idx = static_cast<int>(i) + 1;
            if (fields[i] == "\\N" || (fields[i].empty() && numeric[i])) {
                sqlite3_bind_null(st, idx);
                continue;
            }
            const std::string value = unescape(fields[i], where);
            sqlite3_bind_text(st, idx, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(st) != SQLITE_DONE)
            throw Failure{where + ": " + sqlite3_errmsg(db)};
    }
    sqlite3_finalize(st);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: yav_loaddb SOURCE_FOLDER OUTPUT_FILE\n";
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path output = argv[2];
    const fs::path temp = output.string() + ".tmp";
    std::error_code ec;
    fs::remove(temp, ec);

    sqlite3* db = nullptr;
    try {
        if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK)
            throw Failure{"cannot create " + temp.string()};
        exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");
        std::vector<fs::path> sqlFiles, tsvFiles;
        if (fs::is_directory(source)) {
            for (const auto& entry : fs::directory_iterator(source)) {
                if (entry.path().extension() == ".sql")
                    sqlFiles.push_back(entry.path());
                else if (entry.path().extension() == ".tsv")
                    tsvFiles.push_back(entry.path());
            }
        }
        std::sort(sqlFiles.begin(), sqlFiles.end());
        std::sort(tsvFiles.begin(), tsvFiles.end());
        for (const auto& f : sqlFiles)
            exec(db, readFile(f));
        for (const auto& f : tsvFiles)
            loadTsv(db, f);
        exec(db, "COMMIT");
        sqlite3_close(db);
        db = nullptr;
        fs::rename(temp, output);
    } catch (const Failure& f) {
        std::cerr << "yav_loaddb: " << f.what << "\n";
        if (db)
            sqlite3_close(db);
        fs::remove(temp, ec);
        return 1;
    }
    return 0;
}
